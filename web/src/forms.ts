import type { Document, Engine, OptionalFeatures } from "../engine/engine";
import { messageBox, openDialog } from "./dialogs";
import { h } from "./dom";
import { PRODUCT, type Texts, withoutAccessKey } from "./texts";

const okCancel = (texts: Texts) => [
  { value: "ok" as const, label: withoutAccessKey(texts.t("Ok")), primary: true },
  { value: "cancel" as const, label: withoutAccessKey(texts.t("Cancel")) },
];

function labelled(text: string, control: HTMLElement, id: string): HTMLElement {
  control.id = id;
  return h("div", { class: "form-row" }, h("label", { for: id, text }), control);
}

// The desktop dialog's three frames and what each holds.
const FEATURE_FRAMES: { title: string; keys: (keyof OptionalFeatures)[] }[] = [
  { title: "GeneralFunction", keys: ["timeOutTimer", "squelchLevel", "chordLanguage", "beepTone", "batterySave", "scrambler"] },
  { title: "Vox", keys: ["voxGain", "voxDelay"] },
  { title: "PttId", keys: ["ani", "name", "pttIdBot", "pttIdEot"] },
];

// Program > Optional Features: the engine's features as lists, boxes and fields.
export async function optionalFeaturesDialog(engine: Engine, texts: Texts, doc: Document): Promise<boolean> {
  const values: OptionalFeatures = doc.optionalFeatures();
  const read: (() => void)[] = [];
  const rows = new Map<keyof OptionalFeatures, HTMLElement>();
  for (const feature of engine.features()) {
    const key = feature.key;
    const id = `feature-${key}`;
    const current = values[key];
    if (feature.choices.length > 0) {
      const select = h("select");
      select.append(...feature.choices.map((text) => h("option", { text })));
      select.selectedIndex = current as number;
      read.push(() => ((values as unknown as Record<string, number>)[key] = select.selectedIndex));
      rows.set(key, labelled(feature.label, select, id));
    } else if (typeof current === "boolean") {
      const box = h("input", { type: "checkbox", id });
      box.checked = current;
      read.push(() => ((values as unknown as Record<string, boolean>)[key] = box.checked));
      rows.set(key, h("div", { class: "form-row check" }, box, h("label", { for: id, text: feature.label })));
    } else {
      const field = h("input", { type: "text", maxlength: key === "ani" ? 4 : 6, spellcheck: "false" });
      field.value = String(current);
      read.push(() => ((values as unknown as Record<string, string>)[key] = field.value.toUpperCase()));
      rows.set(key, labelled(feature.label, field, id));
    }
  }
  const answer = await openDialog({
    title: texts.t("OptionalFeatures"),
    className: "features-dialog",
    body: () => [h("div", { class: "feature-frames" }, ...FEATURE_FRAMES.map((frame) =>
      h("fieldset", { class: "feature-frame" }, h("legend", { text: texts.t(frame.title) }),
        ...frame.keys.flatMap((key) => rows.get(key) ?? []))))],
    buttons: okCancel(texts),
    escape: "cancel",
  });
  if (answer !== "ok") return false;
  read.forEach((take) => take());
  return doc.setOptionalFeatures(values);
}

// Setup > Language Setup: English or Chinese.
export async function languageDialog(engine: Engine, texts: Texts): Promise<0 | 1 | null> {
  const choices = [texts.t("English"), texts.t("Chinese")].map((text, index) => {
    const radio = h("input", { type: "radio", name: "language", id: `language-${index}`, value: index });
    radio.checked = engine.language() === index;
    return { radio, row: h("div", { class: "form-row check" }, radio, h("label", { for: `language-${index}`, text })) };
  });
  const answer = await openDialog({
    title: texts.t("LanguageSetup"),
    body: () => [h("fieldset", { class: "radio-group" }, h("legend", { text: texts.t("LanguageMode") }), ...choices.map((c) => c.row))],
    buttons: okCancel(texts),
    escape: "cancel",
  });
  if (answer !== "ok") return null;
  return choices[1]!.radio.checked ? 1 : 0;
}

// Help > About.
export async function aboutDialog(engine: Engine, texts: Texts): Promise<void> {
  const lines = [
    `${PRODUCT} ${texts.t("RadioProgrammingSoftware")}`,
    `${texts.t("For")} ${PRODUCT}`,
    "",
    `${texts.t("Version")} ${engine.version()}`,
  ];
  await openDialog({
    title: `${texts.t("About")} ${PRODUCT}`,
    body: () => [h("p", { class: "about-text", text: lines.join("\n") })],
    buttons: [{ value: "ok", label: withoutAccessKey(texts.t("Ok")), primary: true }],
    escape: "ok",
  });
}

export type CopyMode = "channel" | "frequency" | "tone";
const COPY_TEXTS: Record<CopyMode, [string, string, string]> = {
  channel: ["ChannelCopy", "Channel", "Channel"],
  frequency: ["FrequencyCopy", "Receive", "Transmit"],
  tone: ["QtDqtCopy", "Decode", "Encode"],
};

// The copy dialog for channel n: channel copy (Enter copies and stays open),
// RX -> TX, or Decode -> Encode. Changes go through the engine as the desktop's.
export async function copyDialog(texts: Texts, doc: Document, n: number, mode: CopyMode,
                                 changed: () => void): Promise<void> {
  const [caption, sourceLabel, destinationLabel] = COPY_TEXTS[mode];
  const source = doc.cellText(n, mode === "tone" ? 3 : 1);
  const destination: HTMLInputElement | HTMLSelectElement =
    mode === "tone" ? h("select") : h("input", { type: "text", maxlength: mode === "channel" ? 3 : 9, autofocus: true });
  if (destination instanceof HTMLSelectElement) {
    const entries = doc.cellEntries(4);
    destination.append(...entries.map((text) => h("option", { text })));
    destination.selectedIndex = Math.max(0, entries.indexOf(source));
    destination.autofocus = true;
  } else {
    destination.value = mode === "frequency" ? source : "";
  }
  let busy = false;
  const commit = (): boolean => {
    const outcome = mode === "channel" ? doc.copyChannel(n, destination.value)
      : mode === "frequency" ? doc.copyFrequency(n, destination.value) : doc.copyTone(n, destination.value);
    if (outcome.changed) changed();
    if (!outcome.notice) return true;
    busy = true;
    void messageBox(texts, outcome.notice).then(() => { busy = false; destination.focus(); });
    return mode !== "channel";
  };
  destination.addEventListener("keydown", (event) => {
    if ((event as KeyboardEvent).key !== "Enter" || busy) return;
    event.preventDefault();
    if (mode === "channel") {
      commit();
      destination.value = "";
    } else {
      (destination.closest("dialog")!.querySelector("button.primary") as HTMLButtonElement).click();
    }
  });
  await openDialog({
    title: texts.t(caption),
    className: "copy-dialog",
    body: () => [h("div", { class: "form-grid" },
      h("div", { class: "form-row" }, h("span", { text: texts.t(sourceLabel) }), h("output", { text: source })),
      h("div", { class: "form-row" }, h("span", { text: texts.t("LowercaseTo") })),
      labelled(texts.t(destinationLabel), destination, "copy-destination"))],
    buttons: okCancel(texts),
    escape: "cancel",
    onButton: (value) => value === "cancel" || (!busy && commit()),
  });
}
