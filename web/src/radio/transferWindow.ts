import { messageBox } from "../dialogs";
import { h, setText } from "../dom";
import type { Texts } from "../texts";
import type { TransferView } from "./transferRunner";

// The modal transfer window, as the desktop's: its title names the
// direction, a label and a bar show the progress, "Check Connection" asks
// Retry or Cancel. With verification each label names its phase. The close
// box stops the transfer (End is sent); Esc does not, so a stray key cannot
// stop a write half-way.
export class TransferWindow implements TransferView {
  readonly element: HTMLDialogElement;
  private readonly label = h("div", { class: "transfer-label", "aria-live": "polite" });
  private readonly bar = h("progress", { class: "transfer-bar", max: 264, value: 0 });
  private phase = "";
  onClose: () => void = () => {};

  constructor(private readonly texts: Texts, title: string, demo: boolean) {
    const titleId = `transfer-title-${Math.random().toString(36).slice(2)}`;
    const close = h("button", { type: "button", class: "transfer-close", "aria-label": texts.plain("CloseWindow"), text: "×" });
    close.addEventListener("click", () => this.onClose());
    this.label.id = `${titleId}-label`;
    this.bar.setAttribute("aria-labelledby", this.label.id);
    this.element = h("dialog", { class: "page-dialog transfer-dialog", "aria-labelledby": titleId },
      h("div", { class: "dialog-title" }, h("span", { id: titleId, text: title }), close));
    if (demo) this.element.append(h("p", { class: "transfer-demo", text: texts.t("DemoRadioNotice") }));
    this.element.append(this.label, this.bar);
    this.element.addEventListener("cancel", (event) => event.preventDefault());
  }

  show(): void {
    document.body.append(this.element);
    this.element.showModal();
  }

  hide(): void {
    this.element.close();
    this.element.remove();
  }

  // "Writing" or "Verifying" before each label; "" for none.
  setPhase(name: string): void {
    this.phase = name ? `${this.texts.t(name)} - ` : "";
  }

  progress(value: number, label: string): void {
    this.bar.value = value;
    setText(this.label, this.phase + label);
  }

  async checkConnection(abandon: AbortSignal): Promise<boolean> {
    const answer = messageBox(this.texts, { text: this.texts.t("CheckConnection"), title: this.texts.t("Error"), icon: "critical" },
      ["retry", "cancel"]);
    const box = document.querySelector<HTMLDialogElement>("dialog.message-box:last-of-type");
    abandon.addEventListener("abort", () => box?.querySelectorAll("button")[1]?.click(), { once: true });
    return (await answer) === "retry";
  }
}
