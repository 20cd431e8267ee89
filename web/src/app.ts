import type { Document, Engine, Language, Notice } from "../engine/engine";
import type { RadioEngine } from "../engine/radio";
import { CellEditing } from "./cellEditing";
import { type Button, type Icon, messageBox, showNotice } from "./dialogs";
import { h } from "./dom";
import { acceptDrops, type FileKind, type PickedFile, pickFile, saveFile } from "./files";
import { aboutDialog, copyDialog, languageDialog, optionalFeaturesDialog } from "./forms";
import { GeneralPanel } from "./generalPanel";
import { ChannelGrid } from "./grid";
import { helpDialog } from "./help";
import { DocumentKeeper } from "./keep";
import { memoryMapDialog } from "./memoryMap";
import { type Command, MenuBar } from "./menus";
import { printCommand } from "./print";
import { RadioCommands } from "./radio/radioCommands";
import { StatusBar } from "./statusBar";
import { PRODUCT, Texts } from "./texts";
import { ToolBar } from "./toolBar";

const LANGUAGE_KEY = "zq915.language";
// The tuning window has no page yet.
const RADIO_COMMANDS: Command[] = ["test"];
const DATA_FILE: Omit<FileKind, "description"> = { extension: ".dat", mime: "application/octet-stream" };
const CSV_FILE: Omit<FileKind, "description"> = { extension: ".csv", mime: "text/csv" };

// The language of a first visit: Chinese when the browser's first language is.
export function firstLanguage(languages: readonly string[]): Language {
  return languages[0]?.toLowerCase().startsWith("zh") ? 1 : 0;
}

// The page's composition root: builds the window's parts over one engine
// document and runs the menu, tool bar and key commands on it.
export class App {
  readonly texts: Texts;
  readonly doc: Document;
  readonly grid: ChannelGrid;
  private readonly editing: CellEditing;
  private readonly menus: MenuBar;
  private readonly panel: GeneralPanel;
  private readonly toolBar: ToolBar;
  private readonly status = new StatusBar();
  private readonly radio: RadioCommands;
  private readonly frame = h("fieldset", { class: "channel-frame" });
  private readonly frameLegend = h("legend");
  private fileHandle: FileSystemFileHandle | null = null;
  private busy = false;
  // Off until the kept document of the last visit has been offered back.
  private keeping = false;
  private keepPending = false;

  constructor(readonly engine: Engine, root: HTMLElement, private readonly keeper: DocumentKeeper) {
    const stored = localStorage.getItem(LANGUAGE_KEY);
    engine.setLanguage(stored === "0" || stored === "1" ? (Number(stored) as Language) : firstLanguage(navigator.languages));
    this.texts = new Texts(engine);
    this.doc = new engine.Document();
    this.grid = new ChannelGrid("");
    this.editing = new CellEditing({
      doc: this.doc,
      grid: this.grid,
      changed: () => this.changed(),
      notice: (notice) => this.notice(notice),
      shortcut: (event) => this.channelKey(event),
    });
    this.menus = new MenuBar(this.texts, (command) => void this.run(command), (command) => this.enabled(command));
    this.menus.onOpening = () => this.editing.end();
    this.menus.onClosed = () => this.grid.focus();
    this.menus.checked = (command) => (command === "verifyAfterWrite" ? this.radio.verifyAfterWrite : undefined);
    this.toolBar = new ToolBar(this.texts, (command) => void this.run(command), (command) => !RADIO_COMMANDS.includes(command));
    this.panel = new GeneralPanel(engine, this.texts, (field, index) => void this.generalChosen(field, index));
    this.frame.append(this.frameLegend, this.grid.element);
    root.append(this.menus.element, this.toolBar.element, h("main", { class: "window-body" }, this.panel.element, this.frame), this.status.element);
    this.grid.headerCell(0).addEventListener("contextmenu", (event) => {
      if (!(event.ctrlKey && event.shiftKey)) return;
      event.preventDefault();
      void this.openMemoryMap();
    });
    document.addEventListener("keydown", (event) => this.windowKey(event));
    window.addEventListener("beforeunload", (event) => {
      this.editing.end();
      if (this.doc.isModified()) event.preventDefault();
    });
    this.radio = new RadioCommands({
      engine: engine as Engine & RadioEngine,
      texts: this.texts,
      doc: this.doc,
      ask: (text, buttons, icon, title) => this.ask(text, buttons, icon, title),
      settleUnsavedChanges: () => this.settleUnsavedChanges("FileModifiedSaveNow"),
      documentReplaced: () => {
        this.fileHandle = null;
        this.refresh();
        this.grid.moveTo(1, 1);
      },
      showPort: (text) => this.status.setPort(text),
    });
    acceptDrops(document.body, (file) => void this.guarded(() => this.openPicked(file)));
    this.applyLanguage();
    this.refresh();
  }

