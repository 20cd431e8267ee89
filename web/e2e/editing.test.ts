import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import type { Page } from "playwright-core";
import { afterAll, beforeAll, describe, expect, test } from "vitest";
import { type Browser, cell, cellTexts, cli, launch, menu, offerFile, openPage, savedFile, serve } from "./harness";

let server: Awaited<ReturnType<typeof serve>>;
let browser: Browser;
let page: Page;
const work = mkdtempSync(join(tmpdir(), "zq915-web-"));
const HEADER = "CH,RX Freq,TX Freq,Decode,Encode,W/N,Scan,TX Power,Opt Signal,PTT ID,BCL";

beforeAll(async () => {
  server = await serve();
  browser = await launch();
  page = await openPage(browser.context, server.url);
});
afterAll(async () => {
  await browser?.close();
  await server?.close();
});

// What differs, as zq915-cli says it (for the failure message).
function cliDiff(a: string, b: string): string {
  try {
    return cli("diff", a, b);
  } catch (error) {
    return String((error as { stdout?: string }).stdout ?? error);
  }
}

async function choose(n: number, column: string, entry: string): Promise<void> {
  await cell(page, n, column).click();
  await page.getByRole("combobox", { name: column }).selectOption(entry);
  await page.keyboard.press("Enter");
}

describe("a document made in the page", () => {
  test("typing, lists, the range notice, undo and redo", async () => {
    await cell(page, 1, "RX Freq").click();
    await page.keyboard.type("245");
    await page.keyboard.press("Enter");
    expect(await cellTexts(page, 1)).toEqual(["245.00000", "", "None", "", "Wide", "Add", "High", "DTMF", "On", "Off"]);
    // Enter moved on to TX Freq, where a digit starts the edit.
    await page.keyboard.type("245.5");
    await page.keyboard.press("Enter");
    await choose(1, "Decode", "88.5");
    await choose(1, "Encode", "67.0");
    await choose(1, "W/N", "Narrow");
    await choose(1, "BCL", "Carrier");
    expect(await cellTexts(page, 1)).toEqual(["245.00000", "245.50000", "88.5", "67.0", "Narrow", "Add", "High", "DTMF", "On", "Carrier"]);

    // A digit on an empty row's TX Freq edits its RX Freq.
    await cell(page, 2, "TX Freq").click();
    await page.keyboard.press("Escape");
    await page.keyboard.type("250.125");
    await page.keyboard.press("Enter");
    expect((await cellTexts(page, 2))[0]).toBe("250.12500");

    // Out of band: the engine's notice in a page dialog, the band limit stored.
    await cell(page, 3, "RX Freq").click();
    await page.keyboard.type("300");
    await page.keyboard.press("Enter");
    const notice = page.getByRole("dialog");
    await expect.poll(() => notice.textContent()).toContain("Frequency is out of range");
    await notice.getByRole("button", { name: "OK" }).click();
    // 260 MHz itself is not a channel frequency: the band's highest one is stored.
    expect((await cellTexts(page, 3))[0]).toBe("259.99500");

    // Esc restores.
    await cell(page, 3, "RX Freq").click();
    await page.keyboard.type("1");
    await page.keyboard.press("Escape");
    expect((await cellTexts(page, 3))[0]).toBe("259.99500");

    await page.getByRole("menubar").getByRole("menuitem", { name: "Edit", exact: true }).click();
    expect(await page.getByRole("menu").getByRole("menuitem", { name: "Undo Channel 3 RX Freq" }).count()).toBe(1);
    await page.getByRole("menu").getByRole("menuitem", { name: /^Undo/ }).click();
    expect((await cellTexts(page, 3))[0]).toBe("");
    await page.keyboard.press("Control+y");
    expect((await cellTexts(page, 3))[0]).toBe("259.99500");
  });

  test("Save writes the bytes zq915-cli writes for the same channels", async () => {
    await page.keyboard.press("Control+s");
    await expect.poll(() => page.title()).toContain("Untitled.dat");
    const saved = await savedFile(page, "Untitled.dat");
    const csv = join(work, "same.csv");
    writeFileSync(csv, [HEADER,
      "1,245.00000,245.50000,88.5,67.0,Narrow,Add,High,DTMF,On,Carrier",
      "2,250.12500,,None,,Wide,Add,High,DTMF,On,Off",
      "3,259.99500,,None,,Wide,Add,High,DTMF,On,Off", ""].join("\r\n"));
    cli("import", csv, join(work, "same.dat"));
    writeFileSync(join(work, "page.dat"), saved);
    const same = Buffer.from(saved).equals(readFileSync(join(work, "same.dat")));
    expect(same, same ? "" : cliDiff(join(work, "same.dat"), join(work, "page.dat"))).toBe(true);
  });

  test("Open shows every row as zq915-cli dump does", async () => {
    const csv = join(work, "plan.csv");
    const rows = [HEADER];
    const tones = ["None", "67.0", "D023N", "D754I", "151.4"];
    for (let n = 1; n <= 40; n += 3) {
      const tx = n % 2 ? `${(410 + n / 8).toFixed(5)}` : "";
      rows.push([n, (400 + n / 4).toFixed(5), tx, tones[n % 5], tx ? tones[(n + 2) % 5] : "", n % 2 ? "Wide" : "Narrow",
        n % 3 ? "Add" : "Del", n % 4 ? "High" : "Low", "DTMF", n % 5 ? "On" : "Off", ["Off", "Carrier", "QT/DQT"][n % 3]].join(","));
    }
    writeFileSync(csv, rows.join("\r\n"));
    cli("import", csv, join(work, "plan.dat"), "--band", "242");
    await offerFile(page, "plan.dat", readFileSync(join(work, "plan.dat")));
    await page.keyboard.press("Control+o");
    await expect.poll(() => page.title()).toContain("plan.dat");
    const dump = cli("dump", join(work, "plan.dat")).trim().split("\n");
    expect(await page.locator("#cboGenFreq option:checked").textContent()).toBe(dump[0]!.split("\t")[1]);
    const expected = new Map(dump.slice(1).map((line) => {
      const [n, ...cells] = line.split("\t");
      return [Number(n), cells];
    }));
    for (let n = 1; n <= 128; n++) expect(await cellTexts(page, n), `channel ${n}`).toEqual(expected.get(n) ?? Array(10).fill(""));
  });

  test("a file that is no data file is refused with the desktop's message", async () => {
    await offerFile(page, "notes.dat", new TextEncoder().encode("not a radio file"));
    await menu(page, "File", "Open");
    const dialog = page.getByRole("dialog");
    await expect.poll(() => dialog.count()).toBe(1);
    expect(await dialog.textContent()).toMatch(/file/i);
    await dialog.getByRole("button").first().click();
    await expect.poll(() => page.title()).toContain("plan.dat");
  });
});
