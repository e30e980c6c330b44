// Varnel's page: Form1 wired to the core. Every rule of a press and of the unit cycles is the
// core's (varnel-core.wasm, through the C interface of press_exports.h); this script only
// carries the texts to it and presents what it answers.
"use strict";

const $ = (id) => document.getElementById(id);

// ---- Numbers in the user's language -------------------------------------------------------

// The decimal and group separators of ?lang=TAG or, without it, of the browser's languages.
function numberFormat() {
  const tag = new URLSearchParams(location.search).get("lang");
  // A tag the engine refuses (WebKitGTK hands on a POSIX locale's "C" as a language) falls
  // back on the next source, and last on the engine's own default.
  let format;
  for (const languages of [tag, navigator.languages, undefined]) {
    try {
      format = new Intl.NumberFormat(languages || undefined);
      break;
    } catch {
      continue;
    }
  }
  const parts = format.formatToParts(-1234567.5);
  const part = (type) => (parts.find((p) => p.type === type) || { value: "" }).value;
  return { decimal: part("decimal") || ".", group: part("group"), minus: part("minusSign") || "-" };
}

// ---- The core -----------------------------------------------------------------------------

const OUTCOME = ["solved", "refused", "faulted"];

function coreCalls(core) {
  const word = (pointer, index) => core.getValue(pointer + 4 * index, "i32");
  const text = (pointer, index) => core.UTF8ToString(word(pointer, index));
  const step = (name, index) => {
    const answer = core.ccall(name, "number", ["number"], [index]);
    return { index: word(answer, 0), name: text(answer, 1) };
  };
  return {
    press(texts, sizeIndex, lengthIndex, format) {
      const answer = core.ccall(
        "VarnelPress", "number",
        ["string", "string", "string", "number", "number", "string", "string", "string"],
        [texts.WIRESIZE, texts.WIRELENGTH, texts.RESISTANCE, sizeIndex, lengthIndex,
          format.decimal, format.group, format.minus]);
      return {
        kind: OUTCOME[word(answer, 0)],
        field: text(answer, 1),
        text: text(answer, 2),
        fieldToMend: text(answer, 3),
      };
    },
    nextSizeUnit: (index) => step("VarnelNextSizeUnit", index),
    nextLengthUnit: (index) => step("VarnelNextLengthUnit", index),
    ...drawingRules(core),
    announcement: (field, written, wireUnit, lengthUnit) => core.ccall(
      "VarnelAnnouncement", "string", ["string", "string", "string", "string"],
      [field, written, wireUnit, lengthUnit]),
  };
}

// The window's drawing rules, called with the box's own width measure, which the module calls
// back through one function added to its table: the painted text of a box too narrow for its
// text (cut in the middle, keeping its head and whole exponent, the face shrunk in quarter
// points), and the largest face in which every one of some texts fits.
function drawingRules(core) {
  let measure = null;
  const width = core.addFunction((text, size) => measure(core.UTF16ToString(text), size), "did");
  const utf16 = (text) => {
    const bytes = 2 * text.length + 2;
    const pointer = core._malloc(bytes);
    core.stringToUTF16(text, pointer, bytes);
    return pointer;
  };
  const call = (name, resultType, texts, numbers, textWidth) => {
    const pointers = texts.map(utf16);
    measure = textWidth;
    try {
      return core.ccall(name, resultType, [...pointers, ...numbers].map(() => "number"),
        [...pointers, ...numbers, width]);
    } finally {
      pointers.forEach((pointer) => core._free(pointer));
    }
  };
  return {
    paintedIn(text, decimal, room, pointSize, textWidth) {
      const answer = call("VarnelPaintedIn", "number", [text, decimal], [room, pointSize], textWidth);
      return { size: core.getValue(answer, "double"), text: core.UTF16ToString(core.getValue(answer + 8, "i32")) };
    },
    fittedFace: (texts, room, pointSize, textWidth) =>
      call("VarnelFittedFace", "number", [texts.join("\n")], [room, pointSize], textWidth),
  };
}

// ---- Form1 --------------------------------------------------------------------------------

const NUMBER_BOXES = ["WIRESIZE", "WIRELENGTH", "RESISTANCE"];
const ALL_BOXES = [...NUMBER_BOXES, "WIREUNIT", "LENGTHUNIT"];
const PIXELS_PER_POINT = 96 / 72;

