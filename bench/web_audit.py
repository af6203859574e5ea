#!/usr/bin/env python3
"""web_audit.py [SITE_DIR] -- the page as a phone sees it: Lighthouse 12.2.3's mobile audit
(a four times slower processor, simulated 4G) of the site served on 127.0.0.1, with its scores,
total blocking time and long tasks; then, in real time and without throttling, the page's
longest main-thread tasks (PerformanceObserver 'longtask') at start-up on a 390x844 phone and
in ?at=200000's catch-up.

Lighthouse is installed beside this script, pinned (13 needs Node 22):
    (cd bench/lighthouse && npm i -E lighthouse@12.2.3)
SITE_DIR defaults to build-web/site (`make web`). Runs in real time: run it on an otherwise
idle machine."""

import functools
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "web"))
import devtools_pipe  # noqa: E402

BROWSER_FLAGS = ["--use-gl=angle", "--use-angle=swiftshader", "--enable-unsafe-swiftshader"]
FRAMES = "(window.Module && Module.canvas.dataset.frames ? +Module.canvas.dataset.frames : 0)"
# Every task over 50 ms, from the page's first script on.
WATCH = ("window.longTasks = []; new PerformanceObserver((list) => { for (const entry of "
         "list.getEntries()) longTasks.push(Math.round(entry.duration)); })"
         ".observe({type: 'longtask', buffered: true});")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def lighthouse(page):
    command = os.path.join(HERE, "lighthouse", "node_modules", ".bin", "lighthouse")
    if not os.path.exists(command):
        sys.exit("web_audit: no Lighthouse: (cd bench/lighthouse && npm i -E lighthouse@12.2.3)")
    with tempfile.TemporaryDirectory(prefix="football-audit-") as work:
        report = os.path.join(work, "report.json")
        env = dict(os.environ, CHROME_PATH=shutil.which("chromium"))
        subprocess.run([command, page, "--output=json", "--output-path=" + report, "--quiet",
                        "--chrome-flags=--headless=new --no-sandbox " + " ".join(BROWSER_FLAGS)],
                       check=True, env=env, timeout=600)
        with open(report) as f:
            result = json.load(f)
    scores = {name: round(100 * category["score"]) for name, category in
              result["categories"].items()}
    audits = result["audits"]
    tasks = [round(item["duration"]) for item in
             audits.get("long-tasks", {}).get("details", {}).get("items", [])]
    failed = [name for name, audit in audits.items()
              if audit.get("score") is not None and audit["score"] < 1 and
              audit.get("scoreDisplayMode") == "binary"]
    print("Lighthouse (mobile): %s" % ", ".join("%s %d" % item for item in scores.items()))
    print("  total blocking time %.0f ms, long tasks %s ms" %
          (audits["total-blocking-time"]["numericValue"], tasks))
    print("  audits not passed: %s" % ", ".join(sorted(failed)))


def longest_tasks(page):
    browser = devtools_pipe.Browser(shutil.which("chromium"), BROWSER_FLAGS)
    try:
        for query, width, height, phone, frames in (("", 390, 844, True, 60),
                                                    ("?at=200000", 390, 844, True, 200000)):
            session = browser.open_page(page + query, width, height, phone=phone,
                                        first_script=WATCH)
            browser.wait_for(session, "%s >= %d" % (FRAMES, frames), 300)
            tasks = browser.evaluate(session, "longTasks")
            browser.close_page(session)
            print("%s: tasks over 50 ms: %d, the longest %s ms" %
                  (query or "start-up to frame 60", len(tasks), max(tasks, default=0)))
    finally:
        browser.close()


def main():
    site = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build-web", "site")
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    page = "http://127.0.0.1:%d/index.html" % server.server_address[1]
    try:
        lighthouse(page)
        longest_tasks(page)
    finally:
        server.shutdown()
        server.server_close()


if __name__ == "__main__":
    main()
