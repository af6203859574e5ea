#!/usr/bin/env python3
# minimised_cost.py -- the processor time the windowed program uses shown and minimised, under
# Xvfb with openbox; a .exe runs under Wine.
#
# Usage: minimised_cost.py [--seconds S] [--rounds N] PROGRAM...
# Each round starts every PROGRAM once on an Xvfb of its own with a window
# manager, answers the start-up questions for windowed display, and reads the
# processor time of all its threads over S seconds (default 3) shown, then S
# seconds minimised. A
# minimised window draws nothing and its loop waits for the next message: a
# few milliseconds a second; a loop that polls takes a whole core. A .exe
# needs WINE and WINEPREFIX as the Windows tests set them (tests/windows).
import argparse
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "windows"))
import football_e2e as e2e  # noqa: E402
from Xlib import X  # noqa: E402
from window_frame_rate import cpu_seconds  # noqa: E402


def answer_by_keys(session):
    """No to full screen, Yes to soft mode, as Windows' boxes take them; the main window."""
    session.answer("Start FullScreen?", "n")
    session.answer("Start In A Soft Mode?", "Return")
    return session.main_window()


def session_for(program):
    if program.endswith(".exe"):
        import football_windows_e2e as wine
        return wine.WineSession(program, window_manager=True), answer_by_keys
    return e2e.Session(program, "1024x768x24", window_manager=True), e2e.answer_windowed


def milliseconds_a_second(pid, seconds):
    before = cpu_seconds(pid)
    time.sleep(seconds)
    return 1000.0 * (cpu_seconds(pid) - before) / seconds


def measure(program, seconds):
    """(shown, minimised) processor time of the program, in ms a second."""
    session, start = session_for(program)
    with session as s:
        window = start(s)
        shown = milliseconds_a_second(s.game.pid, seconds)
        wm_state = s.x.intern_atom("WM_STATE")

        def iconic():
            state = window.get_full_property(wm_state, X.AnyPropertyType)
            return state is not None and state.value[0] == 3  # IconicState
        s.xdotool("windowminimize", str(window.id))
        e2e.wait_for(iconic, "the window to be minimised")
        minimised = milliseconds_a_second(s.game.pid, seconds)
        if not s.running():
            raise SystemExit("%s ended while minimised" % program)
        return shown, minimised


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seconds", type=float, default=3.0)
    parser.add_argument("--rounds", type=int, default=2)
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    results = {program: [] for program in args.programs}
    for _ in range(args.rounds):
        for program in args.programs:
            results[program].append(measure(program, args.seconds))
    for program, runs in results.items():
        print("%-40s processor time, median ms a second: shown %.0f, minimised %.1f" %
              (program, statistics.median(r[0] for r in runs),
               statistics.median(r[1] for r in runs)))


if __name__ == "__main__":
    main()
