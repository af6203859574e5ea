#!/usr/bin/env python3
"""web_frame_time.py [--rounds N] [--size WxH@RATIO]... BENCH_DIR [OTHER_BENCH_DIR] -- the frame
cost of the web build in headless chromium (SwiftShader), driven through the DevTools protocol
on a pipe: frames 2000 (dry) and 3600 (full rain) from the start-up view and presets 2-5, each
drawn again and again on animation frames, at each size (CSS pixels and device pixel ratio;
default 1024x768@1 and 390x844@2). Prints, per case, the medians over the rounds of the
animation frame's own work (ms), the animation frames a second, and the finished frame (ms).

With a second directory (another build of the bench, e.g. before a change) both pages run in
the same browser, in turns (round by round, the order swapped every round), and the last
column is the first page's work over the second's.

Each directory holds bench.html and football-bench.js/.wasm, made by
    NODE_PATH=/usr/share/nodejs cmake --build build-web/cmake --target football-web-bench
(default build-web/cmake/bench). Serves them on 127.0.0.1 only; runs in real time, so run it on
an otherwise idle machine."""

import argparse
import functools
import http.server
import os
import re
import shutil
import statistics
import sys
import threading

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import devtools_pipe  # noqa: E402

FLAGS = ["--use-gl=angle", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--no-first-run", "--disable-quic", "--window-size=1024,768"]
LINE = re.compile(r"frame (\d+) view (\d+): work_ms ([\d.]+) fps ([\d.]+) frame_ms ([\d.]+)")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(directory):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=directory))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def size_of(text):
    match = re.fullmatch(r"(\d+)x(\d+)(?:@([\d.]+))?", text)
    if not match:
        raise argparse.ArgumentTypeError("a size is WIDTHxHEIGHT@RATIO, e.g. 390x844@2")
    return int(match.group(1)), int(match.group(2)), float(match.group(3) or 1)


def run_page(browser, url, size):
    """One run of the bench page: {(frame, view): (work_ms, fps, frame_ms)}."""
    width, height, ratio = size
    session = browser.open_page(url, width, height, ratio)
    done = browser.wait_for(session, "benchLines.some((l) => l.includes('football-bench: done'))",
                            900)
    lines = browser.evaluate(session, "benchLines")
    browser.close_page(session)
    if not done:
        sys.exit("web_frame_time: the bench did not finish: %r" % lines)
    results = {}
    for line in lines:
        match = LINE.search(line)
        if match:
            results[(int(match.group(1)), int(match.group(2)))] = tuple(
                float(match.group(n)) for n in (3, 4, 5))
    return results


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--size", type=size_of, action="append")
    parser.add_argument("dirs", nargs="*", default=["build-web/cmake/bench"])
    options = parser.parse_args()
    sizes = options.size or [(1024, 768, 1.0), (390, 844, 2.0)]
    if not 1 <= len(options.dirs) <= 2:
        sys.exit("web_frame_time: one or two bench directories")
    for directory in options.dirs:
        if not os.path.exists(os.path.join(directory, "football-bench.wasm")):
            sys.exit("web_frame_time: no football-bench.wasm in %s (see --help)" % directory)
    browser_command = shutil.which("chromium") or sys.exit("web_frame_time: no chromium")
    servers = [serve(directory) for directory in options.dirs]
    urls = ["http://127.0.0.1:%d/bench.html" % s.server_address[1] for s in servers]
    browser = devtools_pipe.Browser(browser_command, FLAGS)
    try:
        for size in sizes:
            runs = [[] for _ in urls]
            for round_number in range(options.rounds):
                order = list(range(len(urls)))
                if round_number % 2 == 1:
                    order.reverse()
                for n in order:
                    runs[n].append(run_page(browser, urls[n], size))
            report(size, options.dirs, runs)
    finally:
        browser.close()
        for server in servers:
            server.shutdown()
            server.server_close()
    return 0


def report(size, dirs, runs):
    print("%dx%d CSS pixels at %g device pixels each (%dx%d), medians of %d rounds:" %
          (size[0], size[1], size[2], round(size[0] * size[2]), round(size[1] * size[2]),
           len(runs[0])), flush=True)
    header = "frame view | " + " | ".join("%s: work_ms fps frame_ms" % d for d in dirs)
    print(header + (" | work ratio" if len(dirs) == 2 else ""))
    ratios = []
    for key in sorted(runs[0][0]):
        cells, works = [], []
        for page_runs in runs:
            values = [[run[key][i] for run in page_runs] for i in range(3)]
            medians = [statistics.median(v) for v in values]
            works.append(medians[0])
            cells.append("%.2f %.1f %.1f" % tuple(medians))
        line = "%d %d | %s" % (key[0], key[1], " | ".join(cells))
        if len(works) == 2:
            ratios.append(works[0] / works[1])
            line += " | %.2f" % ratios[-1]
        print(line, flush=True)
    if ratios:
        print("work ratio: median %.2f, largest %.2f" % (statistics.median(ratios), max(ratios)),
              flush=True)


if __name__ == "__main__":
    sys.exit(main())
