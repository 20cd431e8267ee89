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

beforeAll(async () => {
  server = await serve();
  browser = await launch();
  page = await openPage(browser.context, server.url);
});
afterAll(async () => {
  await browser?.close();
  await server?.close();
});

async function typeRx(n: number, text: string): Promise<void> {
  await cell(page, n, "RX Freq").click();
  await page.keyboard.type(text);
  await page.keyboard.press("Enter");
}

const rx = async (n: number) => (await cellTexts(page, n))[0];

async function saveAs(name: string): Promise<Uint8Array> {
  await page.evaluate((n) => ((window as any).__pickerDoubles.saveAs = n), name);
  await menu(page, "File", "Save As");
  await expect.poll(() => page.title()).toContain(name);
  return savedFile(page, name);
}

describe("channel keys", () => {
  test("frequency copy, insert and delete act on the current row; a failed condition does nothing", async () => {
    await typeRx(1, "241");
    await typeRx(2, "242");
    await cell(page, 1, "W/N").click();
    await page.keyboard.press("Escape");
    await page.keyboard.press("Shift+F4");
    const dialog = page.getByRole("dialog", { name: "Frequency Copy" });
    await dialog.getByRole("textbox", { name: "Transmit" }).fill("246");
    await dialog.getByRole("button", { name: "OK" }).click();
    expect((await cellTexts(page, 1)).slice(0, 4)).toEqual(["241.00000", "246.00000", "None", "None"]);

    await page.keyboard.press("Control+i");
    expect([await rx(1), await rx(2), await rx(3)]).toEqual(["", "241.00000", "242.00000"]);
    await page.keyboard.press("Shift+F3"); // no RX on this row: nothing opens
    expect(await page.getByRole("dialog").count()).toBe(0);
    await page.keyboard.press("Shift+F10");
    expect([await rx(1), await rx(2), await rx(3)]).toEqual(["241.00000", "242.00000", ""]);

    // Ctrl+D while a list editor is open deletes and types nothing into it.
    await cell(page, 2, "Scan").click();
    await page.keyboard.press("Control+d");
    expect(await rx(2)).toBe("");
  });
});

describe("radio-wide settings and the memory map", () => {
  test("Optional Features and a memory map byte are saved as the desktop reads them", async () => {
    cli("new", join(work, "fresh.dat"));
    await menu(page, "Program", "Optional Features");
    const features = page.getByRole("dialog", { name: "Optional Features" });
    await features.getByRole("combobox", { name: "Squelch Level" }).selectOption({ index: 7 });
    await features.getByRole("button", { name: "OK" }).click();
    await page.getByRole("menubar").getByRole("menuitem", { name: "Edit", exact: true }).click();
    expect(await page.getByRole("menu").getByRole("menuitem", { name: /^Undo .*Optional Features/ }).count()).toBe(1);
    await page.keyboard.press("Escape");
    await page.keyboard.press("Escape");

    await page.getByRole("columnheader", { name: "CH" }).click({ button: "right", modifiers: ["Control", "Shift"] });
    const map = page.getByRole("dialog", { name: "Memory Map" });
    const byte = map.locator("[data-address='4080']");
    await byte.click();
    await page.keyboard.type("5A");
    await page.keyboard.press("Enter");
    await map.getByRole("button", { name: "OK" }).click();

    writeFileSync(join(work, "settings.dat"), await saveAs("settings.dat"));
    const diff = (() => {
      try {
        return cli("diff", join(work, "fresh.dat"), join(work, "settings.dat"));
      } catch (error) {
        return String((error as { stdout?: string }).stdout);
      }
    })();
    expect(diff).toMatch(/Squelch Level: \d -> 7/);
    expect(diff).toMatch(/FF0.*5A/i);
  });
});

