#!/usr/bin/env bash
# Runs one command on a display server of its own and stops the server after.
# Window tests use it so that no other program takes their keyboard focus.
# The server picks a free display number itself (-displayfd), so many of
# these may start at the same moment. A test listing needs no display.
set -u

for a in "$@"; do
  if [ "$a" = "--gtest_list_tests" ]; then exec "$@"; fi
done

numfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$numfile" 2>/dev/null &
server=$!
stop_server() {
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -f "$numfile"
}
trap 'stop_server; exit 143' TERM INT HUP

# The server writes its display number once it accepts connections.
for _ in $(seq 1 200); do
  if grep -q '^[0-9]\+$' "$numfile" 2>/dev/null; then break; fi
  if ! kill -0 "$server" 2>/dev/null; then break; fi
  sleep 0.05
done
if ! grep -q '^[0-9]\+$' "$numfile" 2>/dev/null; then
  echo "own-display: the display server did not start" >&2
  stop_server
  exit 1
fi

DISPLAY=":$(head -n1 "$numfile")" "$@" &
child=$!
trap 'kill "$child" 2>/dev/null; wait "$child" 2>/dev/null; stop_server; exit 143' TERM INT HUP
wait "$child"
rc=$?
stop_server
exit "$rc"
