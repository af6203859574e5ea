#!/usr/bin/env python3
"""web_frame_time.py [BENCH_DIR] -- the frame time of the web build in headless chromium
(SwiftShader), as bench/render_bench measures the desktop's: frames 2000 (dry) and 3600 (full
rain) from the start-up view and presets 2-5, at 1024x768, medians in milliseconds of the
WebAssembly side (everything but the browser's rasterising) and of the finished picture.

BENCH_DIR holds bench.html and football-bench.js/.wasm, made by
    NODE_PATH=/usr/share/nodejs cmake --build build-web/cmake --target football-web-bench
(default build-web/cmake/bench). Serves it on 127.0.0.1 only; runs in real time, so run it on
an otherwise idle machine."""

import functools
import http.server
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def main():
    bench_dir = sys.argv[1] if len(sys.argv) > 1 else "build-web/cmake/bench"
    if not os.path.exists(os.path.join(bench_dir, "football-bench.wasm")):
        sys.exit("web_frame_time: no football-bench.wasm in %s (see --help)" % bench_dir)
    browser = shutil.which("chromium") or sys.exit("web_frame_time: chromium is not installed")
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=bench_dir))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = "http://127.0.0.1:%d/bench.html" % server.server_address[1]
    lines = []
    with tempfile.TemporaryDirectory(prefix="football-web-bench-") as profile:
        args = [browser, "--headless=new", "--use-gl=angle", "--use-angle=swiftshader",
                "--enable-unsafe-swiftshader", "--user-data-dir=" + profile,
                "--disable-background-networking", "--disable-component-update",
                "--disable-sync", "--no-first-run", "--disable-quic",
                "--window-size=1024,768", "--enable-logging=stderr", "--v=0", url]
        if os.geteuid() == 0:
            args.insert(1, "--no-sandbox")
        process = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                   text=True, start_new_session=True)
        deadline = time.monotonic() + 600
        try:
            for line in process.stderr:
                if "football-bench:" in line:
                    text = line[line.index("football-bench:") + 16:].split('"')[0]
                    if text.startswith("done"):
                        break
                    lines.append(text)
                    print(text, flush=True)
                if time.monotonic() > deadline:
                    break
        finally:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
            server.shutdown()
            server.server_close()
    return 0 if len(lines) == 10 else 1


if __name__ == "__main__":
    sys.exit(main())
