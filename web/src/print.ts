import type { Document, Engine } from "../engine/engine";
import { messageBox, openDialog } from "./dialogs";
import { h } from "./dom";
import { PRODUCT, type Texts, withoutAccessKey } from "./texts";

const CHANNELS_PER_PAGE = 9;
const COLUMNS = 130;
const LINES = 60;
const NO_TX = "---------";

export interface PrintChoice {
  channels: boolean;
  features: boolean;
  first: number;
  last: number;
}

type Placed = { column: number; line: number; text: string; kind?: "title" | "stamp" | "header" };

// One printed page as texts on the 130-column, 60-line layout.
export interface PrintedPage {
  texts: Placed[];
}

// The pages of a printout, as the desktop lays them out: nine channel blocks a
// page (or one page saying no channel), then the optional features page.
export function layOutPages(texts: Texts, doc: Document, bandText: string, stamp: string, choice: PrintChoice): PrintedPage[] {
  const header = (): Placed[] => [
    { column: -1, line: 0, text: texts.t("RadioProgrammingInformation"), kind: "title" },
    { column: -2, line: 2, text: stamp, kind: "stamp" },
    { column: 4, line: 4, text: texts.t("ModelType"), kind: "header" }, { column: 30, line: 4, text: PRODUCT, kind: "header" },
    { column: 4, line: 5, text: texts.t("Frequency"), kind: "header" }, { column: 30, line: 5, text: bandText, kind: "header" },
    { column: 4, line: 6, text: texts.t("FileName"), kind: "header" }, { column: 30, line: 6, text: doc.fileName(), kind: "header" },
  ];
  const pages: PrintedPage[] = [];
  if (choice.channels) {
    const channels = doc.printedChannels(choice.first, choice.last);
    if (channels.length === 0) pages.push({ texts: [...header(), { column: 0, line: 9, text: texts.t("MemoryChannel") }] });
    for (let start = 0; start < channels.length; start += CHANNELS_PER_PAGE) {
      const page: Placed[] = [...header(), { column: 0, line: 9, text: texts.t("MemoryChannel") }];
      channels.slice(start, start + CHANNELS_PER_PAGE).forEach((channel, k) => {
        const b = 6 * k + 11;
        const [rx, tx, decode, encode, , scan, power] = channel.cells;
        page.push(
          { column: 0, line: b, text: `${texts.t("Channel")} ${channel.number}` },
          { column: 6, line: b + 1, text: texts.t("RxFreq") }, { column: 35, line: b + 1, text: rx ?? "" },
          { column: 70, line: b + 1, text: texts.t("TxFreq") }, { column: 105, line: b + 1, text: tx || NO_TX },
          { column: 6, line: b + 2, text: texts.t("Decode") }, { column: 35, line: b + 2, text: decode ?? "" },
          { column: 70, line: b + 2, text: texts.t("Encode") }, { column: 105, line: b + 2, text: encode || NO_TX },
          { column: 6, line: b + 3, text: texts.t("TxPower") }, { column: 35, line: b + 3, text: power ?? "" },
          { column: 70, line: b + 3, text: texts.t("Scan") }, { column: 105, line: b + 3, text: scan ?? "" },
        );
      });
      pages.push({ texts: page });
    }
  }
  if (choice.features) {
    const page: Placed[] = [...header(), { column: 0, line: 9, text: texts.t("OptionalFeatures") }];
    doc.featureLines().forEach((feature, i) =>
      page.push({ column: 6, line: 11 + i, text: feature.label }, { column: 40, line: 11 + i, text: feature.value }));
    pages.push({ texts: page });
  }
  return pages;
}

// The pages as elements for the print style sheet (one sheet each).
export function renderPages(pages: PrintedPage[], lang: string): HTMLElement {
  const root = h("div", { id: "print-root", lang });
  pages.forEach((page, index) => {
    const sheet = h("section", { class: "print-page" });
    for (const placed of page.texts) {
      const style = placed.column >= 0
        ? `left:${10 + (placed.column * 90) / COLUMNS}%;top:${5 + (placed.line * 90) / LINES}%`
        : `top:${5 + (placed.line * 90) / LINES}%`;
      sheet.append(h("div", { class: `print-text ${placed.kind ?? "body"}`, style, text: placed.text }));
    }
    sheet.append(h("div", { class: "print-text footer", text: `- ${index + 1} -` }));
    root.append(sheet);
  });
  return root;
}

// File > Print: the desktop's print choices, then the browser's print.
export async function printCommand(engine: Engine, texts: Texts, doc: Document): Promise<void> {
  const channels = h("input", { type: "checkbox", id: "print-channels" });
  const features = h("input", { type: "checkbox", id: "print-features" });
  channels.checked = features.checked = true;
  const first = h("input", { type: "number", id: "print-from", min: 1, max: 128, value: 1 });
  const last = h("input", { type: "number", id: "print-to", min: 1, max: 128, value: doc.channelCount() });
  const answer = await openDialog({
    title: texts.t("PrintOutList"),
    className: "print-dialog",
    body: () => [h("div", { class: "form-grid" },
      h("div", { class: "form-row check" }, channels, h("label", { for: "print-channels", text: texts.t("MemoryChannel") })),
      h("div", { class: "form-row" }, h("label", { for: "print-from", text: texts.t("From") }), first,
        h("label", { for: "print-to", text: texts.t("To") }), last),
      h("div", { class: "form-row check" }, features, h("label", { for: "print-features", text: texts.t("OptionalFeatures") })))],
    buttons: [
      { value: "ok", label: withoutAccessKey(texts.t("Ok")), primary: true },
      { value: "cancel", label: withoutAccessKey(texts.t("Cancel")) },
    ],
    escape: "cancel",
    onButton: (value) => {
      if (value === "cancel" || channels.checked || features.checked) return true;
      void messageBox(texts, { text: texts.t("SelectPrintingItems"), title: PRODUCT, icon: "information" });
      return false;
    },
  });
  if (answer !== "ok") return;
  const clamp = (input: HTMLInputElement, fallback: number) => Math.min(128, Math.max(1, Number.parseInt(input.value, 10) || fallback));
  const from = clamp(first, 1);
  const now = new Date();
  const locale = engine.language() === 1 ? "zh-CN" : "en-GB";
  const stamp = `${now.toLocaleDateString(locale)}  ${now.toLocaleTimeString(locale)}`;
  const band = engine.bands()[doc.general().band]?.text ?? "";
  const pages = layOutPages(texts, doc, band, stamp, {
    channels: channels.checked, features: features.checked, first: from, last: Math.max(from, clamp(last, 128)),
  });
  document.getElementById("print-root")?.remove();
  document.body.append(renderPages(pages, engine.language() === 1 ? "zh" : "en"));
  window.print();
}
