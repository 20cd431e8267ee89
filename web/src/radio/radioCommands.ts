import type { Document, Engine } from "../../engine/engine";
import type { DemoRadio, RadioEngine } from "../../engine/radio";
import type { Button, Icon } from "../dialogs";
import { PRODUCT, type Texts } from "../texts";
import { backupsDialog } from "./backupsDialog";
import { BackupStore } from "./backupStore";
import { DemoSerialPort } from "./demoPort";
import { describeCurrent, loadChoice, type PortChoice, portFor, storeChoice } from "./portChoice";
import { portDialog } from "./portDialog";
import { SerialLink } from "./serialLink";
import { type Outcome, TransferRunner } from "./transferRunner";
import { TransferWindow } from "./transferWindow";
import { type SerialPort, webSerial } from "./webSerial";

import "./radio.css";

const VERIFY_KEY = "zq915.verifyAfterWrite";

// What the radio commands need of the page.
export interface RadioHost {
  engine: Engine & RadioEngine;
  texts: Texts;
  doc: Document;
  ask(text: string, buttons: Button[], icon: Icon, title?: string): Promise<Button>;
  // Yes saves first; false when the user cancelled (or the save failed).
  settleUnsavedChanges(): Promise<boolean>;
  // The document was replaced by a radio's memory (a read, a backup).
  documentReplaced(): void;
  showPort(text: string): void;
}

// Makes `image` the document: untitled, nothing unsaved, no history. The
// snapshot is taken after the rows were drawn (which may erase out-of-band
// channels), so the document just read counts as unchanged.
export function takeAsUntitled(doc: Document, image: Uint8Array): void {
  doc.restore(image, "Untitled", image);
  const shown = doc.image();
  doc.restore(shown, "Untitled", shown);
}

type Phase = { outcome: Outcome; image: Uint8Array } | { unopened: string };

// Program > Read from Radio, Write to Radio, Verify after Write; Setup >
// Communication Port; File > Backups. Each transfer goes through the engine's
// CloneSession on the chosen port: a Web Serial port or the demo radio.
export class RadioCommands {
  private choice: PortChoice;
  private readonly serial = webSerial();
  private demoRadio: DemoRadio | null = null;
  private runner: TransferRunner | null = null;
  private readonly backups = new BackupStore();
  private verify = localStorage.getItem(VERIFY_KEY) === "1";

  constructor(private readonly host: RadioHost) {
    this.choice = loadChoice(localStorage, location.search);
    this.serial?.addEventListener("connect", () => void this.showPort());
    this.serial?.addEventListener("disconnect", () => void this.showPort());
    // Leaving mid-transfer: warn first; if the page goes anyway, tell the radio End.
    window.addEventListener("beforeunload", (event) => {
      if (this.transferring) event.preventDefault();
    });
    window.addEventListener("pagehide", () => this.runner?.cancel());
    void this.showPort();
  }

  get transferring(): boolean {
    return this.runner !== null && !this.runner.isOver;
  }

  get verifyAfterWrite(): boolean {
    return this.verify;
  }

  toggleVerifyAfterWrite(): void {
    this.verify = !this.verify;
    localStorage.setItem(VERIFY_KEY, this.verify ? "1" : "0");
  }

  async showPort(): Promise<void> {
    this.host.showPort(await describeCurrent(this.host.texts, this.choice, this.serial));
  }

  async commPort(): Promise<void> {
    const chosen = await portDialog(this.host.texts, this.serial, this.choice);
    if (!chosen) return;
    this.choice = chosen;
    storeChoice(localStorage, chosen);
    await this.showPort();
  }

  async read(): Promise<void> {
    const port = await this.probedPort();
    if (!port || !(await this.host.settleUnsavedChanges()) || !(await this.confirm("ReadDataFromRadio"))) return;
    const window = this.transferWindow("ReadFromRadioTitle");
    const phase = await this.runPhase(window, port, "read", this.host.doc.image());
    if ("unopened" in phase) return this.cannotOpen(phase.unopened);
    let backupError = "";
    if (phase.outcome.kind === "completed" && this.choice.kind !== "demo") {
      // Kept as it came, before the page draws (and may normalise) it.
      await this.backups.keep(phase.image).catch((error: unknown) => { backupError = String(error); });
    }
    window.hide();
    if (phase.outcome.kind !== "completed") return this.reportEnd(phase.outcome);
    takeAsUntitled(this.host.doc, phase.image);
    this.host.documentReplaced();
    if (backupError) await this.host.ask(this.host.texts.t("BackupFailed").replace("%1", backupError), ["ok"], "exclamation");
    await this.host.ask(this.host.texts.t("ReadingCompleted"), ["ok"], "information");
  }

