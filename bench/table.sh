#!/usr/bin/env bash
# The start-up and import figures beside their yardsticks, one row each, with the goal the ratio
# should stay within. Whole programs are timed with hyperfine (user + system time, both programs
# in one run, so a busy machine slows both); in-process figures come from the benchmark programs'
# own ratio lines. Usage: bench/table.sh <release build folder>
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

# The ratio a benchmark program printed for label ("<label> = 1.23x (CPU time)").
bench_ratio() {
  grep -F "$2 = " "$1" | sed 's/.* = \([0-9.]*x\).*/\1/'
}

"$bin/korvo-pde" show --session "$work/s.plist" > /dev/null
show=$(cpu_ratio "$bin/korvo-pde show --session $work/s.plist" "cupstestppd -q $ppd")
add_row "korvo-pde show / cupstestppd -q, whole process" "${show%%|*}" "${show##*|}" "<= 2x"

type42=$(cpu_ratio "$bin/korvo-pde type42 $font -o $work/a.t42" "ttftotype42 $font $work/b.t42")
add_row "korvo-pde type42 / ttftotype42, whole process" "${type42%%|*}" "${type42##*|}" "<= 1x"

"$bin/shell_bench" > "$work/shell.txt" 2>&1
add_row "shell Prologue+Initialize+Terminate / ppdOpenFile+marks" "shell_bench" \
  "$(bench_ratio "$work/shell.txt" "shell Initialize / bare ppdOpenFile + ppdMarkDefaults")" "<= 1.3x"

"$bin/jobticket_bench" --benchmark_filter='Import|BareLibxml2ParseOf(Export|LargeJob)' > "$work/jobticket.txt" 2>&1
add_row "import of the 2.6 MB heavy job / bare libxml2 parse" "jobticket_bench" \
  "$(bench_ratio "$work/jobticket.txt" "import / bare libxml2 parse of the same file")" "<= 1.3x"
add_row "import of the 10,000-range job / bare libxml2 parse" "jobticket_bench" \
  "$(bench_ratio "$work/jobticket.txt" "import of the large job / bare libxml2 parse of it")" "<= 1.3x"

printf '| %-56s | %-19s | %-6s | %-7s |\n' "what" "CPU, ours / theirs" "ratio" "goal"
printf '|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..58})" "$(printf -- '-%.0s' {1..21})" "$(printf -- '-%.0s' {1..8})" \
  "$(printf -- '-%.0s' {1..9})"
printf '%s\n' "${rows[@]}"
