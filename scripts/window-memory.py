#!/usr/bin/env python3
# window-memory.py -- the windowed program's resident size over a long run with a toggle every 30 s.
#
# Usage: window-memory.py PROGRAM [SECONDS] [TOGGLE_EVERY]
# Starts the program on an Xvfb of its own (the end-to-end tests' session),
# answers the questions (windowed, soft mode), toggles full screen with F1
# every TOGGLE_EVERY seconds (30) for SECONDS (600), then ends it with Escape.
# Prints the resident size (VmRSS) and its peak so far (VmHWM) before every
# toggle, and the figures at the end. A size that grows from toggle to toggle
# is a leak.
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import football_e2e as e2e  # noqa: E402


def memory(pid):
    """(VmRSS, VmHWM) of a process, in KiB."""
    values = {}
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            name, _, rest = line.partition(":")
            if name in ("VmRSS", "VmHWM"):
                values[name] = int(rest.split()[0])
    return values["VmRSS"], values["VmHWM"]


def main():
    if len(sys.argv) not in (2, 3, 4):
        sys.stderr.write("usage: window-memory.py PROGRAM [SECONDS] [TOGGLE_EVERY]\n")
        return 2
    program = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 600.0
    every = float(sys.argv[3]) if len(sys.argv) > 3 else 30.0
    with e2e.Session(program, "1024x768x24") as s:
        window = e2e.start_windowed(s)
        pid = s.game.pid
        start = time.monotonic()
        print("  time  toggles   VmRSS KiB   VmHWM KiB")
        toggles = 0
        while True:
            elapsed = time.monotonic() - start
            rss, hwm = memory(pid)
            print("%6.0f  %7d  %10d  %10d" % (elapsed, toggles, rss, hwm), flush=True)
            if elapsed >= seconds:
                break
            time.sleep(max(0.0, min(every, seconds - elapsed)))
            if time.monotonic() - start < seconds:
                window = e2e.toggle(s, window)
                toggles += 1
        status = e2e.escape(s, window)
        print("exit status %d after %d toggles" % (status, toggles))
        return 0 if status == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
