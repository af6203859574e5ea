#!/usr/bin/env python3
# football_e2e.py -- drives the real program under its own Xvfb: questions, keys, toggles, picture, close.
#
# Usage: football_e2e.py PROGRAM CASE [SCORE_BAR_MASK|RECORDER]
# Every case starts its own Xvfb on a free display number (Xvfb picks it with
# -displayfd) and stops it, and the program, by process id when it ends, pass
# or fail. Waits are on conditions (a window appears, a process ends), never
# on fixed sleeps: keys are held down until the program has acted on them, and
# a picture is judged still over frames presented, not over seconds.
import os
import re
import resource
import select
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, error, protocol
from Xlib.ext import damage, randr

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import png_pixels  # noqa: E402

TITLE = "OpenGL WinAPI template by Ostrovel"
APP_ID = "io.github.football_match.Football"  # the desktop entry's StartupWMClass
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

    def __init__(self, program, screen, window_manager=False, xvfb_arguments=(), arguments=(),
                 extra_modes=(), environment=None, start=True, pictures=None):
        self.program = program
        # Screenshots go to a folder of the session's own unless a test names one.
        self.pictures = pictures
        self.screen = screen
        self.window_manager = window_manager
        self.xvfb_arguments = list(xvfb_arguments)
        self.arguments = list(arguments)
        self.extra_modes = list(extra_modes)
        self.environment = dict(environment or {})
        self.start = start  # False: the case starts the program itself
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
             "tcp", "-noreset"] + self.xvfb_arguments,
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
        if self.pictures is None:
            self.pictures = os.path.join(self.workdir.name, "pictures")
            os.mkdir(self.pictures)
        self.env["XDG_PICTURES_DIR"] = self.pictures
        # F9's clips too go nowhere but the session's folder.
        self.env["XDG_VIDEOS_DIR"] = self.pictures
        # SDL's quiet device that plays nothing, unless a case asks for another:
        # the tests neither depend on the machine's sound nor sound on it.
        self.env["SDL_AUDIODRIVER"] = "dummy"
        self.env.update(self.environment)
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

        for width, height in self.extra_modes:
            self.add_mode(width, height)
        self.stderr_path = os.path.join(self.workdir.name, "stderr")
        self.stderr_file = open(self.stderr_path, "wb")
        self.stdout_path = os.path.join(self.workdir.name, "stdout")
        self.stdout_file = open(self.stdout_path, "wb")
        if self.start:
            self.start_program()

    def start_program(self):
        """Starts the program (again, once the last run has ended); a crash leaves no core file."""
        self.game = subprocess.Popen([self.program] + self.arguments, env=self.env,
                                     stdout=self.stdout_file, stderr=self.stderr_file,
                                     preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_CORE,
                                                                           (0, 0)))

    # ---- the screen's display modes (RandR) ----

    def add_mode(self, width, height):
        """Offers one more display mode on the screen's output (Xvfb has only its own)."""
        root = self.x.screen().root
        resources = randr.get_screen_resources(root)
        name = "%dx%d" % (width, height)
        info = dict(id=0, width=width, height=height, dot_clock=width * height * 60,
                    h_sync_start=width + 24, h_sync_end=width + 160, h_total=width + 320,
                    h_skew=0, v_sync_start=height + 3, v_sync_end=height + 9,
                    v_total=height + 38, name_length=len(name), flags=0)
        mode = randr.create_mode(root, info, name)
        randr.add_output_mode(self.x, resources.outputs[0], mode.mode)
        self.x.sync()

    def display_mode(self):
        """(width, height) of the mode the screen shows now."""
        resources = randr.get_screen_resources(self.x.screen().root)
        crtc = randr.get_crtc_info(self.x, resources.crtcs[0], resources.config_timestamp)
        return (crtc.width, crtc.height)

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
        if getattr(self, "stdout_file", None):
            self.stdout_file.close()
        self.workdir.cleanup()
        return False

    def stdout(self):
        self.stdout_file.flush()
        with open(self.stdout_path, "rb") as f:
            return f.read().decode(errors="replace")

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

    def named_windows(self, name):
        """Every window in the tree with exactly this name, mapped or not."""
        found = []
        pending = [self.x.screen().root]
        while pending:
            window = pending.pop()
            try:
                for child in window.query_tree().children:
                    pending.append(child)
                    if self.window_name(child) == name:
                        found.append(child)
            except error.XError:
                continue
        return found

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

    def shown(self, window):
        """True while the window exists and is mapped."""
        try:
            return window.get_attributes().map_state == X.IsViewable
        except error.XError:
            return False

    def wait_for_focus(self, window, timeout=TIMEOUT):
        """Waits for the keyboard focus on the window; fails at once when the
        window goes (re-created by F1 meanwhile): it will never have the focus."""
        def focused():
            if self.has_focus(window):
                return True
            if not self.shown(window):
                raise Failure("the window went before it had the keyboard focus")
            return False
        wait_for(focused, "the keyboard focus on the window", timeout)

    def hold_key_until(self, window, key, condition, what):
        """Holds a key down over the window until the condition holds, then lets it go.

        A key pressed while the window system is still settling a new window
        can be lost; if nothing has happened after RETRY seconds (dozens of
        frames), the key is let go and pressed again. `window` may be a
        function giving the window to press it over at each try (one that goes
        meanwhile is passed over).
        """
        deadline = time.monotonic() + TIMEOUT
        while True:
            target = window() if callable(window) else window
            try:
                self.point_at(target)
                self.wait_for_focus(target, RETRY if callable(window) else TIMEOUT)
            except (error.XError, Failure):
                if not callable(window) or time.monotonic() > deadline:
                    raise
                continue
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
        window.send_event(event, event_mask=X.NoEventMask, onerror=error.CatchError())
        self.x.flush()

    def tap(self, window, key, gap=0.05):
        """Presses and releases a key with `gap` seconds between, in one go."""
        self.point_at(window)
        self.wait_for_focus(window)
        self.xdotool("keydown", key, "sleep", str(gap), "keyup", key)

    def pixels(self, window, x, y, width, height):
        """The client area's pixels in a rectangle, as rows of (r, g, b)."""
        image = window.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        data = image.data if isinstance(image.data, bytes) else bytes(image.data, "latin-1")
        stride = len(data) // height
        # A 24-bit Xvfb screen keeps 32-bit pixels, least significant byte first: B, G, R, X.
        return [[(data[row * stride + 4 * col + 2], data[row * stride + 4 * col + 1],
                  data[row * stride + 4 * col]) for col in range(width)]
                for row in range(height)]


def check(condition, message):
    if not condition:
        raise Failure(message)


def answer_windowed(session):
    """Answers No to full screen and Yes to soft mode; returns the main window."""
    session.answer("Start FullScreen?", "Escape")  # No
    session.answer("Start In A Soft Mode?", "Return")  # Yes
    return session.main_window()


def start_windowed(session):
    """As answer_windowed, and checks the client area (no window manager)."""
    window = answer_windowed(session)
    geometry = session.geometry(window)
    check(geometry == (0, 0, 1024, 768),
          "windowed client area is %r, not 1024x768 at (0, 0)" % (geometry,))
    check(not session.is_fullscreen(window), "the windowed window is marked full screen")
    return window


def one_drawn_window(session, what):
    """Waits for exactly one shown main window with a frame in it; returns it."""
    def found():
        windows = session.viewable_windows(TITLE)
        return windows[0] if len(windows) == 1 and session.drawn(windows[0]) else None
    return wait_for(found, what)


