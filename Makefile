# Two commands do everything on a fresh Debian machine:
#   make run    install what is missing, build, run korvo-pde on the bundled sample printer
#   make test   install what is missing, build, run every test
BUILD ?= build
JOBS ?= $(shell nproc)
# Line tables only (-g1): stack traces and profiles keep their file and line, and the build takes
# a quarter less time than with full debug information.
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"

# ccache (installed by setup) lets the three builds reuse every object that did not change; it is
# looked for when a recipe runs, since setup may have just installed it.
LAUNCHER = $$(command -v ccache > /dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

.PHONY: all setup build run dialog test install deb sanitize fuzz bench clean

all: build

setup:
	@scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) $(LAUNCHER) > /dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/korvo-pde show

# The print dialog in a window, on the bundled sample printer; Save writes dialog-session.plist.
dialog: build
	$(BUILD)/bin/korvo-pde dialog --session dialog-session.plist

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The program, its window, the plug-in bundle and the manual page under PREFIX (bin/, lib/,
# share/man/man1/): make install PREFIX="$PWD/stage" && stage/bin/korvo-pde show
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package korvo-pde_VERSION_ARCH.deb in this folder, installed under /usr, then what
# lintian finds in it: any error fails the target (warnings are reported, not fatal).
deb: build
	@deb=$$(packaging/make_deb.sh $(BUILD) .) && echo "$$deb" && lintian --fail-on error "$$deb"

# The tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DKORVO_SANITIZE=ON -DKORVO_BENCH=OFF $(LAUNCHER) > /dev/null
	@cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# Every libFuzzer target, briefly, on its seed corpus.
FUZZ_SECONDS ?= 20
fuzz: setup
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" -DKORVO_FUZZ=ON -DKORVO_TESTS=OFF -DKORVO_BENCH=OFF $(LAUNCHER) > /dev/null
	@cmake --build build-fuzz -j $(JOBS) --target korvo_fuzzers
	fuzz/run_fuzzers.sh build-fuzz $(FUZZ_SECONDS)

# Every benchmark program, then the table of start-up and import figures against their yardsticks.
bench: setup
	@cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVO_TESTS=OFF $(LAUNCHER) > /dev/null
	@cmake --build build-release -j $(JOBS)
	@for b in build-release/bin/*_bench; do echo "== $$b"; $$b; done
	@echo "== start-up and import against their yardsticks"
	@bench/table.sh build-release
	@echo "== submission to the printer through a Korvo queue against a raw queue"
	@bench/queue_bench.sh build-release
	@echo "== the print dialog on screen with our six tabs against GTK's bare print dialog"
	@bench/print_dialog_start.sh build-release

clean:
	rm -rf build build-asan build-fuzz build-release
