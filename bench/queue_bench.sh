#!/usr/bin/env bash
# Time from submission to the job at the printer, through a Korvo queue (our backend) against the
# same job through a raw queue with CUPS' own ipp backend, both on one private cupsd in front of
# ippeveprinter (tests/support/private_cups.sh). The queues take turns, one job each, and the
# medians are compared. Usage: bench/queue_bench.sh <build folder>
set -euo pipefail
build=${1:?usage: bench/queue_bench.sh <build folder>}
root=$(cd "$(dirname "$0")/.." && pwd)
backend=$(realpath "$build/bin/korvo")
ppd=$(realpath "$build/lib/KorvoFeatures.plugin/Contents/Resources/KorvoSample.ppd")
base=$(mktemp -d /tmp/korvo-bench-XXXXXX)
[ "$(id -u)" -eq 0 ] && chown 65534:65534 "$base"
"$root/tests/support/private_cups.sh" "$base" "$backend" "$ppd" "" application/pdf > "$base.log" 2>&1 &
cups=$!
trap 'kill $cups 2> /dev/null; wait $cups 2> /dev/null; rm -rf "$base" "$base.log"' EXIT
for _ in $(seq 500); do [ -e "$base/ready" ] && break; sleep 0.02; done
[ -e "$base/ready" ] || { echo "the private cupsd did not come up: $(cat "$base.log")" >&2; exit 1; }

enter=(-n)
[ "$(id -u)" -eq 0 ] || enter=(-U -n --preserve-credentials)
in_cups() { nsenter -t "$cups" "${enter[@]}" env CUPS_SERVER="$base/cups.sock" "$@"; }
cat > "$base/get-jobs.test" << 'TEST'
{ OPERATION Get-Jobs
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR keyword which-jobs completed
  ATTR keyword requested-attributes job-id
  STATUS successful-ok }
TEST
completed() { in_cups ipptool -tv ipp://127.0.0.1:8631/ipp/print "$base/get-jobs.test" | grep -c 'job-id (integer)' || true; }
cp "$root/tests/data/host/one_page.pdf" "$base/doc.pdf"
chmod 644 "$base/doc.pdf"

# Seconds from lp to the job completed at the printer.
time_job() {
  local before start now
  before=$(completed)
  start=$(date +%s%N)
  in_cups lp -d "$1" -o StapleLocation=SinglePortrait "$base/doc.pdf" > /dev/null
  for _ in $(seq 2000); do
    [ "$(completed)" -gt "$before" ] && break
    sleep 0.005
  done
  now=$(date +%s%N)
  echo $(((now - start) / 1000))
}

korvo=() raw=()
time_job Korvo > /dev/null
time_job Raw > /dev/null
for _ in $(seq "${ROUNDS:-11}"); do
  korvo+=("$(time_job Korvo)")
  raw+=("$(time_job Raw)")
done
. "$root/bench/median_row.sh"
median_row "submission to printer: Korvo queue / raw queue, ipp" "$(median "${korvo[@]}")" "$(median "${raw[@]}")" \
  "<= 1.2x"