  async write(): Promise<void> {
    const port = await this.probedPort();
    if (!port || !(await this.confirm("WriteDataToRadio"))) return;
    const verify = this.verify;
    const sent = this.host.doc.image();
    const window = this.transferWindow("WriteToRadioTitle");
    window.setPhase(verify ? "Writing" : "");
    const written = await this.runPhase(window, port, "write", sent);
    if ("unopened" in written) return this.cannotOpen(written.unopened);
    if (written.outcome.kind !== "completed") {
      window.hide();
      return this.reportEnd(written.outcome);
    }
    if (!verify) {
      window.hide();
      await this.host.ask(this.host.texts.t("WritingCompleted"), ["ok"], "information");
      return;
    }
    // The read-back starts from what was sent, so the radio identifies as it did for the write.
    window.setPhase("Verifying");
    const stored = await this.runPhase(window, port, "read", sent);
    window.hide();
    if ("unopened" in stored) return this.cannotOpen(stored.unopened);
    if (stored.outcome.kind !== "completed") return this.reportEnd(stored.outcome);
    const engine = this.host.engine;
    const same = engine.firstRadioDifference(sent, stored.image) < 0;
    await this.host.ask(engine.verificationText(sent, stored.image), ["ok"], same ? "information" : "critical");
  }

  async showBackups(): Promise<void> {
    const chosen = await backupsDialog(this.host.engine, this.host.texts, this.backups);
    if (!chosen || !(await this.host.settleUnsavedChanges())) return;
    takeAsUntitled(this.host.doc, chosen.image);
    this.host.documentReplaced();
  }

  // The chosen port, after it was opened and closed again (as the desktop
  // probes); null, after saying so, when there is none or it cannot be opened.
  private async probedPort(): Promise<SerialPort | null> {
    const texts = this.host.texts;
    let port: SerialPort | null = null;
    if (this.choice.kind === "demo") {
      this.demoRadio ??= new this.host.engine.DemoRadio();
      port = new DemoSerialPort(this.demoRadio);
    } else if (this.choice.kind === "none") {
      await this.cannotOpen(texts.t("NoPortChosen"));
      return null;
    } else if (!this.serial) {
      await this.cannotOpen(texts.t("NoWebSerial"));
      return null;
    } else {
      port = portFor(this.choice, await this.serial.getPorts().catch(() => []));
      if (!port) {
        await this.cannotOpen(texts.t("PortDisappeared"));
        return null;
      }
    }
    const link = new SerialLink(port);
    try {
      await link.open();
    } catch (error) {
      await this.cannotOpen(String(error instanceof Error ? error.message : error));
      return null;
    }
    await link.close();
    return port;
  }

  private confirm(firstLine: string): Promise<boolean> {
    const texts = this.host.texts;
    return this.host.ask(`${texts.t(firstLine)}\r\n${texts.t("ContinueQuestion")}`, ["ok", "cancel"], "question")
      .then((answer) => answer === "ok");
  }

  private transferWindow(title: string): TransferWindow {
    return new TransferWindow(this.host.texts, this.host.texts.t(title), this.choice.kind === "demo");
  }

  // Opens the port (the window shows once it is open) and runs one session.
  private async runPhase(window: TransferWindow, port: SerialPort, direction: "read" | "write", image: Uint8Array): Promise<Phase> {
    const link = new SerialLink(port);
    try {
      await link.open();
    } catch (error) {
      window.hide();
      return { unopened: String(error instanceof Error ? error.message : error) };
    }
    const session = new this.host.engine.CloneSession(direction, image);
    try {
      const runner = new TransferRunner(session, link, window, this.host.engine.cloneDeadlineMs);
      this.runner = runner;
      window.onClose = () => runner.cancel();
      window.progress(0, session.progressLabel());
      if (!window.element.open) window.show();
      const outcome = await runner.run();
      return { outcome, image: session.image() };
    } finally {
      session.delete();
      this.runner = null;
    }
  }

  private async cannotOpen(reason: string): Promise<void> {
    await this.host.ask(`${this.host.texts.t("CannotOpenPort")}\n${reason}`, ["ok"], "critical", PRODUCT);
  }

  private async reportEnd(outcome: Outcome): Promise<void> {
    const texts = this.host.texts;
    if (outcome.kind === "refused") await this.host.ask(texts.t("WrongModel"), ["ok"], "critical", texts.t("Error"));
    if (outcome.kind === "gone") {
      console.info("transfer: the port went away:", outcome.reason);
      await this.host.ask(texts.t("TransferStopped").replace("%1", texts.t("PortDisappeared")), ["ok"], "critical", texts.t("Error"));
    }
  }
}
