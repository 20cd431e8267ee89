import type { Notice } from "../engine/engine";
import { h } from "./dom";
import { type Texts, withoutAccessKey } from "./texts";

export type Button = "ok" | "cancel" | "yes" | "no" | "retry";
export type Icon = Notice["icon"] | "question";

const BUTTON_TEXT: Record<Button, string> = { ok: "Ok", cancel: "Cancel", yes: "Yes", no: "No", retry: "Retry" };
const ICON_GLYPH: Record<Icon, string> = { information: "i", exclamation: "!", critical: "×", question: "?" };

// A modal dialog of the page, named by its title. `body` gets the content;
// buttons close it with their value. Esc answers `escape` (the cancel choice).
export function openDialog<T extends string>(options: {
  title: string;
  body: (dialog: HTMLDialogElement) => Node[];
  buttons: { value: T; label: string; primary?: boolean }[];
  escape: T;
  className?: string;
  onButton?: (value: T) => boolean; // false keeps the dialog open
}): Promise<T> {
  const titleId = `dlg-title-${Math.random().toString(36).slice(2)}`;
  const dialog = h("dialog", { class: `page-dialog ${options.className ?? ""}`, "aria-labelledby": titleId });
  const footer = h("div", { class: "dialog-buttons" });
  dialog.append(h("div", { class: "dialog-title", id: titleId, text: options.title }), ...options.body(dialog), footer);
  return new Promise<T>((resolve) => {
    const finish = (value: T) => {
      if (options.onButton && !options.onButton(value)) return;
      dialog.close();
      dialog.remove();
      resolve(value);
    };
    for (const button of options.buttons) {
      const element = h("button", { type: "button", text: button.label, class: button.primary ? "primary" : undefined });
      element.addEventListener("click", () => finish(button.value));
      footer.append(element);
    }
    dialog.addEventListener("cancel", (event) => {
      event.preventDefault();
      finish(options.escape);
    });
    document.body.append(dialog);
    dialog.showModal();
    const primary = footer.querySelector<HTMLButtonElement>("button.primary");
    if (!dialog.querySelector("[autofocus]")) (primary ?? footer.querySelector("button"))?.focus();
  });
}

// A message box: text (lines split on "\n"), title, icon and a set of buttons.
export function messageBox(
  texts: Texts,
  message: { text: string; title: string; icon: Icon },
  buttons: Button[] = ["ok"],
  primary: Button = buttons[0]!,
): Promise<Button> {
  return openDialog<Button>({
    title: message.title,
    className: "message-box",
    body: () => [
      h(
        "div",
        { class: "message-row" },
        h("span", { class: `message-icon icon-${message.icon}`, "aria-hidden": "true", text: ICON_GLYPH[message.icon] }),
        h("p", { class: "message-text", text: message.text }),
      ),
    ],
    buttons: buttons.map((value) => ({
      value,
      label: withoutAccessKey(texts.t(BUTTON_TEXT[value])),
      primary: value === primary,
    })),
    escape: buttons.includes("cancel") ? "cancel" : buttons.includes("no") && buttons.length === 2 ? "no" : buttons[0]!,
  });
}

export function showNotice(texts: Texts, notice: Notice): Promise<Button> {
  return messageBox(texts, notice);
}