describe("files", () => {
  test("a .dat dropped on the page opens; Export Channels writes what zq915-cli exports", async () => {
    const csv = join(work, "drop.csv");
    writeFileSync(csv, "CH,RX Freq,TX Freq,Decode,Encode,W/N,Scan,TX Power,Opt Signal,PTT ID,BCL\r\n7,440.12500,445.12500,D023N,D754I,Narrow,Del,Low,None,Off,QT/DQT\r\n");
    cli("import", csv, join(work, "dropped.dat"), "--band", "243");
    const bytes = Array.from(readFileSync(join(work, "dropped.dat")));
    await page.evaluate((content) => {
      const transfer = new DataTransfer();
      transfer.items.add(new File([new Uint8Array(content)], "dropped.dat"));
      document.body.dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
    }, bytes);
    // The document had unsaved changes? It was just saved, so it opens at once.
    await expect.poll(() => page.title()).toContain("dropped.dat");
    expect(await cellTexts(page, 7)).toEqual(["440.12500", "445.12500", "D023N", "D754I", "Narrow", "Del", "Low", "None", "Off", "QT/DQT"]);

    await menu(page, "File", "Export Channels");
    const exported = new TextDecoder().decode(await savedFile(page, "dropped.csv"));
    expect(exported).toBe(cli("export", join(work, "dropped.dat"), "-"));
  });

  test("Import Channels reports like the desktop and is one undo step", async () => {
    await offerFile(page, "more.csv", new TextEncoder().encode("CH,RX Freq\r\n1,431\r\n2,999\r\n"));
    await menu(page, "File", "Import Channels");
    const report = page.getByRole("dialog");
    await expect.poll(() => report.textContent()).toMatch(/1 .*imported/i);
    await report.getByRole("button").first().click();
    expect(await rx(1)).toBe("431.00000");
    await page.keyboard.press("Control+z");
    expect(await rx(1)).toBe("");
    expect(await rx(7)).toBe("440.12500");
  });
});

describe("help and printing", () => {
  test("F1 on a column opens its topic in the desktop's help page", async () => {
    await cell(page, 7, "Decode").click();
    await page.keyboard.press("Escape");
    await page.keyboard.press("F1");
    const help = page.getByRole("dialog", { name: "ZQ-915 Help" });
    const frame = help.locator("iframe");
    await expect.poll(() => frame.getAttribute("src")).toBe("help/en/grid.html#decode");
    await expect.poll(() => page.frameLocator("iframe").locator("a[name=decode]").count()).toBe(1);
    await help.getByRole("button", { name: "OK" }).click();
  });

  test("the printout has a page per nine channels, then the features page", async () => {
    for (let n = 1; n <= 10; n++) await typeRx(n + 10, `43${n % 10}`);
    await page.evaluate(() => (window.print = () => undefined));
    await menu(page, "File", "Print");
    await page.getByRole("dialog").getByRole("button", { name: "OK" }).click();
    const pages = page.locator("#print-root .print-page");
    expect(await pages.count()).toBe(3); // 11 channels: 9 + 2, then the features page
    expect(await pages.nth(1).locator(".footer").textContent()).toBe("- 2 -");
    expect(await pages.nth(2).textContent()).toContain("Squelch Level");
  });
});

describe("new documents", () => {
  test("a band change with unsaved changes asks first; Cancel keeps everything, OK starts a new document", async () => {
    expect(await page.evaluate(() => (globalThis as any).zq915.doc.isModified())).toBe(true);
    const band = page.getByRole("combobox", { name: "Frequency" });
    await band.selectOption("446 - 447 MHz");
    const question = page.getByRole("dialog", { name: "Warning" });
    await question.getByRole("button", { name: "Cancel" }).click();
    expect(await band.inputValue()).toBe("430 - 450 MHz");
    expect(await rx(7)).toBe("440.12500");

    await band.selectOption("446 - 447 MHz");
    await question.getByRole("button", { name: "OK" }).click();
    expect(await page.getByRole("grid").getByRole("row").count()).toBe(9);
    expect(await page.title()).toContain("Untitled");

    // New asks even without changes, as the desktop does; the layout stays the band's.
    await menu(page, "File", "New");
    await question.getByRole("button", { name: "OK" }).click();
    expect(await page.getByRole("grid").getByRole("row").count()).toBe(9);
  });
});
