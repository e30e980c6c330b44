// Varnel's page: Form1 wired to the core. Every rule of a press and of the unit cycles is the
// core's (varnel-core.wasm, through the C interface of press_exports.h); this script only
// carries the texts to it and presents what it answers.
"use strict";

const $ = (id) => document.getElementById(id);

// ---- Numbers in the user's language -------------------------------------------------------

// The decimal and group separators of ?lang=TAG or, without it, of the browser's languages.
function numberFormat() {
  const tag = new URLSearchParams(location.search).get("lang");
  let format;
  try {
    format = new Intl.NumberFormat(tag || navigator.languages || undefined);
  } catch {
    format = new Intl.NumberFormat(navigator.languages || undefined);
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
  };
}

// ---- What a box paints while it has no focus ---------------------------------------------
// A text wider than its box is cut in the middle with an ellipsis, keeping its head (sign and
// whole part) and its whole exponent, with as many digits between as fit; the face shrinks in
// quarter points down to 6 points where even that does not fit. The desktop paints the same.

const ELLIPSIS = "\u2026";
const FACE_STEP = 0.25;
const SMALLEST_FACE = 6;

const isSign = (c) => c === "+" || c === "-";
const isSpace = (c) => /\s/u.test(c);
const isDigit = (c) => /\p{Nd}/u.test(c);
const isLetter = (c) => /\p{L}/u.test(c);

function headEnd(text, decimal) {
  let end = 0;
  while (end < text.length && isSpace(text[end])) ++end;
  if (end < text.length && isSign(text[end])) ++end;
  const atSeparator = () => text.startsWith(decimal, end);
  if (end === text.length || (!isDigit(text[end]) && !atSeparator())) return 0;
  while (end < text.length && !isLetter(text[end]) && !atSeparator()) ++end;
  return end;
}

function exponentStart(text, from) {
  let start = text.length;
  while (start > from && isSpace(text[start - 1])) --start;
  const digitsEnd = start;
  while (start > from && isDigit(text[start - 1])) --start;
  if (start > from && start < digitsEnd && isSign(text[start - 1])) --start;
  const marked = start > from && start < digitsEnd && text[start - 1].toUpperCase() === "E";
  return marked ? start - 1 : text.length;
}

function splitNumber(text, decimal) {
  const head = headEnd(text, decimal);
  const exponent = head === 0 ? text.length : exponentStart(text, head);
  return {
    head: text.slice(0, head).trim(),
    middle: text.slice(head, exponent),
    exponent: text.slice(exponent),
  };
}

function cutText(parts, kept, decimal) {
  let start = parts.middle.slice(0, kept);
  if (start.endsWith(decimal)) start = start.slice(0, -decimal.length);
  if (/[\uD800-\uDBFF]$/u.test(start)) start = start.slice(0, -1);
  return parts.head + start + ELLIPSIS + parts.exponent;
}

function longestCut(parts, decimal, room, size, width) {
  const fits = (kept) => width(cutText(parts, kept, decimal), size) <= room;
  if (parts.middle.length === 0 || !fits(0)) return null;
  let fitting = 0;
  let tooMany = parts.middle.length;
  while (tooMany - fitting > 1) {
    const tried = fitting + Math.floor((tooMany - fitting) / 2);
    if (fits(tried)) fitting = tried;
    else tooMany = tried;
  }
  return cutText(parts, fitting, decimal);
}

function paintedIn(text, decimal, room, pointSize, width) {
  const parts = splitNumber(text, decimal);
  const smallest = Math.min(pointSize, SMALLEST_FACE);
  for (let size = pointSize; size >= smallest; size -= FACE_STEP) {
    if (width(text, size) <= room) return { text, size };
    const cut = longestCut(parts, decimal, room, size, width);
    if (cut !== null) return { text: cut, size };
  }
  const startOnly = { head: "", middle: text, exponent: "" };
  return { text: longestCut(startOnly, decimal, room, smallest, width) ?? ELLIPSIS, size: smallest };
}

// ---- Form1 --------------------------------------------------------------------------------

const NUMBER_BOXES = ["WIRESIZE", "WIRELENGTH", "RESISTANCE"];
const ALL_BOXES = [...NUMBER_BOXES, "WIREUNIT", "LENGTHUNIT"];
const BOX_POINTS = 8.25;

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
      box.addEventListener("focus", () => {
        this.showStartOfSelection(box);
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
      this.announceResult(outcome.field);
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
    this.announce(`${$(id).getAttribute("aria-label")} ${name}`);
  }

  // A written text is shown from its first character.
  write(id, text) {
    const box = $(id);
    box.value = text;
    box.scrollLeft = 0;
    this.paint(id);
  }

  // "RESISTANCE 0.999933931240995 ohms", as the desktop tells screen readers.
  announceResult(field) {
    const unit = { WIRESIZE: $("WIREUNIT").value, WIRELENGTH: $("LENGTHUNIT").value };
    const name = document.querySelector(`label[for=${field}]`).textContent;
    this.announce(`${name} ${$(field).value.trim()} ${unit[field] ?? "ohms"}`);
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

  // The unit boxes take the largest face, in quarter points and never above the boxes' own, at
  // which every unit name is shown whole.
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
    const room = this.room(box);
    let size = BOX_POINTS;
    while (size > SMALLEST_FACE && names.some((name) => this.width(box, name, size) > room)) {
      size -= FACE_STEP;
    }
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

  // CSS pixels a point takes at the page's present scale.
  pixelsPerPoint(box) {
    const points = Number(box.style.getPropertyValue("--box-pt")) || BOX_POINTS;
    return parseFloat(getComputedStyle(box).fontSize) / points;
  }

  width(box, text, points) {
    const style = getComputedStyle(box);
    this.canvas.font = `${points * this.pixelsPerPoint(box)}px ${style.fontFamily}`;
    return this.canvas.measureText(text).width;
  }

  room(box) {
    const style = getComputedStyle(box);
    return box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  }

  paintAll() {
    for (const id of ALL_BOXES) this.paint(id);
  }

  paint(id) {
    const box = $(id);
    const overlay = this.overlays.get(id);
    const points = Number(box.style.getPropertyValue("--box-pt")) || BOX_POINTS;
    const room = this.room(box);
    const fits = this.width(box, box.value, points) <= room;
    box.title = fits ? "" : box.value;
    if (document.activeElement === box || fits) {
      box.classList.remove("painted");
      overlay.style.display = "none";
      return;
    }
    const painted = paintedIn(box.value, this.format.decimal, room, points,
      (text, size) => this.width(box, text, size));
    const style = getComputedStyle(box);
    for (const property of ["left", "top", "width", "height", "paddingLeft", "paddingRight",
      "lineHeight", "borderWidth", "borderStyle"]) {
      overlay.style[property] = style[property];
    }
    overlay.style.borderColor = "transparent";
    overlay.style.display = "flex";
    overlay.style.alignItems = "center";
    overlay.style.fontSize = `${painted.size * this.pixelsPerPoint(box)}px`;
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
