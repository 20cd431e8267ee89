import { existsSync, readdirSync, readFileSync } from "node:fs";
import { resolve } from "node:path";
import { expect, test } from "vitest";
import { desktopFiles } from "../vite/desktopFiles";
import { loadEngine } from "./engine";

const HELP = resolve(__dirname, "../../src/ui/dialogs/help");

// The page shows the desktop's help files by the engine's topic table: a topic
// or column anchor without its page in either language would be a blank help.
test("every help topic and grid column anchor the engine names exists in both languages", async () => {
  const engine = await loadEngine();
  for (const language of [0, 1] as const) {
    engine.setLanguage(language);
    for (const topic of engine.helpTopics()) {
      for (const folder of ["en", "zh"]) expect(existsSync(resolve(HELP, folder, topic.page)), `${folder}/${topic.page}`).toBe(true);
    }
  }
  for (let column = 0; column <= 10; column++) {
    const [page, anchor] = engine.helpPageForContext(7006 + column).split("#");
    for (const folder of ["en", "zh"]) {
      const html = readFileSync(resolve(HELP, folder, page!), "utf8");
      expect(html, `${folder}/${page}#${anchor}`).toMatch(new RegExp(`name="${anchor}"|id="${anchor}"`));
    }
  }
});

// The build takes the help pages from the desktop's folder, which also holds
// files of its own beside the language folders.
test("the build ships every help page of both languages and nothing beside them", () => {
  const emitted: string[] = [];
  const plugin = desktopFiles(resolve(__dirname, "../.."));
  (plugin.generateBundle as unknown as (this: object) => void).call({ emitFile: (file: { fileName: string }) => emitted.push(file.fileName) });
  for (const folder of ["en", "zh"]) {
    for (const name of readdirSync(resolve(HELP, folder))) expect(emitted).toContain(`help/${folder}/${name}`);
  }
  expect(emitted.filter((name) => name.startsWith("help/")).every((name) => /^help\/(en|zh)\//.test(name))).toBe(true);
  expect(emitted).toContain("zq915.svg");
});
