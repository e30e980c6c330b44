"""Runs the program under the Orca screen reader, presses keys as a blind user would and checks
what Orca says after each press, as its debug log shows it ("SPEECH OUTPUT" lines).

Everything runs inside a folder of its own and is started and stopped here by its process id:
a private D-Bus session, a virtual X display (Xvfb) with a window manager (openbox), the
accessibility bus, speech-dispatcher speaking with espeak-ng into a null sound device, Orca and
the program. Orca writes its log to a pseudo-terminal, which Python writes line by line."""

import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time
import tty

RESULT = "notification RESISTANCE 0.999933931240995 ohms."
HALF = "notification RESISTANCE 0.499966965620497 ohms."

# One step a row: what it shows, the keys pressed (or text typed), what Orca then says in this
# order, and patterns of what it must not say.
STEPS = [
    ("the first box with its label", [], ["WIRE SIZE text."], []),
    ("LENGTH with its label", ["type 10", "Tab"], ["LENGTH text."], []),
    ("RESISTANCE in ohms", ["type 1000", "Tab"], ["RESISTANCE text.", "in ohms."], []),
    ("the result after Space", ["Tab", "space"], ["CALCULATE push button.", RESULT], []),
    ("the value whole, once", ["shift+Tab"], ["RESISTANCE text.", " 0.999933931240995."],
     ["selected", r"0\.99993393124099\b"]),
    ("no stale result", ["BackSpace", "shift+Tab", "type 500", "Tab", "Tab"],
     ["CALCULATE push button."], ["RESISTANCE 0\.9", "selected"]),
    ("the result after Enter", ["Return"], [HALF], []),
    ("a unit box by its name", ["Tab"], ["WIRE SIZE UNITS read only text.",
                                         "Guage (AWG - U.S.)"], []),
    ("the other by its name, nothing on leaving", ["Tab"],
     ["LENGTH UNITS read only text.", "FEET."], ["selected", "^UNITS"]),
    ("the new unit after CHANGE", ["Tab", "space"],
     ["CHANGE WIRE SIZE UNITS push button.", "notification CIRCULAR MILS."], []),
    ("the focus kept on CHANGE", ["Tab"], ["CHANGE LENGTH UNITS push button."], []),
    ("the message and its caption", ["Tab", "Tab", "type abc", "Tab", "BackSpace", "Tab",
                                     "Return"], ["alert VARNEL.", "THE WIRELENGTH YOU ENTERED IS NOT UNDERSTOOD.",
                                                "OK push button."], ["notification"]),
    ("the focus in LENGTH after OK", ["Return"], ["LENGTH text.", "abc."], ["selected", r"^ab\.?$"]),
]

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{")
SPEECHD_CONF = """AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
"""


class Session:
    """The processes started, stopped in the reverse order by their ids."""

    def __init__(self, folder):
        self.folder = folder
        self.processes = []
        self.env = {name: value for name, value in os.environ.items()}
        # GSettings in memory: no settings service is started on the session bus.
        self.env.update(XDG_RUNTIME_DIR=folder, HOME=folder, GSETTINGS_BACKEND="memory")
        self.log = open(os.path.join(folder, "processes.log"), "w")

    def start(self, *argv, **options):
        options.setdefault("stderr", self.log)
        options.setdefault("stdout", self.log)
        process = subprocess.Popen(argv, env=self.env, **options)
        self.processes.append(process)
        return process

    def run(self, *argv):
        return subprocess.run(argv, env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True, check=False)

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


class Speech:
    """What Orca says, read from its log as it writes it."""

    def __init__(self, folder):
        self.master, slave = pty.openpty()
        tty.setraw(slave)
        self.terminal = os.ttyname(slave)
        self.path = os.path.join(folder, "orca.log")
        self.said = []
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        with open(self.path, "w") as log:
            for line in os.fdopen(self.master, errors="replace"):
                log.write(line)
                spoken = SPOKEN.search(line)
                if spoken:
                    self.said.append(spoken.group(1))

    def wait_for(self, expected, since, seconds=15):
        """Waits until Orca has said each expected text, in order, after `since`; returns
        what it said, once it has been quiet for a moment."""
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
        if position < len(expected) and text == expected[position]:
            position += 1
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
    session.start("openbox", "--sm-disable")
    session.start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    wait_until("the accessibility bus", lambda: "true" in session.run(
        "dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
        "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
        "string:org.a11y.Bus").stdout)


def start_speech(session):
    config = os.path.join(session.folder, "speech-dispatcher")
    os.makedirs(os.path.join(config, "modules"))
    with open(os.path.join(config, "speechd.conf"), "w") as conf:
        conf.write(SPEECHD_CONF)
    with open(os.path.join(session.folder, ".asoundrc"), "w") as sound:
        sound.write("pcm.!default { type null }\n")
    session.start("speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config,
                  "--log-dir", session.folder)
    socket = os.path.join(session.folder, "speech-dispatcher", "speechd.sock")
    wait_until("speech-dispatcher", lambda: os.path.exists(socket))


def press(session, keys):
    for key in keys:
        if key.startswith("type "):
            session.run("xdotool", "type", "--delay", "120", key[5:])
        else:
            session.run("xdotool", "key", key)
        time.sleep(0.4)


def check(name, said, expected, forbidden):
    heard = " | ".join(said)
    if not in_order(expected, said):
        return f"FAIL: {name}: expected {expected}, Orca said: {heard}"
    unwanted = [pattern for pattern in forbidden
                if any(re.search(pattern, spoken) for spoken in said)]
    if unwanted:
        return f"FAIL: {name}: Orca said {unwanted}: {heard}"
    print(f"{name}: {heard}")
    return None


def main(program):
    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="varnel-orca-") as folder:
        session = Session(folder)
        speech = Speech(folder)
        failure = None
        try:
            start_desktop(session)
            start_speech(session)
            session.start("orca", "--debug-file", speech.terminal, "--user-prefs",
                          os.path.join(folder, "orca"))
            speech.wait_for(["Screen reader on."], 0, seconds=30)
            session.start(program)
            for name, keys, expected, forbidden in STEPS:
                since = len(speech.said)
                press(session, keys)
                failure = check(name, speech.wait_for(expected, since), expected, forbidden)
                if failure:
                    break
        finally:
            session.stop()
            if failure:
                print(failure)
                print("Orca said, from the start:", " | ".join(speech.said))
                print(open(session.log.name).read()[-3000:])
    if failure:
        sys.exit(1)
    print(f"PASS in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    main(sys.argv[1])
