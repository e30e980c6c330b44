"""The page's schedule check in any of the engines of engines.py: real files picked and dropped
in the page, each checked file read back and held byte for byte against native
`varnel-calc --batch FILE --locale L`; a second file replacing the first's results; the section
at phone width; where asked, a million rows timed against varnel-calc with the progress seen
moving, and axe-core. Files are served to the page from a server of the test's own on a free
port.

    run(engine, page_url, varnel_calc, checks, phone, axe_source=None, renderer_rss=None)
    check_seeds(engine, page_url, varnel_calc, checks, table, fresh)   # e.g. offline, one seed

`checks` has equal(name, got, want); `phone()` opens the page in a same-origin iframe of a
phone's width and returns the frame's id; `axe_source`, where given, runs axe-core on the
results, and `renderer_rss`, where given, times a million rows and returns the bytes the tab's
processes hold, sampled while a file is checked for its peak.
"""
import base64
import functools
import hashlib
import http.server
import os
import subprocess
import tempfile
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SEEDS = os.path.join(ROOT, "fuzz", "schedule-corpus")
BIG_ROWS = 1_000_000

# The schedule fuzzer's seeds as files (their first byte, the fuzzer's settings, left off):
# seed, the file's name, the page's language, picked or dropped.
FILES = [
    ("readme-csv", "schedule.csv", "en-US", "pick"),
    ("utf8-mark-csv", "marked.csv", "en-US", "drop"),
    ("semicolon-decimal-comma", "german.csv", "de-DE", "pick"),
    ("semicolon-decimal-comma", "semicolons.csv", "en-US", "drop"),
    ("unicode-text", "unicode.txt", "en-US", "drop"),
    ("utf16le-without-mark", "unmarked.txt", "de-DE", "pick"),
    ("utf16be-text", "big-endian.tsv", "en-US", "pick"),
    ("workbook-xlsx", "workbook.xlsx", "en-US", "drop"),
]

# Hands a file from the test's server to the page, as picked or as dropped, waits for its
# results and returns them: the summary, the download's name, the unsolved rows shown and the
# count of the rest, the time taken and the longest wait between two moves of the progress
# bar, in milliseconds.
CHECK_FILE = """
const [url, name, how, frameId, done] = arguments;
const doc = frameId ? document.getElementById(frameId).contentDocument : document;
const view = doc.defaultView;
const byId = (id) => doc.getElementById(id);
fetch(url).then((r) => r.blob()).then((blob) => {
  const transfer = new view.DataTransfer();
  transfer.items.add(new view.File([blob], name));
  const moves = [];
  let last = -1;
  byId("schedule").dataset.state = "";
  const started = performance.now();
  if (how === "pick") {
    byId("schedule-file").files = transfer.files;
    byId("schedule-file").dispatchEvent(new view.Event("change", { bubbles: true }));
  } else {
    doc.body.dispatchEvent(new view.DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }
  const watch = setInterval(() => {
    const value = byId("schedule-progress").value;
    if (value !== last) { moves.push(performance.now()); last = value; }
  }, 5);
  // The results are in the page as soon as its state says so, before they are drawn.
  new view.MutationObserver((_, observer) => {
    if (byId("schedule").dataset.state !== "done") return;
    observer.disconnect();
    clearInterval(watch);
    const ms = performance.now() - started;
    moves.push(performance.now());
    const waits = moves.map((t, i) => t - (i ? moves[i - 1] : started));
    const link = byId("schedule-download");
    done({ summary: byId("schedule-summary").textContent, ms, longestWait: Math.max(...waits),
      name: link.hidden ? null : link.download, unsolved: [...byId("schedule-unsolved").tBodies[0].rows].map(
        (row) => [row.cells[0].textContent, [...row.cells[1].children].map((c) => c.textContent), row.cells[2].textContent]),
      more: byId("schedule-more").textContent });
  }).observe(byId("schedule"), { attributes: true, attributeFilter: ["data-state"] });
});
"""

# The checked file offered for download, as base64 or, for a big file, its SHA-256.
READ_DOWNLOAD = """
const [digestOnly, done] = arguments;
const link = document.getElementById("schedule-download");
if (link.hidden) { done(null); return; }
fetch(link.href).then((r) => r.arrayBuffer()).then(async (bytes) => {
  if (digestOnly) {
    done([...new Uint8Array(await crypto.subtle.digest("SHA-256", bytes))]
      .map((b) => b.toString(16).padStart(2, "0")).join(""));
    return;
  }
  let text = "";
  new Uint8Array(bytes).forEach((b) => { text += String.fromCharCode(b); });
  done(btoa(text));
});
"""


