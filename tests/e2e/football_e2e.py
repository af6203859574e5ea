#!/usr/bin/env python3
# football_e2e.py -- drives the real program under its own Xvfb: questions, window, F1, Escape, close.
#
# Usage: football_e2e.py PROGRAM CASE
# Every case starts its own Xvfb on a free display number (Xvfb picks it with
# -displayfd) and stops it, and the program, by process id when it ends, pass
# or fail. Waits are on conditions (a window appears, a process ends), never
# on fixed sleeps: keys are held down until the program has acted on them.
import os
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, error, protocol

TITLE = "OpenGL WinAPI template by Ostrovel"
TIMEOUT = 30.0  # seconds for any one condition; software rendering is slow under load
RETRY = 5.0  # seconds before a held key that had no effect is pressed again


# The standard error of the last program run, shown when a case fails.
LAST_STDERR = []


class Failure(Exception):
    pass


def wait_for(condition, what, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def stop_process(process):
    """Ends a process we started, by its id: TERM, then KILL."""
    if process is None or process.poll() is not None:
        return
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Session:
    """An Xvfb of its own, the program on it, and an X connection to look at it."""

    def __init__(self, program, screen, window_manager=False):
        self.program = program
        self.screen = screen
        self.window_manager = window_manager
        self.wm = None
        self.xvfb = None
        self.game = None
        self.x = None
        self.workdir = tempfile.TemporaryDirectory(prefix="football-e2e-")

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen, "-nolisten",
             "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            number = pipe.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.display_name = ":" + number.decode()
        self.env = dict(os.environ)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["DISPLAY"] = self.display_name
        self.x = display.Display(self.display_name)
        # Keys are held until the program has acted on them; without
        # auto-repeat a held key is exactly one key-down.
        self.x.change_keyboard_control(auto_repeat_mode=X.AutoRepeatModeOff)
        self.x.sync()
        if self.window_manager:
            # Openbox runs its start-up command once it manages windows; a
            # window mapped before that could stay unmapped.
            ready = os.path.join(self.workdir.name, "wm-ready")
            self.wm = subprocess.Popen(["openbox", "--sm-disable", "--startup", "touch " + ready],
                                       env=self.env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            wait_for(lambda: os.path.exists(ready), "the window manager")

        self.stderr_path = os.path.join(self.workdir.name, "stderr")
        self.stderr_file = open(self.stderr_path, "wb")
        self.game = subprocess.Popen([self.program], env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=self.stderr_file)

    def __exit__(self, *exc):
        stop_process(self.game)
        if getattr(self, "stderr_file", None):
            LAST_STDERR[:] = [self.stderr()]
        if self.x is not None:
            try:
                self.x.close()
            except Exception:
                pass
        stop_process(self.wm)
        stop_process(self.xvfb)
        if getattr(self, "stderr_file", None):
            self.stderr_file.close()
        self.workdir.cleanup()
        return False

    def stderr(self):
        self.stderr_file.flush()
        with open(self.stderr_path, "rb") as f:
            return f.read().decode(errors="replace")

    # ---- looking at the windows ----

    def viewable_windows(self, name):
        """Every viewable window in the tree with exactly this name."""
        found = []
        pending = [self.x.screen().root]
        while pending:
            window = pending.pop()
            try:
                children = window.query_tree().children
                for child in children:
                    pending.append(child)
                    if self.window_name(child) == name and \
                            child.get_attributes().map_state == X.IsViewable:
                        found.append(child)
            except error.XError:
                continue  # a window went away while we looked
        return found

    def window_name(self, window):
        """The window's title as SDL sets it (WM_NAME, possibly of type UTF8_STRING)."""
        prop = window.get_full_property(self.x.intern_atom("WM_NAME"), X.AnyPropertyType)
        if prop is None or prop.format != 8:
            return None
        value = prop.value
        return value.decode("utf-8", errors="replace") if isinstance(value, bytes) else value

    def one_window(self, name):
        windows = self.viewable_windows(name)
        return windows[0] if len(windows) == 1 else None

    def geometry(self, window):
        """(x, y, width, height) of the client area, x and y on the screen."""
        g = window.get_geometry()
        origin = window.translate_coords(self.x.screen().root, 0, 0)
        return (-origin.x, -origin.y, g.width, g.height)

    def is_fullscreen(self, window):
        state = window.get_full_property(self.x.intern_atom("_NET_WM_STATE"), X.AnyPropertyType)
        fullscreen = self.x.intern_atom("_NET_WM_STATE_FULLSCREEN")
        return state is not None and fullscreen in list(state.value)

    # ---- driving ----

    def xdotool(self, *arguments):
        subprocess.run(["xdotool"] + list(arguments), env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def point_at(self, window):
        x, y, width, height = self.geometry(window)
        self.xdotool("mousemove", str(x + width // 2), str(y + height // 2))

    def has_focus(self, window):
        """True while the window has the keyboard focus (keys sent now reach it)."""
        return self.x.get_input_focus().focus == window

    def hold_key_until(self, window, key, condition, what):
        """Holds a key down over the window until the condition holds, then lets it go.

        A key pressed while the window system is still settling a new window
        can be lost; if nothing has happened after RETRY seconds (dozens of
        frames), the key is let go and pressed again.
        """
        deadline = time.monotonic() + TIMEOUT
        while True:
            self.point_at(window)
            wait_for(lambda: self.has_focus(window), "the keyboard focus on the window")
            self.xdotool("keydown", key)
            try:
                result = wait_for(condition, what, timeout=RETRY)
                return result
            except Failure:
                if time.monotonic() > deadline:
                    raise
            finally:
                self.xdotool("keyup", key)

    def describe_windows(self):
        """The named windows on the screen, for a failure message."""
        lines = []
        pending = [self.x.screen().root]
        while pending:
            window = pending.pop()
            try:
                for child in window.query_tree().children:
                    pending.append(child)
                    name = self.window_name(child)
                    if name:
                        state = child.get_attributes().map_state
                        lines.append("  0x%x %r map_state=%d" % (child.id, name, state))
            except error.XError:
                continue
        return "\n".join(lines) or "  (no named windows)"

    def answer(self, caption, key):
        """Waits for the message box with this caption and answers it with a key."""
        try:
            box = wait_for(lambda: self.one_window(caption), 'the "%s" box' % caption)
        except Failure as failure:
            raise Failure("%s; the windows:\n%s\nprogram running: %s" %
                          (failure, self.describe_windows(), self.running()))
        # The box takes the key on release, and only with the pointer over it;
        # press again until it has gone.
        def gone():
            if not self.viewable_windows(caption):
                return True
            self.point_at(box)
            self.xdotool("key", key)
            return not self.viewable_windows(caption)
        wait_for(gone, 'the "%s" box to take %s' % (caption, key))

    def drawn(self, window):
        """True once a frame has been presented: the window is no longer all black."""
        try:
            g = window.get_geometry()
            for fx, fy in ((0.5, 0.1), (0.1, 0.5), (0.5, 0.5), (0.9, 0.9)):
                image = window.get_image(int(g.width * fx), int(g.height * fy), 1, 1,
                                         X.ZPixmap, 0xFFFFFFFF)
                if any(image.data[:3]):
                    return True
        except error.XError:
            pass
        return False

    def main_window(self):
        """The main window, once it shows frames (keys sent earlier could be lost)."""
        window = wait_for(lambda: self.one_window(TITLE), "the main window")
        wait_for(lambda: self.drawn(window), "the first frame in the main window")
        return window

    def exit_status(self):
        wait_for(lambda: self.game.poll() is not None, "the program to end")
        return self.game.returncode

    def running(self):
        return self.game.poll() is None

    def close_request(self, window):
        """What a window manager sends when the user closes a window."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        self.x.flush()


def check(condition, message):
    if not condition:
        raise Failure(message)


def start_windowed(session):
    session.answer("Start FullScreen?", "Escape")  # No
    session.answer("Start In A Soft Mode?", "Return")  # Yes
    window = session.main_window()
    geometry = session.geometry(window)
    check(geometry == (0, 0, 1024, 768),
          "windowed client area is %r, not 1024x768 at (0, 0)" % (geometry,))
    check(not session.is_fullscreen(window), "the windowed window is marked full screen")
    return window


def toggle(session, window):
    """Holds F1 until the window has been re-created; returns the new window."""
    def recreated():
        new = session.one_window(TITLE)
        return new if new is not None and new.id != window.id else None
    new = session.hold_key_until(window, "F1", recreated, "a re-created main window")
    wait_for(lambda: session.drawn(new), "the first frame in the re-created window")
    return new


def escape(session, window):
    """Holds Escape until the program ends; returns its exit status."""
    session.hold_key_until(window, "Escape", lambda: not session.running(),
                           "the program to end on Escape")
    return session.game.returncode


def case_windowed_escape(program):
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        status = escape(s, window)
        check(status == 0, "Escape ended with status %d" % status)


def case_toggle(program):
    # A window manager, so that full screen is a state someone keeps.
    with Session(program, "1024x768x24", window_manager=True) as s:
        s.answer("Start FullScreen?", "Escape")  # No
        s.answer("Start In A Soft Mode?", "Return")  # Yes
        window = s.main_window()
        check(not s.is_fullscreen(window), "the windowed window is full screen")
        # F1: windowed -> full screen (the screen has the 1024x768 mode).
        full = toggle(s, window)
        check(s.running(), "the program ended after the first F1")
        wait_for(lambda: s.is_fullscreen(full), "the window manager to make the window full screen")
        wait_for(lambda: s.geometry(full) == (0, 0, 1024, 768),
                 "the full-screen window to cover the screen (it is %r)" % (s.geometry(full),))
        # F1 again: back to windowed.
        windowed = toggle(s, full)
        check(s.running(), "the program ended after the second F1")
        check(not s.is_fullscreen(windowed), "after the second F1 the window is still full screen")
        width, height = s.geometry(windowed)[2:]
        check((width, height) == (1024, 768),
              "re-created windowed client area is %dx%d" % (width, height))
        status = escape(s, windowed)
        check(status == 0, "Escape after two toggles ended with status %d" % status)


def case_close(program):
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        s.close_request(window)
        status = s.exit_status()
        check(status == 0, "a close request ended with status %d" % status)


def case_refused_fullscreen(program):
    # An 800x600 screen has no 1024x768 mode: the display change is refused.
    with Session(program, "800x600x24") as s:
        s.answer("Start FullScreen?", "Return")  # Yes
        s.answer("Start In A Soft Mode?", "Escape")  # No: still 1024x768
        s.answer("Orka GL", "Return")  # Yes: go on windowed
        window = s.main_window()
        check(not s.is_fullscreen(window), "the window is full screen after Orka GL / Yes")
        x, y, width, height = s.geometry(window)
        check((x, y, width, height) == (0, 0, 1024, 768),
              "windowed window on 800x600 is %r" % ((x, y, width, height),))
        check(s.running(), "the program is not running")
        s.close_request(window)
        status = s.exit_status()
        check(status == 0, "closing ended with status %d" % status)


def case_refused_declined(program):
    with Session(program, "800x600x24") as s:
        s.answer("Start FullScreen?", "Return")  # Yes
        s.answer("Start In A Soft Mode?", "Return")  # Yes
        s.answer("Orka GL", "Escape")  # No
        s.answer("ERROR", "Return")  # "Program Will Now Close."
        status = s.exit_status()
        check(status == 1, "declining windowed display ended with status %d" % status)
        check(not s.viewable_windows(TITLE), "a main window was shown")


def run_without_display(program, env):
    try:
        result = subprocess.run([program], env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure("the program hung with no display")
    stderr = result.stderr.decode(errors="replace")
    check(result.returncode == 1, "no display ended with status %d" % result.returncode)
    check("no display" in stderr, "stderr does not give the reason:\n" + stderr)
    check("ERROR: Window Creation Error." in stderr,
          "stderr does not carry the failure text:\n" + stderr)
    check("Start FullScreen?" in stderr, "the first question was not written:\n" + stderr)
    return stderr


def case_no_display(program):
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY"):
        env.pop(name, None)
    stderr = run_without_display(program, env)
    check("neither DISPLAY nor WAYLAND_DISPLAY is set" in stderr, "no reason given:\n" + stderr)
    # A display that cannot be reached (no X server ever listens on :65000
    # here; the tests' own servers take the first free numbers).
    env["DISPLAY"] = ":65000"
    stderr = run_without_display(program, env)
    check("cannot connect to DISPLAY=:65000" in stderr, "no reason given:\n" + stderr)


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def case_minimise(program):
    # Minimising needs a window manager.
    with Session(program, "1024x768x24", window_manager=True) as s:
        s.answer("Start FullScreen?", "Escape")  # No
        s.answer("Start In A Soft Mode?", "Return")  # Yes
        window = s.main_window()
        wm_state = s.x.intern_atom("WM_STATE")

        def iconic():
            state = window.get_full_property(wm_state, X.AnyPropertyType)
            return state is not None and state.value[0] == 3  # IconicState
        s.xdotool("windowminimize", str(window.id))
        wait_for(iconic, "the window to be minimised")
        # Minimised, the loop waits for messages instead of polling: over a
        # second and a half it uses next to no processor time (a polling loop
        # uses all of it).
        before = cpu_seconds(s.game.pid)
        time.sleep(1.5)
        used = cpu_seconds(s.game.pid) - before
        check(used < 0.3, "minimised, the program used %.2f s of CPU in 1.5 s" % used)
        check(s.running(), "the program ended while minimised")
        # Restored, frames run again and Escape is looked at.
        s.xdotool("windowactivate", str(window.id))
        wait_for(lambda: not iconic(), "the window to be restored")
        status = escape(s, window)
        check(status == 0, "Escape after a restore ended with status %d" % status)


CASES = {
    "windowed_escape": case_windowed_escape,
    "toggle": case_toggle,
    "close": case_close,
    "refused_fullscreen": case_refused_fullscreen,
    "refused_declined": case_refused_declined,
    "no_display": case_no_display,
    "minimise": case_minimise,
}


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in CASES:
        sys.stderr.write("usage: football_e2e.py PROGRAM {%s}\n" % "|".join(CASES))
        return 2
    try:
        CASES[sys.argv[2]](sys.argv[1])
    except Failure as failure:
        sys.stderr.write("FAIL: %s\n" % failure)
        if LAST_STDERR:
            sys.stderr.write("--- the program's standard error:\n%s" % LAST_STDERR[0])
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
