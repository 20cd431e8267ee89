import { beforeAll, describe, expect, test } from "vitest";
import type { Document, Engine } from "../engine/engine";
import { layOutPages, type PrintedPage } from "../src/print";
import { Texts } from "../src/texts";
import { loadEngine } from "./engine";

let engine: Engine;
beforeAll(async () => {
  engine = await loadEngine();
  engine.setLanguage(0);
});

function documentWith(channels: number[]): Document {
  const doc = new engine.Document();
  for (const n of channels) doc.typeText(n, 1, `24${n % 10}.5`);
  return doc;
}

const at = (page: PrintedPage, column: number, line: number) =>
  page.texts.find((t) => t.column === column && t.line === line)?.text;
const all = { channels: true, features: true, first: 1, last: 128 };

describe("printed pages", () => {
  test("nine channel blocks a page, then the features page", () => {
    const channels = Array.from({ length: 19 }, (_, i) => i + 1);
    const doc = documentWith(channels);
    const pages = layOutPages(new Texts(engine), doc, "240 - 260 MHz", "now", all);
    expect(pages).toHaveLength(4);
    expect(at(pages[0]!, 0, 11)).toBe("Channel 1");
    expect(at(pages[0]!, 0, 59)).toBe("Channel 9");
    expect(at(pages[2]!, 0, 11)).toBe("Channel 19");
    expect(at(pages[2]!, 0, 17)).toBeUndefined();
    expect(at(pages[3]!, 0, 9)).toBe("Optional Features");
    expect(at(pages[0]!, 30, 6)).toBe("Untitled");
    doc.delete();
  });

  test("a channel without TX prints hyphens; the block's lines hold the grid's texts", () => {
    const doc = documentWith([5]);
    doc.typeText(5, 2, "246");
    doc.typeText(1, 1, "241");
    const [page] = layOutPages(new Texts(engine), doc, "", "", { ...all, features: false });
    expect(at(page!, 0, 11)).toBe("Channel 1");
    expect(at(page!, 105, 12)).toBe("---------");
    expect(at(page!, 105, 13)).toBe("---------");
    expect(at(page!, 35, 18)).toBe("245.50000");
    expect(at(page!, 105, 18)).toBe("246.00000");
    expect(at(page!, 35, 20)).toBe("High"); // TX Power beside its label
    doc.delete();
  });

  test("a range without channels still prints one page; features alone print one page", () => {
    const doc = documentWith([]);
    const texts = new Texts(engine);
    const empty = layOutPages(texts, doc, "", "", { ...all, features: false });
    expect(empty).toHaveLength(1);
    expect(at(empty[0]!, 0, 9)).toBe("Memory Channel");
    expect(layOutPages(texts, doc, "", "", { ...all, channels: false })).toHaveLength(1);
    engine.setLanguage(1);
    expect(at(layOutPages(texts, doc, "", "", { ...all, channels: false })[0]!, 0, 9)).not.toBe("Optional Features");
    engine.setLanguage(0);
    doc.delete();
  });
});
