"""The three browser engines that phones and desktops use, each behind one driver object with the
same few methods, so that a page test runs unchanged in all of them:

    engine.name                                  "chromium", "firefox" or "webkit"
    engine.navigate(url)                         loads url and waits for the load to end
    engine.execute_script(script, *args)         runs a function body in the page, returns its value
    engine.execute_async_script(script, *args)   the same, ended by calling arguments[-1](value)
    engine.set_script_timeout(seconds)           how long an asynchronous script may take
    engine.send_keys(element_id, *keys)          real key presses (selenium's Keys) to an element
    engine.click(element_id)                     a real click in the element's centre
    engine.screenshot(element_id, path)          a PNG of the element, an iframe included, cut
                                                 from the viewport's (WebKitGTK's driver hangs
                                                 on element screenshots)
    engine.quit()                                stops every process the engine started, by its id

Prefer checks run in the page through execute_script where the engines' drivers differ. An
iframe sizes the page narrower than a window can be (Firefox's and WebKitGTK's windows stop at
about 500 and 450 pixels).

- Chromium: Debian's chromium and chromedriver through selenium, headless.
- Firefox: Debian's firefox-esr, headless, through its own Marionette protocol (Debian has no
  geckodriver): length-prefixed JSON over TCP, whose commands are WebDriver's.
- WebKit: WebKitGTK's MiniBrowser through Debian's WebKitWebDriver and selenium, on an Xvfb
  display of its own with a D-Bus session bus of its own.

Each engine takes dark=True to prefer the dark colour scheme: Chromium by emulating the media
feature, Firefox by its content override, WebKitGTK by the dark variant of the GTK theme.
"""
import base64
import json
import os
import shutil
import signal
import socket
import struct
import subprocess
import tempfile
import time
import zlib

from selenium import webdriver
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.by import By
from selenium.webdriver.common.options import ArgOptions

CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--window-size=1200,900"]
WINDOW = (1200, 900)


def stop(process, timeout=10):
    """Ends a process this module started, by its id."""
    if process and process.poll() is None:
        os.kill(process.pid, signal.SIGTERM)
        try:
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            os.kill(process.pid, signal.SIGKILL)
            process.wait()