class FileServer:
    """The test's files on 127.0.0.1, on a free port, readable from the page's origin."""

    class Handler(http.server.SimpleHTTPRequestHandler):
        def end_headers(self):
            self.send_header("Access-Control-Allow-Origin", "*")
            super().end_headers()

        def log_message(self, format, *args):
            pass

    def __init__(self, folder):
        handler = functools.partial(self.Handler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class PeakSampler:
    """The largest of `sample()` while it runs, read every 20 ms."""

    def __init__(self, sample):
        self.sample, self.peak, self.running = sample, 0, sample is not None
        self.thread = threading.Thread(target=self.watch, daemon=True)
        if self.running:
            self.thread.start()

    def watch(self):
        while self.running:
            self.peak = max(self.peak, self.sample())
            time.sleep(0.02)

    def stop(self):
        if self.running:
            self.running = False
            self.thread.join()
        return self.peak


def native(varnel_calc, path, lang):
    """What varnel-calc writes, its summary without its name, whether it refused the file (exit
    status 2) and the seconds it took."""
    started = time.monotonic()
    run = subprocess.run([varnel_calc, "--batch", path, "--locale", lang.replace("-", "_")],
                         capture_output=True, check=False)
    summary = run.stderr.decode().removeprefix("varnel-calc: ").rstrip("\n")
    return run.stdout, summary, run.returncode == 2, time.monotonic() - started


def check_file(engine, page_url, files, name, lang, how, fresh=True, frame=None):
    """A file checked in a page opened afresh or, where not `fresh`, in the page as it is, or
    in the page in the iframe `frame`."""
    if fresh:
        engine.navigate(f"{page_url}?lang={lang}")
    engine.set_script_timeout(120)
    return engine.execute_async_script(CHECK_FILE, files.url + name, name, how, frame)


def download(engine, digest_only=False):
    return engine.execute_async_script(READ_DOWNLOAD, digest_only)


def check_seeds(engine, page_url, varnel_calc, checks, table=FILES, fresh=True):
    """The seeds of `table` through the page, each held against varnel-calc."""
    with tempfile.TemporaryDirectory(prefix="varnel-schedules-") as folder:
        files = FileServer(folder)
        try:
            for row in table:
                check_seed(engine, page_url, files, folder, varnel_calc, checks, row, fresh)
        finally:
            files.stop()


def check_seed(engine, page_url, files, folder, varnel_calc, checks, row, fresh):
    seed, name, lang, how = row
    with open(os.path.join(SEEDS, seed), "rb") as source, open(os.path.join(folder, name), "wb") as file:
        file.write(source.read()[1:])
    path = os.path.join(folder, name)
    want, summary, refused, _ = native(varnel_calc, path, lang)
    got = check_file(engine, page_url, files, name, lang, how, fresh)
    # varnel-calc names the file by its path, the page by its name; all solved, it is silent.
    checks.equal(f"{name} {how}ped in {lang}: the summary", got["summary"].replace(name, path),
                 summary or got["summary"].removesuffix(" rows checked, all solved") + " rows checked, all solved")
    checks.equal(f"{name}: the download", got["name"], None if refused else name.replace(".", "-checked."))
    checks.equal(f"{name}: byte for byte as varnel-calc", base64.b64decode(download(engine) or ""),
                 b"" if refused else want)


def big_schedule(path, rows, every=997):
    """A TSV of circuits, every `every`th row blank but for its name (a message)."""
    with open(path, "w", encoding="utf-8") as file:
        file.write("circuit\tsize\tsize unit\tlength\tlength unit\tresistance\n")
        for i in range(rows):
            size, length = ("", "") if i % every == 0 else (f"{i % 400 / 10 + 0.5:.1f}", str(100 + i % 9000))
            file.write(f"C{i:07d}\t{size}\tawg\t{length}\tft\t\n")


def check_big(engine, page_url, files, folder, varnel_calc, checks, renderer_rss):
    """1,000 rows in a page opened afresh, which starts the module; then a million in the same
    page, timed with the module started as varnel-calc's time is with the program loaded. On a
    shared machine each is timed as benchmarks are: the fastest of RUNS."""
    for rows, runs in ((1000, 1), (BIG_ROWS, 2)):
        name = f"rows-{rows}.tsv"
        big_schedule(os.path.join(folder, name), rows)
        want, summary, _, _ = native(varnel_calc, os.path.join(folder, name), "en-US")
        native_s = min(native(varnel_calc, os.path.join(folder, name), "en-US")[3] for _ in range(runs + 1))
        sampler = PeakSampler(renderer_rss)
        tries = [check_file(engine, page_url, files, name, "en-US", "pick", fresh=rows != BIG_ROWS) for _ in range(runs)]
        got = min(tries, key=lambda run: run["ms"])
        peak = sampler.stop()
        checks.equal(f"{rows} rows: the summary", got["summary"], summary)
        checks.equal(f"{rows} rows: byte for byte as varnel-calc", download(engine, True), hashlib.sha256(want).hexdigest())
        shown = min(1000, rows // 997 + 1)
        checks.equal(f"{rows} rows: unsolved rows shown", len(got["unsolved"]), shown)
        memory = f", the tab's peak memory {peak / 2**20:.0f} MiB" if peak else ""
        times = ", ".join(f"{run['ms'] / 1000:.2f}" for run in tries)
        print(f"schedule of {rows} rows ({os.path.getsize(os.path.join(folder, name)) / 1e6:.1f} MB): the page "
              f"{times} s, varnel-calc {native_s:.2f} s (fastest of "
              f"{runs + 1}), progress moved at least every {max(run['longestWait'] for run in tries):.0f} ms{memory}")
        if rows == BIG_ROWS:
            checks.equal(f"{rows} rows: the rest counted", got["more"], f"and {rows // 997 + 1 - 1000} more rows not solved")
            checks.equal(f"{rows} rows: within 3 times varnel-calc's time", got["ms"] / 1000 <= 3 * native_s, True)
            checks.equal(f"{rows} rows: the progress moved at least every half second", got["longestWait"] <= 500, True)


def check_phone(engine, checks, frame):
    fit = engine.execute_script(
        "const doc = document.getElementById(arguments[0]).contentDocument;"
        "const width = doc.defaultView.innerWidth;"
        "const box = doc.getElementById('schedule-unsolved-box');"
        "const button = doc.getElementById('schedule-button').getBoundingClientRect();"
        "return [width <= 440, doc.documentElement.scrollWidth <= width,"
        " box.getBoundingClientRect().right <= width, box.scrollHeight > box.clientHeight,"
        " button.width >= 44 && button.height >= 44];", frame)
    checks.equal("at phone width: narrow, no sideways scroll, the table inside it, scrolling, the button 44 px",
                 fit, [True, True, True, True, True])


def check_axe(engine, axe_source, checks):
    engine.execute_script(axe_source)
    passed, violations = engine.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "axe.run(document).then(r => done([r.passes.length,"
        " r.violations.map(v => [v.id, v.impact, v.nodes.length])]));")
    print(f"axe-core with a schedule's results: {passed} rules passed, {len(violations)} violated")
    for violation in violations:
        print(f"axe-core with a schedule's results: {violation[0]} ({violation[1]}, {violation[2]} nodes)")
    checks.equal("axe-core with a schedule's results: no serious or critical violation",
                 [v for v in violations if v[1] in ("serious", "critical")], [])


# The README's schedule with two more rows that are not solved, for the picture.
PICTURE_SCHEDULE = ("circuit,size,size unit,length,length unit,resistance,note\r\n"
                    "P1,10,,150,,,\"feeds pump 1, north\"\r\nP2,4/0,awg,,m,0.05,\"main \"\"A\"\" feeder\"\r\n"
                    "L3,2.5,mm2,40,m,,\r\nL4,12,,,,,spare\r\nL5,2.5,mm,40,m,,\r\nL6,1/O,,40,,,\r\n")


def screenshot(engine, page_url, phone, path):
    """The section, in the page at a phone's width, after a schedule with unsolved rows."""
    with tempfile.TemporaryDirectory(prefix="varnel-schedules-") as folder:
        with open(os.path.join(folder, "schedule.csv"), "w", encoding="utf-8") as file:
            file.write(PICTURE_SCHEDULE)
        files = FileServer(folder)
        try:
            frame = phone()
            check_file(engine, page_url, files, "schedule.csv", "en-US", "pick", fresh=False, frame=frame)
        finally:
            files.stop()
    engine.execute_script("document.getElementById(arguments[0]).contentDocument"
                          ".getElementById('schedule').scrollIntoView()", frame)
    engine.screenshot(frame, path)


def run(engine, page_url, varnel_calc, checks, phone, axe_source=None, renderer_rss=None):
    """Every check above: the million rows where `renderer_rss` is given, axe-core where
    `axe_source` is."""
    check_seeds(engine, page_url, varnel_calc, checks)
    with tempfile.TemporaryDirectory(prefix="varnel-schedules-") as folder:
        files = FileServer(folder)
        try:
            if renderer_rss:
                check_big(engine, page_url, files, folder, varnel_calc, checks, renderer_rss)
            else:
                big_schedule(os.path.join(folder, "rows-1000.tsv"), 1000)
            big_schedule(os.path.join(folder, "unsolved.tsv"), 60, every=1)
            frame = phone()
            check_file(engine, page_url, files, "unsolved.tsv", "en-US", "drop", fresh=False, frame=frame)
            check_phone(engine, checks, frame)
            check_file(engine, page_url, files, "unsolved.tsv", "en-US", "drop")
            second = check_file(engine, page_url, files, "rows-1000.tsv", "en-US", "pick", fresh=False)
            checks.equal("a second file replaces the first's results",
                         [second["summary"][:9], len(second["unsolved"]), second["more"]], ["2 of 1000", 2, ""])
            if axe_source:
                check_axe(engine, axe_source, checks)
        finally:
            files.stop()
