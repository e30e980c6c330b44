"""Finds each control of the running program by its accessible name, checks that each text box
is labelled by its row label, that no nameless panel is left in the window and that the unit
boxes cannot be written, presses CALCULATE through the accessibility bus and checks the
result, its announcement as a notification that is shown, and a message box, as a
screen-reader user would meet them."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CONTROLS = [
    "WIRE SIZE", "LENGTH", "RESISTANCE", "WIRE SIZE UNITS", "LENGTH UNITS",
    "CALCULATE", "CHANGE WIRE SIZE UNITS", "CHANGE LENGTH UNITS",
]

# Each text box and the text of the row label that labels it; the unit boxes, whose labels
# both say UNITS, are named by their own names alone.
ROW_LABELS = {"WIRE SIZE": "WIRE SIZE", "LENGTH": "LENGTH", "RESISTANCE": "RESISTANCE"}

# Containers that a screen reader announces by their name alone.
CONTAINER_ROLES = {pyatspi.ROLE_PANEL, pyatspi.ROLE_FILLER, pyatspi.ROLE_FRAME}

EDITABLE_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}


def wait_for(what, find, seconds=20):
    """Polls find until it returns something, delivering the events that arrive meanwhile."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
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


def labels_of(node):
    """The names of the labels that the node's labelled-by relations point at."""
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for index in range(relation.getNTargets()):
                target = relation.getTarget(index)
                if target.getRole() == pyatspi.ROLE_LABEL:
                    names.append(target.name)
    return names


def check_labels(controls):
    for name in ("WIRE SIZE UNITS", "LENGTH UNITS"):
        if labels_of(controls[name]):
            sys.exit(f"FAIL: the unit box {name!r} is labelled by {labels_of(controls[name])}")
    for name, label in ROW_LABELS.items():
        found = labels_of(controls[name])
        if label not in found:
            sys.exit(f"FAIL: the text box {name!r} is labelled by {found}, not by {label!r}")
    print("labelled by their row labels:",
          ", ".join(f"{name} by {label!r}" for name, label in ROW_LABELS.items()))


def check_containers(window):
    containers = pyatspi.findAllDescendants(
        window, lambda node: node is not None and node.getRole() in CONTAINER_ROLES)
    nameless = [node.getRoleName() for node in containers if not node.name]
    if nameless:
        sys.exit(f"FAIL: nameless {', '.join(nameless)} under the window")
    print("no nameless panel, filler or frame; named:",
          ", ".join(f"{node.getRoleName()} {node.name!r}" for node in containers) or "none")


def check_unit_boxes(controls):
    """Each unit box is read-only and not editable, and a write through the bus leaves it."""
    for name, shown in (("WIRE SIZE UNITS", "Guage (AWG - U.S.)"), ("LENGTH UNITS", "FEET")):
        box = controls[name]
        states = box.getState()
        if not states.contains(pyatspi.STATE_READ_ONLY) or states.contains(pyatspi.STATE_EDITABLE):
            sys.exit(f"FAIL: {name!r} is not reported read-only and not editable")
        try:
            written = box.queryEditableText().setTextContents("SQUARE MILLIMETERS")
        except NotImplementedError:
            written = "refused: no EditableText interface"
        if text_of(box) != shown:
            sys.exit(f"FAIL: setTextContents changed {name!r} to {text_of(box)!r}")
        print(f"unit box {name!r}: read-only, not editable; setTextContents {written}, "
              f"still {shown!r}")


class Notifications:
    """The names of the notifications shown on the bus, read as they arrive, as a screen
    reader reads them."""

    def __init__(self):
        self.heard = []
        pyatspi.Registry.registerEventListener(self.hear, "object:state-changed:showing")

    def hear(self, event):
        # An object shown and gone again before it is asked is no notification to hear.
        try:
            if event.source is not None and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                self.heard.append(event.source.name)
        except GLib.GError:
            pass


class TextInsertions:
    """The texts inserted into each text box, by its accessible name, as announced on the bus."""

    def __init__(self):
        self.texts = {}
        pyatspi.Registry.registerEventListener(self.heard, "object:text-changed:insert")

    def heard(self, event):
        if event.source is not None and event.source.getRole() in EDITABLE_ROLES:
            self.texts.setdefault(event.source.name, []).append(event.any_data)


def main(program):
    insertions = TextInsertions()
    notifications = Notifications()
    process = subprocess.Popen([program])
    try:
        app = wait_for("the program on the accessibility bus", lambda: application("varnel"))
        window = wait_for("the window Varnel",
                          lambda: named(app, "Varnel", {pyatspi.ROLE_FRAME}))
        controls = {}
        for name in CONTROLS:
            roles = ({pyatspi.ROLE_PUSH_BUTTON} if name.startswith(("CALC", "CHANGE"))
                     else EDITABLE_ROLES)
            controls[name] = wait_for(f"the control {name!r}", lambda: named(window, name, roles))
        print("found by name:", ", ".join(CONTROLS))
        check_labels(controls)
        check_containers(window)
        check_unit_boxes(controls)

        controls["WIRE SIZE"].queryEditableText().setTextContents("10")
        controls["LENGTH"].queryEditableText().setTextContents("1000")
        # CALCULATE takes the focus as a click gives it; the window itself is active only
        # where a window manager or a seat activates it, which these headless displays lack.
        controls["CALCULATE"].queryComponent().grabFocus()
        press(controls["CALCULATE"])
        expected = " 0.999933931240995"
        result = wait_for("the resistance",
                          lambda: text_of(controls["RESISTANCE"]) or None)
        if result != expected:
            sys.exit(f"FAIL: CALCULATE wrote {result!r} into RESISTANCE")
        print("CALCULATE wrote", repr(result), "into RESISTANCE")
        wait_for("the announcement of the result",
                 lambda: expected in insertions.texts.get("RESISTANCE", []) or None)
        print("announced: object:text-changed:insert", repr(expected), "on RESISTANCE")
        spoken = "RESISTANCE 0.999933931240995 ohms"
        wait_for("the result in a notification",
                 lambda: spoken in notifications.heard or None)
        print("announced: object:state-changed:showing of a notification named", repr(spoken))

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
