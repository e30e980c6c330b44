"""Finds each control of the running program by its accessible name, presses CALCULATE
through the accessibility bus and checks the result and a message box, as a screen-reader
user would meet them."""

import subprocess
import sys
import time

import pyatspi

CONTROLS = [
    "WIRE SIZE", "LENGTH", "RESISTANCE", "WIRE SIZE UNITS", "LENGTH UNITS",
    "CALCULATE", "CHANGE WIRE SIZE UNITS", "CHANGE LENGTH UNITS",
]


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear within {seconds} s")


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name.lower() == name:
            return app
    return None


def descendant(root, predicate):
    return pyatspi.findDescendant(root, lambda node: node is not None and predicate(node))


def named(root, name, roles):
    return descendant(root, lambda node: node.name == name and node.getRole() in roles)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def press(button):
    button.queryAction().doAction(0)


def main(program):
    process = subprocess.Popen([program])
    try:
        app = wait_for("the program on the accessibility bus", lambda: application("varnel"))
        window = wait_for("the window Varnel",
                          lambda: named(app, "Varnel", {pyatspi.ROLE_FRAME}))
        editable = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}
        controls = {}
        for name in CONTROLS:
            roles = {pyatspi.ROLE_PUSH_BUTTON} if name.startswith(("CALC", "CHANGE")) else editable
            controls[name] = wait_for(f"the control {name!r}", lambda: named(window, name, roles))
        print("found by name:", ", ".join(CONTROLS))

        controls["WIRE SIZE"].queryEditableText().setTextContents("10")
        controls["LENGTH"].queryEditableText().setTextContents("1000")
        press(controls["CALCULATE"])
        result = wait_for("the resistance",
                          lambda: text_of(controls["RESISTANCE"]) or None)
        if result != " 0.999933931240995":
            sys.exit(f"FAIL: CALCULATE wrote {result!r} into RESISTANCE")
        print("CALCULATE wrote", repr(result), "into RESISTANCE")

        press(controls["CALCULATE"])
        alert = wait_for("the message box",
                         lambda: descendant(app, lambda node: node.getRole() == pyatspi.ROLE_ALERT))
        message = "You have to leave one of the fields blank!"
        if alert.name != "VARNEL":
            sys.exit(f"FAIL: the message box is captioned {alert.name!r}")
        if descendant(alert, lambda node: node.name == message) is None:
            sys.exit("FAIL: the message box does not hold the message")
        print("message box: an alert captioned", repr(alert.name), "saying", repr(message))
        press(named(alert, "OK", {pyatspi.ROLE_PUSH_BUTTON}))
        wait_for("the message box to close",
                 lambda: None if descendant(app, lambda node: node.getRole()
                                            == pyatspi.ROLE_ALERT) else True)
        print("PASS")
    finally:
        process.terminate()
        process.wait(timeout=10)


if __name__ == "__main__":
    main(sys.argv[1])
