#!/bin/sh
# mit-fenstermanager.sh PROGRAMM [ARGUMENTE...]
# Runs a window test on the X display that xvfb-run opened for it, under
# openbox, so windows are activated, focused and stacked as on a desktop.
# The test's exit status is this script's.
set -u
bereit=$(mktemp -u "${TMPDIR:-/tmp}/dorvane-wm.XXXXXX")
openbox --sm-disable --startup "touch $bereit" >/dev/null 2>&1 &
wm=$!
i=0
until [ -e "$bereit" ]; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 $wm 2>/dev/null; then
    echo "mit-fenstermanager: openbox did not start on $DISPLAY" >&2
    kill $wm 2>/dev/null
    exit 1
  fi
  sleep 0.1
done
rm -f "$bereit"
"$@"
rc=$?
kill $wm 2>/dev/null
wait $wm 2>/dev/null
exit $rc
