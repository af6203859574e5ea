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
# work w = 2000 / f - 66 (valid while w stays below 66 ms, and only on an
# otherwise idle machine). The processor time per frame (all the program's
# threads, the renderer's included) is shown beside it: it does not grow
# when other programs share the processors.
import argparse
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import football_e2e  # noqa: E402  (the e2e tests' Xvfb session and answers)

SKIP_SECONDS = 5


def cpu_seconds(pid):
    """User and system time of a process (all its threads), in seconds."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def measure(program, seconds):
    with tempfile.TemporaryDirectory(prefix="football-fps-") as dump:
        saved = dict(os.environ)
        os.environ["GALLIUM_HUD"] = "fps"
        os.environ["GALLIUM_HUD_DUMP_DIR"] = dump
        try:
            with football_e2e.Session(program, "1024x768x24") as session:
                football_e2e.answer_windowed(session)
                time.sleep(SKIP_SECONDS)
                cpu_start = cpu_seconds(session.game.pid)
                time.sleep(seconds - SKIP_SECONDS)
                cpu = cpu_seconds(session.game.pid) - cpu_start
        finally:
            os.environ.clear()
            os.environ.update(saved)
        path = os.path.join(dump, "fps")
        if not os.path.exists(path):
            raise SystemExit("no frame-rate values from %s (is it rendering with Mesa?)" % program)
        with open(path) as f:
            values = [float(line) for line in f if line.strip()]
    # One value per HUD period (about a second); leave the start out.
    measured = values[SKIP_SECONDS:] if len(values) > SKIP_SECONDS + 2 else values
    frames = sum(measured)  # frames per second, one value a second
    return measured, 1000.0 * cpu / frames if frames > 0 else 0.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seconds", type=float, default=30.0)
    parser.add_argument("--rounds", type=int, default=2)
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    values = {program: [] for program in args.programs}
    cpu = {program: [] for program in args.programs}
    for _ in range(args.rounds):
        for program in args.programs:
            fps, cpu_per_frame = measure(program, args.seconds)
            values[program] += fps
            cpu[program].append(cpu_per_frame)
    for program in args.programs:
        fps = statistics.median(values[program])
        print("%-40s median %.1f fps over %d periods (w = %.1f ms); "
              "processor time %.1f ms a frame" %
              (program, fps, len(values[program]), 2000.0 / fps - 66.0,
               statistics.median(cpu[program])))


if __name__ == "__main__":
    main()
