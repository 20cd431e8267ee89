// The engine of the ZQ-915 programmer compiled to WebAssembly: the same C++
// the desktop program runs for texts, tables, channel rules, files, CSV and
// the edit history. Build: see README.md beside this file.
//
//   import createEngine from "./zq915-engine.mjs";
//   const engine = await createEngine();          // or createEngine({ wasmBinary })
//   const doc = new engine.Document();
//   ...
//   doc.delete();                                 // embind objects are freed by hand
//
// Numbering used throughout:
// - channel `n` is 1-based (1..channelCount()), as the grid's CH column;
// - grid column `col` is the desktop grid's: 0 CH, 1 RX Freq, 2 TX Freq,
//   3 Decode, 4 Encode, 5 W/N, 6 Scan, 7 TX Power, 8 Opt Signal, 9 PTT ID, 10 BCL;
// - language 0 is English, 1 is Chinese.
// Every method takes exactly the arguments declared (embind checks the count).
// Every text the engine returns is in the language set by setLanguage(),
// except text(id, language), which names its language.

export type Language = 0 | 1;

// What the desktop shows in a message box. `text` is complete (detail lines
// included) in the current language; `title` is the box's caption.
export interface Notice {
  textId: number; // the main text's string id
  text: string;
  title: string;
  icon: "information" | "exclamation" | "critical";
}

// One grid row: the 10 cell texts of columns 1..10 (empty strings for an empty channel).
export interface Row {
  present: boolean; // false: the channel is empty
  cells: string[]; // length 10
}

export interface Band {
  code: number; // stored band code 238..248
  text: string; // "136 - 174 MHz"
  lowerMHz: number;
  upperMHz: number;
}

// The General panel's selections as list indexes.
export interface GeneralSettings {
  model: number; // 0..2 index into models()
  band: number; // 0..10 index into bands()
  power: number; // 0..9
  manual: number; // 0 Enable, 1 Disable
}

// The Optional Features dialog's values (list indexes; -1 = no selection).
export interface OptionalFeatures {
  timeOutTimer: number;
  squelchLevel: number;
  chordLanguage: number;
  voxGain: number;
  voxDelay: number;
  beepTone: boolean;
  batterySave: boolean;
  scrambler: boolean;
  ani: string; // up to 4 digits
  name: string; // up to 6 of 1-9, A-Z
  pttIdBot: boolean;
  pttIdEot: boolean;
}

// One optional feature as the dialog and the printout list it.
export interface FeatureInfo {
  key: keyof OptionalFeatures;
  label: string;
  choices: string[]; // list entries (index = value); empty for check boxes and text fields
}

// The result of typing or choosing in a cell.
export interface CellOutcome {
  changed: boolean; // the image changed (one undo step was recorded)
  notice: Notice | null; // a message to show (e.g. out of range), shown after the change
}

export interface OpenOutcome {
  ok: boolean; // false: the document is unchanged
  notice: Notice | null; // the refusal ("Incorrect file type." ...) when !ok
}

export interface ImportOutcome {
  ok: boolean; // false: the file was refused whole, the document is unchanged
  imported: number;
  skipped: number;
  report: string; // the desktop's report text (also the error when !ok)
  notice: Notice; // the report as the desktop shows it
}

// An undo/redo step as the Edit menu names it.
export interface HistoryState {
  canUndo: boolean;
  canRedo: boolean;
  // "&Undo Channel 3 RX Freq", or the plain "&Undo"; as every menu text of the
  // string table, "&" marks the access key ("&&" a literal "&").
  undoCaption: string;
  redoCaption: string;
}

// A channel as the printout lists it: its number and the grid's cell texts.
export interface PrintedChannel {
  number: number;
  cells: string[]; // length 10, as Row.cells
}

// An optional feature as the printout lists it.
export interface FeatureLine {
  label: string;
  value: string; // selected entry, "Enable"/"Disable", the ANI or the name
}

export interface HelpTopic {
  page: string; // e.g. "grid.html"
  title: string; // current language
}

export declare class Document {
  // A fresh untitled document of the default model and band (as a start-up).
  constructor();
  delete(): void;

  // --- document state
  fileName(): string; // "Untitled" until opened or saved
  title(): string; // the window title in the current language
  isModified(): boolean; // any byte differs from the last open/save
  channelCount(): number; // 128, or 8 on the small band
  toneListLast(): number; // 260 or 38
  bandLowerMHz(): number;
  bandUpperMHz(): number;
  image(): Uint8Array; // the 4096 bytes, row-major (byte (r, c) at r*256 + c)
  snapshot(): Uint8Array; // the image as last opened/saved
  // Puts back a kept document (crash recovery): image, name, snapshot. False
  // (nothing changed) unless both arrays are 4096 bytes.
  restore(image: Uint8Array, fileName: string, snapshot: Uint8Array): boolean;

