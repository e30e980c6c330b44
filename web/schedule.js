// The page's schedule check: a file picked with CHECK A SCHEDULE or dropped anywhere on the
// page is checked in a worker (schedule-worker.js) by the schedule library as WebAssembly,
// started on the first file, and its results shown below the window. Nothing leaves the
// machine. This script only carries the file to the worker and presents what comes back.
"use strict";

(() => {
  const byId = (id) => document.getElementById(id);
  let worker = null;
  let download = null;
  let latest = 0; // the check whose results are shown; a later file's replaces an earlier's

  // The page's number language as a locale name: ?lang=de-DE or the browser's, as de_DE.
  function language() {
    const tag = new URLSearchParams(location.search).get("lang") || navigator.language || "en-US";
    return tag.replace("-", "_");
  }

  // schedule.csv is offered back as schedule-checked.csv.
  function checkedName(name) {
    const dot = name.lastIndexOf(".");
    return dot > 0 ? `${name.slice(0, dot)}-checked${name.slice(dot)}` : `${name}-checked`;
  }

  function cell(row, text, tag = "td") {
    const element = document.createElement(tag);
    element.textContent = text;
    row.append(element);
    return element;
  }

  function showUnsolved(result) {
    const body = byId("schedule-unsolved").tBodies[0];
    body.replaceChildren();
    for (const { line, cells, message } of result.unsolved) {
      const row = body.insertRow();
      cell(row, String(line), "th").scope = "row";
      const shown = cell(row, "");
      for (const text of cells) cell(shown, text, "span").className = "schedule-cell";
      cell(row, message);
    }
    const rest = result.unsolvedCount - result.unsolved.length;
    byId("schedule-more").textContent = rest > 0 ? `and ${rest} more rows not solved` : "";
    byId("schedule-unsolved-box").hidden = result.unsolved.length === 0;
  }

  function showResult(file, result) {
    const summary = result.summary || `${result.rows} ${result.rows === 1 ? "row" : "rows"} checked, all solved`;
    byId("schedule-summary").textContent = summary;
    const link = byId("schedule-download");
    if (download) URL.revokeObjectURL(download);
    download = result.checked ? URL.createObjectURL(result.checked) : null;
    link.hidden = !download;
    if (download) {
      link.href = download;
      link.download = checkedName(file.name);
      link.textContent = `Download ${link.download}`;
    }
    showUnsolved(result);
    byId("schedule-progress").hidden = true;
    byId("schedule").dataset.state = "done";
  }

  function check(file) {
    if (!file) return;
    worker ??= new Worker("schedule-worker.js");
    const progress = byId("schedule-progress");
    progress.value = 0;
    progress.hidden = false;
    byId("schedule").dataset.state = "checking";
    byId("schedule-summary").textContent = `Checking ${file.name}\u2026`;
    const id = ++latest;
    worker.onmessage = ({ data }) => {
      if (data.id !== latest) return;
      if ("progress" in data) progress.value = data.progress;
      else showResult(file, data);
    };
    // numberFormat() is varnel.js's: the separators of the page's presses, for a language the
    // module has no table for.
    worker.postMessage({ id, file, language: language(), format: numberFormat() });
  }

  byId("schedule-button").addEventListener("click", () => byId("schedule-file").click());
  byId("schedule-file").addEventListener("change", (event) => {
    check(event.target.files[0]);
    event.target.value = "";
  });
  // A file dropped anywhere on the page is checked; dropped text still goes into the boxes.
  const carriesFiles = (event) => event.dataTransfer && [...event.dataTransfer.types].includes("Files");
  document.addEventListener("dragover", (event) => {
    if (carriesFiles(event)) event.preventDefault();
  });
  document.addEventListener("drop", (event) => {
    if (!carriesFiles(event)) return;
    event.preventDefault();
    check(event.dataTransfer.files[0]);
  });
})();
