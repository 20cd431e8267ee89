// Smoke test of the built engine module under node: the page's view of the
// same C++ the desktop runs.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { fileURLToPath } from "node:url";

const root = fileURLToPath(new URL("../../../", import.meta.url));
const engineDir = process.env.ZQ_WEB_ENGINE_DIR ?? `${root}build-web/engine`;
const { default: createEngine } = await import(`${engineDir}/zq915-engine.mjs`);
const engine = await createEngine({ wasmBinary: readFileSync(`${engineDir}/zq915-engine.wasm`) });
const corpus = (name) => new Uint8Array(readFileSync(`${root}fuzz/corpus/${name}`));

function withDocument(body) {
  const doc = new engine.Document();
  try {
    body(doc);
  } finally {
    doc.delete();
  }
}

test("a data file opens, draws and saves as the desktop writes it", () => {
  for (const name of ["channels-239.dat", "new-240.dat", "new-248.dat"]) {
    withDocument((doc) => {
      const bytes = corpus(name);
      const opened = doc.open(bytes, name);
      assert.equal(opened.ok, true, name);
      assert.equal(opened.notice, null);
      const rows = doc.rows();
      assert.equal(rows.length, doc.channelCount());
      for (const row of rows) assert.equal(row.cells.length, 10);
      assert.equal(doc.isModified(), false);
      assert.deepEqual(doc.saveBytes(), bytes, `${name} saved differently`);
    });
  }
  withDocument((doc) => {
    doc.open(corpus("channels-239.dat"), "c.dat");
    const present = doc.rows().filter((row) => row.present);
    assert.ok(present.length > 0);
    for (const row of present) assert.match(row.cells[0], /^\d{3}\.\d{5}$/);
  });
});

test("a file that is not a data file is refused and changes nothing", () => {
  withDocument((doc) => {
    const before = doc.image();
    const refused = doc.open(corpus("abracadabra.bin"), "x.dat");
    assert.equal(refused.ok, false);
    assert.equal(refused.notice.textId, engine.ids().IncorrectFileType);
    assert.equal(refused.notice.icon, "critical");
    assert.deepEqual(doc.image(), before);
    assert.equal(doc.fileName(), "Untitled");
  });
});

test("typing goes through the desktop's rules, messages and history", () => {
  withDocument((doc) => {
    doc.setBand(1); // 136 - 174 MHz
    const typed = doc.typeText(2, 1, "180");
    assert.equal(typed.changed, true);
    assert.equal(typed.notice.text, `${engine.text(engine.ids().FrequencyOutOfRange, 0)}\n136 - 174 MHz: 173.99500`);
    assert.deepEqual(doc.row(2).cells.slice(0, 3), ["173.99500", "", engine.text(engine.ids().NoneChoice, 0)]);
    assert.equal(doc.editCell(2, 4), 2);
    assert.equal(doc.choose(2, 4, "88.5").notice.textId, engine.ids().EncodeNeedsTxFreq);
    assert.equal(doc.history().undoCaption, "&Undo Channel 2 RX Freq");

    engine.setLanguage(1);
    try {
      assert.equal(doc.history().undoCaption, engine.text(engine.ids().UndoStep, 1).replace("%1", `信道 2 ${engine.text(engine.ids().RxFreq, 1)}`));
    } finally {
      engine.setLanguage(0);
    }
    assert.equal(doc.undo(), true);
    assert.equal(doc.row(2).present, false);
    assert.equal(doc.isModified(), false);
    assert.equal(doc.redo(), true);
    assert.equal(doc.row(2).present, true);
  });
});

test("tables and texts come from the engine in both languages", () => {
  assert.equal(engine.bands().length, 11);
  assert.deepEqual(engine.models(), ["7105A", "7105B", "7105C"]);
  assert.equal(engine.toneList(260).length, 261);
  assert.equal(engine.toneList(38).length, 39);
  assert.equal(engine.gridHeaderIds().length, 11);
  const ids = engine.textIds();
  assert.ok(ids.includes(engine.ids().RxFreq));
  assert.notEqual(engine.text(engine.ids().RxFreq, 0), engine.text(engine.ids().RxFreq, 1));
  assert.equal(engine.features().length, 12);
});

test("the document survives a restore and a CSV round trip", () => {
  withDocument((doc) => {
    doc.open(corpus("channels-239.dat"), "c.dat");
    doc.typeText(1, 1, "150");
    const csv = doc.exportCsv();
    withDocument((other) => {
      assert.equal(other.restore(doc.image(), doc.fileName(), doc.snapshot()), true);
      assert.equal(other.isModified(), true);
      assert.deepEqual(other.rows(), doc.rows());
      const imported = other.importCsv(new TextEncoder().encode(csv), "c.csv");
      assert.equal(imported.ok, true, imported.report);
      assert.deepEqual(other.rows(), doc.rows());
      assert.equal(other.restore(new Uint8Array(10), "x", doc.snapshot()), false);
    });
  });
});

test("the memory map goes by radio address; features and the map are one step each", () => {
  withDocument((doc) => {
    const map = new Uint8Array(4096).map((_, address) => doc.byteAt(address));
    map[200 * 16 + 3] = 0x5a; // column 200, row 3
    assert.equal(doc.setMemoryMap(map), true);
    assert.equal(doc.image()[3 * 256 + 200], 0x5a);
    assert.equal(doc.history().undoCaption, engine.text(engine.ids().UndoStep, 0).replace("%1", engine.text(engine.ids().MemoryMap, 0)));
    assert.equal(doc.setMemoryMap(map.subarray(1)), false);

    const features = { ...doc.optionalFeatures(), ani: "1234", name: "AB12", scrambler: true };
    assert.equal(doc.setOptionalFeatures(features), true);
    assert.deepEqual(doc.optionalFeatures(), features);
    assert.equal(doc.setOptionalFeatures(features), false);
    const name = doc.featureLines()[engine.features().findIndex((f) => f.key === "name")];
    assert.equal(name.value, "AB12");
    doc.undo();
    doc.undo();
    assert.equal(doc.isModified(), false);
  });
});
