import type { CellOutcome, Document, Notice } from "../engine/engine";
import { h } from "./dom";
import type { ChannelGrid } from "./grid";

const RX = 1;
const TX = 2;
const DECODE = 3;
const ENCODE = 4;
const WN = 5;
const BCL = 10;
const MAX_FREQUENCY_CHARS = 9; // as in 436.12500

export interface EditorHost {
  readonly doc: Document;
  readonly grid: ChannelGrid;
  // The image changed: redraw, keep, relabel Undo.
  changed(): void;
  notice(notice: Notice): Promise<unknown>;
  // A key no editor uses; true when it ran a command.
  shortcut(event: KeyboardEvent): boolean;
}

interface OpenEdit {
  n: number;
  col: number;
  element: HTMLInputElement | HTMLSelectElement;
  original: string;
}

// The typed character a key stands for on a frequency cell, or "".
function frequencyChar(event: KeyboardEvent): string {
  if (event.ctrlKey || event.altKey || event.metaKey) return "";
  if (event.code === "NumpadDecimal") return ".";
  return /^[0-9.]$/.test(event.key) ? event.key : "";
}

// Opens, filters and commits the in-place editors of the channel grid with the
// desktop's keys: click or Enter edits, a digit starts a frequency edit, Enter
// commits and moves on, Esc restores, arrows and Tab move.
export class CellEditing {
  private open: OpenEdit | null = null;

  constructor(private readonly host: EditorHost) {
    const grid = host.grid.element;
    grid.addEventListener("click", (event) => this.onClick(event));
    // No end on scroll: the editor sits inside its cell and scrolls with it.
    grid.addEventListener("keydown", (event) => this.onGridKey(event));
  }

  get isOpen(): boolean {
    return this.open !== null;
  }

  // Commits an open frequency edit and closes every editor (before each command).
  end(): void {
    const edit = this.open;
    if (!edit) return;
    this.open = null;
    edit.element.remove();
    this.host.grid.cell(edit.n, edit.col)?.classList.remove("editing");
    if (edit.element instanceof HTMLInputElement) this.commitFrequency(edit, edit.element.value);
  }

  // Closes the editor without committing (Undo takes the edit back whole).
  abandon(): void {
    const edit = this.open;
    if (!edit) return;
    this.open = null;
    edit.element.remove();
    this.host.grid.cell(edit.n, edit.col)?.classList.remove("editing");
    this.host.grid.renderRow(edit.n, this.host.doc.row(edit.n));
  }

  // Opens the editor of the current cell, after sending a channel without RX
  // to RX Freq and an Encode without TX to TX Freq.
  begin(firstChar = ""): void {
    this.end();
    const { grid, doc } = this.host;
    const n = grid.row;
    const col = doc.editCell(n, grid.col);
    grid.moveTo(n, col);
    const cell = grid.cell(n, col);
    if (!cell) return;
    const original = grid.text(n, col);
    const element = col <= TX ? this.frequencyEditor(original, firstChar) : this.listEditor(col, original);
    element.setAttribute("aria-label", grid.element.querySelectorAll("[role=columnheader]")[col]?.textContent ?? "");
    this.open = { n, col, element, original };
    cell.classList.add("editing");
    cell.append(element);
    element.focus();
    if (element instanceof HTMLInputElement) {
      if (firstChar) element.setSelectionRange(firstChar.length, firstChar.length);
      else element.select();
    }
  }

  private frequencyEditor(original: string, firstChar: string): HTMLInputElement {
    const input = h("input", { type: "text", class: "cell-editor", inputmode: "decimal", autocomplete: "off", spellcheck: "false" });
    input.value = firstChar || original;
    input.addEventListener("beforeinput", (event) => {
      if (!event.inputType.startsWith("insert")) return;
      const typed = event.data ?? "";
      const selected = input.selectionStart !== input.selectionEnd;
      if (!/^[0-9.]*$/.test(typed) || event.inputType === "insertFromPaste" ||
          (!selected && input.value.length + typed.length > MAX_FREQUENCY_CHARS))
        event.preventDefault();
    });
    input.addEventListener("keydown", (event) => this.onFrequencyKey(event, input));
    input.addEventListener("blur", () => {
      if (this.open?.element === input) this.end();
    });
    input.addEventListener("contextmenu", (event) => event.preventDefault());
    return input;
  }

  private listEditor(col: number, current: string): HTMLSelectElement {
    const select = h("select", { class: "cell-editor" });
    const entries = this.host.doc.cellEntries(col);
    select.append(...entries.map((entry) => h("option", { text: entry })));
    select.selectedIndex = Math.max(0, entries.indexOf(current));
    select.addEventListener("change", () => {
      const edit = this.open;
      if (edit?.element !== select) return;
      this.apply(this.host.doc.choose(edit.n, edit.col, select.value));
    });
    select.addEventListener("keydown", (event) => this.onListKey(event, select));
    select.addEventListener("blur", () => {
      if (this.open?.element === select) this.end();
    });
    return select;
  }

