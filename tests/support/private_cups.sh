#!/bin/bash
# A private print system for the tests: cupsd with a Korvo queue and a raw queue, in front of
# ippeveprinter, as an ordinary user in a user and network namespace of their own, so that no
# port, socket or file is shared with the machine's own CUPS.
#
#   private_cups.sh BASE BACKEND PPD ATTRIBUTES FORMATS
#
# BASE is an empty folder (the unprivileged user's when run as root), BACKEND the korvo backend
# program, PPD the queue's printer description, ATTRIBUTES the printer's attributes file
# (ippeveprinter -a; empty for none), FORMATS its document formats when it has none (-f). Once "BASE/ready" exists: cupsd listens on BASE/cups.sock and on
# 127.0.0.1:8632 in the namespace, the printer on 127.0.0.1:8631, with queues "Korvo" (device
# korvo://127.0.0.1:8631/ipp/print) and "Raw" (ipp://..., the stock backend). BASE/pids holds the
# process ids of the bus, the printer and cupsd. SIGTERM to this script's process stops them
# by those ids; so does the end of the process that started it.
set -eu

readonly PRINTER_PORT=8631 CUPS_PORT=8632

base=$1 backend=$2 ppd=$3 attributes=$4 formats=$5

if [ "${6:-}" != inside ]; then
  # Root hands everything to an ordinary user first: under a user namespace alone cupsd would
  # still see itself as root.
  as_user=()
  [ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  exec "${as_user[@]}" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$base" WATCH_PID="$PPID" \
    unshare -rn sh -c 'ip link set lo up && exec unshare -U --map-user=65534 --map-group=65534 "$0" "$@" inside' \
    "$0" "$base" "$backend" "$ppd" "$attributes" "$formats"
fi

children=()
stop() {
  for pid in "${children[@]}"; do kill "$pid" 2> /dev/null || true; done
  wait
  exit 0
}
trap stop TERM INT

mkdir -p "$base"/conf "$base"/spool "$base"/request "$base"/temp "$base"/state "$base"/cache "$base"/log \
  "$base"/serverbin/backend "$base"/serverbin/daemon "$base"/serverbin/filter
ln -sf /usr/lib/cups/backend/ipp "$base"/serverbin/backend/ipp
ln -sf "$backend" "$base"/serverbin/backend/korvo
for d in cups-exec cups-deviced; do ln -sf /usr/lib/cups/daemon/$d "$base"/serverbin/daemon/$d; done

cat > "$base"/conf/cupsd.conf << EOF
Listen 127.0.0.1:$CUPS_PORT
Listen $base/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel debug
MaxLogSize 0
DefaultAuthType None
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow from 127.0.0.1
  Allow from @LOCAL
</Location>
<Policy default>
  JobPrivateAccess all
  SubscriptionPrivateAccess all
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat > "$base"/conf/cups-files.conf << EOF
ServerRoot $base/conf
RequestRoot $base/request
TempDir $base/temp
StateDir $base/state
CacheDir $base/cache
ServerBin $base/serverbin
DataDir /usr/share/cups
AccessLog $base/log/access_log
ErrorLog $base/log/error_log
PageLog $base/log/page_log
Printcap $base/printcap
EOF
# The job ticket's own document format, so that cupsd takes it where a client sends one.
echo "application/vnd.korvo-jtkt+xml jtkt" > "$base"/conf/korvo.types

# ippeveprinter asks for a system bus even with DNS-SD off.
dbus-daemon --session --address=unix:path="$base"/bus.sock --nofork --nopidfile > "$base"/log/bus_log 2>&1 &
children+=($!)
for _ in $(seq 500); do [ -S "$base"/bus.sock ] && break; sleep 0.01; done
export DBUS_SYSTEM_BUS_ADDRESS=unix:path="$base"/bus.sock DBUS_SESSION_BUS_ADDRESS=unix:path="$base"/bus.sock
# -k keeps every job for Get-Job-Attributes; -c makes "printing" take a moment, in which the
# printer, like many, refuses a second job as busy. An attributes file names the document formats
# itself.
printf '#!/bin/sh\nsleep 0.3\n' > "$base"/print-command
chmod +x "$base"/print-command
given=(-f "$formats")
[ -n "$attributes" ] && given=(-a "$attributes")
ippeveprinter -r off -n localhost -p $PRINTER_PORT -k -c "$base"/print-command -d "$base"/spool "${given[@]}" KorvoTest \
  > "$base"/log/printer_log 2>&1 &
children+=($!)
cupsd -f -c "$base"/conf/cupsd.conf -s "$base"/conf/cups-files.conf > "$base"/log/cupsd_out 2>&1 &
children+=($!)
echo "${children[@]}" > "$base"/pids

up() { (exec 3<> "/dev/tcp/127.0.0.1/$1") 2> /dev/null; }
for _ in $(seq 500); do
  up $PRINTER_PORT && up $CUPS_PORT && break
  sleep 0.02
done
export CUPS_SERVER="$base"/cups.sock
lpadmin -p Korvo -E -v korvo://127.0.0.1:$PRINTER_PORT/ipp/print -P "$ppd"
lpadmin -p Raw -E -v ipp://127.0.0.1:$PRINTER_PORT/ipp/print
touch "$base"/ready

# Ends with the process that started it.
while [ -d "/proc/$WATCH_PID" ]; do sleep 0.5 & wait $! || true; done
stop