class Form1 {
  constructor(calls, format) {
    this.calls = calls;
    this.format = format;
    this.sizeIndex = 0;
    this.lengthIndex = 0;
    this.canvas = document.createElement("canvas").getContext("2d");
    this.overlays = new Map(ALL_BOXES.map((id) => [id, this.overlayFor($(id))]));
    this.wire();
    this.fitUnitFaces();
    this.paintAll();
  }

  wire() {
    $("Command1").addEventListener("click", () => this.calculate());
    $("Command2").addEventListener("click", () => this.changeSizeUnit());
    $("Command3").addEventListener("click", () => this.changeLengthUnit());
    for (const id of NUMBER_BOXES) {
      const box = $(id);
      box.addEventListener("input", () => this.announce(""));
      box.addEventListener("beforeinput", (event) => this.insertFirstLine(box, event));
    }
    for (const id of ALL_BOXES) {
      const box = $(id);
      // WebKit selects a box's text entered by the keyboard only after its focus handlers, so
      // the start is shown again once the focus has settled.
      box.addEventListener("focus", () => {
        this.showStartOfSelection(box);
        setTimeout(() => this.showStartOfSelection(box), 0);
        this.paint(id);
      });
      box.addEventListener("blur", () => this.paint(id));
      box.addEventListener("input", () => this.paint(id));
    }
    new ResizeObserver(() => {
      this.fitUnitFaces();
      this.paintAll();
    }).observe($("Form1"));
    // OK and Esc close the message and move the focus at once, in the same task.
    $("message-ok").addEventListener("click", () => this.dismissMessage());
    $("message").addEventListener("cancel", (event) => {
      event.preventDefault();
      this.dismissMessage();
    });
  }

  // A paste or a drop keeps the inserted text up to its first line break, as a cell copied
  // from a spreadsheet arrives.
  insertFirstLine(box, event) {
    if (event.inputType !== "insertFromPaste" && event.inputType !== "insertFromDrop") return;
    const inserted = event.dataTransfer ? event.dataTransfer.getData("text/plain") : event.data;
    const firstLine = (inserted ?? "").split(/[\r\n]/u, 1)[0];
    if (firstLine === inserted) return;
    event.preventDefault();
    box.setRangeText(firstLine, box.selectionStart, box.selectionEnd, "end");
    box.dispatchEvent(new Event("input", { bubbles: true }));
  }

  // A box entered by the keyboard has its whole text selected: the caret goes to the start, so
  // that the box shows the start of a long text while the whole of it is still selected.
  showStartOfSelection(box) {
    if (box.value && box.selectionStart === 0 && box.selectionEnd === box.value.length) {
      box.setSelectionRange(0, box.value.length, "backward");
      box.scrollLeft = 0;
    }
  }

  calculate() {
    this.announce("");
    const texts = Object.fromEntries(NUMBER_BOXES.map((id) => [id, $(id).value]));
    const outcome = this.calls.press(texts, this.sizeIndex, this.lengthIndex, this.format);
    if (outcome.kind === "solved") {
      this.write(outcome.field, outcome.text);
      this.announceWritten(outcome.field);
    } else {
      this.showMessage(outcome.text, outcome.fieldToMend);
    }
  }

  changeSizeUnit() {
    const step = this.calls.nextSizeUnit(this.sizeIndex);
    this.sizeIndex = step.index;
    this.writeUnit("WIREUNIT", step.name);
  }

  changeLengthUnit() {
    const step = this.calls.nextLengthUnit(this.lengthIndex);
    this.lengthIndex = step.index;
    this.writeUnit("LENGTHUNIT", step.name);
  }

  writeUnit(id, name) {
    this.announce("");
    this.write(id, name);
    this.announceWritten(id);
  }

  // A written text is shown from its first character.
  write(id, text) {
    const box = $(id);
    box.value = text;
    box.scrollLeft = 0;
    this.paint(id);
  }

  // What the desktop tells screen readers: "RESISTANCE 0.999933931240995 ohms" after a solve,
  // "CIRCULAR MILS" after a CHANGE.
  announceWritten(field) {
    this.announce(this.calls.announcement(field, $(field).value, $("WIREUNIT").value,
      $("LENGTHUNIT").value));
  }

  announce(text) {
    $("announcement").textContent = text;
  }

  showMessage(text, fieldToMend) {
    this.fieldToMend = fieldToMend;
    this.focusBefore = document.activeElement;
    $("message-text").textContent = text;
    $("message").showModal();
  }

