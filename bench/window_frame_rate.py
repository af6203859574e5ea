#!/usr/bin/env python3
# window_frame_rate.py -- the windowed program's frame rate under Xvfb, read from Mesa's
# frame-rate counter, for one or more builds taken in turns.
#
# Usage: window_frame_rate.py [--seconds S] [--rounds N] PROGRAM...
# Each round starts every PROGRAM once, one after the other, on an Xvfb of its
# own at 1024x768, answers the start-up questions for windowed display and
# lets it run S seconds (default 30) from the default view with
# GALLIUM_HUD=fps and GALLIUM_HUD_DUMP_DIR set. The first values (start-up
# and the first seconds) are left out. Taking the builds in turns, round by
# round, shares out whatever else the machine is doing between them.
#
# Frames come in pairs, one that sleeps out the rest of 66 ms and one that
# does not, so a frame rate f means 2 frames every 66 + w ms: the frame's own
# work w = 2000 / f - 66 (valid while w stays below 66 ms).
import argparse
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import football_e2e  # noqa: E402  (the e2e tests' Xvfb session and answers)

SKIP_SECONDS = 5


def measure(program, seconds):
    with tempfile.TemporaryDirectory(prefix="football-fps-") as dump:
        saved = dict(os.environ)
        os.environ["GALLIUM_HUD"] = "fps"
        os.environ["GALLIUM_HUD_DUMP_DIR"] = dump
        try:
            with football_e2e.Session(program, "1024x768x24") as session:
                football_e2e.answer_windowed(session)
                time.sleep(seconds)
        finally:
            os.environ.clear()
            os.environ.update(saved)
        path = os.path.join(dump, "fps")
        if not os.path.exists(path):
            raise SystemExit("no frame-rate values from %s (is it rendering with Mesa?)" % program)
        with open(path) as f:
            values = [float(line) for line in f if line.strip()]
    # One value per HUD period (about a second); leave the start out.
    return values[SKIP_SECONDS:] if len(values) > SKIP_SECONDS + 2 else values


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seconds", type=float, default=30.0)
    parser.add_argument("--rounds", type=int, default=2)
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    values = {program: [] for program in args.programs}
    for _ in range(args.rounds):
        for program in args.programs:
            values[program] += measure(program, args.seconds)
    for program in args.programs:
        fps = statistics.median(values[program])
        print("%-50s median %.1f fps over %d periods (w = %.1f ms)" %
              (program, fps, len(values[program]), 2000.0 / fps - 66.0))


if __name__ == "__main__":
    main()