  // Offers back a document the last visit left with unsaved changes.
  async offerKeptDocument(): Promise<void> {
    const kept = await this.keeper.load().catch(() => null);
    this.keeping = true;
    if (!kept?.modified) return this.keep();
    const answer = await this.ask(this.texts.t("RestoreKeptDocument").replace("%1", kept.fileName), ["yes", "no"], "question");
    if (answer === "yes" && this.doc.restore(kept.image, kept.fileName, kept.snapshot)) this.refresh();
    else this.keep();
  }

  // --- redrawing

  private refresh(): void {
    this.grid.layOut(this.doc.channelCount());
    this.grid.renderAll(this.doc.rows());
    this.panel.show(this.doc.general());
    this.afterChange();
  }

  // After a change of the image: every row redrawn (rows only change where the
  // texts differ), title, Undo captions, kept copy.
  changed(): void {
    this.grid.renderAll(this.doc.rows());
    this.panel.show(this.doc.general());
    this.afterChange();
  }

  private afterChange(): void {
    document.title = this.doc.title();
    const history = this.doc.history();
    this.menus.setCaption("undo", history.undoCaption);
    this.menus.setCaption("redo", history.redoCaption);
    this.keep();
  }

  // Kept right after the frame that shows the change, so typing stays fast.
  private keep(): void {
    if (!this.keeping || this.keepPending) return;
    this.keepPending = true;
    setTimeout(() => {
      this.keepPending = false;
      void this.keeper.keep({
        image: this.doc.image(), snapshot: this.doc.snapshot(), fileName: this.doc.fileName(), modified: this.doc.isModified(),
      });
    });
  }

  private applyLanguage(): void {
    const language = this.engine.language();
    document.documentElement.lang = language === 1 ? "zh-CN" : "en";
    this.grid.setHeaders(this.engine.gridHeaderIds().map((id) => this.texts.byId(id)));
    this.grid.setLabel(this.texts.t("MemoryChannel"));
    this.frameLegend.textContent = this.texts.t("MemoryChannel");
    this.menus.relabel();
    this.toolBar.relabel();
    this.panel.relabel();
    this.status.setLocale(language === 1 ? "zh-CN" : "en-GB");
    void this.radio.showPort();
    document.title = this.doc.title();
    const history = this.doc.history();
    this.menus.setCaption("undo", history.undoCaption);
    this.menus.setCaption("redo", history.redoCaption);
  }

  // --- messages

  private notice(notice: Notice): Promise<Button> {
    return showNotice(this.texts, notice);
  }

  private ask(text: string, buttons: Button[], icon: Icon = "exclamation", title = PRODUCT, primary?: Button): Promise<Button> {
    return messageBox(this.texts, { text, title, icon }, buttons, primary);
  }

  // --- commands

  private enabled(command: Command): boolean {
    if (RADIO_COMMANDS.includes(command)) return false;
    if (command === "undo") return this.doc.history().canUndo;
    if (command === "redo") return this.doc.history().canRedo;
    return true;
  }

  // One command at a time; an error ends it with a message, the page goes on.
  private async guarded(action: () => Promise<unknown>): Promise<void> {
    if (this.busy) return;
    this.busy = true;
    try {
      await action();
    } catch (error) {
      await this.ask(String(error instanceof Error ? error.message : error), ["ok"], "critical", this.texts.t("Error"));
    } finally {
      this.busy = false;
      if (!document.querySelector("dialog[open]")) this.grid.focus();
    }
  }

