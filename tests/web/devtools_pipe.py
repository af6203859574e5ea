"""devtools_pipe.py -- headless chromium driven through the DevTools protocol on a pipe
(--remote-debugging-pipe: commands on the browser's descriptor 3, answers and events on 4, each
a JSON message ending in a NUL byte), in real time. Every message the pages log, every uncaught
exception and every browser-side warning or error (WebGL's among them) is kept."""

import base64
import json
import os
import select
import signal
import subprocess
import tempfile
import time


class Browser:
    def __init__(self, command, flags):
        self.profile = tempfile.TemporaryDirectory(prefix="football-web-profile-")
        to_browser_read, self.to_browser = os.pipe()
        self.from_browser, from_browser_write = os.pipe()

        def descriptors():
            # Copies first, so that neither end is overwritten by the other's dup2.
            read_end, write_end = os.dup(to_browser_read), os.dup(from_browser_write)
            os.dup2(read_end, 3)
            os.dup2(write_end, 4)

        args = [command, "--headless=new", "--remote-debugging-pipe",
                "--user-data-dir=" + self.profile.name] + flags + ["about:blank"]
        if os.geteuid() == 0:
            args.insert(1, "--no-sandbox")
        self.process = subprocess.Popen(args, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        preexec_fn=descriptors, pass_fds=(3, 4),
                                        start_new_session=True)
        os.close(to_browser_read)
        os.close(from_browser_write)
        self.buffer = b""
        self.next_id = 0
        self.problems = []  # (session, text) of every error or warning the pages report

    def close(self):
        """Stops the browser and all it started, however the test ends."""
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()
        os.close(self.to_browser)
        os.close(self.from_browser)
        self.profile.cleanup()

    def _message(self, deadline):
        while b"\0" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.from_browser], [], [], left)[0]:
                raise TimeoutError("the browser does not answer")
            chunk = os.read(self.from_browser, 1 << 16)
            if not chunk:
                raise ConnectionError("the browser has gone")
            self.buffer += chunk
        text, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(text)

    def _note(self, message):
        method, params = message.get("method"), message.get("params", {})
        session = message.get("sessionId")
        if method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            text = details.get("exception", {}).get("description") or details.get("text")
            self.problems.append((session, "uncaught: %s" % text))
        elif method == "Runtime.consoleAPICalled" and params["type"] in ("error", "warning",
                                                                        "assert"):
            text = " ".join(str(a.get("value", a.get("description"))) for a in params["args"])
            self.problems.append((session, "console %s: %s" % (params["type"], text)))
        elif method == "Log.entryAdded" and params["entry"]["level"] in ("error", "warning"):
            entry = params["entry"]
            self.problems.append((session, "%s %s: %s" % (entry["source"], entry["level"],
                                                          entry["text"])))

    def call(self, method, params=None, session=None, timeout=120):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + timeout
        while True:
            answer = self._message(deadline)
            if answer.get("id") == self.next_id:
                if "error" in answer:
                    raise RuntimeError("%s: %s" % (method, answer["error"]))
                return answer.get("result", {})
            self._note(answer)

    def open_page(self, url, width, height, ratio=1, phone=False, first_script=None):
        """A new page of width x height CSS pixels (`ratio` device pixels each) loading url, or
        as a phone's: two device pixels each, mobile, touch; `first_script` runs in it before
        the page's own; returns its session."""
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})
        session = session["sessionId"]
        for domain in ("Runtime", "Log", "Page", "Network"):
            self.call(domain + ".enable", session=session)
        self.call("Emulation.setDeviceMetricsOverride", {"width": width, "height": height,
                  "deviceScaleFactor": 2 if phone else ratio, "mobile": phone}, session)
        if phone:
            self.call("Emulation.setTouchEmulationEnabled", {"enabled": True,
                      "maxTouchPoints": 5}, session)
        if first_script:
            self.call("Page.addScriptToEvaluateOnNewDocument", {"source": first_script}, session)
        self.call("Page.navigate", {"url": url}, session)
        # Page.navigate may answer before the new document replaces about:blank.
        self.wait_for(session, "location.href != 'about:blank'", 30)
        return session

    def evaluate(self, session, expression, await_promise=False):
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": await_promise}, session)
        return result.get("result", {}).get("value")

    def close_page(self, session):
        target = self.call("Target.getTargetInfo", session=session)["targetInfo"]["targetId"]
        self.call("Target.closeTarget", {"targetId": target})

    def wait_for(self, session, expression, timeout):
        """Polls until the expression is true; False when the time runs out."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.evaluate(session, expression):
                return True
            time.sleep(0.1)
        return False

    def screenshot(self, session, path):
        data = self.call("Page.captureScreenshot", {"format": "png"}, session)["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))
