#!/usr/bin/env bash
# The start-up and import figures beside their yardsticks, one row each, with the goal the ratio
# should stay within: whole programs timed with hyperfine (user + system time), in-process figures
# from the benchmark programs, each compared by medians (see below). Usage:
# bench/table.sh <release build folder>
set -euo pipefail
build=${1:?usage: bench/table.sh <release build folder>}
bin=$build/bin
ppd=$build/lib/KorvoFeatures.plugin/Contents/Resources/KorvoSample.ppd
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A new user's home: what the dialog reads and keeps (watermarks, histories, stocks) is then the
# same on every machine, not whatever earlier runs left in the real one.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"

rows=()
# add_row <what> <ours / yardstick> <ratio> <goal>
add_row() { rows+=("$(printf '| %-56s | %-19s | %-6s | %-7s |' "$1" "$2" "$3" "$4")"); }

# CPU time (user + system) of each command, and their ratio. A shared machine drifts while one
# command is timed after the other, so the pair is timed in several short rounds, one after the
# other within each round; the figures are the medians over the rounds.
cpu_ratio() {
  local round
  for round in $(seq "${ROUNDS:-5}"); do
    hyperfine -N --warmup 3 --runs "${RUNS:-15}" --style none --export-json "$work/run$round.json" "$1" "$2" \
      > /dev/null 2>&1 || { echo "hyperfine could not run: $1 / $2" >&2; exit 1; }
  done
  python3 - "$work"/run*.json <<'EOF'
import json, statistics, sys
pairs = []
for name in sys.argv[1:]:
    r = json.load(open(name))["results"]
    pairs.append([x["user"] + x["system"] for x in r])
ours = statistics.median(p[0] for p in pairs)
theirs = statistics.median(p[1] for p in pairs)
ratio = statistics.median(p[0] / p[1] for p in pairs)
print(f"{ours * 1000:.1f} ms / {theirs * 1000:.1f} ms|{ratio:.2f}x")
EOF
  rm -f "$work"/run*.json
}

"$bin/korvo-pde" show --session "$work/s.plist" > /dev/null
show=$(cpu_ratio "$bin/korvo-pde show --session $work/s.plist" "cupstestppd -q $ppd")
add_row "korvo-pde show / cupstestppd -q, whole process" "${show%%|*}" "${show##*|}" "<= 2x"

type42=$(cpu_ratio "$bin/korvo-pde type42 $font -o $work/a.t42" "ttftotype42 $font $work/b.t42")
add_row "korvo-pde type42 / ttftotype42, whole process" "${type42%%|*}" "${type42##*|}" "<= 1x"

# The in-process pairs: each benchmark alone in a process of its own, so that neither finds the
# heap as the other left it, repeated, and compared by the medians of their CPU times.
bench_cpu() {
  "$1" --benchmark_filter="^$2\$" --benchmark_repetitions="${REPETITIONS:-7}" --benchmark_min_time="$3" \
    --benchmark_out="$work/bench.json" --benchmark_out_format=json > /dev/null 2>&1 ||
    { echo "$1 could not run $2" >&2; exit 1; }
  python3 - "$work/bench.json" <<'EOF'
import json, sys
scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        print(b["cpu_time"] * scale[b["time_unit"]])
EOF
}
# bench_pair <program> <ours> <theirs> <minimum seconds a repetition runs>: "a / b|ratio"
bench_pair() {
  local ours theirs
  ours=$(bench_cpu "$1" "$2" "$4")
  theirs=$(bench_cpu "$1" "$3" "$4")
  python3 -c "import sys; a, b = float(sys.argv[1]), float(sys.argv[2]); print(f'{a * 1e3:.2f} ms / {b * 1e3:.2f} ms|{a / b:.2f}x')" \
    "$ours" "$theirs"
}

shell=$(bench_pair "$bin/shell_bench" BM_ShellInitialize BM_BarePPDOpenAndMarkDefaults 0.2)
add_row "shell Prologue+Initialize+Terminate / ppdOpenFile+marks" "${shell%%|*}" "${shell##*|}" "<= 1.3x"

heavy=$(bench_pair "$bin/jobticket_bench" BM_ImportHeavyJob BM_BareLibxml2ParseOfExport 0.3)
add_row "import of the 2.6 MB heavy job / bare libxml2 parse" "${heavy%%|*}" "${heavy##*|}" "<= 1.3x"
large=$(bench_pair "$bin/jobticket_bench" BM_ImportLargeJob BM_BareLibxml2ParseOfLargeJob 1)
add_row "import of the 10,000-range job / bare libxml2 parse" "${large%%|*}" "${large##*|}" "<= 1.3x"
# Large jobs: show and import cost little more than the parse they stand on and grow as it grows.
for kind in Ranges Inserts; do
  pair=$(bench_pair "$bin/host_bench" "BM_Show$kind/10000" "BM_Parse${kind}Session/10000" 0.5)
  add_row "show of 10,000 $kind / bare parse of the session" "${pair%%|*}" "${pair##*|}" "<= 1.5x"
  pair=$(bench_pair "$bin/host_bench" "BM_Import$kind/10000" "BM_Parse${kind}Ticket/10000" 0.5)
  add_row "import of 10,000 $kind / bare parse of the ticket" "${pair%%|*}" "${pair##*|}" "<= 1.5x"
  pair=$(bench_pair "$bin/host_bench" "BM_Show$kind/100000" "BM_Show$kind/10000" 1)
  add_row "show of 100,000 $kind / of 10,000" "${pair%%|*}" "${pair##*|}" "<= 12x"
done

printf '| %-56s | %-19s | %-6s | %-7s |\n' "what" "CPU, ours / theirs" "ratio" "goal"
printf '|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..58})" "$(printf -- '-%.0s' {1..21})" "$(printf -- '-%.0s' {1..8})" \
  "$(printf -- '-%.0s' {1..9})"
printf '%s\n' "${rows[@]}"