  async run(command: Command): Promise<void> {
    if (!this.enabled(command)) return;
    if (command !== "save" || this.doc.fileName() === "Untitled") this.editing.end();
    await this.guarded(async () => {
      switch (command) {
        case "new": return this.newDocument();
        case "open": return this.open();
        case "save": return this.save(false);
        case "saveAs": return this.save(true);
        case "exportChannels": return this.exportChannels();
        case "importChannels": return this.importChannels();
        case "print": return printCommand(this.engine, this.texts, this.doc);
        case "exit": return this.exit();
        case "undo": this.editing.abandon(); this.doc.undo(); return this.refresh();
        case "redo": this.editing.abandon(); this.doc.redo(); return this.refresh();
        case "optionalFeatures":
          if (await optionalFeaturesDialog(this.engine, this.texts, this.doc)) this.changed();
          return;
        case "language": return this.chooseLanguage();
        case "read": return this.radio.read();
        case "write": return this.radio.write();
        case "verifyAfterWrite": return this.radio.toggleVerifyAfterWrite();
        case "commPort": return this.radio.commPort();
        case "backups": return this.radio.showBackups();
        case "helpTopics": return helpDialog(this.engine, this.texts);
        case "about": return aboutDialog(this.engine, this.texts);
        default: return;
      }
    });
  }

  private async newDocument(): Promise<void> {
    const answer = await this.ask(this.texts.t("AllDataCleared"), ["ok", "cancel"], "exclamation", this.texts.t("Warning"), "cancel");
    if (answer !== "ok") return;
    this.doc.newDocument();
    this.fileHandle = null;
    this.refresh();
  }

  // Yes saves first; Cancel (or a failed save) stops the command.
  private async settleUnsavedChanges(textName: string): Promise<boolean> {
    if (!this.doc.isModified()) return true;
    const answer = await this.ask(this.texts.t(textName), ["yes", "no", "cancel"]);
    if (answer === "cancel") return false;
    return answer === "no" || (await this.save(false)) !== "failed";
  }

  private kind(base: Omit<FileKind, "description">, filterName: string): FileKind {
    return { ...base, description: this.texts.t(filterName).split("(")[0]!.trim() || base.extension };
  }

  private async open(): Promise<void> {
    if (!(await this.settleUnsavedChanges("FileModifiedSaveNow"))) return;
    const picked = await pickFile(this.kind(DATA_FILE, "DataFileFilter"));
    if (picked) this.load(picked);
  }

  private async openPicked(picked: PickedFile): Promise<void> {
    this.editing.end();
    if (!(await this.settleUnsavedChanges("FileModifiedSaveNow"))) return;
    this.load(picked);
  }

  private load(picked: PickedFile): void {
    const outcome = this.doc.open(picked.bytes, picked.name);
    if (!outcome.ok) {
      if (outcome.notice) void this.notice(outcome.notice);
      return;
    }
    this.fileHandle = picked.handle;
    this.refresh();
    this.grid.moveTo(1, 1);
  }

  private async save(askWhere: boolean): Promise<"saved" | "cancelled" | "failed"> {
    const untitled = this.doc.fileName() === "Untitled";
    const name = untitled ? "Untitled.dat" : this.doc.fileName();
    const handle = askWhere || untitled ? null : this.fileHandle;
    try {
      const target = await saveFile(this.kind(DATA_FILE, "DataFileFilter"), name, this.doc.saveBytes(), handle);
      if (!target) return "cancelled";
      this.fileHandle = target.handle;
      this.doc.markSaved(target.name);
      this.afterChange();
      return "saved";
    } catch (error) {
      const reason = error instanceof Error ? error.message : String(error);
      await this.ask(`${this.texts.t("CannotSaveFile").replace("%1", name)}\n${reason}`, ["ok"]);
      return "failed";
    }
  }

  private async exportChannels(): Promise<void> {
    const base = this.doc.fileName() === "Untitled" ? "Untitled" : this.doc.fileName().replace(/\.dat$/i, "");
    await saveFile(this.kind(CSV_FILE, "CsvFileFilter"), `${base}.csv`, this.doc.exportCsv(), null);
  }

