#!/usr/bin/env bash
# Time from start to the print dialog on screen: korvo-pde print-dialog with our six tabs against
# GTK's bare print dialog (bench/print_dialog/bare_print_dialog.c), on one virtual display (Xvfb)
# and with the same CUPS server: a private cupsd with a Korvo queue (tests/support/private_cups.sh).
# Ours is on screen once its layout report lists the six tabs, and is then stopped; the bare one
# exits when its dialog is mapped. The two take turns; the medians are compared.
# Usage: bench/print_dialog_start.sh <build folder>
set -euo pipefail
build=${1:?usage: bench/print_dialog_start.sh <build folder>}
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath "$build/bin")
for program in "$bin/korvo-pde" "$bin/bare_print_dialog"; do
  [ -x "$program" ] || { echo "ERROR: $program is not built (GTK 4 is needed)" >&2; exit 1; }
done
command -v Xvfb > /dev/null || { echo "ERROR: Xvfb is not installed" >&2; exit 1; }
"$bin/korvo-pde" help print-dialog > /dev/null 2>&1 ||
  { echo "ERROR: $bin/korvo-pde has no print-dialog command" >&2; exit 1; }

base=$(mktemp -d /tmp/korvo-dialog-bench-XXXXXX)
work=$(mktemp -d)
[ "$(id -u)" -eq 0 ] && chown 65534:65534 "$base"
backend=$(realpath "$bin/korvo")
ppd=$(realpath "$build/lib/KorvoFeatures.plugin/Contents/Resources/KorvoSample.ppd")
"$root/tests/support/private_cups.sh" "$base" "$backend" "$ppd" "" application/pdf > "$work/cups.log" 2>&1 &
cups=$!
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $cups $xvfb 2> /dev/null; wait $cups $xvfb 2> /dev/null; rm -rf "$base" "$work"' EXIT
trap 'exit 1' INT TERM
for _ in $(seq 500); do [ -e "$base/ready" ] && grep -q . "$work/display" && break; sleep 0.02; done
[ -e "$base/ready" ] || { echo "ERROR: the private cupsd did not come up: $(cat "$work/cups.log")" >&2; exit 1; }
display=:$(head -n 1 "$work/display")
[ "$display" != : ] || { echo "ERROR: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }

# Both programs see the same display, print server and a new user's home, in the network namespace
# where the private cupsd and its printer listen.
enter=(-n)
[ "$(id -u)" -eq 0 ] || enter=(-U -n --preserve-credentials)
mkdir -p "$work/home"
# A prefix, not a function: a program started in the background through a function would run in a
# subshell, and $! would be the subshell's id, not the program's.
in_session=(nsenter -t "$cups" "${enter[@]}" env CUPS_SERVER="$base/cups.sock" DISPLAY="$display" GDK_BACKEND=x11
  GSK_RENDERER=cairo GTK_A11Y=none NO_AT_BRIDGE=1 HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
  XDG_DATA_HOME="$work/home/.local/share")
cp "$root/tests/data/host/one_page.pdf" "$work/doc.pdf"

now() { date +%s%N; }
# Microseconds from the start of korvo-pde print-dialog to its six tabs in the layout report.
time_ours() {
  local start pid tabs
  rm -f "$work/layout"
  start=$(now)
  # A process group of its own (setsid; its id is the program's), so that stopping it stops
  # whatever it starts as well: a window left behind would write the next run's report.
  "${in_session[@]}" setsid "$bin/korvo-pde" print-dialog "$work/doc.pdf" --layout "$work/layout" > "$work/ours.log" 2>&1 &
  pid=$!
  for _ in $(seq 3000); do
    tabs=$(grep -c '^tab ' "$work/layout" 2> /dev/null || true)
    [ "${tabs:-0}" -ge 6 ] && break
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.005
  done
  local shown
  shown=$(now)
  kill -- "-$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
  while kill -0 -- "-$pid" 2> /dev/null; do sleep 0.01; done
  [ "${tabs:-0}" -ge 6 ] || { echo "ERROR: korvo-pde print-dialog showed no six tabs: $(cat "$work/ours.log")" >&2; exit 1; }
  echo $(((shown - start) / 1000))
}
# Microseconds from the start of the bare dialog to its exit, once mapped.
time_bare() {
  local start
  start=$(now)
  "${in_session[@]}" "$bin/bare_print_dialog" > "$work/bare.log" 2>&1 ||
    { echo "ERROR: bare_print_dialog failed: $(cat "$work/bare.log")" >&2; exit 1; }
  echo $((($(now) - start) / 1000))
}

# One of each first: the font and icon caches are then as warm for the first measured run as for
# the last.
time_ours > /dev/null
time_bare > /dev/null
ours=() bare=()
for _ in $(seq "${ROUNDS:-9}"); do
  ours+=("$(time_ours)")
  bare+=("$(time_bare)")
done
. "$root/bench/median_row.sh"
median_row "print dialog on screen: ours, six tabs / bare GTK dialog" "$(median "${ours[@]}")" \
  "$(median "${bare[@]}")" "<= 1.3x"
