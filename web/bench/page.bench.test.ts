import { readFileSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";
import { afterAll, beforeAll, expect, test } from "vitest";
import { DIST, launch, openPage, serve } from "../e2e/harness";

// Load time, bytes and redraw times of the page in headless chromium. Run by
// `npm run bench`; prints the figures the README quotes.

let server: Awaited<ReturnType<typeof serve>>;
beforeAll(async () => {
  server = await serve();
});
afterAll(async () => server?.close());

const median = (values: number[]) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)]!;
const readyAt = (page: import("playwright-core").Page) =>
  page.evaluate(() => performance.getEntriesByName("grid-ready")[0]!.startTime);

test("load, bytes and redraw", async () => {
  const cold: number[] = [];
  const warm: number[] = [];
  let transferred = 0;
  for (let run = 0; run < 5; run++) {
    const browser = await launch();
    const page = browser.context.pages()[0] ?? (await browser.context.newPage());
    const files = new Set<string>();
    page.on("response", (response) => {
      const path = new URL(response.url()).pathname.replace(/^\//, "") || "index.html";
      files.add(path);
    });
    await openPage(browser.context, server.url);
    cold.push(await readyAt(page));
    if (run === 0) {
      transferred = [...files].filter((f) => !f.startsWith("help/"))
        .reduce((sum, f) => sum + gzipSync(readFileSync(join(DIST, f)), { level: 9 }).length, 0);
    }
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
    warm.push(await readyAt(page));
    await browser.close();
  }

  const browser = await launch();
  const page = await openPage(browser.context, server.url);
  const redraw = await page.evaluate(() => {
    const app = (globalThis as any).zq915;
    const csv = ["CH,RX Freq,TX Freq,Decode,Encode,W/N,Scan,TX Power,Opt Signal,PTT ID,BCL"];
    for (let n = 1; n <= 128; n++) csv.push(`${n},${(240 + n / 8).toFixed(5)},${(245 + n / 8).toFixed(5)},88.5,67.0,Wide,Add,High,DTMF,On,Off`);
    app.doc.importCsv(new TextEncoder().encode(csv.join("\r\n")), "bench.csv");
    app.changed();
    const times: number[] = [];
    for (let i = 0; i < 30; i++) {
      app.engine.setLanguage(i % 2 ? 0 : 1); // every word cell changes
      const start = performance.now();
      app.changed();
      document.body.getBoundingClientRect();
      void document.querySelector("[role=grid]")!.scrollHeight;
      if (i >= 10) times.push(performance.now() - start); // after the first shaping of both languages
    }
    app.engine.setLanguage(0);
    app.changed();
    return times;
  });
  const typed = await page.evaluate(() => {
    const times: number[] = [];
    for (let i = 0; i < 20; i++) {
      const cell = document.querySelectorAll<HTMLElement>("[role=gridcell]")[i * 10]!;
      cell.click();
      const input = cell.querySelector("input")!;
      input.value = `250.${String(i).padStart(2, "0")}5`;
      const start = performance.now();
      input.dispatchEvent(new KeyboardEvent("keydown", { key: "Enter", bubbles: true }));
      void cell.closest("[role=row]")!.getBoundingClientRect();
      times.push(performance.now() - start);
    }
    return times;
  });
  await browser.close();

  const figures = {
    coldLoadMs: Math.round(median(cold)),
    warmLoadMs: Math.round(median(warm)),
    transferredGzipKB: Math.round(transferred / 1024),
    fullRedraw128RowsMs: Number(median(redraw).toFixed(2)),
    typedFrequencyToRowMs: Number(median(typed).toFixed(2)),
  };
  console.log(JSON.stringify(figures, null, 2));
  expect(figures.transferredGzipKB).toBeLessThan(150);
  expect(figures.fullRedraw128RowsMs).toBeLessThan(16);
  expect(figures.typedFrequencyToRowMs).toBeLessThan(16);
});