  private async importChannels(): Promise<void> {
    const picked = await pickFile(this.kind(CSV_FILE, "CsvFileFilter"));
    if (!picked) return;
    const outcome = this.doc.importCsv(picked.bytes, picked.name);
    if (outcome.ok) this.changed();
    await this.notice(outcome.notice);
  }

  private async exit(): Promise<void> {
    if (this.doc.isModified()) {
      const answer = await this.ask(this.texts.t("FileNotSavedSaveNow"), ["yes", "no", "cancel"]);
      if (answer === "cancel" || (answer === "yes" && (await this.save(false)) === "failed")) return;
    }
    window.close();
  }

  private async chooseLanguage(): Promise<void> {
    const chosen = await languageDialog(this.engine, this.texts);
    if (chosen === null) return;
    this.engine.setLanguage(chosen);
    localStorage.setItem(LANGUAGE_KEY, String(chosen));
    this.applyLanguage();
    this.refresh();
  }

  private async generalChosen(field: "model" | "band" | "power" | "manual", index: number): Promise<void> {
    this.editing.end();
    await this.guarded(async () => {
      if (field === "band") {
        if (index === this.doc.general().band) return;
        if (this.doc.isModified()) {
          const answer = await this.ask(this.texts.t("AllDataCleared"), ["ok", "cancel"], "exclamation", this.texts.t("Warning"), "cancel");
          if (answer !== "ok") return this.panel.show(this.doc.general());
        }
        this.doc.setBand(index);
        this.fileHandle = null;
        return this.refresh();
      }
      if (field === "model") this.doc.setModel(index);
      else if (field === "power") this.doc.setPower(index);
      else this.doc.setManual(index);
      this.changed();
    });
  }

  private async openMemoryMap(): Promise<void> {
    this.editing.end();
    await this.guarded(async () => {
      if (await memoryMapDialog(this.texts, this.doc)) this.refresh();
    });
  }

  // --- keys

  // The channel keys (Shift+F3/F4/F5/F9/F10 or Ctrl+E/F/Q/I/D) on the current row.
  private channelKey(event: KeyboardEvent): boolean {
    const shift = event.shiftKey && !event.ctrlKey && !event.altKey && !event.metaKey;
    const ctrl = event.ctrlKey && !event.shiftKey && !event.altKey && !event.metaKey;
    const byF: Record<string, string> = { F3: "copy", F4: "frequency", F5: "tone", F9: "insert", F10: "delete" };
    const byCtrl: Record<string, string> = { e: "copy", f: "frequency", q: "tone", i: "insert", d: "delete" };
    const action = shift ? byF[event.key] : ctrl ? byCtrl[event.key.toLowerCase()] : undefined;
    if (event.key === "F1" && !event.ctrlKey && !event.altKey && !event.shiftKey) {
      const column = this.grid.col;
      this.editing.end();
      void this.guarded(() => helpDialog(this.engine, this.texts, column));
      return true;
    }
    if (!action) return false;
    const n = this.grid.row;
    const doc = this.doc;
    if (action === "insert" || action === "delete") {
      this.editing.end();
      if (action === "insert" ? doc.insertChannel(n) : (doc.deleteChannel(n), true)) this.changed();
      this.grid.focus();
      return true;
    }
    if (action === "tone" ? !doc.canCopyTone(n) : !doc.canCopyChannel(n)) return true;
    this.editing.end();
    const mode = action === "copy" ? "channel" : action === "frequency" ? "frequency" : "tone";
    void this.guarded(() => copyDialog(this.texts, doc, n, mode, () => this.changed()));
    return true;
  }

  // Keys of the whole window: the menu entries' keys.
  private windowKey(event: KeyboardEvent): void {
    if (document.querySelector("dialog[open]") || event.altKey || event.metaKey) return;
    const key = event.key.toLowerCase();
    let command: Command | undefined;
    if (event.ctrlKey && event.shiftKey) command = key === "s" ? "saveAs" : key === "z" ? "redo" : undefined;
    else if (event.ctrlKey) command = ({ o: "open", s: "save", p: "print", z: "undo", y: "redo" } as Record<string, Command>)[key];
    else if (event.key === "F1" && !this.grid.positionOf(event.target)) command = "helpTopics";
    if (!command) return;
    event.preventDefault();
    void this.run(command);
  }
}

