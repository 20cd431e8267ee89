import { h } from "./dom";
import { accessKey, type Texts, withoutAccessKey } from "./texts";

export type Command =
  | "new" | "open" | "save" | "saveAs" | "exportChannels" | "importChannels" | "print" | "exit"
  | "undo" | "redo" | "read" | "write" | "test" | "optionalFeatures" | "commPort" | "language"
  | "helpTopics" | "about" | "verifyAfterWrite" | "backups";

export interface MenuEntry {
  command: Command;
  text: string; // string id name; undo/redo are relabelled by the page
  keys?: string; // shown beside the entry; the page's key handler runs it
}
type MenuItem = MenuEntry | "separator";

// The desktop's menus, entries and keys, in its order. New has no key here:
// the browser keeps Ctrl+N for itself.
export const MENUS: { text: string; name: string; items: MenuItem[] }[] = [
  { name: "mnuFile", text: "File", items: [
    { command: "new", text: "New" },
    { command: "open", text: "Open", keys: "Ctrl+O" },
    { command: "save", text: "Save", keys: "Ctrl+S" },
    { command: "saveAs", text: "SaveAs", keys: "Ctrl+Shift+S" },
    { command: "exportChannels", text: "ExportChannels" },
    { command: "importChannels", text: "ImportChannels" },
    { command: "backups", text: "BackupsMenu" },
    "separator",
    { command: "print", text: "Print", keys: "Ctrl+P" },
    "separator",
    { command: "exit", text: "Exit" },
  ] },
  { name: "mnuEdit", text: "Edit", items: [
    { command: "undo", text: "Undo", keys: "Ctrl+Z" },
    { command: "redo", text: "Redo", keys: "Ctrl+Y" },
  ] },
  { name: "mnuProgram", text: "Program", items: [
    { command: "read", text: "ReadFromRadio" },
    "separator",
    { command: "write", text: "WriteToRadio" },
    { command: "verifyAfterWrite", text: "VerifyAfterWrite" },
    "separator",
    { command: "test", text: "Tuning" },
    "separator",
    { command: "optionalFeatures", text: "OptionalFeaturesMenu" },
  ] },
  { name: "mnuSetup", text: "Setup", items: [
    { command: "commPort", text: "CommunicationPortMenu" },
    { command: "language", text: "LanguageSetupMenu" },
  ] },
  { name: "mnuHelp", text: "Help", items: [
    { command: "helpTopics", text: "HelpTopics", keys: "F1" },
    "separator",
    { command: "about", text: "AboutMenu" },
  ] },
];

interface Built {
  top: HTMLButtonElement;
  popup: HTMLDivElement;
  entries: { item: HTMLButtonElement; entry: MenuEntry }[];
  text: string;
}

// A menubar of menuitems, each opening a menu; keyboard as on the desktop:
// Alt+letter opens, arrows walk, Enter runs, Esc closes, letters pick.
export class MenuBar {
  readonly element: HTMLDivElement;
  private readonly menus: Built[] = [];
  private openIndex = -1;
  private captions = new Map<Command, string>();

  constructor(private readonly texts: Texts, private readonly run: (command: Command) => void,
              private readonly enabled: (command: Command) => boolean) {
    this.element = h("div", { role: "menubar", class: "menubar" });
    for (const menu of MENUS) {
      const top = h("button", { type: "button", role: "menuitem", "aria-haspopup": "menu", "aria-expanded": "false", id: menu.name });
      const popup = h("div", { role: "menu", class: "menu-popup", hidden: true, "aria-labelledby": menu.name });
      const built: Built = { top, popup, entries: [], text: menu.text };
      for (const item of menu.items) {
        if (item === "separator") { popup.append(h("div", { role: "separator", class: "menu-separator" })); continue; }
        const element = h("button", { type: "button", role: "menuitem", tabindex: -1, "data-command": item.command });
        element.addEventListener("click", () => this.choose(item));
        built.entries.push({ item: element, entry: item });
        popup.append(element);
      }
      const index = this.menus.length;
      top.addEventListener("mousedown", (event) => { event.preventDefault(); this.toggle(index); });
      top.addEventListener("mouseenter", () => { if (this.openIndex >= 0 && this.openIndex !== index) this.openMenu(index, false); });
      top.addEventListener("keydown", (event) => this.onTopKey(event, index));
      popup.addEventListener("keydown", (event) => this.onMenuKey(event));
      this.menus.push(built);
      this.element.append(h("div", { class: "menu" }, top, popup));
    }
    document.addEventListener("mousedown", (event) => {
      if (this.openIndex >= 0 && !this.element.contains(event.target as Node)) this.close();
    });
    document.addEventListener("keydown", (event) => this.onAltKey(event), true);
    this.relabel();
  }

  // Captions that are not plain string ids (Undo/Redo with their step names).
  setCaption(command: Command, caption: string): void {
    if (this.captions.get(command) === caption) return;
    this.captions.set(command, caption);
    for (const menu of this.menus) {
      for (const { item, entry } of menu.entries) if (entry.command === command) setCaption(item, caption, entry.keys);
    }
  }

