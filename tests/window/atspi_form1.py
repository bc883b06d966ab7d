"""Drives the window as a screen reader would: over the AT-SPI bus, by role and name.

Usage: atspi_form1.py HOST_PROGRAM. Needs a D-Bus session with the accessibility bus and an X
server; tests/window/run-atspi sets them up.
"""

import os
import subprocess
import sys
import time

import pyatspi

EXPECTED = {
    **{(pyatspi.ROLE_PUSH_BUTTON, str(digit)): None for digit in range(10)},
    (pyatspi.ROLE_PUSH_BUTTON, "Clear"): None,
    (pyatspi.ROLE_PUSH_BUTTON, "Quit"): None,
    (pyatspi.ROLE_LABEL, "Please enter Area Code by clicking on the number pad:"): None,
    (pyatspi.ROLE_LABEL, "Quorvanta"): "Maker",
    (pyatspi.ROLE_TEXT, "Result"): None,
    (pyatspi.ROLE_TEXT, "Notice"): None,
}

ANSWER = "\n".join([
    "Area Code:      212",
    "Time:              3:07 PM.",
    "State:             New York",
    "Location:         New York",
])


def wait_until(condition, seconds=30.0):
    """What condition() gives once it is true, or None past the limit."""
    deadline = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > deadline:
            return None
        time.sleep(0.05)
    return value


def find_application(name, process):
    if process.poll() is not None:
        sys.exit(f"FAIL: the program ended with {process.returncode} before it was found")
    return next((app for app in pyatspi.Registry.getDesktop(0)
                 if app is not None and app.name == name), None)


def controls(root):
    """Every accessible under root, as a screen reader walks it."""
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        stack.extend(child for child in node if child is not None)


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def main():
    host = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([host], env=env)
    try:
        name = os.path.basename(host)
        app = wait_until(lambda: find_application(name, process))
        if not app:
            sys.exit(f"FAIL: {name} is not on the accessibility bus")
        found = {}

        def all_found():
            found.update({(node.getRole(), node.name): node for node in controls(app)})
            return all(key in found for key in EXPECTED)
        if not wait_until(all_found):
            missing = [f"{role} {name!r}"
                       for role, name in EXPECTED if (role, name) not in found]
            sys.exit(f"FAIL: no control found for {', '.join(missing)}")
        checks = failures = 0
        for key, description in EXPECTED.items():
            checks += description is not None
            if description is not None and found[key].description != description:
                print(f"FAIL: {key[1]!r} is described as {found[key].description!r}")
                failures += 1

        # A pressed button answers after its press animation, so each step waits for its text.
        result = found[(pyatspi.ROLE_TEXT, "Result")]
        for digit, expected in zip("212", ["Area Code:      2", "Area Code:      21", ANSWER]):
            found[(pyatspi.ROLE_PUSH_BUTTON, digit)].queryAction().doAction(0)
            checks += 1
            if not wait_until(lambda: text_of(result) == expected):
                print(f"FAIL: after pressing {digit} the result reads {text_of(result)!r}, "
                      f"not {expected!r}")
                failures += 1
        checks += 2
        notice = text_of(found[(pyatspi.ROLE_TEXT, "Notice")])
        if "bugs@quorvanta.example" not in notice:
            print(f"FAIL: the notice reads {notice!r}")
            failures += 1

        found[(pyatspi.ROLE_PUSH_BUTTON, "Quit")].queryAction().doAction(0)
        if process.wait(timeout=10) != 0:
            print(f"FAIL: Quit ended the program with {process.returncode}")
            failures += 1
        checks += len(EXPECTED)  # every control was found by role and name
        print(f"{checks - failures} passed, {failures} failed")
        return 1 if failures else 0
    finally:
        if process.poll() is None:
            process.kill()


if __name__ == "__main__":
    sys.exit(main())