def keys_reach(session, window):
    """Holds Pause over the window until PAUSED shows or goes in it: the program
    has then handled every key sent before, and keys sent now are not lost to a
    window system still settling on a new window."""
    before = paused_notice(session, window)
    session.hold_key_until(window, "Pause", lambda: paused_notice(session, window) != before,
                           "Pause to be seen in the main window")


def settled_window(session, what):
    """The one main window once the keys sent before have all been handled (no
    toggle is left in the queue); returns it."""
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        window = one_drawn_window(session, what)
        try:
            keys_reach(session, window)
        except (error.XError, Failure):
            if [w.id for w in session.viewable_windows(TITLE)] == [window.id]:
                raise  # not re-created meanwhile: keys do not reach it
            continue
        if [w.id for w in session.viewable_windows(TITLE)] == [window.id]:
            return window
    raise Failure("timed out waiting for " + what)


def toggle(session, window):
    """Holds F1 until the window has been re-created; returns the new window."""
    def recreated():
        new = session.one_window(TITLE)
        return new if new is not None and new.id != window.id else None
    new = session.hold_key_until(window, "F1", recreated, "a re-created main window")
    wait_for(lambda: session.drawn(new), "the first frame in the re-created window")
    return new


def escape(session, window=None):
    """Holds Escape until the program ends; returns its exit status. Without a
    window, over the main window shown at each try."""
    session.hold_key_until(window or (lambda: one_drawn_window(session, "the main window")),
                           "Escape", lambda: not session.running(),
                           "the program to end on Escape")
    return session.game.returncode


