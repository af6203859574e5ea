#!/usr/bin/env python3
"""web_page_test.py SITE_DIR FOOTBALL_RECORD FOOTBALL_TRACE -- the web page in headless chromium,
in real time through the DevTools protocol: links to moments against football-record's pictures,
saved pictures that leave the match as it was, football.state() against the trace, the plain
page playing, keys (the browser's left to it), the sound after a key and M, a lost WebGL
context (the match at its pace unseen), a far moment reached in slices, bad links' messages, a
link's keys held as the tools hold them and ending with it, a phone's touches and controls, a
reload without the network, F9's session link against the tools' session, and no uncaught
exception, console error or WebGL error.
Real time, because headless chromium runs next to no animation frames in virtual time
(--virtual-time-budget): a page that plays would stand still there. Serves the site on
127.0.0.1 only; the server and the browser stop however the test ends."""

import base64
import functools
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import devtools_pipe  # noqa: E402
import png_pixels  # noqa: E402

# Each link and the football-record arguments that draw the same frame.
MOMENTS = [
    ("?at=1000", ["1000"]),
    ("?at=3300", ["3300"]),  # rain
    ("?at=300&hold=2@300", ["300", "--hold", "2@300"]),  # a preset view
    ("?at=1000&seed=42", ["1000", "--seed", "42"]),  # another match
]
NEAR_ENOUGH = 0.99  # of the pixels within 3 levels in every channel
WIDTH, HEIGHT = 1024, 768
BROWSER_FLAGS = [
    "--use-gl=angle", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--no-first-run", "--disable-quic", "--window-size=%d,%d" % (WIDTH, HEIGHT),
]
FRAMES = "(window.Module && Module.canvas.dataset.frames ? +Module.canvas.dataset.frames : 0)"
# The main thread's tasks over 50 ms (ms), from the page's first script on: measured and
# printed, not judged (they depend on the machine's load).
LONG_TASKS = ("window.longTasks = []; new PerformanceObserver((list) => { for (const entry of "
              "list.getEntries()) longTasks.push(Math.round(entry.duration)); })"
              ".observe({type: 'longtask', buffered: true});")
