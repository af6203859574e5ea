#!/usr/bin/env python3
# football_windows_e2e.py -- drives football.exe under Wine on its own Xvfb, as football_e2e.py
# drives the Linux program.
#
# Usage: football_windows_e2e.py FOOTBALL.exe CASE
#        football_windows_e2e.py FOOTBALL.scr SCR_CASE PREVIEW_PARENT.exe
# Runs the program with $WINE in $WINEPREFIX. Wine keeps the window frame on
# the screen, so the screen is 1280x1024; it offers no other mode, so full
# screen is refused there (the "Orka GL" question). The wineserver is stopped
# before and after every case: one left from another display would make the
# next run's message boxes fail.
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import football_e2e as e2e  # noqa: E402
from football_e2e import TITLE, Failure, check, wait_for  # noqa: E402
from Xlib import X  # noqa: E402

SCREEN = "1280x1024x24"


def stop_wineserver():
    wineserver = os.environ.get("WINESERVER", "wineserver")
    subprocess.run([wineserver, "-k"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run([wineserver, "-w"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


# The user's Pictures known folder in the prefix's registry, and a name for
# it outside the ANSI code page (1252 here): Cyrillic and Chinese.
SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders"
WIDE_NAME = "\u0421\u043d\u0438\u043c\u043a\u0438 \u5199\u771f"


def set_pictures_folder(value, videos):
    # Wine reads UTF-8 file names and arguments under a UTF-8 locale only.
    # Windows names the videos "My Video"; Wine's known folder reads "My Videos".
    for name, folder in (("My Pictures", value), ("My Video", videos), ("My Videos", videos)):
        subprocess.run([os.environ["WINE"], "reg", "add", SHELL_FOLDERS, "/v", name, "/t",
                        "REG_EXPAND_SZ", "/d", folder, "/f"],
                       env=dict(os.environ, LC_ALL="C.UTF-8"), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True)
    stop_wineserver()  # started without the test's display


class WineSession(e2e.Session):
    """A Session whose program is the .exe under Wine. wide_pictures: the
    user's Pictures and Videos folders are the session's own, named WIDE_NAME, for the run."""

    def __init__(self, exe, window_manager=False, arguments=(), start=True, wide_pictures=False,
                 environment=None):
        self.launcher_dir = tempfile.TemporaryDirectory(prefix="football-wine-")
        launcher = os.path.join(self.launcher_dir.name, "football")
        with open(launcher, "w") as f:
            f.write('#!/bin/sh\nexec "$WINE" "%s" "$@"\n' % exe)
        os.chmod(launcher, 0o755)
        self.wide_pictures = wide_pictures
        pictures = os.path.join(self.launcher_dir.name, WIDE_NAME) if wide_pictures else None
        if pictures:
            os.mkdir(pictures)
        environment = dict(environment or {}, **({"LC_ALL": "C.UTF-8"} if pictures else {}))
        super().__init__(launcher, SCREEN, window_manager=window_manager, arguments=arguments,
                         start=start, pictures=pictures, environment=environment)

    def __enter__(self):
        stop_wineserver()
        if self.wide_pictures:
            folder = "Z:" + self.pictures.replace("/", "\\")
            set_pictures_folder(folder, folder)
        return super().__enter__()

    def __exit__(self, *exc):
        try:
            e2e.stop_process(self.game)
            stop_wineserver()
            return super().__exit__(*exc)
        finally:
            if self.wide_pictures:
                set_pictures_folder(r"%USERPROFILE%\Pictures", r"%USERPROFILE%\Videos")  # Wine's own
            self.launcher_dir.cleanup()

    def answer(self, caption, key):
        """Waits for the box with this caption and answers it with one key
        press; presses again only if the box is still there RETRY seconds
        later. Wine's boxes take a moment to go: a second press sent sooner
        would answer the next box."""
        box = wait_for(lambda: self.one_window(caption), 'the "%s" box' % caption)

        def taken():
            self.point_at(box)
            if self.has_focus(box):
                self.xdotool("key", key)
            try:
                return wait_for(lambda: not self.viewable_windows(caption),
                                'the "%s" box to go' % caption, timeout=e2e.RETRY)
            except Failure:
                return False
        wait_for(taken, 'the "%s" box to take %s' % (caption, key))

    def has_focus(self, window):
        """With no window manager Wine leaves the X focus to follow the pointer
        (PointerRoot): the window has the keys while the pointer is over it."""
        focus = self.x.get_input_focus().focus
        if focus == X.PointerRoot:
            return self.x.screen().root.query_pointer().child == window
        return focus == window


def colours(session, window):
    """How many colours a few rows across the client area hold."""
    seen = set()
    for y in (100, 300, 500, 700):
        seen.update(session.pixels(window, 0, y, 1024, 1)[0])
    return len(seen)


def check_main_window(session, window, what):
    """A top-level window with the caption, a 1024x768 client area and a picture."""
    check(window.query_tree().parent == session.x.screen().root,
          "%s: the main window is not a top-level window" % what)
    width, height = session.geometry(window)[2:]
    check((width, height) == (1024, 768), "%s: the client area is %dx%d" % (what, width, height))
    wait_for(lambda: colours(session, window) > 1, "%s: a picture of more than one colour" % what)


def start_windowed(session):
    """No to full screen, Yes to soft mode (by keyboard); returns the main window."""
    session.answer("Start FullScreen?", "n")  # No
    session.answer("Start In A Soft Mode?", "Return")  # Yes
    window = session.main_window()
    check_main_window(session, window, "windowed")
    return window


def toggle(session, window):
    """F1: the window goes and full screen is asked for; the screen has no
    1024x768 mode, so "Orka GL" asks to go on windowed: Yes. Returns the new window."""
    session.hold_key_until(window, "F1", lambda: session.one_window("Orka GL"),
                           'the "Orka GL" question after F1')
    session.answer("Orka GL", "Return")  # Yes
    new = wait_for(lambda: [w for w in session.viewable_windows(TITLE) if w.id != window.id],
                   "a re-created main window")[0]
    check(session.running(), "the program ended after F1")
    wait_for(lambda: session.drawn(new), "the first frame in the re-created window")
    return new


def case_windowed(exe):
    with WineSession(exe, wide_pictures=True) as s:
        window = start_windowed(s)
        # The class's icon is the program's own, made from its built-in pixels:
        # Wine hands it to X with a smaller copy after it.
        icon = window.get_full_property(s.x.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
        check(icon is not None, "the window has no _NET_WM_ICON")
        values = list(icon.value)
        check(values[:2] == [64, 64] and len(set(values[2:2 + 64 * 64])) > 100,
              "the window's icon is not the program's 64x64 picture: %r, %d colours" %
              (values[:2], len(set(values[2:2 + 64 * 64]))))
        # F12: the screenshot's path in Windows' own form, backslashes only, in
        # UTF-8, and the picture in a Pictures folder named outside the ANSI code page.
        s.tap(window, "F12")
        path = wait_for(lambda: s.stdout().strip(), "the screenshot's path on standard output")
        check(re.fullmatch(r"[A-Z]:\\[^/]*\\football-\d{8}-\d{6}-\d{3}\.png", path),
              "F12 printed %r, not a Windows path to a new picture" % path)
        name = path.split("\\")[-1]
        check(path == "Z:" + os.path.join(s.pictures, name).replace("/", "\\") and
              os.listdir(s.pictures) == [name] and
              e2e.png_pixels.read_rgb(os.path.join(s.pictures, name))[:2] == (1024, 768),
              "F12 printed %r; the Pictures folder holds %r" % (path, os.listdir(s.pictures)))
        # F9: no recorder on Windows, so the session of the frames so far in
        # the Videos folder (here the same), for the recorder on Linux.
        s.tap(window, "F9")
        session = wait_for(lambda: s.stdout().strip().endswith(".session") and
                           s.stdout().strip().splitlines()[-1], "the session's path")
        check(re.fullmatch(r"[A-Z]:\\[^/]*\\football-\d{8}-\d{6}-\d{3}\.session", session),
              "F9 printed %r, not a Windows path to a new session" % session)
        with open(os.path.join(s.pictures, session.split("\\")[-1]), "rb") as f:
            text = f.read().decode()
        check(text.startswith("football-session 1\nseed designed\n") and
              re.search(r"\ndown (\d+) F9\nend \1\n$", text) and "\r" not in text,
              "the session F9 saved:\n" + text)
        status = e2e.escape(s, window)
        check(status == 0, "Escape ended with status %d" % status)


def case_toggle(exe):
    with WineSession(exe) as s:
        window = start_windowed(s)
        first = toggle(s, window)
        check_main_window(s, first, "after the first F1")
        second = toggle(s, first)
        check_main_window(s, second, "after the second F1")
        status = e2e.escape(s, second)
        check(status == 0, "Escape after two toggles ended with status %d" % status)


def case_close(exe):
    with WineSession(exe) as s:
        window = start_windowed(s)
        s.close_request(window)
        status = s.exit_status()
        check(status == 0, "a close request ended with status %d" % status)


def case_refused_fullscreen(exe):
    with WineSession(exe) as s:
        s.answer("Start FullScreen?", "Return")  # Yes
        s.answer("Start In A Soft Mode?", "n")  # No: still 1024x768
        s.answer("Orka GL", "Return")  # Yes: go on windowed
        window = s.main_window()
        check_main_window(s, window, "windowed after Orka GL")
        check(s.running(), "the program is not running")
        s.close_request(window)
        status = s.exit_status()
        check(status == 0, "closing ended with status %d" % status)


def case_refused_declined(exe):
    with WineSession(exe) as s:
        s.answer("Start FullScreen?", "Return")  # Yes
        s.answer("Start In A Soft Mode?", "Return")  # Yes
        s.answer("Orka GL", "n")  # No
        s.answer("ERROR", "Return")  # "Program Will Now Close."
        status = s.exit_status()
        check(status == 1, "declining windowed display ended with status %d" % status)
        check(not s.viewable_windows(TITLE), "a main window was shown")


def case_minimise(exe):
    # Minimising needs a window manager.
    with WineSession(exe, window_manager=True) as s:
        s.answer("Start FullScreen?", "n")  # No
        s.answer("Start In A Soft Mode?", "Return")  # Yes
        window = s.main_window()
        wm_state = s.x.intern_atom("WM_STATE")

        def iconic():
            state = window.get_full_property(wm_state, X.AnyPropertyType)
            return state is not None and state.value[0] == 3  # IconicState
        s.xdotool("windowminimize", str(window.id))
        wait_for(iconic, "the window to be minimised")
        # What it costs minimised (WaitMessage): bench/minimised_cost.py.
        check(s.running(), "the program ended while minimised")
        s.xdotool("windowactivate", str(window.id))
        wait_for(lambda: not iconic(), "the window to be restored")
        status = e2e.escape(s, window)
        check(status == 0, "Escape after a restore ended with status %d" % status)


def case_desktop_fullscreen(exe):
    # F11 and Alt+Enter: the same window as a popup over the 1280x1024 screen, and back.
    with WineSession(exe) as s:
        window = start_windowed(s)
        framed = s.geometry(window)
        for key in ("F11", "alt+Return"):
            s.tap(window, key)
            wait_for(lambda: s.geometry(window) == (0, 0, 1280, 1024),
                     "%s: the window over the screen (it is %r)" % (key, s.geometry(window)))
            wait_for(lambda: e2e.score_bar_text(s, window, 540), "%s: the bar centred" % key)
            s.tap(window, key)
            wait_for(lambda: s.geometry(window) == framed,
                     "%s again: the window back at %r (it is %r)" % (key, framed,
                                                                     s.geometry(window)))
            check([w.id for w in s.viewable_windows(TITLE)] == [window.id],
                  "%s: another main window appeared" % key)
        status = e2e.escape(s, window)
        check(status == 0, "Escape ended with status %d" % status)


def case_sound(exe):
    """waveOut plays into a file: ALSA's default device, for Wine's winealsa, is a
    file named in $HOME/.asoundrc. The match sounds there; M silences it and
    brings it back."""
    with tempfile.TemporaryDirectory(prefix="football-wine-home-") as home:
        path = os.path.join(home, "sound.raw")
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write('pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n' % path)
        with WineSession(exe, arguments=["--window"], environment={"HOME": home}) as s:
            window = s.main_window()
            wait_for(lambda: e2e.sounds_after(path, 0), "the match's sound")
            s.tap(window, "m")
            wait_for(lambda: e2e.silent_second(path), "a second of silence after M")
            mark = len(e2e.sound_bytes(path))
            s.tap(window, "m")
            wait_for(lambda: e2e.sounds_after(path, mark), "the sound back after M again")
            status = e2e.escape(s, window)
            check(status == 0, "Escape ended with status %d" % status)


# ---- football.scr, the screen saver ----

def case_scr_show(scr, action):
    """/s: one window over the whole 1280x1024 screen with a picture, no box
    beside it; `action` (xdotool's arguments) must end it with 0 (how soon:
    bench/saver_end_time.py)."""
    with WineSession(scr, arguments=["/s"], start=False, window_manager=True) as s:
        s.xdotool("mousemove", "640", "512")
        s.start_program()
        window = s.main_window()
        check(s.geometry(window) == (0, 0, 1280, 1024),
              "/s: the window is %r, not the screen" % (s.geometry(window),))
        wait_for(lambda: colours(s, window) > 1, "/s: a picture of more than one colour")
        others = [line for line in s.describe_windows().splitlines()
                  if "map_state=2" in line and TITLE not in line and "Default IME" not in line]
        check(not others, "/s: other windows are shown:\n" + "\n".join(others))
        s.xdotool(*action)
        wait_for(lambda: not s.running(), "/s to end on %r" % (action,))
        check(s.game.returncode == 0, "/s ended on %r with %d" % (action, s.game.returncode))


def case_scr_preview(parent, arguments):
    """preview_parent checks the preview itself (see preview_parent.cpp)."""
    with WineSession(parent, arguments=arguments) as s:
        status = s.exit_status()
        check(status == 0, "preview_parent %s: status %d:\n%s" %
              (" ".join(arguments), status, s.stdout() + s.stderr()))


def registry_settings():
    """The stored settings as `reg query` prints them ({} when none)."""
    result = subprocess.run([os.environ["WINE"], "reg", "query", r"HKCU\Software\football"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    stop_wineserver()  # started without the test's display
    fields = [line.split() for line in result.stdout.decode(errors="replace").splitlines()]
    return {f[0]: int(f[2], 16) if f[1] == "REG_DWORD" else f[2]
            for f in fields if len(f) == 3 and f[1] in ("REG_DWORD", "REG_SZ")}


def settings_dialog(scr, arguments, keys):
    """Runs the settings dialog and sends it the keys; returns the exit status."""
    with WineSession(scr, arguments=arguments) as s:
        dialog = wait_for(lambda: s.one_window("football screen saver"), "the settings dialog")
        s.point_at(dialog)
        wait_for(lambda: s.has_focus(dialog), "the keyboard focus on the settings dialog")
        for key in keys:
            s.xdotool("key", key)
        return s.exit_status()


def case_scr_settings(scr):
    subprocess.run([os.environ["WINE"], "reg", "delete", r"HKCU\Software\football", "/f"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # No argument: the next view, "a new match" and the replays unticked, "sound" ticked, the
    # home club two down the list (past SHAKHTAR, the away club), OK.
    status = settings_dialog(scr, [], ["Down", "Tab", "space", "Tab", "space", "Tab", "space",
                                      "Tab", "Down", "Down", "Return"])
    stored = registry_settings()
    check(status == 0 and stored == {"View": 2, "NewMatchEachStart": 0, "Replays": 0,
                                     "Sound": 1, "Home": "HARBOUR", "Away": "SHAKHTAR"},
          "OK ended with %d and stored %r" % (status, stored))
    # /c: changed, then Escape: nothing stored.
    status = settings_dialog(scr, ["/c"], ["Down", "Tab", "space", "Escape"])
    check(status == 0 and registry_settings() == stored,
          "Escape ended with %d and left %r" % (status, registry_settings()))


CASES = {
    "windowed": case_windowed,
    "toggle": case_toggle,
    "close": case_close,
    "refused_fullscreen": case_refused_fullscreen,
    "refused_declined": case_refused_declined,
    "minimise": case_minimise,
    "desktop_fullscreen": case_desktop_fullscreen,
    "sound": case_sound,
}
SCR_CASES = {
    "scr_show_key": lambda scr, parent: case_scr_show(scr, ["key", "a"]),
    "scr_show_mouse": lambda scr, parent: case_scr_show(scr, ["mousemove", "660", "512"]),
    "scr_preview": lambda scr, parent: case_scr_preview(parent, ["spawn", scr]),
    "scr_preview_picture": lambda scr, parent: case_scr_preview(parent, ["in-process"]),
    "scr_settings": lambda scr, parent: case_scr_settings(scr),
}


def main():
    exe_case = len(sys.argv) == 3 and sys.argv[2] in CASES
    scr_case = len(sys.argv) == 4 and sys.argv[2] in SCR_CASES
    if not exe_case and not scr_case:
        sys.stderr.write("usage: football_windows_e2e.py FOOTBALL.exe {%s}\n"
                         "       football_windows_e2e.py FOOTBALL.scr {%s} PREVIEW_PARENT.exe\n" %
                         ("|".join(CASES), "|".join(SCR_CASES)))
        return 2
    if "WINE" not in os.environ:
        os.environ["WINE"] = "wine"
    try:
        if exe_case:
            CASES[sys.argv[2]](os.path.abspath(sys.argv[1]))
        else:
            SCR_CASES[sys.argv[2]](os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[3]))
    except Failure as failure:
        sys.stderr.write("FAIL: %s\n" % failure)
        if e2e.LAST_STDERR:
            sys.stderr.write("--- the program's standard error:\n%s" % e2e.LAST_STDERR[0])
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
