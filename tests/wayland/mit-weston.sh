#!/bin/sh
# mit-weston.sh PROGRAMM [ARGUMENTE...]
# Runs a window test on Wayland: under a weston compositor nested in the X
# display that xvfb-run opened for it, with a seat as a desktop has one (a
# headless weston has none, and Qt 6.4's Wayland input crashes without).
# The test's exit status is this script's.
set -u
XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/dorvane-weston.XXXXXX")
export XDG_RUNTIME_DIR
weston --backend=x11-backend.so --socket=wayland-dorvane --idle-time=0 --no-config \
  >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
w=$!
i=0
until [ -S "$XDG_RUNTIME_DIR/wayland-dorvane" ]; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 $w 2>/dev/null; then
    echo "mit-weston: weston did not start on $DISPLAY" >&2
    cat "$XDG_RUNTIME_DIR/weston.log" >&2
    kill $w 2>/dev/null
    rm -rf "$XDG_RUNTIME_DIR"
    exit 1
  fi
  sleep 0.1
done
WAYLAND_DISPLAY=wayland-dorvane QT_QPA_PLATFORM=wayland "$@"
rc=$?
kill $w 2>/dev/null
wait $w 2>/dev/null
rm -rf "$XDG_RUNTIME_DIR"
exit $rc
