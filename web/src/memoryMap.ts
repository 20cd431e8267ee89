import type { Document } from "../engine/engine";
import { openDialog } from "./dialogs";
import { h } from "./dom";
import type { Texts } from "./texts";

const BYTES_PER_ROW = 16;
const SIZE = 4096;

const hex = (value: number, digits: number) => value.toString(16).toUpperCase().padStart(digits, "0");

// The hidden memory map: every byte in radio address order, two hex digits
// each; OK puts the bytes back as one undo step.
export async function memoryMapDialog(texts: Texts, doc: Document): Promise<boolean> {
  const bytes = new Uint8Array(SIZE);
  for (let address = 0; address < SIZE; address++) bytes[address] = doc.byteAt(address);
  const address = h("output", { class: "memory-address", text: "0000" });
  const table = h("div", { class: "memory-grid", role: "grid", "aria-label": texts.t("MemoryMap") });
  for (let row = 0; row < SIZE / BYTES_PER_ROW; row++) {
    const line = h("div", { role: "row", class: "memory-row" }, h("span", { role: "rowheader", text: hex(row * BYTES_PER_ROW, 4) }));
    for (let col = 0; col < BYTES_PER_ROW; col++) {
      const at = row * BYTES_PER_ROW + col;
      line.append(h("span", { role: "gridcell", tabindex: at === 0 ? 0 : -1, "data-address": at, text: hex(bytes[at]!, 2) }));
    }
    table.append(line);
  }
  const cellAt = (at: number) => table.querySelector<HTMLElement>(`[data-address="${at}"]`);
  const edit = (cell: HTMLElement, first = "") => {
    const at = Number(cell.dataset.address);
    const input = h("input", { type: "text", maxlength: 2, class: "memory-editor", "aria-label": hex(at, 4) });
    input.value = first || cell.textContent || "";
    cell.replaceChildren(input);
    input.focus();
    if (!first) input.select();
    const done = (keep: boolean) => {
      if (!input.isConnected) return;
      if (keep && /^[0-9a-f]{1,2}$/i.test(input.value)) bytes[at] = Number.parseInt(input.value, 16);
      cell.textContent = hex(bytes[at]!, 2);
      cell.focus();
    };
    input.addEventListener("keydown", (event) => {
      event.stopPropagation();
      if (event.key === "Enter" || event.key === "Escape") { event.preventDefault(); done(event.key === "Enter"); }
    });
    input.addEventListener("blur", () => done(true));
  };
  table.addEventListener("focusin", (event) => {
    const at = (event.target as HTMLElement).dataset.address;
    if (at !== undefined) address.textContent = hex(Number(at), 4);
  });
  table.addEventListener("click", (event) => {
    const cell = (event.target as HTMLElement).closest<HTMLElement>("[data-address]");
    if (cell && !cell.querySelector("input")) edit(cell);
  });
  table.addEventListener("keydown", (event) => {
    const cell = (event.target as HTMLElement).closest<HTMLElement>("[data-address]");
    if (!cell) return;
    const at = Number(cell.dataset.address);
    const step: Record<string, number> = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -BYTES_PER_ROW, ArrowDown: BYTES_PER_ROW };
    if (event.key in step) {
      const next = cellAt(at + step[event.key]!);
      if (next) { cell.tabIndex = -1; next.tabIndex = 0; next.focus(); }
    } else if (event.key === "Enter") {
      edit(cell);
    } else if (/^[0-9a-f]$/i.test(event.key) && !event.ctrlKey) {
      edit(cell, event.key);
    } else {
      return;
    }
    event.preventDefault();
  });
  const answer = await openDialog({
    title: texts.t("MemoryMap"),
    className: "memory-dialog",
    body: () => [address, table],
    buttons: [{ value: "ok", label: "OK", primary: true }, { value: "cancel", label: "Cancel" }],
    escape: "cancel",
  });
  return answer === "ok" && doc.setMemoryMap(bytes);
}
