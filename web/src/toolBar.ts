import { h } from "./dom";
import type { Command } from "./menus";
import { type Texts, withoutAccessKey } from "./texts";

// Icons drawn for the page (the desktop takes its theme's): 24 px, one path each.
const ICONS: Record<string, string> = {
  New: '<path d="M6 2h8l5 5v15H6z" fill="#fff" stroke="#777"/><path d="M14 2v5h5" fill="#eee" stroke="#777"/>',
  Open: '<path d="M2 6h7l2 2h10v12H2z" fill="#e8a33d" stroke="#9a6a1c"/><path d="M2 20l3-9h18l-3 9z" fill="#f5c060" stroke="#9a6a1c"/>',
  Save: '<rect x="3" y="3" width="18" height="18" rx="2" fill="#2f5f9e"/><rect x="7" y="3" width="10" height="7" fill="#fff"/><rect x="7" y="14" width="10" height="7" fill="#ccd"/>',
  Print: '<rect x="6" y="2" width="11" height="14" fill="#fff" stroke="#555"/><path d="M8 6h7M8 9h7M8 12h5" stroke="#555"/><circle cx="15" cy="15" r="4" fill="none" stroke="#2f5f9e" stroke-width="2"/><path d="M18 18l4 4" stroke="#2f5f9e" stroke-width="2"/>',
  Read: '<circle cx="12" cy="12" r="10" fill="#3a9b3a"/><path d="M12 6v10M7 12l5 5 5-5" stroke="#fff" stroke-width="2.5" fill="none"/>',
  Write: '<circle cx="12" cy="12" r="10" fill="#3a9b3a"/><path d="M12 18V8M7 12l5-5 5 5" stroke="#fff" stroke-width="2.5" fill="none"/>',
  About: '<circle cx="12" cy="11" r="9" fill="#fff" stroke="#2f5f9e" stroke-width="2"/><path d="M12 10v6" stroke="#2f5f9e" stroke-width="3"/><circle cx="12" cy="6.5" r="1.6" fill="#2f5f9e"/>',
};

const BUTTONS: { key: string; command: Command; tooltip: string; separatorBefore?: boolean }[] = [
  { key: "New", command: "new", tooltip: "NewTool" },
  { key: "Open", command: "open", tooltip: "OpenTool" },
  { key: "Save", command: "save", tooltip: "SaveTool" },
  { key: "Print", command: "print", tooltip: "PrintTool" },
  { key: "Read", command: "read", tooltip: "ReadTool", separatorBefore: true },
  { key: "Write", command: "write", tooltip: "WriteTool" },
  { key: "About", command: "about", tooltip: "AboutMenu", separatorBefore: true },
];

// The desktop's seven tool buttons; each runs its menu command.
export class ToolBar {
  readonly element = h("div", { role: "toolbar", class: "toolbar" });
  private readonly buttons: { button: HTMLButtonElement; tooltip: string }[] = [];

  constructor(private readonly texts: Texts, run: (command: Command) => void, enabled: (command: Command) => boolean = () => true) {
    for (const spec of BUTTONS) {
      if (spec.separatorBefore) this.element.append(h("span", { class: "tool-separator", role: "separator" }));
      const button = h("button", { type: "button", class: "tool-button", "data-key": spec.key });
      button.innerHTML = `<svg viewBox="0 0 24 24" width="24" height="24" aria-hidden="true">${ICONS[spec.key]}</svg>`;
      button.addEventListener("click", () => run(spec.command));
      button.disabled = !enabled(spec.command);
      this.buttons.push({ button, tooltip: spec.tooltip });
      this.element.append(button);
    }
  }

  relabel(): void {
    for (const { button, tooltip } of this.buttons) {
      const text = withoutAccessKey(this.texts.t(tooltip));
      button.title = text;
      button.setAttribute("aria-label", text);
    }
  }
}
