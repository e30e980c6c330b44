"""Runs the program under the Orca screen reader, presses keys as a blind user would and checks
what Orca says after each press, as its debug log shows it ("SPEECH OUTPUT" lines).

In a folder of its own it starts, and stops by their process ids, a private D-Bus session, a
virtual X display (Xvfb) with a window manager (openbox), the accessibility bus,
speech-dispatcher speaking with espeak-ng into a null sound device, Orca and the program. Orca
writes its log to a pseudo-terminal, which Python writes line by line."""

import os
import pty
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

# One step a row: what it shows, the keys pressed (or text typed), what Orca then says in this
# order, and patterns of what it must not say.
STEPS = [
    ("the first box with its label", [], ["WIRE SIZE text."], []),
    ("LENGTH with its label", ["type 10", "Tab"], ["LENGTH text."], []),
    ("RESISTANCE in ohms", ["type 1000", "Tab"], ["RESISTANCE text.", "in ohms."], []),
    ("the result after Space", ["Tab", "space"],
     ["CALCULATE push button.", "notification RESISTANCE 0.999933931240995 ohms."], []),
    ("the value whole, once", ["shift+Tab"], ["RESISTANCE text.", " 0.999933931240995."],
     ["selected", r"0\.99993393124099\b"]),
    ("no stale result", ["BackSpace", "shift+Tab", "type 500", "Tab", "Tab"],
     ["CALCULATE push button."], [r"RESISTANCE 0\.9", "selected"]),
    ("the result after Enter", ["Return"], ["notification RESISTANCE 0.499966965620497 ohms."],
     []),
    ("a unit box by its name", ["Tab"],
     ["WIRE SIZE UNITS read only text.", "Guage (AWG - U.S.)"], []),
    ("the other by its name, nothing on leaving", ["Tab"],
     ["LENGTH UNITS read only text.", "FEET."], ["selected", "^UNITS"]),
    ("the new unit after CHANGE", ["Tab", "space"],
     ["CHANGE WIRE SIZE UNITS push button.", "notification CIRCULAR MILS."], []),
    ("the focus kept on CHANGE", ["Tab"], ["CHANGE LENGTH UNITS push button."], []),
    ("the message and its caption",
     ["Tab", "Tab", "type abc", "Tab", "BackSpace", "Tab", "Return"],
     ["alert VARNEL.", "THE WIRELENGTH YOU ENTERED IS NOT UNDERSTOOD.", "OK push button."],
     ["notification"]),
    ("the focus in LENGTH after OK", ["Return"], ["LENGTH text.", "abc."],
     ["selected", r"^ab\.?$"]),
]