def check_identity(session, window):
    """The window's class is the desktop entry's, and it carries the program's 64-pixel icon."""
    wm_class = window.get_wm_class()
    check(wm_class == (APP_ID, APP_ID), "WM_CLASS is %r, not the desktop entry's" % (wm_class,))
    icon = window.get_full_property(session.x.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
    check(icon is not None, "the window has no _NET_WM_ICON")
    values = list(icon.value)
    check(values[:2] == [64, 64] and len(values) == 2 + 64 * 64,
          "_NET_WM_ICON is not one 64x64 picture: %r, %d values" % (values[:2], len(values)))
    # A picture, not a blank: sky, grass, a player and the ball.
    check(len(set(values[2:])) > 100, "the icon has only %d colours" % len(set(values[2:])))


def case_windowed_escape(program):
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        check_identity(s, window)
        status = escape(s, window)
        check(status == 0, "Escape ended with status %d" % status)


def case_toggle(program):
    # A window manager, so that full screen is a state someone keeps.
    with Session(program, "1024x768x24", window_manager=True) as s:
        window = answer_windowed(s)
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
    for no in ("Escape", "n"):  # N answers No as in Windows' own boxes
        with Session(program, "800x600x24") as s:
            s.answer("Start FullScreen?", "Return")  # Yes
            s.answer("Start In A Soft Mode?", "Return")  # Yes
            s.answer("Orka GL", no)
            s.answer("ERROR", "Return")  # "Program Will Now Close."
            status = s.exit_status()
            check(status == 1, "declining windowed display (%s) ended with status %d" %
                  (no, status))
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


def case_minimise(program):
    # Minimising needs a window manager.
    with Session(program, "1024x768x24", window_manager=True) as s:
        window = answer_windowed(s)
        wm_state = s.x.intern_atom("WM_STATE")

        def iconic():
            state = window.get_full_property(wm_state, X.AnyPropertyType)
            return state is not None and state.value[0] == 3  # IconicState
        s.xdotool("windowminimize", str(window.id))
        wait_for(iconic, "the window to be minimised")
        # What it costs minimised: bench/minimised_cost.py.
        check(s.running(), "the program ended while minimised")
        # Restored, frames run again and Escape is looked at.
        s.xdotool("windowactivate", str(window.id))
        wait_for(lambda: not iconic(), "the window to be restored")
        status = escape(s, window)
        check(status == 0, "Escape after a restore ended with status %d" % status)


# ---- no key press is lost: taps shorter than a frame ----

def case_tap_escape(program):
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        keys_reach(s, window)  # the one tap is not lost to a window still settling
        s.tap(window, "Escape")
        status = s.exit_status()
        check(status == 0, "a tap of Escape ended with status %d" % status)


def case_tap_f1(program):
    # A tap is lost only when both its key-down and its key-up fall inside
    # one frame's wait; with a frame drawn in a few milliseconds, a 50 ms tap
    # seldom does, a 10 ms tap often. Taps of both lengths, each one toggle,
    # and a short tap of Escape at the end.
    gaps = [0.05, 0.01] * 4
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        for tap, gap in enumerate(gaps):
            keys_reach(s, window)
            s.tap(window, "F1", gap)
            try:
                found = wait_for(
                    lambda: [w for w in s.viewable_windows(TITLE) if w.id != window.id],
                    "a re-created window after tap %d of F1" % (tap + 1))
            except Failure:
                check(s.running(), "the program ended after tap %d of F1" % (tap + 1))
                raise
            window = found[0]
            wait_for(lambda: s.drawn(window), "the first frame in the re-created window")
        # One tap is one toggle: once a later key has been seen, the last window stays.
        keys_reach(s, window)
        windows = s.viewable_windows(TITLE)
        check([w.id for w in windows] == [window.id],
              "after %d taps of F1 the main windows are %r" % (len(gaps), [w.id for w in windows]))
        s.tap(window, "Escape", 0.01)
        status = s.exit_status()
        check(status == 0, "a tap of Escape after F1 ended with status %d" % status)



# ---- F11 and Alt+Enter: the same window over the whole screen and back ----

def score_bar_text(session, window, left):
    """True when the 200-pixel score bar starting at `left` holds its white and orange text."""
    counts = {}
    for row in session.pixels(window, left, 0, 200, 30):
        for rgb in row:
            counts[colour_name(rgb)] = counts.get(colour_name(rgb), 0) + 1
    return counts.get("white", 0) > 40 and counts.get("orange", 0) > 60


def case_desktop_fullscreen(program):
    # A screen larger than the window, and a window manager: on X11 it is the
    # window manager that grants a desktop full screen.
    with Session(program, "1280x1024x24", window_manager=True, arguments=["--window"]) as s:
        window = s.main_window()
        # Every unmap or destruction of the window would be queued from here on.
        window.change_attributes(event_mask=X.StructureNotifyMask)
        s.x.sync()
        framed = s.geometry(window)
        check(framed[2:] == (1024, 768), "the window's client area is %r" % (framed,))
        moves(s, window, "the match to play")
        for key in ("F11", "alt+Return"):
            s.tap(window, key)
            wait_for(lambda: s.geometry(window) == (0, 0, 1280, 1024) and s.is_fullscreen(window),
                     "%s: the window to cover the screen (it is %r)" % (key, s.geometry(window)))
            # The projection follows: the bar is centred in the new width, the
            # far corner is drawn, and the match goes on in the same window.
            wait_for(lambda: score_bar_text(s, window, 540), "%s: the bar centred at 1280" % key)
            wait_for(lambda: s.pixels(window, 1275, 1019, 1, 1)[0][0] != (0, 0, 0),
                     "%s: the far corner drawn" % key)
            moves(s, window, "%s: the match to go on" % key)
            s.tap(window, key)
            wait_for(lambda: s.geometry(window)[2:] == (1024, 768) and
                     not s.is_fullscreen(window),
                     "%s again: the window back at 1024x768 (it is %r)" % (key, s.geometry(window)))
            wait_for(lambda: score_bar_text(s, window, 412), "%s again: the bar centred" % key)
            moves(s, window, "%s again: the match to go on" % key)
            check([w.id for w in s.named_windows(TITLE)] == [window.id],
                  "%s: the main windows are %r" % (key, s.named_windows(TITLE)))
        kinds = set()
        while s.x.pending_events():
            event = s.x.next_event()
            if getattr(event, "window", None) == window:
                kinds.add(event.type)
        check(X.UnmapNotify not in kinds and X.DestroyNotify not in kinds,
              "the window was unmapped or destroyed on the way (events %r)" % kinds)
        status = escape(s, window)
        check(status == 0, "Escape after F11 and Alt+Enter ended with status %d" % status)


# ---- the picture in the real window ----

BAR_COLOURS = {".": "black", "W": "white", "O": "orange"}


def colour_name(rgb):
    r, g, b = rgb
    if rgb == (0, 0, 0):
        return "black"
    if rgb == (255, 255, 255):
        return "white"
    if r == 255 and g in (178, 179) and b == 51:  # (1, 0.7, 0.2)
        return "orange"
    return "other"


def score_bar_mismatches(session, window, mask_tool, goals1, goals2):
    """The pixels of the score bar that differ from what the glyph table says."""
    expected = subprocess.run([mask_tool, str(goals1), str(goals2)], check=True,
                              stdout=subprocess.PIPE).stdout.decode().split()
    bar = session.pixels(window, 412, 0, 200, 30)
    wrong = []
    for y, row in enumerate(expected):
        for x, mark in enumerate(row):
            got = colour_name(bar[y][x])
            if got != BAR_COLOURS[mark]:
                wrong.append("(%d, %d) is %s %r, not %s" % (412 + x, y, got, bar[y][x],
                                                           BAR_COLOURS[mark]))
    return wrong


def check_score_bar(session, window, mask_tool, what):
    """Waits for the bar to read DYNAMO 0 : 0 SHAKHTAR exactly; checks its edges and the pitch."""
    last = []

    def matches():
        last[:] = score_bar_mismatches(session, window, mask_tool, 0, 0)
        return not last
    try:
        wait_for(matches, "the score bar")
    except Failure:
        raise Failure("%s: the score bar does not read \"DYNAMO 0 : 0 SHAKHTAR\": %d pixels "
                      "differ, first %s" % (what, len(last), "; ".join(last[:5])))
    counts = {}
    for row in session.pixels(window, 412, 0, 200, 30):
        for rgb in row:
            counts[colour_name(rgb)] = counts.get(colour_name(rgb), 0) + 1
    check(counts.get("white", 0) > 40 and counts.get("orange", 0) > 60,
          "%s: too little text in the bar: %r" % (what, counts))
    # The bar is 200 by 30 and no bigger.
    for x, y in ((411, 5), (612, 5), (512, 30)):
        rgb = session.pixels(window, x, y, 1, 1)[0][0]
        check(rgb != (0, 0, 0), "%s: (%d, %d) next to the bar is black" % (what, x, y))
    # The pitch: green below the bar.
    green = 0
    for row in session.pixels(window, 0, 200, 1024, 568)[::8]:
        for r, g, b in row[::8]:
            if g > r + 40 and g > b + 40:
                green += 1
    check(green > 200, "%s: hardly any pitch green below the bar (%d probes)" % (what, green))


def case_screenshot(program, mask_tool):
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        check_score_bar(s, window, mask_tool, "windowed at start")
        shots = os.environ.get("FOOTBALL_E2E_SHOTS")
        if shots:
            subprocess.run(["import", "-window", "root", os.path.join(shots, "window.png")],
                           env=s.env, check=True)
        status = escape(s, window)
        check(status == 0, "Escape ended with status %d" % status)


def case_resize_tiny(program, mask_tool):
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        s.xdotool("windowsize", str(window.id), "1", "1")
        wait_for(lambda: s.geometry(window)[2:] == (1, 1), "the window to shrink to 1x1")
        # A frame drawn at 1x1: F12 saves it, a picture of one pixel.
        s.tap(window, "F12")
        path = wait_for(lambda: s.stdout().strip(), "the screenshot's path at 1x1")
        check(png_pixels.read_rgb(path)[:2] == (1, 1), "the screenshot at 1x1 is not 1x1")
        check(s.running(), "the program ended at 1x1")
        s.xdotool("windowsize", str(window.id), "1024", "768")
        wait_for(lambda: s.geometry(window)[2:] == (1024, 768), "the window to grow back")
        # The projection follows the size again: the overlay is where it was.
        check_score_bar(s, window, mask_tool, "after 1x1 and back")
        status = escape(s, window)
        check(status == 0, "Escape after the resizes ended with status %d" % status)


# ---- F1 held through auto-repeat; a close request during a toggle ----

def case_f1_auto_repeat(program):
    with Session(program, "1024x768x24", window_manager=True) as s:
        window = answer_windowed(s)
        s.x.change_keyboard_control(auto_repeat_mode=X.AutoRepeatModeOn)
        s.x.sync()
        s.point_at(window)
        s.wait_for_focus(window)
        seen = {window.id}

        def toggled_again_and_again():
            check(s.running(), "the program ended while F1 was held")
            seen.update(w.id for w in s.named_windows(TITLE))
            return len(seen) >= 3
        s.xdotool("keydown", "F1")
        try:
            wait_for(toggled_again_and_again, "auto-repeat of F1 to make a third window")
        finally:
            s.xdotool("keyup", "F1")
        s.x.change_keyboard_control(auto_repeat_mode=X.AutoRepeatModeOff)
        s.x.sync()

        # Settled: one main window, shown and drawn, 1024x768 (covering the
        # screen when full screen), and no more toggles once F1 is up.
        final = settled_window(s, "one main window to stay")
        check(s.running(), "the program ended after F1 was let go")
        check(s.shown(final), "the last window is not shown")
        # The window manager may still be placing it.
        wait_for(lambda: s.geometry(final)[2:] == (1024, 768) and
                 (not s.is_fullscreen(final) or s.geometry(final) == (0, 0, 1024, 768)),
                 "the last window at 1024x768, covering the screen when full screen")
        status = escape(s, final)
        check(status == 0, "Escape after holding F1 ended with status %d" % status)


def case_close_mid_toggle(program):
    # The close request arrives for the window being made by F1, before it has
    # drawn anything: the program ends normally.
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        s.point_at(window)
        s.wait_for_focus(window)
        s.xdotool("keydown", "F1")
        try:
            new = wait_for(lambda: [w for w in s.named_windows(TITLE) if w.id != window.id],
                           "the window re-created by F1", timeout=TIMEOUT)[0]
            s.close_request(new)
        finally:
            s.xdotool("keyup", "F1")
        status = s.exit_status()
        check(status == 0, "a close request during a toggle ended with status %d" % status)

    # The close request just before F1: the close wins, no window is re-created.
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        s.point_at(window)
        s.wait_for_focus(window)
        s.close_request(window)
        s.xdotool("keydown", "F1")
        try:
            status = s.exit_status()
        finally:
            s.xdotool("keyup", "F1")
        check(status == 0, "a close request before F1 ended with status %d" % status)


# ---- options ----

# Bad arguments, and what the one line on standard error names (the parser's
# table test has the rest).
BAD_ARGUMENTS = [
    (["--bogus"], "unknown option '--bogus'"),
    (["stray"], "unexpected argument 'stray'"),
    (["--window", "--fullscreen"], "--window and --fullscreen cannot be used together"),
    (["--volume", "101"], "--volume needs a volume from 0 to 100, not '101'"),
]


def run_beside(session, arguments):
    """Runs the program with these arguments on the session's display; fails if it waits."""
    try:
        return subprocess.run([session.program] + arguments, env=session.env,
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure("football %s did not end: it waits for something" % " ".join(arguments))


def case_options(program):
    with Session(program, "1024x768x24", arguments=["--window"]) as s:
        # No question box: nobody answers one here, so the window comes only without.
        window = s.main_window()
        check(s.geometry(window) == (0, 0, 1024, 768),
              "--window: the client area is %r, not 1024x768 at (0, 0)" % (s.geometry(window),))
        check(not s.is_fullscreen(window), "--window: the window is full screen")
        for arguments, named in BAD_ARGUMENTS:
            result = run_beside(s, arguments)
            err = result.stderr.decode(errors="replace")
            check(result.returncode == 2, "football %s ended with status %d" %
                  (" ".join(arguments), result.returncode))
            check(re.fullmatch(r"football: %s\. Try 'football --help'\.\n" % re.escape(named),
                               err), "football %s wrote:\n%s" % (" ".join(arguments), err))
        version = run_beside(s, ["--version"])
        check(version.returncode == 0 and
              re.fullmatch(rb"football \d+\.\d+\.\d+\n", version.stdout) is not None,
              "football --version: status %d, %r" % (version.returncode, version.stdout))
        for arguments in (["--help"], ["--bogus", "--help"]):
            result = run_beside(s, arguments)
            check(result.returncode == 0 and result.stdout.startswith(b"Usage: football "),
                  "football %s: status %d, %r" % (" ".join(arguments), result.returncode,
                                                  result.stdout[:80]))
        # None of them opened a window or asked anything.
        check([w.id for w in s.named_windows(TITLE)] == [window.id],
              "other main windows appeared: %s" % s.describe_windows())
        check(not s.named_windows("Start FullScreen?"), "a question was asked")
        status = escape(s, window)
        check(status == 0, "Escape after --window ended with status %d" % status)


# ---- the display's own mode comes back, however the program ends ----

# How the program is ended in full screen, and the exit status it must give:
# Escape and the termination requests end it normally; a crash kills it with
# the same signal, and SIGKILL ends it with no handler run at all.
FULLSCREEN_ENDINGS = [("Escape", 0)] + \
    [(name, 0) for name in ("SIGHUP", "SIGQUIT", "SIGTERM", "SIGINT")] + \
    [(name, -getattr(signal, name)) for name in ("SIGSEGV", "SIGABRT", "SIGBUS", "SIGFPE",
                                                  "SIGILL", "SIGKILL")]


def case_fullscreen_restore(program):
    # A 1280x1024 screen that also offers 1024x768: full screen changes the mode.
    with Session(program, "1280x1024x24", arguments=["--fullscreen"],
                 extra_modes=[(1024, 768)]) as s:
        for run, (ending, expected) in enumerate(FULLSCREEN_ENDINGS):
            if run > 0:
                s.start_program()
            window = s.main_window()
            check(s.display_mode() == (1024, 768), "full screen shows the mode %r, not 1024x768 "
                  "(before %s)" % (s.display_mode(), ending))
            if ending == "Escape":
                status = escape(s, window)
            else:
                s.game.send_signal(getattr(signal, ending))
                status = s.exit_status()
            check(status == expected, "%s in full screen ended with status %d, not %d" %
                  (ending, status, expected))
            if ending == "SIGKILL":
                # No handler runs: the display comes back once the program is gone.
                wait_for(lambda: s.display_mode() == (1280, 1024),
                         "the display's own mode after SIGKILL")
            check(s.display_mode() == (1280, 1024), "after %s the display is left at %r" %
                  (ending, s.display_mode()))


# ---- termination requests while a question waits ----

def case_question_signals(program):
    # The first question, before the video system runs; and the "Orka GL"
    # question of a full screen refused, while it runs.
    for screen, arguments, caption, name in (
            ("1024x768x24", [], "Start FullScreen?", "SIGINT"),
            ("800x600x24", ["--fullscreen"], "Orka GL", "SIGTERM"),
            ("800x600x24", ["--fullscreen"], "Orka GL", "SIGHUP")):
        with Session(program, screen, arguments=arguments) as s:
            wait_for(lambda: s.one_window(caption), 'the "%s" box' % caption)
            s.game.send_signal(getattr(signal, name))
            status = s.exit_status()
            check(status == -getattr(signal, name), "%s at the \"%s\" question ended with "
                  "status %d" % (name, caption, status))
            wait_for(lambda: not s.named_windows(caption), 'the "%s" box to go' % caption)
            check(not s.named_windows(TITLE), "a main window was made")


# ---- a full-screen window that loses the focus ----

def case_focus_loss(program):
    # SDL's default has changed between versions; the environment asks for
    # the minimising here, and the program must not take it.
    with Session(program, "1280x1024x24", window_manager=True, arguments=["--fullscreen"],
                 extra_modes=[(1024, 768)],
                 environment={"SDL_VIDEO_MINIMIZE_ON_FOCUS_LOSS": "1"}) as s:
        window = s.main_window()
        wait_for(lambda: s.is_fullscreen(window), "the window manager to make it full screen")
        # A small window of our own, at the top left, takes the focus.
        screen = s.x.screen()
        other = screen.root.create_window(0, 0, 64, 64, 0, screen.root_depth,
                                          override_redirect=True,
                                          background_pixel=screen.white_pixel)
        other.map()
        s.x.sync()
        other.set_input_focus(X.RevertToParent, X.CurrentTime)
        s.x.sync()
        check(s.has_focus(other), "the other window did not get the focus")
        # SDL reacts to the focus loss when a frame takes its messages: the
        # second new picture from here comes from a frame that has (a
        # minimised window would be unmapped by then), and frames go on.
        def picture():
            try:
                return window.get_image(200, 200, 600, 400, X.ZPixmap, 0xFFFFFFFF).data
            except error.XError:
                return None
        for _ in range(2):
            first = picture()
            wait_for(lambda: picture() not in (None, first), "a new frame without the focus")
        wm_state = s.x.intern_atom("WM_STATE")
        state = window.get_full_property(wm_state, X.AnyPropertyType)
        check(state is None or state.value[0] != 3, "the window was minimised")
        check(s.is_fullscreen(window), "the window left full screen")
        check(s.display_mode() == (1024, 768), "the display went back to %r" %
              (s.display_mode(),))
        check(s.running(), "the program ended")
        s.close_request(window)
        status = s.exit_status()
        check(status == 0, "a close request ended with status %d" % status)


# ---- a display without GLX ----

def case_no_glx(program):
    with Session(program, "1024x768x24", xvfb_arguments=["-extension", "GLX"]) as s:
        s.answer("Start FullScreen?", "Escape")  # No
        s.answer("Start In A Soft Mode?", "Return")  # Yes

        def outcome():
            if s.one_window("ERROR") is not None:
                return "error"
            window = s.one_window(TITLE)
            if window is not None and s.drawn(window):
                return "running"
            if not s.running():
                return "ended"
            return None
        result = wait_for(outcome, "an error box or a drawn window")
        if result == "running":
            # A context was found another way: the program works as usual.
            status = escape(s, s.one_window(TITLE))
            check(status == 0, "Escape without GLX ended with status %d" % status)
            return
        if result == "error":
            s.answer("ERROR", "Return")
        status = s.exit_status()
        check(status == 1, "without GLX the program ended with status %d" % status)
        stderr = s.stderr()
        # The window is made with its OpenGL visual: that is the step that fails.
        check("football: cannot create the window: GLX is not supported" in stderr,
              "stderr does not say which step failed:\n" + stderr)
        check(not s.named_windows(TITLE), "a main window is left on the display")


# ---- random keys: about a minute of them ----

# Every key the program might meet, apart from Escape (it ends the run) and F4
# (with Alt held it closes the window). F1 is drawn apart, rarely.
RANDOM_KEYS = (
    [chr(c) for c in range(ord("a"), ord("z") + 1)] + [str(d) for d in range(10)] +
    ["Left", "Right", "Up", "Down", "Prior", "Next", "Home", "End", "Insert", "Delete",
     "space", "Return", "Tab", "BackSpace", "Shift_L", "Control_L", "Alt_L", "Super_L",
     "KP_0", "KP_5", "KP_9", "KP_Add", "KP_Subtract", "KP_Multiply", "KP_Divide",
     "minus", "equal", "bracketleft", "bracketright", "semicolon", "apostrophe", "grave",
     "backslash", "comma", "period", "slash", "F2", "F3", "F5", "F7", "F12", "Pause",
     "Menu"])
RANDOM_PRESSES = 500


def case_random_keys(program):
    import random
    seed = int(os.environ.get("FOOTBALL_E2E_SEED", int(time.time())))
    rng = random.Random(seed)
    from Xlib import XK
    from Xlib.ext import xtest
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        s.point_at(window)
        s.wait_for_focus(window)

        def keycode(name):
            return s.x.keysym_to_keycode(XK.string_to_keysym(name))
        held = []
        presses = toggles = 0
        try:
            while presses < RANDOM_PRESSES:
                check(s.running(), "the program ended during random keys (seed %d)" % seed)
                if held and (len(held) >= 4 or rng.random() < 0.5):
                    key = held.pop(rng.randrange(len(held)))
                    xtest.fake_input(s.x, X.KeyRelease, keycode(key))
                else:
                    key = "F1" if rng.random() < 0.01 else rng.choice(RANDOM_KEYS)
                    if key not in held:
                        held.append(key)
                        presses += 1
                        toggles += key == "F1"
                        xtest.fake_input(s.x, X.KeyPress, keycode(key))
                s.x.sync()
                time.sleep(rng.random() * 0.12)
        finally:
            for key in held:
                xtest.fake_input(s.x, X.KeyRelease, keycode(key))
            s.x.sync()

        # An F1 still queued may re-create the window once more: Escape goes
        # to the window shown at each try.
        one_drawn_window(s, "one drawn main window after the random keys (seed %d)" % seed)
        check(s.running(), "the program ended after the random keys (seed %d)" % seed)
        check("ERROR" not in s.stderr(), "errors after random keys (seed %d):\n%s" %
              (seed, s.stderr()))
        status = escape(s)
        check(status == 0, "Escape after random keys ended with status %d (seed %d, %d presses, "
              "%d of F1)" % (status, seed, presses, toggles))
        print("random keys: seed %d, %d presses, %d of F1" % (seed, presses, toggles))

# ---- pause and screenshots ----

def whole_picture(session, window):
    """The whole 1024x768 client area as RGB bytes, top row first (fast to compare)."""
    image = window.get_image(0, 0, 1024, 768, X.ZPixmap, 0xFFFFFFFF)
    data = image.data if isinstance(image.data, bytes) else bytes(image.data, "latin-1")
    check(len(data) == 1024 * 768 * 4, "unexpected image layout")
    rgb = bytearray(1024 * 768 * 3)
    rgb[0::3], rgb[1::3], rgb[2::3] = data[2::4], data[1::4], data[0::4]
    return bytes(rgb)


PAUSE_BOX, NOTICE_BOX = (477, 30, 70, 20), (0, 746, 1024, 22)


def text_box(source, box, least):
    """True when a box of a window ((session, window)) or of a whole picture (RGB
    bytes) is black with at least `least` white pixels of text."""
    x, y, width, height = box
    at = [((y + j) * 1024 + x + i) * 3 for i in range(width) for j in range(height)]
    pixels = ([tuple(source[a:a + 3]) for a in at] if isinstance(source, bytes) else
              [rgb for row in source[0].pixels(source[1], *box) for rgb in row])
    names = [colour_name(rgb) for rgb in pixels]
    return names.count("white") >= least and names.count("white") + names.count("black") == len(names)


def paused_notice(session, window):
    """True while PAUSED shows under the bar."""
    return text_box((session, window), PAUSE_BOX, 30)


def without_pause_box(rows):
    """A whole picture with PAUSED's box blacked out."""
    rows = bytearray(rows)
    for y in range(30, 50):
        rows[(y * 1024 + 477) * 3:(y * 1024 + 547) * 3] = bytes(70 * 3)
    return bytes(rows)


class FrameWatch:
    """Counts the pictures presented in a window: X's Damage extension reports
    each drawing into it, on a connection of its own."""

    def __init__(self, session, window):
        self.x = display.Display(session.display_name)
        self.x.damage_query_version()  # the extension answers nothing before this
        self.damage = self.x.create_resource_object("window", window.id).damage_create(
            damage.DamageReportNonEmpty)
        self.x.sync()

    def wait(self, count, what):
        """Waits until `count` more pictures have been presented."""
        deadline = time.monotonic() + TIMEOUT
        while count > 0:
            while count > 0 and self.x.pending_events():
                if self.x.next_event().type == self.x.extension_event.DamageNotify:
                    count -= 1
                    self.x.damage_subtract(self.damage)
                    self.x.flush()
            remaining = deadline - time.monotonic()
            if count > 0 and remaining <= 0:
                raise Failure("timed out waiting for " + what)
            if count > 0:
                select.select([self.x.fileno()], [], [], remaining)

    def close(self):
        self.x.close()


# Mesa draws the same state as one of a few pictures (its immediate-mode
# batches split at points that wander from frame to frame, which shades a few
# pixels differently: at most 5 measured while paused); a match that plays
# changes hundreds of pixels from frame to frame, a turning camera nearly all.
STILL_BYTES = 300


def differing_bytes(one, other):
    """How many bytes of two pictures of the same size differ."""
    if one == other:
        return 0
    xor = (int.from_bytes(one, "little") ^ int.from_bytes(other, "little")).to_bytes(
        len(one), "little")
    return len(xor) - xor.count(0)


def still_for(session, window, frames):
    """Whether the window's picture stands still over `frames` frames presented:
    eight looks, all within STILL_BYTES of the first. The first look comes a
    few frames on, when keys sent before have been handled (a frame runs only
    once the program's queue is empty). Returns (still, the first look, the looks)."""
    watch = FrameWatch(session, window)
    looks = []
    try:
        for _ in range(8):
            watch.wait(max(3, frames // 8), "frames presented in the main window")
            looks.append(whole_picture(session, window))
    finally:
        watch.close()
    return all(differing_bytes(look, looks[0]) <= STILL_BYTES for look in looks), looks[0], looks


def moves(session, window, what):
    """Waits for the window's picture to change by more than Mesa's wandering."""
    first = whole_picture(session, window)
    wait_for(lambda: differing_bytes(whole_picture(session, window), first) > STILL_BYTES, what)


# A turning camera changes most of the picture between two looks (measured:
# 0.9 million of its 2.4 million bytes); the match alone, a few hundred.
TURNED_BYTES = 100000


def turns(session, window, what):
    """Waits for the camera to turn: most of the picture changes between two looks."""
    last = [whole_picture(session, window)]

    def turned():
        now = whole_picture(session, window)
        changed = differing_bytes(now, last[0]) > TURNED_BYTES
        last[0] = now
        return changed
    wait_for(turned, what)


# About a second of frames at the designed pace: anything the pause left
# running (the match, an animation, the rain) changes the picture every frame.
STILL_FRAMES = 32


def case_pause_screenshot(program):
    with Session(program, "1024x768x24") as s:
        window = start_windowed(s)
        s.tap(window, "Pause")
        wait_for(lambda: paused_notice(s, window), "PAUSED under the score bar")
        same, still, _ = still_for(s, window, STILL_FRAMES)
        check(same, "the picture changed while paused and the camera stood still")

        # The camera still flies while paused; the overlay stays; then all is still again.
        overlay = s.pixels(window, 412, 0, 200, 50)
        s.hold_key_until(window, "i",
                         lambda: differing_bytes(whole_picture(s, window)[3072 * 100:],
                                                 still[3072 * 100:]) > STILL_BYTES,
                         "the camera to turn while paused")
        moved = s.pixels(window, 412, 0, 200, 50)
        check(moved[:30] == overlay[:30] and
              [row[65:135] for row in moved[30:]] == [row[65:135] for row in overlay[30:]],
              "the score bar or the notice changed when the camera moved")
        same, still, looks = still_for(s, window, STILL_FRAMES)
        check(same, "the picture changed while paused after the camera stopped")

        # F12 saves exactly the picture on screen, its path on standard output.
        s.tap(window, "F12")
        # On screen, for two seconds, a line at the bottom names the file; neither
        # it nor PAUSED is in the file, which is otherwise the picture shown.
        wait_for(lambda: text_box((s, window), NOTICE_BOX, 200), "the screenshot's line")
        path = wait_for(lambda: s.stdout().strip(), "the screenshot's path on standard output")
        name = os.path.basename(path)
        check(os.path.dirname(path) == s.pictures and name.startswith("football-") and
              name.endswith(".png") and len(name) == len("football-YYYYMMDD-HHMMSS-mmm.png"),
              "screenshot path %r is not football-YYYYMMDD-HHMMSS-mmm.png in %s" %
              (path, s.pictures))
        width, height, rows = png_pixels.read_rgb(path)
        check((width, height) == (1024, 768), "the screenshot is %dx%d" % (width, height))
        wait_for(lambda: not text_box((s, window), NOTICE_BOX, 200), "the line to go")
        check(paused_notice(s, window), "PAUSED went with the screenshot's line")
        check(not text_box(rows, NOTICE_BOX, 200) and not text_box(rows, PAUSE_BOX, 30),
              "the screenshot holds the line at the bottom or PAUSED")
        saved = without_pause_box(rows)
        if saved not in [without_pause_box(look) for look in looks]:
            wait_for(lambda: without_pause_box(whole_picture(s, window)) == saved,
                     "the window to show the screenshot's picture, PAUSED apart")
        check(os.listdir(s.pictures) == [name], "files in the pictures folder: %r" %
              os.listdir(s.pictures))

        # Space resumes: the match moves again with the camera still.
        s.tap(window, "space")
        wait_for(lambda: not paused_notice(s, window), "PAUSED to go")
        moves(s, window, "the picture to move after Space")
        status = escape(s, window)
        check(status == 0, "Escape ended with status %d" % status)

    # A folder that cannot be written: one line on standard error, the match goes on.
    with Session(program, "1024x768x24", pictures="/proc") as s:
        window = start_windowed(s)
        s.tap(window, "Print")
        wait_for(lambda: "cannot save the screenshot" in s.stderr(), "the screenshot's failure")
        lines = s.stderr().strip().splitlines()
        check(len(lines) == 1 and lines[0].startswith("football: cannot save the screenshot "
                                                      "'/proc/football-"),
              "standard error after a failed screenshot: %r" % s.stderr())
        moves(s, window, "the match to go on")
        check(s.running(), "the program ended after a failed screenshot")
        status = escape(s, window)
        check(status == 0, "Escape ended with status %d" % status)


# ---- sessions and F9's clip ----

def saved_path(session, ending):
    """The last line of standard output once it names a file with this ending."""
    lines = session.stdout().strip().splitlines()
    return lines[-1] if lines and lines[-1].endswith(ending) else None


def recorded_as_shot(s, recorder, path, frame, shot):
    """The recorder's picture of the session's frame, checked against the screenshot of it."""
    out = os.path.join(s.workdir.name, "frames")
    result = subprocess.run([recorder, "--session", path, "--out", out, "--at", frame],
                            capture_output=True, timeout=300)
    check(result.returncode == 0, "the recorder: %r" % result.stderr)
    recorded = png_pixels.read_rgb(os.path.join(out, "frame-%05d.png" % int(frame)))
    same, _ = png_pixels.difference(png_pixels.read_rgb(shot), recorded)
    check(same >= 0.99, "frame %s recorded: %.4f of the pixels as in the screenshot" %
          (frame, same))
    return recorded


def case_session_screenshot(program, recorder):
    # Watched with keys and an F12, saved as a session.
    with Session(program, "1024x768x24", start=False) as s:
        path = os.path.join(s.workdir.name, "watched.session")
        s.arguments = ["--window", "--save-session", path]
        s.start_program()
        window = s.main_window()
        s.tap(window, "o", gap=0.5)
        s.tap(window, "Tab")
        # F12 while the camera turns, so that every frame around it looks
        # otherwise: I is held from before F12 until its picture is saved.
        s.xdotool("keydown", "i")
        try:
            turns(s, window, "the camera to turn on I")
            s.xdotool("key", "F12")
            shot = wait_for(lambda: saved_path(s, ".png"), "the screenshot's path")
        finally:
            s.xdotool("keyup", "i")
        check(escape(s, window) == 0, "Escape after saving the session: status not 0")
        with open(path) as f:
            text = f.read()
        found = [re.search(r"^%s (\d+) %s$" % pair, text, re.M)
                 for pair in (("down", "F12"), ("down", "I"), ("down", "O"), ("up", "I"))]
        # I may still be down when Escape comes: then no frame saw it go up.
        check(all(found[:3]) and int(found[1][1]) <= int(found[0][1]) and
              (found[3] is None or int(found[0][1]) < int(found[3][1])),
              "the session lacks its keys, or F12 came before I or after it:\n" + text)
        frame = found[0][1]

        # The recorder's frame of F12 at the window's size is the picture on screen.
        recorded = recorded_as_shot(s, recorder, path, frame, shot)

        # Played in the window (the session's keys, not the user's), its F12
        # takes the same picture again; then a line says it has ended.
        os.remove(shot)
        s.arguments = ["--window", "--play-session", path]
        s.start_program()
        replayed = wait_for(lambda: saved_path(s, ".png") not in (None, shot) and
                            saved_path(s, ".png"), "the played session's screenshot")
        same, _ = png_pixels.difference(png_pixels.read_rgb(replayed), recorded)
        check(same >= 0.99, "the played screenshot: %.4f of the pixels as recorded" % same)
        wait_for(lambda: "the session has ended after frame" in s.stdout(), "the session's end")
        check(escape(s) == 0, "Escape after the played session: status not 0")


def clip_streams(path):
    """The codec of each stream of a video, from ffprobe, and the picture size."""
    result = subprocess.run(["ffprobe", "-v", "error", "-show_entries",
                             "stream=codec_type,codec_name,width,height", "-of", "compact", path],
                            capture_output=True, text=True, timeout=60)
    return result.stdout.strip()


def clip_frames(path):
    """The video frames ffprobe decodes from a clip, every one read; None when it reads none."""
    result = subprocess.run(["ffprobe", "-v", "error", "-count_frames", "-select_streams", "v:0",
                             "-show_entries", "stream=nb_read_frames", "-of", "csv=p=0", path],
                            capture_output=True, text=True, timeout=120)
    return int(result.stdout) if result.returncode == 0 and result.stdout.strip().isdigit() \
        else None


def check_finished_clip(path, folder, frames, what):
    """The clip is in the folder under its own name, no part file is left, and
    it holds H.264 at 1024x768 and AAC, `frames` video frames, each decoded."""
    check(os.path.dirname(path) == folder and
          re.fullmatch(r"football-\d{8}-\d{6}-\d{3}\.mp4", os.path.basename(path)) is not None,
          "%s: %r is not football-YYYYMMDD-HHMMSS-mmm.mp4 in the videos folder" % (what, path))
    check(os.path.isfile(path) and not os.path.exists(path + ".part"),
          "%s: no finished file, or its part file is left: %r" % (what, os.listdir(folder)))
    streams = clip_streams(path)
    check("codec_name=h264|codec_type=video|width=1024|height=768" in streams and
          "codec_name=aac|codec_type=audio" in streams, "%s: the streams: %s" % (what, streams))
    read = clip_frames(path)
    check(read == frames, "%s: ffprobe reads %r video frames, not the %d of the last 30 seconds"
          % (what, read, frames))


def clip_key_frames(session_path):
    """The frames in which F9 went down, from the saved session."""
    with open(session_path) as f:
        return [int(frame) for frame in re.findall(r"^down (\d+) F9$", f.read(), re.M)]


def case_f9_clip(program, _recorder):
    with Session(program, "1024x768x24", start=False) as s:
        videos = os.path.join(s.workdir.name, "videos")
        os.mkdir(videos)
        s.env["XDG_VIDEOS_DIR"] = videos
        # The session says in which frames F9 went down: each clip holds the
        # frames up to that one, 900 at most.
        watched = os.path.join(s.workdir.name, "watched.session")
        s.arguments = ["--window", "--save-session", watched]
        s.start_program()
        window = s.main_window()
        s.tap(window, "F9")
        # The line at the bottom says the clip is being made; the match goes
        # on meanwhile, the recorder working in the background.
        wait_for(lambda: text_box((s, window), NOTICE_BOX, 200), "the line saying the clip is made")
        before = whole_picture(s, window)

        def moved_or_done():
            if saved_path(s, ".mp4") is not None:
                return "done"
            return differing_bytes(whole_picture(s, window), before) > STILL_BYTES and "moved"
        check(wait_for(moved_or_done, "the match to go on while the clip is made") == "moved",
              "the picture stood still while the clip was made")
        # Its path on standard output, once the recorder has finished it.
        clip = wait_for(lambda: saved_path(s, ".mp4"), "the clip's path", timeout=150)
        check(s.running(), "the program ended after the clip")

        # F9 and Escape at once: the program waits a few seconds for the clip,
        # says so, and leaves nothing running: the clip is finished, or it is
        # stopped, said to be unfinished, and leaves no file.
        s.tap(window, "F9")
        wait_for(lambda: len(os.listdir(videos)) == 2, "the second clip begun")
        s.hold_key_until(window, "Escape", lambda: not s.viewable_windows(TITLE),
                         "the window to go on Escape")
        wait_for(lambda: not s.running(), "the program to end", timeout=30)
        check(s.game.returncode == 0, "Escape while a clip was made: status %d" %
              s.game.returncode)
        check("finishing the clip" in s.stderr(), "no word of the clip at the end: " + s.stderr())
        keys = clip_key_frames(watched)
        check(len(keys) == 2, "the session holds %d key-downs of F9, not 2" % len(keys))
        check_finished_clip(clip, videos, min(keys[0], 900), "the clip")
        if "was not finished" in s.stderr():
            check(os.listdir(videos) == [os.path.basename(clip)],
                  "files in the videos folder: %r" % os.listdir(videos))
        else:
            second = saved_path(s, ".mp4")
            check(second not in (None, clip), "the second clip's path: %r" % second)
            check_finished_clip(second, videos, min(keys[1], 900), "the second clip")


def last_kept(path):
    """The frame of a growing session file's last whole kept line; -1 before the first."""
    try:
        with open(path) as f:
            found = re.findall(r"^kept (\d+)\n", f.read(), re.M)
    except FileNotFoundError:
        return -1
    return int(found[-1]) if found else -1


def case_kept_session(program, recorder):
    trace = os.path.join(os.path.dirname(recorder), "football-trace")
    with Session(program, "1024x768x24", start=False) as s:
        path = os.path.join(s.workdir.name, "watched.session")
        sound = os.path.join(s.workdir.name, "sound.raw")
        temporary = os.path.join(s.workdir.name, "tmp")
        os.mkdir(temporary)
        s.env["TMPDIR"] = temporary
        # Watched with replays: the file grows as the frames run, a kept line
        # piece after piece, past the first goal's replay (frames 460-728).
        start_with_sound(s, sound, ["--window", "--replays", "--save-session", path])
        window = s.main_window()
        kept = set()

        def kept_after_replay():
            kept.add(last_kept(path))
            return max(kept) >= 750
        wait_for(kept_after_replay, "frame 750 kept", timeout=180)
        check(len(kept) >= 10, "the file grew in %d pieces only" % len(kept))
        s.tap(window, "F12")
        shot = wait_for(lambda: saved_path(s, ".png"), "the screenshot's path")

        # F9, then Escape: the sound stops with the window; the recorder gets
        # a few seconds, then is stopped, and leaves no file behind.
        s.tap(window, "F9")
        wait_for(lambda: any(name.endswith(".mp4.part") for name in os.listdir(s.pictures)),
                 "the clip begun")
        s.hold_key_until(window, "Escape", lambda: not s.viewable_windows(TITLE),
                         "the window to go on Escape")
        # The run says it waits for the clip once the window and the sound are gone.
        wait_for(lambda: "finishing the clip" in s.stderr(), "the wait for the clip")
        heard = len(sound_bytes(sound))
        wait_for(lambda: not s.running(), "the program to end", timeout=30)
        check(len(sound_bytes(sound)) == heard, "sound after the window had gone")
        check(s.game.returncode == 0, "status %d after Escape" % s.game.returncode)
        check("was not finished" in s.stderr(), "no word of the unfinished clip: " + s.stderr())
        check(os.listdir(temporary) == [] and
              not [n for n in os.listdir(s.pictures) if n.endswith((".part", ".mp4"))],
              "files left: %r %r" % (os.listdir(temporary), os.listdir(s.pictures)))

        with open(path) as f:
            text = f.read()
        check("\noption replays on\n" in text and re.search(r"^end \d+\n\Z", text, re.M),
              "the session lacks its replays or its end:\n" + text[:300])
        frame = re.search(r"^down (\d+) F12$", text, re.M)[1]
        recorded_as_shot(s, recorder, path, frame, shot)

        # Killed: the file replays to its last kept frame.
        killed = os.path.join(s.workdir.name, "killed.session")
        s.arguments = ["--window", "--save-session", killed]
        s.start_program()
        wait_for(lambda: last_kept(killed) >= 30, "frame 30 kept")
        s.game.kill()
        s.game.wait()
        result = subprocess.run([trace, "--session", killed], capture_output=True, timeout=60)
        check(result.returncode == 0 and result.stdout.count(b"\n") == last_kept(killed) + 1,
              "the killed session's trace: %d lines for %d kept frames: %r" %
              (result.stdout.count(b"\n"), last_kept(killed), result.stderr))


# ---- the screen saver, in a window the test owns ----

def case_screensaver(program):
    with Session(program, "1024x768x24", start=False) as s:
        screen = s.x.screen()
        owner = screen.root.create_window(0, 0, 320, 240, 0, screen.root_depth, X.InputOutput,
                                          X.CopyFromParent, background_pixel=screen.black_pixel)
        owner.map()
        s.x.sync()

        def drawn_at(x, y):
            return s.pixels(owner, x, y, 1, 1)[0][0] != (0, 0, 0)

        # By id, and as xscreensaver starts it: --root with the window in the environment.
        for arguments, environment in ((["--window-id", str(owner.id)], {}),
                                       (["--root"], {"XSCREENSAVER_WINDOW": hex(owner.id)})):
            what = " ".join(arguments) + "".join(" %s=%s" % e for e in environment.items())
            owner.clear_area()
            s.x.sync()
            s.arguments = arguments
            s.env.update(environment)
            s.start_program()
            # The whole window is drawn, corner to corner, and the picture moves.
            wait_for(lambda: drawn_at(2, 2) and drawn_at(317, 237), "%s: the window drawn" % what)
            first = s.pixels(owner, 0, 0, 320, 240)
            wait_for(lambda: s.pixels(owner, 0, 0, 320, 240) != first,
                     "%s: the picture to change" % what)
            check(not s.named_windows(TITLE) and not s.named_windows("Start FullScreen?"),
                  "%s: a window of its own or a question appeared" % what)
            if not environment:
                # The window's owner makes it bigger: the picture fills it again.
                owner.configure(width=400, height=300)
                s.x.sync()
                wait_for(lambda: drawn_at(397, 297), "%s: the grown window drawn" % what)
            started = time.monotonic()
            s.game.send_signal(signal.SIGTERM)
            status = s.exit_status()
            check(status == 0, "%s: SIGTERM ended with status %d" % (what, status))
            print("%s: ended %.2f s after SIGTERM" % (what, time.monotonic() - started))
            # The window stays its owner's.
            check(owner.get_attributes().map_state == X.IsViewable,
                  "%s: the window is gone or hidden after the end" % what)
            for name in environment:
                del s.env[name]


# ---- the sound: SDL's disk driver writes what the program plays to a file, in real time ----

SOUND_SECOND = 48000 * 4  # bytes: 16-bit stereo


def sound_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return b""


def sounds_after(path, offset):
    """True once the file holds a sample other than silence after byte `offset`."""
    return any(sound_bytes(path)[offset:])


def silent_second(path):
    """True once the file's latest second is silence."""
    data = sound_bytes(path)
    return len(data) >= SOUND_SECOND and not any(data[-SOUND_SECOND:])


def start_with_sound(s, path, arguments):
    if os.path.exists(path):
        os.remove(path)
    s.env.update(SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=path)
    s.arguments = arguments
    s.start_program()


def case_sound(program):
    with Session(program, "1024x768x24", start=False) as s:
        path = os.path.join(s.workdir.name, "sound.raw")
        # The match sounds; M (naming the state in the line at the bottom) and
        # the pause silence it until pressed again.
        start_with_sound(s, path, ["--window"])
        window = s.main_window()
        wait_for(lambda: sounds_after(path, 0), "the match's sound")
        for key, line in (("m", True), ("Pause", False)):
            s.tap(window, key)
            if line:
                wait_for(lambda: text_box((s, window), NOTICE_BOX, 30), "the line after M")
            wait_for(lambda: silent_second(path), "a second of silence after %s" % key)
            mark = len(sound_bytes(path))
            s.tap(window, key)
            wait_for(lambda: sounds_after(path, mark), "the sound back after %s again" % key)
        check(escape(s, window) == 0, "Escape with sound ended with another status")
        # --mute: silent from the first sample until M.
        start_with_sound(s, path, ["--window", "--mute", "--volume", "80"])
        window = s.main_window()
        wait_for(lambda: len(sound_bytes(path)) >= 2 * SOUND_SECOND, "two seconds of sound")
        check(not any(sound_bytes(path)), "--mute: the first two seconds are not silent")
        mark = len(sound_bytes(path))
        s.tap(window, "m")
        wait_for(lambda: sounds_after(path, mark), "the sound after M with --mute")
        check(escape(s, window) == 0, "Escape after --mute ended with another status")

        # A screen saver opens no sound device (so makes no file), unless --sound.
        screen = s.x.screen()
        owner = screen.root.create_window(0, 0, 320, 240, 0, screen.root_depth, X.InputOutput,
                                          X.CopyFromParent, background_pixel=screen.black_pixel)
        owner.map()
        s.x.sync()
        for sound in ([], ["--sound"]):
            start_with_sound(s, path, ["--window-id", str(owner.id)] + sound)
            first = wait_for(lambda: [row for row in s.pixels(owner, 0, 0, 320, 240)
                                      if any(p != (0, 0, 0) for p in row)], "the saver's picture")
            wait_for(lambda: s.pixels(owner, 0, 0, 320, 240)[-len(first):] != first,
                     "the saver's picture to change")
            if sound:
                wait_for(lambda: sounds_after(path, 0), "the saver's sound with --sound")
            else:
                check(not os.path.exists(path), "the screen saver opened a sound device")
            s.game.send_signal(signal.SIGTERM)
            check(s.exit_status() == 0, "the screen saver ended with another status")

        # No device (a bogus driver; ALSA with no card here): no error, at
        # most one line on standard error, which names it.
        for driver in ("alsa", "no-such-driver"):
            before = len(s.stderr())
            s.env.update(SDL_AUDIODRIVER=driver)
            s.arguments = ["--window"]
            s.start_program()
            window = s.main_window()
            check(escape(s, window) == 0, "SDL_AUDIODRIVER=%s: Escape ended with another "
                  "status" % driver)
            lines = s.stderr()[before:].splitlines()
            check(len(lines) <= 1 and all(l.startswith("football: no sound: ") for l in lines),
                  "SDL_AUDIODRIVER=%s: standard error holds %r" % (driver, lines))


CASES = {
    "windowed_escape": case_windowed_escape,
    "toggle": case_toggle,
    "close": case_close,
    "refused_fullscreen": case_refused_fullscreen,
    "refused_declined": case_refused_declined,
    "no_display": case_no_display,
    "minimise": case_minimise,
    "tap_escape": case_tap_escape,
    "tap_f1": case_tap_f1,
    "screenshot": case_screenshot,
    "resize_tiny": case_resize_tiny,
    "f1_auto_repeat": case_f1_auto_repeat,
    "close_mid_toggle": case_close_mid_toggle,
    "no_glx": case_no_glx,
    "screensaver": case_screensaver,
    "random_keys": case_random_keys,
    "options": case_options,
    "fullscreen_restore": case_fullscreen_restore,
    "question_signals": case_question_signals,
    "focus_loss": case_focus_loss,
    "pause_screenshot": case_pause_screenshot,
    "desktop_fullscreen": case_desktop_fullscreen,
    "session_screenshot": case_session_screenshot,
    "f9_clip": case_f9_clip,
    "kept_session": case_kept_session,
    "sound": case_sound,
}

# Cases that take a helper program: the score bar's mask from the glyph table,
# or the recorder.
NEEDS_BAR_MASK = ("screenshot", "resize_tiny", "session_screenshot", "f9_clip", "kept_session")


def main():
    if len(sys.argv) not in (3, 4) or sys.argv[2] not in CASES or \
            (sys.argv[2] in NEEDS_BAR_MASK and len(sys.argv) != 4):
        sys.stderr.write("usage: football_e2e.py PROGRAM {%s} [SCORE_BAR_MASK|RECORDER]\n" %
                         "|".join(CASES))
        return 2
    try:
        if sys.argv[2] in NEEDS_BAR_MASK:
            CASES[sys.argv[2]](sys.argv[1], sys.argv[3])
        else:
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