  relabel(): void {
    for (const menu of this.menus) {
      setCaption(menu.top, this.texts.t(menu.text));
      for (const { item, entry } of menu.entries) {
        setCaption(item, this.captions.get(entry.command) ?? this.texts.t(entry.text), entry.keys);
      }
    }
  }

  get isOpen(): boolean {
    return this.openIndex >= 0;
  }

  close(focusBack = true): void {
    if (this.openIndex < 0) return;
    const menu = this.menus[this.openIndex]!;
    menu.popup.hidden = true;
    menu.top.setAttribute("aria-expanded", "false");
    this.openIndex = -1;
    if (focusBack) this.onClosed?.();
  }

  onClosed?: () => void;

  private toggle(index: number): void {
    if (this.openIndex === index) this.close();
    else this.openMenu(index, false);
  }

  private openMenu(index: number, focusFirst: boolean): void {
    this.close(false);
    const menu = this.menus[index]!;
    for (const { item, entry } of menu.entries) {
      item.setAttribute("aria-disabled", String(!this.enabled(entry.command)));
      const checked = this.checked?.(entry.command);
      if (checked === undefined) continue;
      item.setAttribute("role", "menuitemcheckbox");
      item.setAttribute("aria-checked", String(checked));
    }
    menu.popup.hidden = false;
    menu.top.setAttribute("aria-expanded", "true");
    this.openIndex = index;
    (focusFirst ? menu.entries[0]?.item : menu.top)?.focus();
  }

  private choose(entry: MenuEntry): void {
    if (!this.enabled(entry.command)) return;
    this.close();
    this.run(entry.command);
  }

  private onAltKey(event: KeyboardEvent): void {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return;
    if (document.querySelector("dialog[open]")) return; // the menus wait behind a dialog
    const index = this.menus.findIndex((menu) => accessKey(this.texts.t(menu.text)) === event.key.toLowerCase());
    if (index < 0) return;
    event.preventDefault();
    event.stopPropagation();
    this.onOpening?.();
    this.openMenu(index, true);
  }

  onOpening?: () => void;
  // For entries that are on or off (undefined for the others).
  checked?: (command: Command) => boolean | undefined;

  private onTopKey(event: KeyboardEvent, index: number): void {
    if (event.key === "ArrowDown" || event.key === "Enter" || event.key === " ") {
      event.preventDefault();
      this.openMenu(index, true);
    } else if (event.key === "ArrowRight" || event.key === "ArrowLeft") {
      event.preventDefault();
      const next = (index + (event.key === "ArrowRight" ? 1 : this.menus.length - 1)) % this.menus.length;
      this.menus[next]!.top.focus();
      if (this.openIndex >= 0) this.openMenu(next, false);
    } else if (event.key === "Escape") {
      this.close();
    }
  }

  private onMenuKey(event: KeyboardEvent): void {
    const menu = this.menus[this.openIndex];
    if (!menu) return;
    event.stopPropagation();
    const items = menu.entries.map((e) => e.item);
    const at = items.indexOf(document.activeElement as HTMLButtonElement);
    if (event.key === "ArrowDown" || event.key === "ArrowUp") {
      const step = event.key === "ArrowDown" ? 1 : items.length - 1;
      items[(at + step) % items.length]?.focus();
    } else if (event.key === "ArrowRight" || event.key === "ArrowLeft") {
      const step = event.key === "ArrowRight" ? 1 : this.menus.length - 1;
      this.openMenu((this.openIndex + step) % this.menus.length, true);
    } else if (event.key === "Escape") {
      const top = menu.top;
      this.close(false);
      top.focus();
    } else if (event.key === "Enter" || event.key === " ") {
      const entry = menu.entries[at];
      if (entry) this.choose(entry.entry);
    } else if (event.key.length === 1 && !event.ctrlKey && !event.metaKey) {
      const entry = menu.entries.find((e) => accessKey(this.captions.get(e.entry.command) ?? this.texts.t(e.entry.text)) === event.key.toLowerCase());
      if (entry) this.choose(entry.entry);
    } else if (event.key === "Tab") {
      this.close();
    } else {
      return;
    }
    event.preventDefault();
  }
}

// Shows the caption with its access key underlined; the accessible name is the plain text.
function setCaption(element: HTMLElement, caption: string, keys?: string): void {
  const plain = withoutAccessKey(caption);
  const label = h("span", { class: "menu-label" });
  const marker = /&(.)/.exec(caption);
  if (marker) label.append(caption.slice(0, marker.index), h("u", { text: marker[1]! }), caption.slice(marker.index + 2));
  else label.append(caption);
  const content: Node[] = [label];
  if (keys) content.push(h("span", { class: "menu-keys", "aria-hidden": "true", text: keys }));
  element.replaceChildren(...content);
  element.setAttribute("aria-label", plain);
  if (keys) element.setAttribute("aria-keyshortcuts", keys.replace(/\+/g, "+"));
}
