import type { Engine } from "../engine/engine";
import { openDialog } from "./dialogs";
import { h } from "./dom";
import { type Texts, withoutAccessKey } from "./texts";

// Written at build time from the desktop's help topic table (one source).
export interface HelpIndex {
  topics: { file: string; title: string }[]; // title: a string id name
  columnAnchors: string[]; // grid.html anchors for CH, RX Freq ... BCL
}

let index: Promise<HelpIndex> | null = null;
const loadIndex = () => (index ??= fetch("help/topics.json").then((response) => response.json() as Promise<HelpIndex>));

// Help > Help Topics (and F1 on a grid column): the desktop's help pages in
// the page's language, a topic list beside them.
export async function helpDialog(engine: Engine, texts: Texts, gridColumn?: number): Promise<void> {
  const help = await loadIndex();
  const folder = engine.language() === 1 ? "zh" : "en";
  const anchor = gridColumn === undefined ? undefined : help.columnAnchors[gridColumn];
  const start = anchor ? `grid.html#${anchor}` : help.topics[0]!.file;
  const frame = h("iframe", { class: "help-frame", title: texts.t("HelpTitle"), src: `help/${folder}/${start}` });
  const list = h("ul", { class: "help-topics", role: "listbox", "aria-label": texts.t("HelpTitle") });
  for (const topic of help.topics) {
    const item = h("li", { role: "option", tabindex: 0, text: texts.t(topic.title) });
    item.setAttribute("aria-selected", String(start.startsWith(topic.file)));
    const show = () => {
      frame.src = `help/${folder}/${topic.file}`;
      list.querySelectorAll("[role=option]").forEach((option) => option.setAttribute("aria-selected", String(option === item)));
    };
    item.addEventListener("click", show);
    item.addEventListener("keydown", (event) => { if (event.key === "Enter") show(); });
    list.append(item);
  }
  await openDialog({
    title: texts.t("HelpTitle"),
    className: "help-dialog",
    body: () => [h("p", { class: "help-note", text: texts.t("BrowserKeys") }), h("div", { class: "help-body" }, list, frame)],
    buttons: [{ value: "ok", label: withoutAccessKey(texts.t("Ok")), primary: true }],
    escape: "ok",
  });
}
