import type { Row } from "../engine/engine";
import { h, setText } from "./dom";

export const COLUMNS = 11; // CH + RX Freq .. BCL

// The channel grid as an ARIA grid: a header row, one row per channel, and one
// current cell that holds the focus (roving tabindex). It only shows texts; what
// a key or click means is the cell editing's.
export class ChannelGrid {
  readonly element: HTMLDivElement;
  private readonly head: HTMLDivElement;
  private readonly body: HTMLDivElement;
  private rows: HTMLDivElement[] = [];
  private currentRow = 1;
  private currentCol = 1;

  constructor(label: string) {
    this.head = h("div", { role: "row", class: "grid-row grid-head" });
    this.body = h("div", { role: "rowgroup", class: "grid-body" });
    this.element = h(
      "div",
      { role: "grid", class: "channel-grid", "aria-label": label, "aria-colcount": COLUMNS },
      h("div", { role: "rowgroup" }, this.head),
      this.body,
    );
    for (let col = 0; col < COLUMNS; col++)
      this.head.append(h("div", { role: "columnheader", class: `cell c${col}`, "aria-colindex": col + 1 }));
  }

  setLabel(label: string): void {
    this.element.setAttribute("aria-label", label);
  }

  setHeaders(texts: string[]): void {
    texts.forEach((text, col) => setText(this.head.children[col]!, text));
  }

  // Rows 1..count with their channel numbers; the cells are filled by render().
  layOut(count: number): void {
    if (this.rows.length === count) return;
    const rows: HTMLDivElement[] = [];
    for (let n = 1; n <= count; n++) {
      const row = h("div", { role: "row", class: "grid-row", "aria-rowindex": n + 1 });
      row.append(h("div", { role: "rowheader", class: "cell c0", text: String(n) }));
      for (let col = 1; col < COLUMNS; col++)
        row.append(h("div", { role: "gridcell", class: `cell c${col}`, tabindex: -1, "aria-colindex": col + 1 }));
      rows.push(row);
    }
    this.body.replaceChildren(...rows);
    this.rows = rows;
    this.element.setAttribute("aria-rowcount", String(count + 1));
    this.moveTo(Math.min(this.currentRow, count), this.currentCol, false);
  }

  get channelCount(): number {
    return this.rows.length;
  }

  renderRow(n: number, row: Row): void {
    const cells = this.rows[n - 1]?.children;
    if (!cells) return;
    for (let col = 1; col < COLUMNS; col++) setText(cells[col]!, row.cells[col - 1] ?? "");
  }

  renderAll(rows: Row[]): void {
    rows.forEach((row, i) => this.renderRow(i + 1, row));
  }

  text(n: number, col: number): string {
    return this.rows[n - 1]?.children[col]?.textContent ?? "";
  }

  cell(n: number, col: number): HTMLElement | null {
    return (this.rows[n - 1]?.children[col] as HTMLElement | undefined) ?? null;
  }

  get row(): number {
    return this.currentRow;
  }

  get col(): number {
    return this.currentCol;
  }

  // Makes (n, col) current, clamped to the grid; focuses it when asked.
  moveTo(n: number, col: number, focus = true): void {
    const previous = this.cell(this.currentRow, this.currentCol);
    this.currentRow = Math.max(1, Math.min(n, this.rows.length));
    this.currentCol = Math.max(1, Math.min(col, COLUMNS - 1));
    const cell = this.cell(this.currentRow, this.currentCol);
    if (previous && previous !== cell) {
      previous.tabIndex = -1;
      previous.removeAttribute("aria-selected");
    }
    if (!cell) return;
    cell.tabIndex = 0;
    cell.setAttribute("aria-selected", "true");
    if (focus) cell.focus({ preventScroll: true });
    cell.scrollIntoView({ block: "nearest", inline: "nearest" });
  }

  focus(): void {
    this.cell(this.currentRow, this.currentCol)?.focus({ preventScroll: true });
  }

  // The grid position of a cell element, or null for anything else.
  positionOf(target: EventTarget | null): { n: number; col: number } | null {
    const cell = target instanceof Element ? target.closest<HTMLElement>("[role=gridcell]") : null;
    const row = cell?.parentElement;
    if (!cell || !row) return null;
    const n = this.rows.indexOf(row as HTMLDivElement) + 1;
    return n > 0 ? { n, col: Array.prototype.indexOf.call(row.children, cell) } : null;
  }

  headerCell(col: number): HTMLElement {
    return this.head.children[col] as HTMLElement;
  }
}