  // --- files
  // File > New: a fresh untitled document of the current model and band, no
  // history (a band change is setBand).
  newDocument(): void;
  // File > Open: decodes a data file's bytes; on success the document is
  // replaced, normalised for display, saved state, no history.
  open(bytes: Uint8Array, fileName: string): OpenOutcome;
  // The data-file bytes of the document (what the desktop writes).
  saveBytes(): Uint8Array;
  // After the bytes were written under `fileName`: the document is saved.
  markSaved(fileName: string): void;
  exportCsv(): string; // UTF-8 text, CRLF line ends
  // One undo step "Import"; `fileName` is named in a refusal.
  importCsv(bytes: Uint8Array, fileName: string): ImportOutcome;

  // --- the grid
  row(n: number): Row; // draws channel n (normalising it as the desktop does)
  rows(): Row[]; // channels 1..channelCount()
  cellText(n: number, col: number): string;
  // The cell an edit of (n, col) opens in: a channel without RX edits RX;
  // Encode without TX edits TX; otherwise col.
  editCell(n: number, col: number): number;
  // The entries a cell's drop-down offers: the tone list in force (cols 3, 4)
  // or the column's words (cols 5..10); empty for 1, 2.
  cellEntries(col: number): string[];
  // Commits typed text into a frequency cell (col 1 or 2) as the frequency
  // editor does: empty RX clears the channel, empty TX clears TX and Encode,
  // out-of-band text stores the nearest band limit and returns the notice.
  typeText(n: number, col: number, text: string): CellOutcome;
  // Chooses a drop-down entry (cols 3..10) by its text.
  choose(n: number, col: number, entry: string): CellOutcome;

  // --- General panel (each a named undo step; setBand starts a new document)
  general(): GeneralSettings;
  setModel(index: number): void;
  setPower(index: number): void;
  setManual(index: number): void;
  setBand(index: number): void; // caller asks "all data cleared" first when isModified()

  // --- Program > Optional Features
  optionalFeatures(): OptionalFeatures;
  setOptionalFeatures(values: OptionalFeatures): boolean; // one step; true if changed

  // --- channel commands on channel n (each one named undo step)
  canCopyChannel(n: number): boolean; // RX present
  canCopyTone(n: number): boolean; // TX present
  canInsert(): boolean; // last channel empty
  // Copies channel n to `destinationText` (typed channel number); a notice
  // "Channel out of range" when it is not 1..channelCount().
  copyChannel(n: number, destinationText: string): CellOutcome;
  // RX -> TX: stores typed TX text for channel n ("" clears TX).
  copyFrequency(n: number, txText: string): CellOutcome;
  // Decode -> Encode: stores tone list entry `tone` as channel n's encode.
  copyTone(n: number, tone: string): CellOutcome;
  insertChannel(n: number): boolean;
  deleteChannel(n: number): void;

  // --- memory map (radio address order: address = column*16 + row)
  byteAt(address: number): number;
  // Replaces the whole image from the memory map's 4096 bytes in address order
  // as one step "Memory Map"; false when the length is wrong.
  setMemoryMap(bytesByAddress: Uint8Array): boolean;

  // --- edit history
  history(): HistoryState;
  undo(): boolean; // false: nothing to undo
  redo(): boolean;

  // --- printout content (the page lays it out: nine channel blocks a page,
  // then the features page). Only channels first..last that have an in-band
  // RX frequency; the document is not changed.
  printedChannels(first: number, last: number): PrintedChannel[];
  featureLines(): FeatureLine[];
}

export interface Engine {
  Document: typeof Document;

  setLanguage(language: Language): void;
  language(): Language;
  // Text of string id `id` in `language`; "" for an unknown id.
  text(id: number, language: Language): string;
  // Every string id, ascending (for a whole table: ids.map(id => text(id, l))).
  textIds(): number[];
  // The string ids by the engine's own names (ids().RxFreq === 1200 ...).
  ids(): Record<string, number>;

  gridHeaderIds(): number[]; // 11 ids: CH, RX Freq, ... BCL
  bands(): Band[]; // 11 bands in list order
  models(): string[]; // "7105A", "7105B", "7105C"
  powerLevels(): string[]; // General panel power entries
  manualChoices(): string[]; // "Enable", "Disable" (current language)
  toneList(toneListLast: number): string[]; // current language
  optionEntries(col: number): string[]; // cols 5..10, current language
  features(): FeatureInfo[]; // in dialog and printout order
  // The help's contents in order: page file (same in both languages) and title.
  helpTopics(): HelpTopic[];
  // The page and anchor for a grid column's help context (7006 + column),
  // e.g. "grid.html#bcl"; any other number gives the grid page.
  helpPageForContext(context: number): string;
  version(): string;
}

declare function createEngine(moduleOverrides?: { wasmBinary?: ArrayBuffer | Uint8Array }): Promise<Engine>;
export default createEngine;
