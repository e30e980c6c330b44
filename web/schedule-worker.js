// Varnel's schedule check, off the page's thread: the schedule library as WebAssembly
// (varnel-schedule.wasm, through the C interface of schedule_exports.h) reads the file in
// slices and hands back the checked file in pieces, kept as a Blob of pieces. Every rule of a
// schedule is the module's; this only carries bytes to it and back.
"use strict";

importScripts("varnel-schedule.js");

const SLICE = 1 << 18;
const PROGRESS_EVERY_MS = 100;
let started = null;

// The file's next bytes into the module's memory, from slices read synchronously as a worker
// may; progress is reported as the slices are read.
function pieceReader(module, file, report) {
  const reader = new FileReaderSync();
  let slice = new Uint8Array(0);
  let used = 0;
  let offset = 0;
  let reported = 0;
  return (pointer, capacity) => {
    if (used === slice.length) {
      if (offset >= file.size) return 0;
      try {
        slice = new Uint8Array(reader.readAsArrayBuffer(file.slice(offset, offset + SLICE)));
      } catch {
        return -1;
      }
      used = 0;
      offset += slice.length;
      if (performance.now() - reported >= PROGRESS_EVERY_MS || offset >= file.size) {
        reported = performance.now();
        report(offset);
      }
    }
    const bytes = slice.subarray(used, used + capacity);
    module.HEAPU8.set(bytes, pointer);
    used += bytes.length;
    return bytes.length;
  };
}

const utf8 = new TextDecoder();

function check(module, { id, file, language, format }) {
  const pieces = [];
  const unsolved = [];
  const text = (pointer, size) => utf8.decode(module.HEAPU8.subarray(pointer, pointer + size));
  module.readPiece = pieceReader(module, file, (done) => postMessage({ id, progress: done / file.size }));
  // Each piece leaves the worker's memory at once, as a Blob of its own.
  module.writePiece = (pointer, size) => pieces.push(new Blob([module.HEAPU8.slice(pointer, pointer + size)]));
  module.unsolvedRow = (line, cells, sizes, count, message, messageSize) => {
    const word = (base, index) => module.HEAP32[(base >> 2) + index];
    const row = [];
    for (let i = 0; i < count; ++i) row.push(text(word(cells, i), word(sizes, i)));
    unsolved.push({ line, cells: row, message: text(message, messageSize) });
  };
  const result = module.ccall("VarnelCheckSchedule", "number",
    ["string", "string", "string", "string", "string"],
    [file.name, language, format.decimal, format.group, format.minus]);
  const refused = module.getValue(result, "i32") !== 0;
  postMessage({
    id,
    summary: module.UTF8ToString(module.getValue(result + 4, "i32")),
    rows: module.getValue(result + 8, "double"),
    unsolvedCount: module.getValue(result + 16, "double"),
    unsolved,
    checked: refused ? null : new Blob(pieces, { type: file.type || "text/plain" }),
  });
}

onmessage = (event) => {
  started ??= VarnelSchedule();
  started.then((module) => check(module, event.data));
};