# Orca quits where another Orca of the same user runs, on any display; this one runs beside
# them (another check, the user's own), on its display and buses.
ORCA_BESIDE_OTHERS = """import runpy, shutil, sys
main = runpy.run_path(shutil.which("orca"), run_name="orca_beside_others")["main"]
main.__globals__["otherOrcas"] = lambda: []
sys.exit(main())"""
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{")


class Session:
    """The processes started, stopped in the reverse order by their ids, with what Orca said."""

    def __init__(self, folder):
        self.folder = folder
        self.processes = []
        # GSettings in memory: no settings service is started on the session bus.
        self.env = dict(os.environ, XDG_RUNTIME_DIR=folder, HOME=folder,
                        GSETTINGS_BACKEND="memory")
        self.log = open(os.path.join(folder, "processes.log"), "w")
        self.said = []

    def start(self, *argv, **options):
        options.setdefault("stdout", self.log)
        process = subprocess.Popen(argv, env=self.env, stderr=self.log, **options)
        self.processes.append(process)
        return process

    def run(self, *argv):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True).stdout

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def start_orca(self):
        master, terminal = pty.openpty()
        tty.setraw(terminal)
        self.start(sys.executable, "-c", ORCA_BESIDE_OTHERS, "--debug-file",
                   os.ttyname(terminal), "--user-prefs", os.path.join(self.folder, "orca"))
        threading.Thread(target=self.hear, args=(master,), daemon=True).start()

    def hear(self, log):
        for line in os.fdopen(log, errors="replace"):
            spoken = SPOKEN.search(line)
            if spoken:
                self.said.append(spoken.group(1))

    def wait_for(self, expected, since, seconds=15):
        """What Orca said after `since`, once it has said each expected text in order and
        then been quiet for a moment."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline and not in_order(expected, self.said[since:]):
            time.sleep(0.1)
        count = None
        while count != len(self.said):
            count = len(self.said)
            time.sleep(0.6)
        return self.said[since:]


def in_order(expected, said):
    position = 0
    for text in said:
        position += position < len(expected) and text == expected[position]
    return position == len(expected)


def wait_until(what, ready, seconds=15):
    deadline = time.monotonic() + seconds
    while not ready():
        if time.monotonic() > deadline:
            sys.exit(f"FAIL: {what} not ready within {seconds} s")
        time.sleep(0.1)


def start_desktop(session):
    bus = session.start("dbus-daemon", "--session", "--nofork", "--print-address",
                        stdout=subprocess.PIPE, text=True)
    session.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    read, write = os.pipe()
    session.start("Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                  "-nolisten", "tcp", pass_fds=(write,))
    os.close(write)
    session.env["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    # Openbox runs its start-up command once it manages the screen; a window mapped before
    # that is never activated, and Orca would not hear of it.
    managing = os.path.join(session.folder, "openbox-managing")
    session.start("openbox", "--sm-disable", "--startup", f"touch {managing}")
    wait_until("openbox", lambda: os.path.exists(managing))
    session.start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    wait_until("the accessibility bus", lambda: "true" in session.run(
        "dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
        "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"))


def start_speech(session):
    config = os.path.join(session.folder, "speech-dispatcher")
    os.makedirs(os.path.join(config, "modules"))
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        conf.write('AudioOutputMethod "alsa"\nDefaultModule espeak-ng\n'
                   'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n')
    with open(os.path.join(session.folder, ".asoundrc"), "w") as sound:
        sound.write("pcm.!default { type null }\n")
    session.start("speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config,
                  "--log-dir", session.folder)
    socket = os.path.join(session.folder, "speech-dispatcher", "speechd.sock")
    wait_until("speech-dispatcher", lambda: os.path.exists(socket))


def press(session, keys):
    for key in keys:
        typed = key.startswith("type ")
        session.run("xdotool", *(["type", "--delay", "120", key[5:]] if typed else ["key", key]))
        time.sleep(0.4)


def check(name, said, expected, forbidden):
    heard = " | ".join(said)
    unwanted = [pattern for pattern in forbidden if any(re.search(pattern, s) for s in said)]
    if not in_order(expected, said) or unwanted:
        return f"FAIL: {name}: expected {expected}, not {unwanted}; Orca said: {heard}"
    print(f"{name}: {heard}")
    return None


def run_steps(session):
    """The first failing step, or None."""
    for step, (name, keys, expected, forbidden) in enumerate(STEPS):
        since = len(session.said)
        press(session, keys)
        # The program's start, cold or under the sanitizers, takes longer than a key press.
        said = session.wait_for(expected, since, seconds=15 if step else 45)
        failure = check(name, said, expected, forbidden)
        if failure:
            return failure
    return None


def main(program):
    # Stopped from outside (the check's time limit), it still stops what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: stopped from outside"))
    started = time.monotonic()
    failure = None
    with tempfile.TemporaryDirectory(prefix="varnel-orca-") as folder:
        session = Session(folder)
        try:
            start_desktop(session)
            start_speech(session)
            session.start_orca()
            failure = check("Orca starting", session.wait_for(["Screen reader on."], 0, 30),
                            ["Screen reader on."], [])
            if failure is None:
                session.start(program)
                failure = run_steps(session)
        finally:
            session.stop()
            if failure:
                print(failure, "\nOrca said, from the start:", " | ".join(session.said))
                print(open(session.log.name).read()[-3000:])
    if failure:
        sys.exit(1)
    print(f"PASS in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    main(sys.argv[1])
