import { existsSync, readFileSync } from "node:fs";
import { resolve } from "node:path";
import { expect, test } from "vitest";
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
