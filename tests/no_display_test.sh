#!/usr/bin/env bash
# Started with no display at all, the program explains itself in one line instead of aborting.
app=$1
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" 2>&1 >/dev/null)
status=$?
[ "$status" -ne 0 ] || { echo "FAIL: exit status 0"; exit 1; }
[ "$status" -lt 128 ] || { echo "FAIL: died of signal $((status - 128))"; exit 1; }
[ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] || { echo "FAIL: not one line: $message"; exit 1; }
case $message in
*"no display"*xvfb-run*) echo "ok: $message" ;;
*) echo "FAIL: unexpected message: $message"; exit 1 ;;
esac
