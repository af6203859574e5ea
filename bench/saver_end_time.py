#!/usr/bin/env python3
# saver_end_time.py -- how soon the Windows screen saver's /s ends after a key or a mouse move,
# under Wine on Xvfb with openbox.
#
# Usage: saver_end_time.py [--rounds N] FOOTBALL.scr
# Needs WINE and WINEPREFIX as the Windows tests set them (tests/windows). Each
# round starts `FOOTBALL.scr /s` once for a key and once for a mouse move,
# waits for its picture, and times from the action to the program's end (the
# time the test tool takes to see the end, about 50 ms, included).
import argparse
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "windows"))
import football_windows_e2e as wine  # noqa: E402

ACTIONS = {"key": ["key", "a"], "mouse": ["mousemove", "660", "512"]}


def measure(scr, action):
    """Seconds from the action to the end of /s."""
    with wine.WineSession(scr, arguments=["/s"], start=False, window_manager=True) as s:
        s.xdotool("mousemove", "640", "512")
        s.start_program()
        window = s.main_window()
        wine.wait_for(lambda: wine.colours(s, window) > 1, "/s: a picture")
        started = time.monotonic()
        s.xdotool(*action)
        wine.wait_for(lambda: not s.running(), "/s to end")
        return time.monotonic() - started


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("scr")
    args = parser.parse_args()
    times = {name: [] for name in ACTIONS}
    for _ in range(args.rounds):
        for name, action in ACTIONS.items():
            times[name].append(measure(args.scr, action))
    for name, seconds in times.items():
        print("/s ends %.2f s after a %s (median of %d; longest %.2f s)" %
              (statistics.median(seconds), name, len(seconds), max(seconds)))


if __name__ == "__main__":
    main()
