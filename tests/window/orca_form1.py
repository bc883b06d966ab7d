"""Listens to the window through Orca itself: what it speaks as the window opens, on X as a whole
number is pasted, and as 2, 1, 2 are keyed on the pad, read from the "SPEECH OUTPUT" lines of Orca's debug log. On X, the host's
clock runs, and Orca must say nothing more when the answer's minute turns.

Usage: orca_form1.py HOST_PROGRAM. Needs a D-Bus session, an X server or a Wayland compositor
that takes wtype's keys, and speech-dispatcher that talks to no sound card; tests/window/run-orca
sets them up.
"""

import os
import re
import shutil
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

# The window's language, DIALHOUR_LANG (a LANG value), or English; Orca speaks its own, English.
LANGUAGE = os.environ.get("DIALHOUR_LANG", "")
# The host program's fixed clock: 3:07 PM in New York. On X a whole number is pasted first: its
# exchange's place and clock, Tallahassee's Eastern. The code's line starts every answer; the
# minute turns to that text.
WORDS = {
    "": ("Please enter Area Code by clicking on the number pad:",
         "Area Code: 212 Time: 3:07 PM. State: New York Location: New York",
         "Area Code: 850 Time: 3:07 PM. State: Florida Location: Tallahassee, FL",
         "Area Code:", "3:08 PM.", "Result"),
    "fr": ("Entrez l'indicatif régional sur le clavier :",
           "Indicatif : 212 Heure : 15 h 07. État : New York Lieu : New York",
           "Indicatif : 850 Heure : 15 h 07. État : Floride Lieu : Tallahassee, FL",
           "Indicatif :", "15 h 08.", "Résultat"),
}
PROMPT, ANSWER, NUMBER_ANSWER, CODE_LINE, TURNED, RESULT = WORDS[LANGUAGE[:2]]
NUMBER = "(850) 224-0100"
# What one Orca says and another words differently: a trailing period, a role's name before a
# notification, and the role of a button ("push button" in Orca 43, "button" in Orca 48).
TITLE = re.compile(r"Dialhour frame\.?")
KEY_ONE = re.compile(r"1 (push )?button\.?")


def heard(line):
    """An utterance as a person takes it in, without a role's name before an announcement."""
    line = line.rstrip(".")
    return line[len("notification "):] if line.startswith("notification ") else line
# From the first digit: Space presses the focused key, Tab and Shift+Tab move along the pad;
# the last Shift+Tab shows where the focus was left.
KEYS = ["Tab", "space", "shift+Tab", "space", "Tab", "space", "shift+Tab"]
# On Wayland the keys go in through the compositor's seat (wtype), and the 1 is pressed with
# Enter.
WAYLAND = "WAYLAND_DISPLAY" in os.environ
FLUSH = 0 if WAYLAND else 4
if WAYLAND:
    KEYS[3] = "Return"


def wtype(keys):
    """wtype's arguments for the keys, two seconds apart, through one virtual keyboard. Shift
    alone first: the compositor hands a new keyboard's keymap to the window with its first
    event, and the key that comes with it may be lost; a modifier is no key press."""
    words = ["-M", "shift", "-m", "shift", "-s", "2000"]
    for key in keys:
        shift = key.startswith("shift+")
        words += (["-M", "shift"] if shift else []) + ["-k", key.split("+")[-1]] \
            + (["-m", "shift"] if shift else []) + ["-s", "2000"]
    return ["wtype", *words]


def wait_until_none(command, seconds):
    """What command prints once it prints nothing, or what it still prints past the limit."""
    deadline = time.monotonic() + seconds
    while (found := subprocess.run(command, capture_output=True, text=True).stdout.split()):
        if time.monotonic() > deadline:
            return found
        time.sleep(0.2)
    return []


