#!/usr/bin/env bash
# The README's screenshot is made by the program itself; make one and check it is the window.
set -u
tool=$1 out=$2
rm -f "$out"
QT_QPA_PLATFORM=offscreen "$tool" "$out" || { echo "FAIL: the screenshot tool failed"; exit 1; }
description=$(file "$out")
case $description in
*"PNG image data, 708 x 573"*) echo "ok: $description" ;;
*) echo "FAIL: not a 708 x 573 PNG: $description"; exit 1 ;;
esac
