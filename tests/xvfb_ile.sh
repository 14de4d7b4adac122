#!/bin/sh
# Runs a test program on the X platform under a virtual X server of its own
# (a free display is picked, and the server ends with the program). Where no
# virtual X server can start, the test is skipped with a message.
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v Xvfb >/dev/null 2>&1; then
    echo "no Xvfb here: the tests on the X screen are skipped"
    exit 77
fi
exec xvfb-run -a -s "-screen 0 1366x768x24" env QT_QPA_PLATFORM=xcb "$@"