def shown(name, what, seconds):
    """What(app) once it is true of the program's window, read over the AT-SPI bus as Orca
    reads it; None past the limit."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name and (found := what(app)):
                return found
        time.sleep(0.2)
    return None


def orca_listens(seconds):
    """True once Orca has asked the accessibility bus for windows' events, False past the limit.
    Until then Orca drops what it is sent, and once ready it says the window already open itself,
    without what the window said as it opened."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            session = Gio.bus_get_sync(Gio.BusType.SESSION)
            address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                        "GetAddress", None, GLib.VariantType("(s)"),
                                        Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
            bus = Gio.DBusConnection.new_for_address_sync(
                address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
            events = bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                                   "org.a11y.atspi.Registry", "GetRegisteredEvents", None, None,
                                   Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
            bus.close_sync(None)
            if any(event.lower().startswith("window:activate") for _, event in events):
                return True
        except GLib.Error:
            pass
        time.sleep(0.2)
    return False


def minute_turned(app):
    """The result box's time line once it shows the minute after the answer's."""
    found = pyatspi.findDescendant(
        app, lambda node: node.getRole() == pyatspi.ROLE_TEXT and node.name == RESULT)
    text = found.queryText() if found else None
    line = text.getText(0, text.characterCount).split("\n")[1:2] if text else []
    return line[0] if line and TURNED in line[0] else None


def one_focused(app):
    """The pad's 1 has the keyboard: keys sent now reach the window."""
    return pyatspi.findDescendant(
        app, lambda node: node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == "1"
        and node.getState().contains(pyatspi.STATE_FOCUSED))


def utterances_by_key(log):
    """What Orca said before the first key press, then after each one, in order."""
    with open(log, encoding="utf-8", errors="replace") as file:
        text = file.read()
    pattern = re.compile(r"KEYBOARD_EVENT:\s+type=ATSPI_KEY_PRESSED_EVENT"
                         r"|SPEECH OUTPUT: '(.*?)' ?\{'established'", re.S)
    spans = [[]]
    for match in pattern.finditer(text):
        if match.group(1) is None:
            spans.append([])
        elif not match.group(1).startswith("Screen reader o"):  # Orca's own start and end
            spans[-1].append(" ".join(match.group(1).split()))
    return spans


def main():
    host = sys.argv[1]
    home = os.environ["HOME"]
    log = os.path.join(home, "orca.log")
    # Orca runs once per user: the suite before this one may still be letting its Orca go.
    others = wait_until_none(["pgrep", "-u", str(os.getuid()), "-x", "orca"], 30)
    if others:
        sys.exit(f"FAIL: another Orca still runs after 30 s: {others}")
    orca = subprocess.Popen(["orca", "-u", os.path.join(home, "orca-prefs"),
                             f"--debug-file={log}"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = None
    try:
        # Orca writes its log in blocks, so it is read once Orca has ended; until then the
        # steps are paced as a person would pace them.
        if not orca_listens(60):
            sys.exit("FAIL: Orca did not listen for windows within 60 s")
        if orca.poll() is not None:
            # Orca runs once per user: a second one ends at once.
            sys.exit(f"FAIL: Orca ended with {orca.returncode}; is another Orca running?")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="wayland" if WAYLAND else "xcb")
        if LANGUAGE:
            env.update(LANG=LANGUAGE, LANGUAGE="", LC_ALL="", LC_MESSAGES="")
        app = subprocess.Popen([host] + ([] if WAYLAND else ["--clock-runs"]), env=env)
        name = os.path.basename(host)
        if WAYLAND:
            # The compositor gives the window the keyboard as it maps it; a key sent before then
            # is lost, however long the start takes.
            if not shown(name, one_focused, 60):
                sys.exit("FAIL: the pad's 1 did not have the keyboard within 60 s")
            # Paced as a person listens: Orca says what it was shown before the first key.
            time.sleep(2)
            subprocess.run(wtype(KEYS), check=True, timeout=60)
            time.sleep(2)
            # Xwayland is there for Orca: the window must not be on it.
            if subprocess.run(["xdotool", "search", "--name", "^Dialhour$"],
                              capture_output=True).returncode == 0:
                sys.exit("FAIL: the window is an X client, not on Wayland")
        else:
            window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                     "^Dialhour$"], capture_output=True, text=True,
                                    timeout=30, check=True).stdout.split()[0]
            # No window manager here: give the window the keyboard as one would.
            subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=30)
            if not shown(name, one_focused, 60):
                sys.exit("FAIL: the pad's 1 did not have the keyboard within 60 s")
            time.sleep(2)
            # xclip stays behind to hand the text over, until the clipboard changes hands.
            subprocess.run(["xclip", "-selection", "clipboard"], input=NUMBER, text=True,
                           check=True, timeout=30)
            subprocess.run(["xdotool", "key", "ctrl+v"], check=True)
            time.sleep(3)
            # Sent as a person types, one key and its release at a time.
            for key in KEYS:
                subprocess.run(["xdotool", "key", key], check=True)
                time.sleep(2)
            turned = shown(name, minute_turned, 90)
            print(f"the answer's minute turned: {turned!r}")
            if not turned:
                sys.exit(f"FAIL: the answer did not turn to {TURNED} 90 s after it was keyed")
            # Paced as a person listens: time for Orca to say anything it would say of it.
            time.sleep(3)
            # Orca writes its log in blocks and loses the last one as it is ended: a few
            # presses of Shift, not counted, push the last key's lines out.
            for _ in range(FLUSH):
                subprocess.run(["xdotool", "key", "shift"], check=True)
                time.sleep(1)
    finally:
        for process in (app, orca):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()

    spans = utterances_by_key(log)
    # Shift+Tab is two key presses on X, Shift and Tab; through wtype, Shift is held, not pressed.
    presses = KEYS if WAYLAND else [key for keys in KEYS for key in keys.split("+")]
    digits = [i for i, key in enumerate(presses) if key in ("space", "Return")]
    checks = failures = 0

    def check(ok, message):
        nonlocal checks, failures
        checks += 1
        if not ok:
            failures += 1
            print(f"FAIL: {message}")

    # Orca hears Ctrl+V as one press or two, by version: the paste's spans, up to the one with
    # its answer, are set aside, and so are the presses that flush the log.
    pasted = 0
    if not WAYLAND:
        pasted = next((i for i, span in enumerate(spans[1:], start=1)
                       if NUMBER_ANSWER in map(heard, span)), 0)
        check(pasted > 0, f"the pasted number's answer was not heard: {spans[1:3]!r}")
    everything = [heard(line) for span in spans for line in span]
    spans = spans[:1] + spans[1 + pasted:]
    flushed = len(spans) - len(presses) - 1
    check(0 <= flushed <= FLUSH, f"Orca heard {len(spans) - 1} key presses, not {len(presses)}")
    spans = spans[:len(presses) + 1]
    # On opening: the title first, then the prompt and the focused key, in either order.
    opening = [heard(line) for line in spans[0]]
    print(f"on opening Orca said {opening!r}")
    check(len(opening) == 3 and TITLE.fullmatch(spans[0][0])
          and PROMPT in opening and any(KEY_ONE.fullmatch(line) for line in spans[0]),
          f"on opening Orca said {spans[0]!r}")
    said = sum(PROMPT in line for line in everything)
    check(said == 1, f"the prompt was said {said} times")
    # Heard once, when it was asked for: not again, nor its new time, as the minute turns.
    answers = [line for line in everything if CODE_LINE in line or TURNED[:-1] in line]
    expected = [ANSWER] if WAYLAND else [NUMBER_ANSWER, ANSWER]
    check(answers == expected, f"the answers were heard as {answers!r}")
    if len(spans) == len(presses) + 1:
        third = [heard(line) for line in spans[digits[2] + 1]]
        print(f"after the third digit Orca said {third!r}")
        check(third == ["space", ANSWER],
              f"after the third digit Orca said {third!r}")
        earlier = [line for span in spans[:digits[2] + 1] for line in span]
        check(not any(CODE_LINE in line for line in earlier),
              f"something before the answer was spoken: {earlier!r}")
        # The focus stayed on the pad's 2: one step back is the 1 (after "Tab", where Orca echoes
        # the key itself).
        back = spans[-1]
        check(back and KEY_ONE.fullmatch(back[-1]) and [line.lower() for line in back[:-1]] in ([], ["tab"]),
              f"Shift+Tab after the answer said {back!r}")

    print(f"{checks - failures} passed, {failures} failed")
    if failures:
        shutil.copy(log, "orca-form1.log")
        print(f"Orca's log: {os.path.abspath('orca-form1.log')}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