  // After a message that an input is not understood, the focus is in that field with its text
  // selected from the start; after any other, it is back where it was.
  dismissMessage() {
    $("message").close();
    const mend = this.fieldToMend && $(this.fieldToMend);
    if (mend) {
      mend.focus();
      mend.select();
      this.showStartOfSelection(mend);
    } else if (this.focusBefore) {
      this.focusBefore.focus();
    }
    this.fieldToMend = "";
  }

  // The unit boxes take the largest face, in quarter points and never above the one the layout
  // gives them, at which every unit name is shown whole.
  fitUnitFaces() {
    const names = [$("WIREUNIT").defaultValue, $("LENGTHUNIT").defaultValue];
    for (const next of [this.calls.nextSizeUnit, this.calls.nextLengthUnit]) {
      let step = next(0);
      names.push(step.name);
      while (step.index !== 0) {
        step = next(step.index);
        names.push(step.name);
      }
    }
    const box = $("WIREUNIT");
    for (const id of ["WIREUNIT", "LENGTHUNIT"]) $(id).style.removeProperty("--box-pt");
    const size = this.calls.fittedFace(names, this.room(box), this.points(box),
      (text, points) => this.width(box, text, points));
    for (const id of ["WIREUNIT", "LENGTHUNIT"]) $(id).style.setProperty("--box-pt", size);
  }

  overlayFor(box) {
    const overlay = document.createElement("span");
    overlay.className = "painted-text";
    overlay.setAttribute("aria-hidden", "true");
    overlay.style.display = "none";
    overlay.style.zIndex = "21";
    box.after(overlay);
    return overlay;
  }

  // The size of a box's face in points.
  points(box) {
    return parseFloat(getComputedStyle(box).fontSize) / PIXELS_PER_POINT;
  }

  width(box, text, points) {
    const style = getComputedStyle(box);
    this.canvas.font = `${points * PIXELS_PER_POINT}px ${style.fontFamily}`;
    return this.canvas.measureText(text).width;
  }

  // The width a box's text has: its border box less its borders and paddings, which every
  // engine gives alike (Firefox leaves an input's paddings out of its clientWidth, Chromium
  // and WebKit do not).
  room(box) {
    const style = getComputedStyle(box);
    const edges = ["borderLeftWidth", "borderRightWidth", "paddingLeft", "paddingRight"];
    return edges.reduce((room, edge) => room - parseFloat(style[edge]), box.getBoundingClientRect().width);
  }

  // Lays the overlay over the box, in either layout: at the box's place within the form.
  cover(box, overlay) {
    const style = getComputedStyle(box);
    for (const property of ["paddingLeft", "paddingRight", "lineHeight", "borderWidth", "borderStyle"]) {
      overlay.style[property] = style[property];
    }
    const place = box.getBoundingClientRect();
    const form = $("Form1").getBoundingClientRect();
    overlay.style.left = `${place.left - form.left}px`;
    overlay.style.top = `${place.top - form.top}px`;
    overlay.style.width = `${place.width}px`;
    overlay.style.height = `${place.height}px`;
    overlay.style.borderColor = "transparent";
    overlay.style.display = "flex";
    overlay.style.alignItems = "center";
  }

  paintAll() {
    for (const id of ALL_BOXES) this.paint(id);
  }

  paint(id) {
    const box = $(id);
    const overlay = this.overlays.get(id);
    const points = this.points(box);
    const room = this.room(box);
    const fits = this.width(box, box.value, points) <= room;
    box.title = fits ? "" : box.value;
    if (document.activeElement === box || fits) {
      box.classList.remove("painted");
      overlay.style.display = "none";
      return;
    }
    const painted = this.calls.paintedIn(box.value, this.format.decimal, room, points,
      (text, size) => this.width(box, text, size));
    this.cover(box, overlay);
    overlay.style.fontSize = `${painted.size * PIXELS_PER_POINT}px`;
    overlay.textContent = painted.text;
    box.classList.add("painted");
  }
}

// ---- Start --------------------------------------------------------------------------------

async function start() {
  const core = await VarnelCore();
  performance.mark("varnel-core");
  new Form1(coreCalls(core), numberFormat());
  document.documentElement.dataset.ready = "true";
  performance.mark("varnel-usable");
  // Only once the page is usable, so that caching the site does not slow its first start.
  if ("serviceWorker" in navigator) {
    navigator.serviceWorker.register("sw.js");
  }
}

$("WIRESIZE").focus();
start();
