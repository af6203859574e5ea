#!/bin/sh
# wine_prefix.sh start|stop -- the Windows tests' one Wine prefix ($WINEPREFIX).
# start: makes the prefix once (wineboot -i, about 20 s) and leaves no
# wineserver running; stop: stops the prefix's wineserver and every Wine
# process in it. A wineserver started without a display would spoil the runs
# that have one (their message boxes fail), so none is left behind.
set -eu
: "${WINEPREFIX:?}" "${WINESERVER:=wineserver}" "${WINEBOOT:=wineboot}"
export WINEPREFIX

case "${1:-}" in
start)
    "$WINESERVER" -k 2>/dev/null || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        "$WINEBOOT" -i
    fi
    "$WINESERVER" -w
    ;;
stop)
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    ;;
*)
    echo "usage: wine_prefix.sh start|stop" >&2
    exit 2
    ;;
esac
