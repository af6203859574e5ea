#!/usr/bin/env python3
"""web_page_test.py SITE_DIR FOOTBALL_RECORD -- the web page in headless chromium: links to
moments against football-record's pictures, the plain page playing, a bad link's message, and a
browser log free of uncaught exceptions and WebGL errors. Serves the site on 127.0.0.1 only; the
server and every browser stop however the test ends."""

import functools
import http.server
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import png_pixels  # noqa: E402

# Each link and the football-record arguments that draw the same frame.
MOMENTS = [
    ("?at=1000", ["1000"]),
    ("?at=3300", ["3300"]),  # rain
    ("?at=300&hold=2@300", ["300", "--hold", "2@300"]),  # a preset view
]
NEAR_ENOUGH = 0.99  # of the pixels within 3 levels in every channel
# The help line is gone ten seconds in; a held moment draws nothing more, so
# its picture is taken after eleven seconds of the page's (virtual) time.
MOMENT_TIME_MS = 11000


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def browser_command():
    for name in ("chromium", "chromium-browser"):
        path = shutil.which(name)
        if path:
            return path
    sys.exit("web_page_test: chromium is not installed (scripts/install-deps.sh installs it)")


def run_chromium(browser, url, time_ms, output):
    """Loads the page for time_ms of virtual time; returns (standard output, the browser's
    log). The browser and all it started are killed when it is done or fails."""
    with tempfile.TemporaryDirectory(prefix="football-web-profile-") as profile:
        args = [browser, "--headless=new", "--use-gl=angle", "--use-angle=swiftshader",
                "--enable-unsafe-swiftshader", "--user-data-dir=" + profile,
                "--disable-background-networking", "--disable-component-update",
                "--disable-sync", "--no-first-run", "--disable-quic",
                "--window-size=1024,768", "--force-device-scale-factor=1", "--hide-scrollbars",
                "--virtual-time-budget=%d" % time_ms, "--enable-logging=stderr", "--v=0"]
        if os.geteuid() == 0:
            args.append("--no-sandbox")
        process = subprocess.Popen(args + output + [url], stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, text=True, start_new_session=True)
        try:
            out, log = process.communicate(timeout=240)
        finally:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
    return out, log


def console_lines(log):
    """The page's console messages in the browser's log: uncaught exceptions, WebGL's
    own error reports and the page's errors all arrive there."""
    return [line for line in log.splitlines() if ":CONSOLE" in line]


def record_picture(record, args, directory):
    frame = int(args[0])
    subprocess.run([record] + args + ["--out", directory, "--at", str(frame)], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    return os.path.join(directory, "frame-%05d.png" % frame)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: web_page_test.py SITE_DIR FOOTBALL_RECORD")
    site, record = sys.argv[1], sys.argv[2]
    if not os.path.exists(os.path.join(site, "football.wasm")):
        sys.exit("web_page_test: no site in %s: run `make web` first" % site)
    browser = browser_command()
    failures = []
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    page = "http://127.0.0.1:%d/index.html" % server.server_address[1]
    try:
        with tempfile.TemporaryDirectory(prefix="football-web-test-") as work:
            def checked_run(name, query, time_ms, output):
                started = time.monotonic()
                out, log = run_chromium(browser, page + query, time_ms, output)
                for line in console_lines(log):
                    failures.append("%s: the browser's log: %s" % (name, line))
                print("%s: %.1f s" % (name, time.monotonic() - started), flush=True)
                return out

            for query, record_args in MOMENTS:
                shot = os.path.join(work, "page.png")
                checked_run(query, query, MOMENT_TIME_MS, ["--screenshot=" + shot])
                expected = record_picture(record, record_args, work)
                same, near = png_pixels.difference(png_pixels.read_rgb(shot),
                                                   png_pixels.read_rgb(expected))
                print("%s: %.2f %% of pixels identical to football-record's, %.2f %% within "
                      "3 levels" % (query, 100 * same, 100 * near), flush=True)
                if near < NEAR_ENOUGH:
                    failures.append("%s: only %.2f %% of pixels within 3 levels of "
                                    "football-record's" % (query, 100 * near))

            pictures = []
            for seconds in (2, 6):
                shot = os.path.join(work, "plain-%d.png" % seconds)
                checked_run("plain page, %d s" % seconds, "", seconds * 1000,
                            ["--screenshot=" + shot])
                pictures.append(png_pixels.read_rgb(shot))
            if pictures[0] == pictures[1]:
                failures.append("the plain page shows the same picture 2 and 6 seconds in")

            dom = checked_run("?at=banana", "?at=banana", 3000, ["--dump-dom"])
            message = re.search(r'<p id="message" class="line"( hidden="")?>([^<]*)</p>', dom)
            if not message or message.group(1) or not message.group(2).startswith("at=banana"):
                failures.append("?at=banana: no line naming the parameter: %r" %
                                (message.group(0) if message else dom[:300]))
            frames = re.search(r'data-frames="(\d+)"', dom)
            if not frames or int(frames.group(1)) < 2:
                failures.append("?at=banana: the match does not play (%s frames)" %
                                (frames.group(1) if frames else "no"))
    finally:
        server.shutdown()
        server.server_close()
    for failure in failures:
        print("FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
