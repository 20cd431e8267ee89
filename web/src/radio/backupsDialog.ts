import type { Engine } from "../../engine/engine";
import type { RadioEngine } from "../../engine/radio";
import { openDialog } from "../dialogs";
import { h } from "../dom";
import { download } from "../files";
import { type Texts, withoutAccessKey } from "../texts";
import type { Backup, BackupStore } from "./backupStore";

interface Summary {
  band: string; // "136 - 174 MHz"
  range: string; // "136-174", for the file name
  channels: number; // channels in use
}

// What a backup holds, as the grid would show it.
function summarise(engine: Engine, image: Uint8Array): Summary {
  const doc = new engine.Document();
  try {
    doc.restore(image, "", image);
    const band = engine.bands()[doc.general().band];
    return {
      band: band?.text ?? "",
      range: band ? `${band.lowerMHz}-${band.upperMHz}` : "band",
      channels: doc.rows().filter((row) => row.present).length,
    };
  } finally {
    doc.delete();
  }
}

const two = (n: number) => String(n).padStart(2, "0");

// "2026-12-08_14-03-27_136-174.dat", in local time, as the desktop names its backups.
export function backupFileName(time: number, range: string): string {
  const d = new Date(time);
  return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}_${two(d.getHours())}-${two(d.getMinutes())}-${two(d.getSeconds())}_${range}.dat`;
}

// File > Backups: every kept read, newest first, with its date and time, band
// and number of channels; Download saves it as a data file, Open makes it the
// document. The backup to open, or null.
export async function backupsDialog(engine: Engine & RadioEngine, texts: Texts, store: BackupStore): Promise<Backup | null> {
  const backups = await store.list();
  const locale = engine.language() === 1 ? "zh-CN" : "en-GB";
  let chosen: Backup | null = null;
  const table = h("table", { class: "backups-table", "aria-label": texts.t("BackupsTitle") });
  table.append(h("thead", {}, h("tr", {},
    ...["BackupTime", "BackupBand", "BackupChannels"].map((name) => h("th", { scope: "col", text: texts.t(name) })),
    h("th", { scope: "col" }))));
  const body = h("tbody");
  table.append(body);
  let close: (() => void) | null = null;
  for (const backup of backups) {
    const summary = summarise(engine, backup.image);
    const open = h("button", { type: "button", text: withoutAccessKey(texts.t("OpenBackup")) });
    const save = h("button", { type: "button", text: withoutAccessKey(texts.t("DownloadBackup")) });
    open.addEventListener("click", () => { chosen = backup; close?.(); });
    save.addEventListener("click", () =>
      download(backupFileName(backup.time, summary.range), engine.dataFileBytes(backup.image), "application/octet-stream"));
    body.append(h("tr", {},
      h("td", { text: new Date(backup.time).toLocaleString(locale) }),
      h("td", { text: summary.band }),
      h("td", { class: "number", text: String(summary.channels) }),
      h("td", { class: "backup-actions" }, open, save)));
  }
  await openDialog({
    title: texts.t("BackupsTitle"),
    className: "backups-dialog",
    body: (dialog) => {
      close = () => dialog.querySelector<HTMLButtonElement>(".dialog-buttons button")?.click();
      return backups.length > 0 ? [h("div", { class: "backups-list" }, table)] : [h("p", { class: "backups-empty", text: texts.t("NoBackups") })];
    },
    buttons: [{ value: "close" as const, label: withoutAccessKey(texts.t("CloseWindow")), primary: true }],
    escape: "close",
  });
  return chosen;
}
