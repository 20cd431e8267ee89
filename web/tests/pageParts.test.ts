import { describe, expect, test } from "vitest";
import { firstLanguage } from "../src/app";
import { accessKey, withoutAccessKey } from "../src/texts";
import { serviceWorkerSource } from "../vite/serviceWorker";

describe("captions", () => {
  test.each([
    ["&File", "File", "f"],
    ["Save &As", "Save As", "a"],
    ["文件(&F)", "文件", "f"],
    ["&Undo Channel 3 RX Freq", "Undo Channel 3 RX Freq", "u"],
    ["Tuning", "Tuning", ""],
    ["R&&D &Notes", "R&D Notes", "n"],
  ])("%s shows as %s with access key '%s'", (caption, plain, key) => {
    expect(withoutAccessKey(caption)).toBe(plain);
    expect(accessKey(caption)).toBe(key);
  });
});

test.each([
  [["zh-CN", "en"], 1],
  [["zh"], 1],
  [["en-US", "zh-CN"], 0],
  [["de"], 0],
  [[], 0],
] as const)("first visit with browser languages %j starts in language %i", (languages, language) => {
  expect(firstLanguage(languages)).toBe(language);
});

test("the service worker lists the version's files and drops older caches", () => {
  const source = serviceWorkerSource(["assets/index-1.js", "index.html"], "abc");
  expect(source).toContain('const CACHE = "zq915-abc"');
  expect(source).toContain('["./","assets/index-1.js","index.html"]');
  expect(source).toMatch(/key\.startsWith\("zq915-"\) && key !== CACHE/);
});
