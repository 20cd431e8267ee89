import { cpSync, mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { afterAll, beforeAll, describe, expect, test } from "vitest";
import { cell, cellTexts, cli, DIST, launch, menu, offerFile, openPage, savedFile, serve } from "./harness";

const work = mkdtempSync(join(tmpdir(), "zq915-web-"));
let server: Awaited<ReturnType<typeof serve>>;
beforeAll(async () => {
  server = await serve();
});
afterAll(async () => server?.close());

describe("files", () => {
  test("Save writes back to the file that was opened", async () => {
    const browser = await launch();
    try {
      const page = await openPage(browser.context, server.url);
      cli("new", join(work, "opened.dat"));
      await offerFile(page, "opened.dat", readFileSync(join(work, "opened.dat")));
      await page.keyboard.press("Control+o");
      await expect.poll(() => page.title()).toContain("opened.dat");
      await cell(page, 5, "RX Freq").click();
      await page.keyboard.type("255");
      await page.keyboard.press("Enter");
      await page.keyboard.press("Control+s");
      writeFileSync(join(work, "written.dat"), await savedFile(page, "opened.dat"));
      expect(cli("dump", join(work, "written.dat"))).toContain("5\t255.00000");
    } finally {
      await browser.close();
    }
  });

  test("without File System Access, Open uploads and Save downloads the same bytes", async () => {
    const browser = await launch("en-US", false);
    try {
      const page = await openPage(browser.context, server.url);
      const csv = join(work, "up.csv");
      writeFileSync(csv, "CH,RX Freq,TX Freq,Decode,Encode\r\n2,250,251,D023N,D023N\r\n");
      cli("import", csv, join(work, "upload.dat"));
      const chooser = page.waitForEvent("filechooser");
      await menu(page, "File", "Open");
      await (await chooser).setFiles(join(work, "upload.dat"));
      await expect.poll(() => page.title()).toContain("upload.dat");
      expect((await cellTexts(page, 2)).slice(0, 4)).toEqual(["250.00000", "251.00000", "D023N", "D023N"]);
      const download = page.waitForEvent("download");
      await menu(page, "File", "Save As");
      const saved = await (await download).path();
      expect(readFileSync(saved).equals(readFileSync(join(work, "upload.dat")))).toBe(true);
    } finally {
      await browser.close();
    }
  });
});

test("a new version replaces the cached one on the next visit", async () => {
  // A copy of the build whose page and service worker are then replaced, as a deployment would.
  const dist = mkdtempSync(join(tmpdir(), "zq915-dist-"));
  cpSync(DIST, dist, { recursive: true });
  let ownServer = await serve(dist);
  const browser = await launch();
  try {
    const page = await openPage(browser.context, ownServer.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await expect.poll(() => page.evaluate(() => navigator.serviceWorker.controller !== null)).toBe(true);
    const index = readFileSync(join(dist, "index.html"), "utf8");
    writeFileSync(join(dist, "index.html"), index.replace("<head>", '<head><meta name="build" content="next">'));
    const worker = readFileSync(join(dist, "sw.js"), "utf8");
    writeFileSync(join(dist, "sw.js"), worker.replace(/const CACHE = "zq915-[^"]*"/, 'const CACHE = "zq915-next"'));
    // The server keeps what it found at its start: the same address serves the new files anew.
    const port = Number(new URL(ownServer.url).port);
    await ownServer.close();
    ownServer = await serve(dist, port);
    // This visit still runs the old version and fetches the new one meanwhile ...
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
    await expect.poll(() => page.evaluate(() => caches.keys()), { timeout: 20_000 }).toEqual(["zq915-next"]);
    // ... which the next visit runs.
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
    expect(await page.evaluate(() => document.querySelector("meta[name=build]")?.getAttribute("content"))).toBe("next");
  } finally {
    await browser.close();
    await ownServer.close();
  }
});
