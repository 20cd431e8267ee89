import type { Engine } from "../engine/engine";
import { openDialog } from "./dialogs";
import { h } from "./dom";
import { type Texts, withoutAccessKey } from "./texts";

// Help context of grid column c is this plus c, as on the desktop.
const FIRST_COLUMN_CONTEXT = 7006;

// Help > Help Topics (and F1 on a grid column): the desktop's help pages and
// topics in the page's language.
export async function helpDialog(engine: Engine, texts: Texts, gridColumn?: number): Promise<void> {
  const folder = engine.language() === 1 ? "zh" : "en";
  const topics = engine.helpTopics();
  const start = gridColumn === undefined ? topics[0]!.page : engine.helpPageForContext(FIRST_COLUMN_CONTEXT + gridColumn);
  const frame = h("iframe", { class: "help-frame", title: texts.t("HelpTitle"), src: `help/${folder}/${start}` });
  const list = h("ul", { class: "help-topics", role: "listbox", "aria-label": texts.t("HelpTitle") });
  for (const topic of topics) {
    const item = h("li", { role: "option", tabindex: 0, text: topic.title });
    item.setAttribute("aria-selected", String(start.split("#")[0] === topic.page));
    const show = () => {
      frame.src = `help/${folder}/${topic.page}`;
      list.querySelectorAll("[role=option]").forEach((option) => option.setAttribute("aria-selected", String(option === item)));
    };
    item.addEventListener("click", show);
    item.addEventListener("keydown", (event) => {
      if (event.key === "Enter") show();
    });
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