# Two animation frames later, what the page changed is on the screen.
PAINTED = "new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)))"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def record_picture(record, args, directory, at=None):
    frame = at or int(args[0])
    subprocess.run([record] + args + ["--out", directory, "--at", str(frame)], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    return os.path.join(directory, "frame-%05d.png" % frame)


def check_moment(browser, page, query, record_args, record, work, failures):
    """The link's moment, the help line hidden, against football-record's picture."""
    session = browser.open_page(page + query, WIDTH, HEIGHT)
    frame = int(record_args[0])
    if not browser.wait_for(session, "%s == %d" % (FRAMES, frame), 120):
        failures.append("%s: the moment is not drawn" % query)
        return
    compare_picture(browser, session, query, record_args, record, work, failures)
    browser.close_page(session)


def compare_picture(browser, session, name, record_args, record, work, failures, at=None):
    """The page's picture, its lines of text hidden, against football-record's."""
    browser.evaluate(session, "for (const id of ['help', 'status', 'controls', 'sound']) "
                              "document.getElementById(id).hidden = true")
    browser.evaluate(session, PAINTED, await_promise=True)
    shot = os.path.join(work, "page.png")
    browser.screenshot(session, shot)
    expected = record_picture(record, record_args, work, at)
    same, near = png_pixels.difference(png_pixels.read_rgb(shot), png_pixels.read_rgb(expected))
    print("%s: %.2f %% of pixels identical to football-record's, %.2f %% within 3 levels" %
          (name, 100 * same, 100 * near), flush=True)
    if near < NEAR_ENOUGH:
        failures.append("%s: only %.2f %% of pixels within 3 levels of football-record's" %
                        (name, 100 * near))


def trace_line(trace, args):
    """football-trace's last line for the arguments, without its newline."""
    run = subprocess.run([trace] + args, check=True, stdout=subprocess.PIPE, timeout=300)
    return run.stdout.rstrip(b"\n").rsplit(b"\n", 1)[-1].decode()


def without_frame(line):
    return line.split(",", 1)[1]


def compare_paused(browser, session, name, record, trace, work, failures):
    """The page, paused by Space after play, against football-trace and football-record with
    the pause key in the frame the page paused in."""
    # Paused: two looks in a row find the same state, but for the frame number.
    browser.wait_for(session, "(() => { const now = football.state().replace(/^[^,]*,/, ''); "
                              "const same = now === window.lastLook; window.lastLook = now; "
                              "return same; })()", 30)
    frame, state = browser.evaluate(session, "[%s, football.state()]" % FRAMES)
    # Paused frames change nothing but their number: the pause began in the frame after the
    # last frame of play, found in the trace.
    plain = subprocess.run([trace, str(frame)], check=True, stdout=subprocess.PIPE,
                           timeout=120).stdout.decode().splitlines()
    played = [n for n, line in enumerate(plain) if without_frame(line) == without_frame(state)]
    if not played:
        failures.append("%s: football.state() at frame %d is no frame of the match" %
                        (name, frame))
        return
    hold = [str(frame), "--hold", "SPACE@%d-%d" % (played[0] + 1, played[0] + 1)]
    expected = trace_line(trace, hold)
    if state != expected:
        failures.append("%s: football.state() is not the trace's:\n  %s\n  %s" %
                        (name, state, expected))
    compare_picture(browser, session, "%s, paused after frame %d" % (name, played[0]), hold,
                    record, work, failures)


def check_saves(browser, page, record, trace, work, failures):
    """From ?at=3300 (rain) Space plays on, S saves ten pictures, Space pauses again: the
    picture and football.state() are football-record's and football-trace's with the pause
    key in that frame. Saving a picture draws it and changes nothing."""
    session = browser.open_page(page + "?at=3300", WIDTH, HEIGHT)
    if not browser.wait_for(session, FRAMES + " == 3300", 120):
        failures.append("saves: the moment is not drawn")
        return
    browser.evaluate(session, "HTMLAnchorElement.prototype.click = function() {}")  # no files
    press(browser, session, 0x20, " ")
    for n in range(10):
        browser.wait_for(session, "%s > %d" % (FRAMES, 3301 + n), 30)
        press(browser, session, 0x53, "s")
    browser.wait_for(session, FRAMES + " >= 3380", 60)
    press(browser, session, 0x20, " ")
    compare_paused(browser, session, "ten saves", record, trace, work, failures)
    browser.close_page(session)


def check_session_link(browser, page, record, trace, work, failures):
    """Two clubs chosen (the help's chooser offers them, those two selected), watched with a
    view, the camera flown and a pause, F9 shows the session's link in a box (focus on its copy
    button, back on the picture when Escape closes it); the link opened plays to the pause as
    football-trace and football-record play the session it carries, kits and names too, and the
    Link control's link plays too."""
    first = browser.open_page(page + "?home=harbour&away=KESTREL", WIDTH, HEIGHT)
    browser.wait_for(first, FRAMES + " >= 2", 120)
    offered = browser.evaluate(first, "document.getElementById('help-button').click(), "
                                      "[...document.querySelectorAll('#clubs-home option')]"
                                      ".map((o) => o.selected ? '*' + o.value : o.value).join()")
    browser.evaluate(first, "document.getElementById('guide-close').click()")
    if not offered.startswith("DYNAMO,SHAKHTAR,*HARBOUR,") or offered.count(",") < 15:
        failures.append("the help's clubs offer %r" % offered)
    press(browser, first, 0x33, "3", FRAMES + " >= 5")
    press(browser, first, 0x4F, "o", FRAMES + " >= 15")
    browser.wait_for(first, FRAMES + " >= 40", 60)
    press(browser, first, 0x20, " ", FRAMES + " >= 42")
    press(browser, first, 0x78, "F9")
    box = "[!document.getElementById('link-box').hidden, document.activeElement.id, " \
          "document.getElementById('link-text').value]"
    shown, focused, link = browser.evaluate(first, box)
    press(browser, first, 0x1B, "Escape")
    still_shown, back = browser.evaluate(first, box)[:2]
    watched = without_frame(browser.evaluate(first, "football.state()"))
    browser.close_page(first)
    print("F9: a link of %d characters" % len(link), flush=True)
    if not shown or still_shown or focused != "link-copy" or back != "canvas" or \
            "session=" not in link or len(link) > 2000:
        failures.append("F9: box %s, focus %r then %r, link %r" % (shown, focused, back, link))
        return
    opened = browser.open_page(link, WIDTH, HEIGHT)
    browser.wait_for(opened, FRAMES + " >= 1", 60)
    text, message = browser.evaluate(opened, "[football.openedSession(), "
                                             "document.getElementById('message').textContent]")
    end = int(text.rsplit("end ", 1)[-1]) if "\nend " in text else 0
    if not end or not browser.wait_for(opened, "%s > %d" % (FRAMES, end + 2), 120):
        failures.append("F9's link: no session, or it does not play (%r, %r)" % (text, message))
        return
    path = os.path.join(work, "linked.session")
    with open(path, "w") as f:
        f.write(text)
    expected = without_frame(trace_line(trace, ["--session", path]))
    state = without_frame(browser.evaluate(opened, "football.state()"))
    if not state == watched == expected:
        failures.append("F9's link: the page watched, the page linked and football-trace's "
                        "session stand apart:\n  %s\n  %s\n  %s" % (watched, state, expected))
    compare_picture(browser, opened, "F9's link at frame %d" % end, ["--session", path],
                    record, work, failures, at=end)
    browser.evaluate(opened, "document.getElementById('share').click()")
    shared = browser.evaluate(opened, "document.getElementById('link-text').value")
    browser.close_page(opened)
    again = browser.open_page(shared, 320, 240)
    if "session=" not in shared or not browser.wait_for(again, FRAMES + " > %d" % (end + 5), 120):
        failures.append("the Link control's link does not play: %r" % shared)
    browser.close_page(again)


def check_far_moment(browser, page, trace, failures):
    """?at=200000 is reached a slice at a time, the page saying how far it is, and stands on
    the trace's state there."""
    # The status line watched from the page's first animation frame on.
    watch = ("window.seen = new Set(); (function look() { "
             "const status = document.getElementById('status'); "
             "if (status) seen.add(status.textContent); requestAnimationFrame(look); })()")
    session = browser.open_page(page + "?at=200000", 320, 240, first_script=watch + "; " + LONG_TASKS)
    if not browser.wait_for(session, FRAMES + " == 200000", 240):
        failures.append("?at=200000: the moment is not reached")
        return
    steps = browser.evaluate(session, "[...seen].filter((t) => t.startsWith('Going to'))")
    state = browser.evaluate(session, "football.state()")
    longest = max(browser.evaluate(session, "longTasks"), default=0)
    browser.close_page(session)
    print("?at=200000: %d progress lines; the longest task %s ms" % (len(steps), longest),
          flush=True)
    if len(steps) < 2:
        failures.append("?at=200000: reached in one go (%r)" % steps)
    if state != trace_line(trace, ["200000"]):
        failures.append("?at=200000: football.state() is not the trace's")


def check_lost_context(browser, page, record, trace, work, failures):
    """A lost WebGL context comes back: the match goes on unseen (played on, then paused), and
    the picture returns where it stands."""
    session = browser.open_page(page + "?at=500", WIDTH, HEIGHT)
    if not browser.wait_for(session, FRAMES + " == 500", 120):
        failures.append("lost context: the moment is not drawn")
        return
    lose = "Module.canvas.getContext('webgl').getExtension('WEBGL_lose_context')"
    browser.evaluate(session, "window.loser = " + lose + "; loser.loseContext()")
    lost = browser.wait_for(session, "Module.canvas.getContext('webgl').isContextLost()", 10)
    press(browser, session, 0x20, " ")
    # Unseen, the match keeps the desktop's pace: no frame comes sooner than 66 ms after the one
    # two before it (ticks are whole milliseconds), however few the page draws.
    clock = "[%s, performance.now()]" % FRAMES
    first, start = browser.evaluate(session, clock)
    browser.wait_for(session, FRAMES + " > 530", 30)
    last, end = browser.evaluate(session, clock)
    print("lost context: %d frames in %.0f ms" % (last - first, end - start), flush=True)
    if last - first > 2 * (end - start) / 65 + 2:
        failures.append("lost context: %d frames in %.0f ms, faster than two per 66 ms" %
                        (last - first, end - start))
    press(browser, session, 0x20, " ")
    browser.evaluate(session, "loser.restoreContext()")
    back = browser.wait_for(session, "!Module.canvas.getContext('webgl').isContextLost()", 10)
    if not lost or not back:
        failures.append("lost context: lost %s, back %s" % (lost, back))
    else:
        compare_paused(browser, session, "lost context", record, trace, work, failures)
    browser.close_page(session)


def check_plays(browser, page, work, failures):
    """The plain page's pictures at its first frame and once the match has started differ.
    In the warm-up (101 frames of players standing) only the goalkeepers move, and their
    flapping repeats every ten frames, so the second picture waits for frame 102. A small
    page keeps that wait short."""
    session = browser.open_page(page, 320, 240)
    pictures, frames = [], []
    for least_frames in (1, 102):
        if not browser.wait_for(session, "%s >= %d" % (FRAMES, least_frames), 120):
            failures.append("the plain page does not reach frame %d" % least_frames)
            browser.close_page(session)
            return
        shot = os.path.join(work, "plain-%d.png" % least_frames)
        browser.screenshot(session, shot)
        pictures.append(png_pixels.read_rgb(shot))
        frames.append(browser.evaluate(session, FRAMES))
    browser.close_page(session)
    print("plain page: frames %d and %d" % (frames[0], frames[1]), flush=True)
    if pictures[0] == pictures[1] or frames[1] <= frames[0]:
        failures.append("the plain page stands still: frames %d and %d, pictures %s" %
                        (frames[0], frames[1], "equal" if pictures[0] == pictures[1] else "apart"))


def press(browser, session, code, key, held_until="true"):
    """Presses a key and holds it until the page's expression `held_until` holds; True if it
    did in time."""
    key_event = {"windowsVirtualKeyCode": code, "key": key}
    browser.call("Input.dispatchKeyEvent", dict(key_event, type="rawKeyDown"), session)
    seen = browser.wait_for(session, held_until, 120)
    browser.call("Input.dispatchKeyEvent", dict(key_event, type="keyUp"), session)
    return seen


def check_keys(browser, page, work, failures):
    """Keys reach the match: O held flies the camera on from a held moment (paused, so only
    the camera moves), and F1 puts the page in full screen; the keys the match does not use
    (the arrows, F5, F11) are left to the browser."""
    session = browser.open_page(page + "?at=1000", WIDTH, HEIGHT)
    if not browser.wait_for(session, FRAMES + " == 1000", 120):
        failures.append("keys: the moment is not drawn")
        return
    browser.evaluate(session, "window.taken = {}; addEventListener('keydown', "
                              "(e) => { taken[e.keyCode] = e.defaultPrevented; })")
    # F5 would reload the page: a key event of the page's own stands in for it.
    browser.evaluate(session, "dispatchEvent(new KeyboardEvent('keydown', "
                              "{keyCode: 116, cancelable: true}))")
    press(browser, session, 0x25, "ArrowLeft")
    press(browser, session, 0x7A, "F11")
    taken = browser.evaluate(session, "JSON.stringify(taken)")
    if taken != '{"37":false,"116":false,"122":false}':
        failures.append("keys: the browser's keys are taken by the page: %s" % taken)
    shots = [os.path.join(work, "keys-%d.png" % n) for n in (1, 2)]
    browser.screenshot(session, shots[0])
    moved = press(browser, session, 0x4F, "o", held_until=FRAMES + " >= 1010")  # ten frames
    browser.evaluate(session, PAINTED, await_promise=True)
    browser.screenshot(session, shots[1])
    # The scene between the pause notice and the help line.
    scene = [png_pixels.read_rgb(shot)[2][100 * WIDTH * 3:700 * WIDTH * 3] for shot in shots]
    if not moved or scene[0] == scene[1]:
        failures.append("keys: O held does not move the camera")
    press(browser, session, 0x70, "F1")
    if not browser.wait_for(session, "!!document.fullscreenElement", 120):
        failures.append("keys: F1 does not put the page in full screen")
    browser.close_page(session)


def check_sound(browser, page, failures):
    """The page is silent, and says so, until a key; then the match sounds (football.sound()
    counts the frames handed to Web Audio), M silences it for a second and brings it back.
    With ?mute, a key starts a silent sound."""
    sound = "(s => %s)(football.sound())"
    for query, steps in (
            ("", [(0x41, "a", "s.state == 'running' && s.loud >= 48000 && "
                              "document.getElementById('sound').hidden", "a key: the sound"),
                  (0x4D, "m", "s.quiet >= 48000", "M: a second of silence"),
                  (0x4D, "m", "s.quiet == 0", "M again: the sound")]),
            ("?mute", [(0x41, "a", "s.frames >= 96000 && s.loud == 0", "?mute: silence")])):
        session = browser.open_page(page + query, 320, 240)
        browser.wait_for(session, FRAMES + " >= 1", 120)
        before = browser.evaluate(session, "[football.sound().state, "
                                           "document.getElementById('sound').hidden]")
        if before != ["off", False]:
            failures.append("sound%s: before a key the page is %r, not silent and saying so" %
                            (query, before))
        for code, key, condition, what in steps:
            press(browser, session, code, key)
            if not browser.wait_for(session, sound % condition, 30):
                failures.append("sound%s: %s: %s" % (query, what, browser.evaluate(
                    session, "JSON.stringify(football.sound())")))
                break
        browser.close_page(session)


def session_link(numbers):
    """A session link's text (docs/sessions.md, "In a link"): the numbers as varints, base64url."""
    data = bytearray()
    for number in numbers:
        while number >= 0x80:
            data.append(number & 0x7F | 0x80)
            number >>= 7
        data.append(number)
    return base64.urlsafe_b64encode(bytes(data)).decode().rstrip("=")


# Bad links and the start of their one line: a session link past the latest frame a link may
# reach (version 1, the designed match, 5,000,000 frames, the last 900 shown).
BAD_LINKS = [
    ("?at=banana", "at=banana: "),
    ("?session=" + session_link([1, 0, 0, 5000000, 900]), "session=AQAAwJaxAoQH: the session "
     "link runs 5000000 frames"),
    ("?home=NOWHERE", "no club 'NOWHERE' is known for the home side"),
]


def check_bad_links(browser, page, failures):
    """A bad link: one line naming the parameter, and the match plays from the start."""
    for query, line in BAD_LINKS:
        session = browser.open_page(page + query, WIDTH, HEIGHT)
        plays = browser.wait_for(session, FRAMES + " >= 2", 120)
        hidden, text, frames = browser.evaluate(
            session, "[document.getElementById('message').hidden, "
                     "document.getElementById('message').textContent, %s]" % FRAMES)
        browser.close_page(session)
        print("%s: %r" % (query[:20], text), flush=True)
        if hidden or not text.startswith(line) or "\n" in text:
            failures.append("%s: no line naming the parameter (%r)" % (query, text))
        if not plays or frames > 1000:
            failures.append("%s: the match does not play from the start (frame %d)" %
                            (query, frames))


def check_link_keys(browser, page, trace, failures):
    """A link's keys are held as the tools hold them and end with it: two holds of O, one within
    the other, fly the camera as football-trace's; O held from a session link's first frame to its
    last (frame 100, the last 10 shown) leaves the camera still once the watcher's frames begin."""
    session = browser.open_page(page + "?hold=O@5-20&hold=O@10-12", 320, 240)
    browser.wait_for(session, FRAMES + " > 25", 120)
    state = browser.evaluate(session, "football.state()")
    browser.close_page(session)
    frame = state.split(",", 1)[0].split(":")[1]
    if state != trace_line(trace, [frame, "--hold", "O@5-20", "--hold", "O@10-12"]):
        failures.append("?hold=O@5-20&hold=O@10-12: frame %s is not the trace's" % frame)
    link = session_link([1, 0, 0, 100, 10, 1, 0x4F])
    session = browser.open_page(page + "?session=" + link, 320, 240)
    camera = "[%s, JSON.parse(football.state()).camera]" % FRAMES
    looks = []
    for frames in (102, 106):
        browser.wait_for(session, "%s > %d" % (FRAMES, frames), 120)
        looks.append(browser.evaluate(session, camera))
    browser.close_page(session)
    if looks[0][1] != looks[1][1] or looks[0][0] <= 101:
        failures.append("a link's O held to its end: the camera moves on after it: %s" % looks)


def touch(browser, session, *paths):
    """Fingers along their paths of (x, y) points, one step at a time, then lifted."""
    for step, kind in enumerate(["touchStart"] + ["touchMove"] * (len(paths[0]) - 1)):
        points = [{"x": path[step][0], "y": path[step][1], "id": n} for n, path in enumerate(paths)]
        browser.call("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points}, session)
    browser.call("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []}, session)


def camera_after(browser, session, before, field, timeout=60):
    """The camera's field (3 pitch, 4 yaw, 5 field of view) once it has left `before`."""
    value = "JSON.parse(football.state()).camera[%d]" % field
    browser.wait_for(session, "%s != %r" % (value, before), timeout)
    return browser.evaluate(session, value)


def check_phone(browser, page, work, failures):
    """A phone held upright (390x844 CSS pixels, two device pixels each, touch): the score bar
    twice the designed pixels; a tap shows the controls, twelve named buttons in sight; the
    pause control pauses; a swipe turns and a pinch zooms the paused picture. Then, the site
    kept by its service worker, a reload without the network plays."""
    session = browser.open_page(page, 390, 844, phone=True, first_script=LONG_TASKS)
    if not browser.wait_for(session, FRAMES + " >= 2", 120):
        failures.append("phone: the page draws no frame")
        return
    shot = os.path.join(work, "phone.png")
    browser.screenshot(session, shot)
    print("phone: the longest task to frame 2: %s ms" %
          max(browser.evaluate(session, "longTasks"), default=0), flush=True)
    width, _, rgb = png_pixels.read_rgb(shot)
    # Down the bar's black left of its text: 30 overlay pixels of two device pixels each.
    bar = next((y for y in range(200) if any(rgb[3 * (y * width + 200):3 * (y * width + 201)])),
               200)
    if bar != 60:
        failures.append("phone: the score bar is %d device pixels high, not 60" % bar)
    pitch, sky = picture_shares(png_pixels.read_rgb(shot))
    print("phone: upright, the pitch fills %.1f %% of the picture, the sky %.1f %%" %
          (100 * pitch, 100 * sky), flush=True)
    if pitch < 0.40 or sky > 0.15:
        failures.append("phone: upright, the pitch fills %.1f %% (at least 40) and the sky "
                        "%.1f %% (at most 15)" % (100 * pitch, 100 * sky))
    touch(browser, session, [(195, 300)])
    controls = "[...document.querySelectorAll('#controls button')]"
    in_sight = (controls + ".filter((b) => { const r = b.getBoundingClientRect(); return "
                "r.width >= 44 && r.height >= 44 && r.top >= 0 && r.bottom <= innerHeight && "
                "b.getAttribute('aria-label'); }).length")
    browser.wait_for(session, "getComputedStyle(document.getElementById('controls'))"
                                 ".opacity == '1'", 5)
    if browser.evaluate(session, in_sight) != 12:
        failures.append("phone: a tap shows %s of the 12 named controls" %
                        browser.evaluate(session, in_sight))
    bar_share = browser.evaluate(session, "(() => { const r = document.getElementById("
                                          "'controls').getBoundingClientRect(); "
                                          "return r.width * r.height / innerWidth / innerHeight; })()")
    print("phone: the controls cover %.1f %% of the picture" % (100 * bar_share), flush=True)
    if bar_share > 0.08:
        failures.append("phone: the controls cover %.1f %% of the picture" % (100 * bar_share))
    # Where the system has a share sheet, the Link control hands it the link.
    browser.evaluate(session, "navigator.share = (data) => { window.shared = data; "
                              "return Promise.resolve(); }; document.getElementById('share').click()")
    shared = browser.evaluate(session, "[window.shared && window.shared.url, "
                                       "document.getElementById('link-box').hidden]")
    if not shared[0] or "session=" not in shared[0] or not shared[1]:
        failures.append("phone: the Link control shares %r (the box hidden: %s)" % tuple(shared))
    x, y = browser.evaluate(session, "(() => { const r = document.querySelector("
                                     "'[aria-label^=Pause]').getBoundingClientRect(); "
                                     "return [r.x + r.width / 2, r.y + r.height / 2]; })()")
    touch(browser, session, [(x, y)])
    frame = browser.evaluate(session, FRAMES)
    browser.wait_for(session, "%s > %d" % (FRAMES, frame + 3), 30)
    paused = without_frame(browser.evaluate(session, "football.state()"))
    browser.wait_for(session, "%s > %d" % (FRAMES, frame + 6), 30)
    if without_frame(browser.evaluate(session, "football.state()")) != paused:
        failures.append("phone: the pause control does not pause the match")
    yaw, fov = browser.evaluate(session, "JSON.parse(football.state()).camera.slice(4)")
    touch(browser, session, [(300 - 40 * n, 500) for n in range(6)])  # a swipe to the left
    touch(browser, session, [(145 - 10 * n, 600) for n in range(6)],
          [(245 + 10 * n, 600) for n in range(6)])  # fingers apart
    turned, zoomed = camera_after(browser, session, yaw, 4), camera_after(browser, session, fov, 5)
    print("phone: the swipe turned the camera from %s to %s degrees, the pinch zoomed it from "
          "%s to %s" % (yaw, turned, fov, zoomed), flush=True)
    if not turned > yaw or not zoomed < fov:
        failures.append("phone: the swipe does not turn right (%s to %s) or the pinch does not "
                        "zoom in (%s to %s)" % (yaw, turned, fov, zoomed))
    check_offline(browser, session, failures)
    browser.close_page(session)


def picture_shares(picture):
    """The shares of a picture's pixels that are the pitch's grass (its stripes' pure greens)
    and the sky's colour."""
    width, height, rgb = picture
    pitch = sky = 0
    for i in range(0, len(rgb), 3):
        r, g, b = rgb[i], rgb[i + 1], rgb[i + 2]
        pitch += r <= 3 and b <= 3 and g >= 150
        sky += (r, g, b) == (153, 153, 255)
    return pitch / (width * height), sky / (width * height)


def check_phone_sideways(browser, page, failures):
    """A phone on its side, held at a moment before the first goal: the line says to tap; play on,
    and the goal is announced for screen readers; the help, opened over the match panel, is
    alone, opaque, at its start and lists no key."""
    session = browser.open_page(page + "?at=440", 844, 390, phone=True)
    if not browser.wait_for(session, FRAMES + " == 440", 120):
        failures.append("sideways: the moment is not drawn")
        return
    status = browser.evaluate(session, "document.getElementById('status').textContent")
    if status != "Paused at frame 440: tap \u25b6 to play on":
        failures.append("sideways: the held moment's line is %r" % status)
    press(browser, session, 0x20, " ")
    announced = "document.getElementById('announce').textContent"
    browser.wait_for(session, FRAMES + " > 462", 60)
    if browser.evaluate(session, announced) != "Goal for DYNAMO: 1 : 0":
        failures.append("sideways: after the first goal the page announces %r" %
                        browser.evaluate(session, announced))
    press(browser, session, 0x09, "Tab", "football.panel() == '1'")
    frame = browser.evaluate(session, FRAMES)
    browser.wait_for(session, "%s > %d" % (FRAMES, frame + 1), 30)  # Tab seen up
    browser.evaluate(session, "document.getElementById('help-button').click()")
    panel_gone = browser.wait_for(session, "football.panel() == ''", 30)
    guide = browser.evaluate(session, "(() => { const g = document.getElementById('guide'); "
                             "return [g.hidden, g.scrollTop, g.scrollHeight > g.clientHeight, "
                             "getComputedStyle(g).backgroundColor, [...g.querySelectorAll('th')]"
                             ".filter((t) => t.offsetParent).map((t) => t.textContent)]; })()")
    hidden, top, scrolls, background, rows = guide
    print("sideways: help rows %s" % rows, flush=True)
    keys = [row for row in rows if row in ("F12", "Print Screen", "Mouse", "Shift+Tab", "Space")]
    if hidden or top != 0 or not scrolls or background != "rgb(0, 0, 0)" or not panel_gone or \
            keys or "Double tap" not in rows:
        failures.append("sideways: help shown %s at %s (scrolls %s), %s, the panel gone %s, "
                        "keys listed %s" % (not hidden, top, scrolls, background, panel_gone, keys))
    browser.close_page(session)


def check_offline(browser, session, failures):
    """The service worker keeps the site in a cache named by the build: without the network a
    reload plays."""
    if not browser.wait_for(session, "!!navigator.serviceWorker.controller", 60):
        failures.append("offline: no service worker controls the page")
        return
    caches = browser.evaluate(session, "caches.keys()", await_promise=True)
    browser.call("Network.emulateNetworkConditions", {"offline": True, "latency": 0,
                 "downloadThroughput": -1, "uploadThroughput": -1}, session)
    browser.evaluate(session, "window.before = true")
    browser.call("Page.reload", {}, session)
    if not browser.wait_for(session, "!window.before && %s >= 3" % FRAMES, 120):
        failures.append("offline: the page does not play after a reload without the network")
    if len(caches) != 1 or not caches[0].startswith("football-"):
        failures.append("offline: the caches are %s" % caches)


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: web_page_test.py SITE_DIR FOOTBALL_RECORD FOOTBALL_TRACE")
    site, record, trace = sys.argv[1], sys.argv[2], sys.argv[3]
    if not os.path.exists(os.path.join(site, "football.wasm")):
        sys.exit("web_page_test: no site in %s: run `make web` first" % site)
    command = shutil.which("chromium") or shutil.which("chromium-browser")
    if not command:
        sys.exit("web_page_test: chromium is not installed (scripts/install-deps.sh installs it)")
    failures = []
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    page = "http://127.0.0.1:%d/index.html" % server.server_address[1]
    browser = None
    try:
        browser = devtools_pipe.Browser(command, BROWSER_FLAGS)
        with tempfile.TemporaryDirectory(prefix="football-web-test-") as work:
            for query, record_args in MOMENTS:
                check_moment(browser, page, query, record_args, record, work, failures)
            check_saves(browser, page, record, trace, work, failures)
            check_plays(browser, page, work, failures)
            check_keys(browser, page, work, failures)
            check_sound(browser, page, failures)
            check_lost_context(browser, page, record, trace, work, failures)
            check_session_link(browser, page, record, trace, work, failures)
            check_far_moment(browser, page, trace, failures)
            check_bad_links(browser, page, failures)
            check_link_keys(browser, page, trace, failures)
            check_phone(browser, page, work, failures)
            check_phone_sideways(browser, page, failures)
        for _, problem in browser.problems:
            failures.append("the browser's log: " + problem)
    finally:
        if browser:
            browser.close()
        server.shutdown()
        server.server_close()
    for failure in failures:
        print("FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