def free_port():
    """A port free now, for a driver that takes no port 0 (WebKitWebDriver)."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_for_port(port, process, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and process.poll() is None:
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return
        except OSError:
            time.sleep(0.05)
    raise RuntimeError(f"nothing listens on port {port}")


def png_rows(png):
    """The pixel rows of an 8-bit, non-interlaced RGB or RGBA PNG, and its bytes per pixel."""
    width, height, depth, colour = struct.unpack(">IIBB", png[16:26])
    if depth != 8 or colour not in (2, 6):
        raise ValueError("not an 8-bit RGB or RGBA PNG")
    pixel = 4 if colour == 6 else 3
    data, at = b"", 8
    while at < len(png):
        length, kind = struct.unpack(">I4s", png[at:at + 8])
        if kind == b"IDAT":
            data += png[at + 8:at + 8 + length]
        at += 12 + length
    raw, stride, rows, previous = zlib.decompress(data), width * pixel, [], bytearray(width * pixel)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - pixel] if x >= pixel else 0
            up, up_left = previous[x], previous[x - pixel] if x >= pixel else 0
            guess = left + up - up_left
            paeth = min((abs(guess - left), 0, left), (abs(guess - up), 1, up), (abs(guess - up_left), 2, up_left))[2]
            line[x] = (line[x] + (0, left, up, (left + up) // 2, paeth)[kind]) & 0xFF
        rows.append(line)
        previous = line
    return rows, pixel, colour


def png_cut(png, left, top, width, height):
    """The rectangle of a PNG, as a PNG."""
    rows, pixel, colour = png_rows(png)
    cut = b"".join(b"\0" + bytes(row[left * pixel:(left + width) * pixel]) for row in rows[top:top + height])

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    header = struct.pack(">IIBBBBB", width, height, 8, colour, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(cut)) + chunk(b"IEND", b"")


def save_element(engine, element_id, viewport_png, path):
    box = engine.execute_script("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                                "return [r.left, r.top, r.width, r.height].map(Math.round);", element_id)
    with open(path, "wb") as file:
        file.write(png_cut(viewport_png, *box))


class SeleniumEngine:
    """What Chromium and WebKit share: a selenium driver."""

    def navigate(self, url):
        self.driver.get(url)

    def execute_script(self, script, *args):
        return self.driver.execute_script(script, *args)

    def execute_async_script(self, script, *args):
        return self.driver.execute_async_script(script, *args)

    def set_script_timeout(self, seconds):
        self.driver.set_script_timeout(seconds)

    def send_keys(self, element_id, *keys):
        self.driver.find_element(By.ID, element_id).send_keys(*keys)

    def click(self, element_id):
        self.driver.find_element(By.ID, element_id).click()

    def screenshot(self, element_id, path):
        save_element(self, element_id, self.driver.get_screenshot_as_png(), path)


class Chromium(SeleniumEngine):
    name = "chromium"

    def __init__(self, dark=False):
        self.profile = tempfile.mkdtemp(prefix="varnel-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        self.service = ChromeService("/usr/bin/chromedriver")
        self.driver = webdriver.Chrome(service=self.service, options=options)
        scheme = "dark" if dark else "light"
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": scheme}]})

    def renderer_rss(self):
        """The resident bytes of the largest of this browser's renderers, the tab's with its
        worker."""
        largest = 0
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                    if b"--type=renderer" not in cmdline.read() or not self.started(int(pid)):
                        continue
                with open(f"/proc/{pid}/status", encoding="ascii") as status:
                    rss = next(line for line in status if line.startswith("VmRSS:"))
                largest = max(largest, int(rss.split()[1]) * 1024)
            except (OSError, StopIteration):
                continue
        return largest

    def started(self, pid):
        """Whether a process descends from this browser's chromedriver."""
        while pid > 1:
            if pid == self.service.process.pid:
                return True
            with open(f"/proc/{pid}/stat", encoding="ascii") as stat:
                pid = int(stat.read().rsplit(")", 1)[1].split()[1])
        return False

    def quit(self):
        chromedriver = self.service.process
        self.driver.quit()
        stop(chromedriver)
        shutil.rmtree(self.profile, ignore_errors=True)