  // Keys it does not use go on to the window (Ctrl+S, Ctrl+Z, ...).
  private onFrequencyKey(event: KeyboardEvent, input: HTMLInputElement): void {
    const edit = this.open;
    if (!edit) return;
    if (event.key === "Enter") {
      event.preventDefault();
      this.end();
      this.host.grid.moveTo(edit.n, edit.col + 1);
    } else if (event.key === "Escape") {
      event.preventDefault();
      this.open = null;
      input.remove();
      this.host.grid.cell(edit.n, edit.col)?.classList.remove("editing");
      this.host.grid.focus();
    } else if (this.isShortcut(event) && this.host.shortcut(event)) {
      event.preventDefault();
    } else {
      return;
    }
    event.stopPropagation();
  }

  private onListKey(event: KeyboardEvent, select: HTMLSelectElement): void {
    const edit = this.open;
    if (!edit) return;
    const { grid } = this.host;
    if (event.key === "Enter") {
      event.preventDefault();
      this.end();
      if (edit.col === DECODE) grid.moveTo(edit.n, grid.text(edit.n, ENCODE) ? ENCODE : WN);
      else if (edit.col < BCL) grid.moveTo(edit.n, edit.col + 1);
      else if (edit.n < grid.channelCount) grid.moveTo(edit.n + 1, RX);
      else grid.focus();
    } else if (event.key === "Escape" || event.key === "Tab") {
      event.preventDefault();
      this.end();
      if (event.key === "Tab") this.moveBy(0, event.shiftKey ? -1 : 1, true);
      else grid.focus();
    } else if (event.ctrlKey && event.key.toLowerCase() === "d" && !select.disabled) {
      event.preventDefault(); // the delete key must not type into the list
      this.host.shortcut(event);
    } else if (this.isShortcut(event) && this.host.shortcut(event)) {
      event.preventDefault();
    } else {
      return;
    }
    event.stopPropagation();
  }

  private isShortcut(event: KeyboardEvent): boolean {
    return event.ctrlKey || /^F\d+$/.test(event.key);
  }

  private commitFrequency(edit: OpenEdit, text: string): void {
    if (text === edit.original) return;
    this.apply(this.host.doc.typeText(edit.n, edit.col, text));
  }

  private apply(outcome: CellOutcome): void {
    if (outcome.changed) this.host.changed();
    if (outcome.notice) {
      const refocus = document.activeElement as HTMLElement | null;
      void this.host.notice(outcome.notice).then(() => (this.open ? refocus?.focus() : this.host.grid.focus()));
    }
  }

  private onClick(event: MouseEvent): void {
    const position = this.host.grid.positionOf(event.target);
    if (!position || (this.open && this.open.n === position.n && this.open.col === position.col)) return;
    this.end();
    this.host.grid.moveTo(position.n, position.col);
    this.begin();
  }

  private moveBy(rows: number, cols: number, wrap: boolean): void {
    const { grid } = this.host;
    let n = grid.row + rows;
    let col = grid.col + cols;
    if (wrap && col > BCL && n < grid.channelCount) [n, col] = [n + 1, RX];
    if (wrap && col < RX && n > 1) [n, col] = [n - 1, BCL];
    grid.moveTo(n, col);
  }

  private onGridKey(event: KeyboardEvent): void {
    if (this.open || !this.host.grid.positionOf(event.target)) return;
    const { grid } = this.host;
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    const page = Math.max(1, Math.floor(grid.element.clientHeight / 26) - 1);
    const moves: Record<string, [number, number]> = {
      ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1],
      PageUp: [-page, 0], PageDown: [page, 0],
    };
    const move = moves[event.key];
    const digit = frequencyChar(event);
    if (move && plain) {
      this.moveBy(move[0], move[1], false);
    } else if (event.key === "Tab" && plain) {
      const atEdge = event.shiftKey ? grid.row === 1 && grid.col === RX : grid.row === grid.channelCount && grid.col === BCL;
      if (atEdge) return; // Tab leaves the grid from its last cell, Shift+Tab from its first
      this.moveBy(0, event.shiftKey ? -1 : 1, true);
    } else if (event.key === "Home" && plain) {
      grid.moveTo(event.ctrlKey ? 1 : grid.row, RX);
    } else if (event.key === "End" && plain) {
      grid.moveTo(grid.row, BCL);
    } else if (event.key === "Enter" && plain) {
      this.begin();
    } else if (digit && (grid.col === RX || grid.col === TX)) {
      if (grid.col === TX && !grid.text(grid.row, RX)) grid.moveTo(grid.row, RX);
      this.begin(digit);
    } else if (!this.host.shortcut(event)) {
      return;
    }
    event.preventDefault();
  }
}