class WebKit(SeleniumEngine):
    name = "webkit"

    def __init__(self, dark=False):
        self.display = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        env = dict(os.environ, DISPLAY=":" + self.display.stdout.readline().strip(),
                   DBUS_SESSION_BUS_ADDRESS=self.bus.stdout.readline().strip(), GDK_BACKEND="x11",
                   WEBKIT_DISABLE_COMPOSITING_MODE="1")
        # The POSIX locale, whose name "C" WebKitGTK hands the page as a language: the page
        # must start under it, as it does on a machine with no locale set.
        env["LANG"] = "C"
        env.pop("LC_ALL", None)
        if dark:
            env["GTK_THEME"] = "Adwaita:dark"
        # WebKitWebDriver starts its own MiniBrowser; it matches no capability naming its
        # binary, nor the old "version" and "platform" that selenium 4.8's WebKitGTK options send.
        options = ArgOptions()
        options.set_capability("browserName", "MiniBrowser")
        port = free_port()
        self.webdriver = subprocess.Popen(["/usr/bin/WebKitWebDriver", f"--port={port}"], env=env,
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_for_port(port, self.webdriver)
            self.driver = webdriver.Remote(command_executor=f"http://127.0.0.1:{port}", options=options)
            self.driver.set_window_rect(0, 0, *WINDOW)
        except Exception:
            self.stop_processes()
            raise

    def stop_processes(self):
        stop(self.webdriver)
        stop(self.bus)
        stop(self.display)

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.stop_processes()


class MarionetteError(Exception):
    pass


class Firefox:
    """Firefox through Marionette: each command is [0, id, name, parameters], each answer
    [1, id, error, result], both as JSON after their length in bytes and a colon."""

    name = "firefox"
    ELEMENT = "element-6066-11e4-a52e-4f735466cecf"

    def __init__(self, dark=False):
        self.profile = tempfile.mkdtemp(prefix="varnel-firefox-")
        prefs = {
            "marionette.port": 0,  # any free port, written to MarionetteActivePort
            "browser.shell.checkDefaultBrowser": False,
            "browser.startup.homepage_override.mstone": "ignore",
            "datareporting.policy.dataSubmissionEnabled": False,
            "toolkit.telemetry.reportingpolicy.firstRun": False,
            "app.update.disabledForTesting": True,
            "layout.css.prefers-color-scheme.content-override": 0 if dark else 1,
        }
        with open(os.path.join(self.profile, "user.js"), "w", encoding="utf-8") as user:
            for name, value in prefs.items():
                user.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--marionette", "--no-remote", "--profile", self.profile,
             f"--width={WINDOW[0]}", f"--height={WINDOW[1]}"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self.socket = socket.create_connection(("127.0.0.1", self.active_port()), timeout=60)
            self.buffer = b""
            self.last_id = 0
            self.receive()  # the greeting
            self.command("WebDriver:NewSession", {"capabilities": {"alwaysMatch": {"pageLoadStrategy": "normal"}}})
            self.command("WebDriver:SetWindowRect", {"width": WINDOW[0], "height": WINDOW[1]})
        except Exception:
            self.quit()
            raise

    def active_port(self):
        port_file = os.path.join(self.profile, "MarionetteActivePort")
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise MarionetteError("Firefox ended before it listened")
            try:
                with open(port_file, encoding="ascii") as file:
                    return int(file.read().strip())
            except (FileNotFoundError, ValueError):
                time.sleep(0.05)
        raise MarionetteError("Firefox never wrote its Marionette port")

    def receive(self):
        while b":" not in self.buffer:
            self.buffer += self.socket.recv(65536)
        length, rest = self.buffer.split(b":", 1)
        while len(rest) < int(length):
            rest += self.socket.recv(65536)
        self.buffer = rest[int(length):]
        return json.loads(rest[:int(length)])

    def command(self, name, parameters=None):
        self.last_id += 1
        body = json.dumps([0, self.last_id, name, parameters or {}]).encode()
        self.socket.sendall(str(len(body)).encode() + b":" + body)
        while True:
            _, answer_id, error, result = self.receive()
            if answer_id == self.last_id:
                break
        if error:
            raise MarionetteError(f"{name}: {error.get('error')}: {error.get('message')}")
        return result.get("value") if isinstance(result, dict) else result

    def element(self, element_id):
        found = self.command("WebDriver:FindElement", {"using": "css selector", "value": f"#{element_id}"})
        return found[self.ELEMENT]

    def navigate(self, url):
        self.command("WebDriver:Navigate", {"url": url})

    def execute_script(self, script, *args):
        return self.command("WebDriver:ExecuteScript", {"script": script, "args": list(args)})

    def execute_async_script(self, script, *args):
        return self.command("WebDriver:ExecuteAsyncScript", {"script": script, "args": list(args)})

    def set_script_timeout(self, seconds):
        self.command("WebDriver:SetTimeouts", {"script": int(seconds * 1000)})

    def send_keys(self, element_id, *keys):
        self.command("WebDriver:ElementSendKeys", {"id": self.element(element_id), "text": "".join(keys)})

    def click(self, element_id):
        self.command("WebDriver:ElementClick", {"id": self.element(element_id)})

    def screenshot(self, element_id, path):
        png = self.command("WebDriver:TakeScreenshot", {"full": False})
        save_element(self, element_id, base64.b64decode(png), path)

    def quit(self):
        try:
            if getattr(self, "socket", None):
                self.command("Marionette:Quit", {"flags": ["eForceQuit"]})
                self.socket.close()
                self.process.wait(10)
        except (OSError, MarionetteError, subprocess.TimeoutExpired):
            pass
        stop(self.process)
        shutil.rmtree(self.profile, ignore_errors=True)


ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}
