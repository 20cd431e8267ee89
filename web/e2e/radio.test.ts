import { mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import type { Page } from "playwright-core";
import { afterAll, beforeAll, describe, expect, test } from "vitest";
import { RadioBridge } from "./bridge/radioBridge";
import { type Browser, cell, cellTexts, cli, launch, menu, REPO, serve } from "./harness";

// Reads and writes from the page through the standard serial API: a double of
// it carries the bytes over a WebSocket to the bridge, which holds the
// pseudo-terminal of the strict simulated radio.

const CHANNELS_DAT = join(REPO, "fuzz/corpus/channels-239.dat");
const CABLE = { usbVendorId: 0x0403, usbProductId: 0x6001 };
const CABLE_NAME = "USB serial port 0403:6001";
const work = mkdtempSync(join(tmpdir(), "zq915-radio-"));

let server: Awaited<ReturnType<typeof serve>>;
beforeAll(async () => {
  server = await serve();
});
afterAll(async () => {
  await server?.close();
});

interface Radio {
  page: Page;
  bridge: RadioBridge;
}

// A fresh browser with the serial double, a simulated radio behind the
// bridge, and the page with that radio's cable chosen.
async function withRadio(simArgs: string[], run: (radio: Radio) => Promise<void>, search = ""): Promise<void> {
  const bridge = await RadioBridge.start({ simArgs });
  const browser: Browser = await launch();
  try {
    await browser.context.addInitScript({ path: join(__dirname, "serialDouble.js") });
    const page = await browser.context.newPage();
    await page.goto(server.url + search);
    await page.waitForSelector("body[data-ready=true]");
    await chooseCable(page, bridge);
    await run({ page, bridge });
    expect(bridge.stderr).not.toContain("protocol error");
  } finally {
    await browser.close();
    await bridge.stop();
  }
}

async function chooseCable(page: Page, bridge: RadioBridge): Promise<void> {
  await page.evaluate(([info, url]) => (window as any).__serialDouble.offer(info, url), [CABLE, bridge.url] as const);
  await menu(page, "Setup", "Communication Port");
  const dialog = page.getByRole("dialog", { name: "Communication Port" });
  await dialog.getByRole("button", { name: "Choose a serial port…" }).click();
  await expect.poll(() => dialog.getByRole("radio", { name: CABLE_NAME }).isChecked()).toBe(true);
  await dialog.getByRole("button", { name: "OK" }).click();
  expect(await page.getByRole("status").textContent()).toBe(CABLE_NAME);
}

// The message box now open: its text, after pressing `button`.
async function answer(page: Page, button: string, timeout = 30_000): Promise<string> {
  const box = page.locator("dialog.message-box[open]").last();
  await box.waitFor({ timeout });
  const text = (await box.locator(".message-text").textContent()) ?? "";
  await box.getByRole("button", { name: button }).click();
  return text;
}

async function transfer(page: Page, command: "Read from Radio" | "Write to Radio"): Promise<void> {
  await menu(page, "Program", command);
  expect(await answer(page, "OK")).toContain(command === "Read from Radio" ? "Read data from radio." : "Write data to radio.");
}

function signalsAndLine(page: Page) {
  return page.evaluate(() => (window as any).__serialDouble.log as { what: string; options?: object; signals?: object; bytes?: number[]; t: number }[]);
}

describe("reading and writing through the serial API", () => {
  test("a read, an edit, a write verified by reading back, and the read kept as a backup", () =>
    withRadio(["--paced", "--load", CHANNELS_DAT], async ({ page }) => {
      await transfer(page, "Read from Radio");
      await page.getByRole("dialog", { name: "Read data from radio" }).waitFor();
      expect(await answer(page, "OK")).toBe("Reading completed!");
      const dump = cli("dump", CHANNELS_DAT).trim().split("\n").slice(1).map((line) => line.split("\t"));
      for (const [n, ...cells] of dump.slice(0, 6)) expect(await cellTexts(page, Number(n))).toEqual(cells);
      expect(await page.title()).toContain("Untitled");

      // 9600 8N1 without flow control, DTR and RTS on after opening; End, then 5 ms, then close.
      const log = await signalsAndLine(page);
      expect(log.find((e) => e.what === "open")?.options).toEqual({ baudRate: 9600, dataBits: 8, stopBits: 1, parity: "none", flowControl: "none" });
      const opened = log.findIndex((e) => e.what === "open");
      expect(log[opened + 1]).toMatchObject({ what: "signals", signals: { dataTerminalReady: true, requestToSend: true } });
      const closeAt = log.map((e) => e.what).lastIndexOf("close");
      const end = log[closeAt - 1]!;
      expect(end.bytes).toEqual([0x45]);
      expect(log[closeAt]!.t - end.t).toBeGreaterThanOrEqual(5);

      await cell(page, 7, "RX Freq").click();
      await page.keyboard.type("150.125");
      await page.keyboard.press("Enter");
      await page.getByRole("menubar").getByRole("menuitem", { name: "Program", exact: true }).click();
      const verify = page.getByRole("menu").getByRole("menuitemcheckbox", { name: "Verify after Write" });
      expect(await verify.getAttribute("aria-checked")).toBe("false");
      await verify.click();
      await transfer(page, "Write to Radio");
      await expect.poll(() => page.locator(".transfer-label").textContent(), { timeout: 15_000 }).toMatch(/^Verifying - /);
      expect(await answer(page, "OK")).toBe("Writing completed and verified: the radio holds what was written.");

      // What the radio holds now reads back into the page, after the save-first question.
      await menu(page, "Program", "Read from Radio");
      expect(await answer(page, "No")).toBe("File has been modified, save it now?");
      expect(await answer(page, "OK")).toContain("Read data from radio.");
      expect(await answer(page, "OK")).toBe("Reading completed!");
      expect((await cellTexts(page, 7))[0]).toBe("150.12500");

      await menu(page, "File", "Backups...");
      const backups = page.getByRole("dialog", { name: "Backups of radio reads" });
      await backups.waitFor(); // it opens once the stored reads are listed
      expect(await backups.getByRole("row").count()).toBe(3); // the header and two reads
      const newest = backups.getByRole("row").nth(1);
      expect(await newest.getByRole("cell").nth(1).textContent()).toBe("136 - 174 MHz");
      const downloading = page.waitForEvent("download");
      await newest.getByRole("button", { name: "Download" }).click();
      const file = join(work, "backup.dat");
      await (await downloading).saveAs(file);
      expect(cli("dump", file)).toContain("7\t150.12500\t");

      // The older read, opened, is an untitled document again.
      await backups.getByRole("row").nth(2).getByRole("button", { name: "Open" }).click();
      expect((await cellTexts(page, 7))[0]).toBe("");
      expect((await cellTexts(page, 1))[0]).toBe("146.52000");
      expect(await page.title()).toContain("Untitled");
    }), 90_000);
});

// A document with unsaved work, to see that a failed transfer leaves it alone.
async function typeWork(page: Page): Promise<{ row: string[]; title: string }> {
  await cell(page, 1, "RX Freq").click();
  await page.keyboard.type("150");
  await page.keyboard.press("Enter");
  await page.keyboard.press("Escape");
  return { row: await cellTexts(page, 1), title: await page.title() };
}

async function expectIntact(page: Page, work: { row: string[]; title: string }): Promise<void> {
  expect(await cellTexts(page, 1)).toEqual(work.row);
  expect((await cellTexts(page, 2))[0]).toBe("");
  expect(await page.title()).toBe(work.title);
  expect(await page.locator("dialog[open]").count()).toBe(0);
}

// The read after the save-first question (answered No) and the confirmation.
async function startRead(page: Page): Promise<void> {
  await menu(page, "Program", "Read from Radio");
  expect(await answer(page, "No")).toBe("File has been modified, save it now?");
  expect(await answer(page, "OK")).toContain("Read data from radio.");
}

test("backups: the newest 100 by time are kept, a new read pushes out the oldest", () =>
  withRadio(["--load", CHANNELS_DAT], async ({ page }) => {
    // A hundred older reads, stored as the page stores them.
    await page.evaluate(() => new Promise<void>((resolve, reject) => {
      const req = indexedDB.open("zq915-backups", 1);
      req.onupgradeneeded = () => req.result.createObjectStore("reads", { keyPath: "id", autoIncrement: true }).createIndex("time", "time");
      req.onerror = () => reject(req.error);
      req.onsuccess = () => {
        const tx = req.result.transaction("reads", "readwrite");
        // Stored newest first, so the order of keys is not the order of time.
        for (let i = 100; i >= 1; i--) tx.objectStore("reads").add({ time: Date.UTC(2025, 0, 1) + i * 60_000, image: new Uint8Array(4096).fill(0xff) });
        tx.oncomplete = () => { req.result.close(); resolve(); };
      };
    }));
    await transfer(page, "Read from Radio");
    expect(await answer(page, "OK")).toBe("Reading completed!");
    await menu(page, "File", "Backups...");
    const dialog = page.getByRole("dialog", { name: "Backups of radio reads" });
    await dialog.waitFor();
    const rows = dialog.getByRole("row");
    expect(await rows.count()).toBe(101);
    expect(await rows.nth(1).getByRole("cell").nth(2).textContent()).toBe("4"); // the new read first
    const oldest = await rows.nth(100).getByRole("cell").first().textContent();
    expect(oldest).toBe(new Date(Date.UTC(2025, 0, 1) + 2 * 60_000).toLocaleString("en-GB"));
  }));

describe("the simulated radio's faults end as on the desktop", () => {
  test("a radio that hangs up mid-read: Check Connection, Cancel, the document as it was", () =>
    withRadio(["--load", CHANNELS_DAT, "--fault", "hangup@40"], async ({ page }) => {
      const work = await typeWork(page);
      await startRead(page);
      expect(await answer(page, "Cancel")).toBe("Check Connection. Retry or Cancel?");
      await expect.poll(() => page.locator("dialog[open]").count()).toBe(0);
      await expectIntact(page, work);
      const log = await signalsAndLine(page);
      expect(log.at(-2)?.bytes).toEqual([0x45]); // End before the port closed
    }));

  test("silence at the handshake: Retry starts again and the read completes", () =>
    withRadio(["--load", CHANNELS_DAT, "--fault", "noreply@0"], async ({ page }) => {
      await typeWork(page);
      await startRead(page);
      expect(await answer(page, "Retry")).toBe("Check Connection. Retry or Cancel?");
      expect(await answer(page, "OK")).toBe("Reading completed!");
      expect((await cellTexts(page, 1))[0]).toBe("146.52000");
    }));

  test("another model's identification: Model type is wrong, the document as it was", () =>
    withRadio(["--load", CHANNELS_DAT, "--fault", "badident"], async ({ page }) => {
      const work = await typeWork(page);
      await startRead(page);
      expect(await answer(page, "OK")).toBe("Model type is wrong.");
      await expectIntact(page, work);
    }));

  test("a reply after the deadline: the prompt; the late bytes do not count; Retry completes", () =>
    withRadio(["--load", CHANNELS_DAT, "--fault", "late@9"], async ({ page }) => {
      await typeWork(page);
      await startRead(page);
      const box = page.locator("dialog.message-box[open]");
      await box.waitFor();
      await page.waitForTimeout(600); // the late reply arrives while the question is open
      expect(await answer(page, "Retry")).toBe("Check Connection. Retry or Cancel?");
      expect(await answer(page, "OK")).toBe("Reading completed!");
      expect((await cellTexts(page, 4))[0]).toBe("151.00625");
    }));

  test("a byte stored wrong: the read-back names the first difference", () =>
    withRadio(["--fault", "corrupt@7"], async ({ page }) => {
      await typeWork(page);
      await page.getByRole("menubar").getByRole("menuitem", { name: "Program", exact: true }).click();
      await page.getByRole("menu").getByRole("menuitemcheckbox", { name: "Verify after Write" }).click();
      await transfer(page, "Write to Radio");
      expect(await answer(page, "OK")).toMatch(/^Verification failed at CH 4, address 0x038: written [0-9A-F]{2}, read [0-9A-F]{2}\.$/);
    }));

  test("a pulled cable ends the read with the port disappeared; the document as it was", () =>
    withRadio(["--paced", "--load", CHANNELS_DAT], async ({ page, bridge }) => {
      const work = await typeWork(page);
      await startRead(page);
      await expect.poll(() => page.locator("progress").evaluate((bar: HTMLProgressElement) => bar.value), { timeout: 10_000 }).toBeGreaterThan(20);
      bridge.unplug();
      expect(await answer(page, "OK")).toBe("The transfer stopped: port disappeared (cable unplugged?).");
      await expectIntact(page, work);
      expect(await page.getByRole("status").textContent()).toBe(`${CABLE_NAME} (unplugged)`);
    }));
});

describe("leaving a transfer", () => {
  test("the window's close box stops a read with End; the document as it was", () =>
    withRadio(["--paced", "--load", CHANNELS_DAT], async ({ page }) => {
      const work = await typeWork(page);
      await startRead(page);
      const window = page.getByRole("dialog", { name: "Read data from radio" });
      await expect.poll(() => window.locator("progress").evaluate((bar: HTMLProgressElement) => bar.value), { timeout: 10_000 }).toBeGreaterThan(10);
      await window.getByRole("button", { name: "Close" }).click();
      await expect.poll(() => page.locator("dialog[open]").count()).toBe(0);
      await expectIntact(page, work);
      const log = await signalsAndLine(page);
      expect(log.at(-2)?.bytes).toEqual([0x45]);
    }));

  test("closing the tab mid-read warns first; when it goes, the radio is told End", () =>
    withRadio(["--paced", "--log", "--load", CHANNELS_DAT], async ({ page, bridge }) => {
      await transfer(page, "Read from Radio");
      await expect.poll(() => page.locator("progress").evaluate((bar: HTMLProgressElement) => bar.value), { timeout: 10_000 }).toBeGreaterThan(10);
      let asked = "";
      page.on("dialog", (dialog) => {
        asked = dialog.type();
        void dialog.dismiss();
      });
      await page.close({ runBeforeUnload: true });
      await expect.poll(() => asked).toBe("beforeunload");
      expect(bridge.stderr).not.toMatch(/^> 45$/m);
      await page.close({ runBeforeUnload: false });
      await expect.poll(() => bridge.stderr).toMatch(/^> 45$/m);
    }));
});

describe("ports", () => {
  test("?demo: the demo radio, said to be no real radio, reads like one and is never kept as a backup", async () => {
    const browser = await launch("zh-CN");
    try {
      const page = await browser.context.newPage();
      await page.goto(`${server.url}?demo`);
      await page.waitForSelector("body[data-ready=true]");
      expect(await page.getByRole("status").textContent()).toBe("演示电台（模拟）");
      await menu(page, "编程", "读频");
      expect(await answer(page, "确定")).toContain("从对讲机读取数据。");
      const window = page.getByRole("dialog", { name: "从对讲机读取数据" });
      expect(await window.textContent()).toContain("演示电台（模拟）：不涉及真实电台。");
      const started = Date.now();
      expect(await answer(page, "确定")).toBe("成功读完！");
      expect(Date.now() - started).toBeGreaterThan(4_000); // paced as a radio at 9600 baud
      expect((await cellTexts(page, 1))[0]).toBe("146.52000");
      await menu(page, "文件", "备份...");
      expect(await page.getByRole("dialog", { name: "电台读取备份" }).textContent()).toContain("尚未保存任何电台读取。");
    } finally {
      await browser.close();
    }
  }, 60_000);

  test("the chosen cable is remembered for the site and shown unplugged until it is back", () =>
    withRadio([], async ({ page, bridge }) => {
      await page.reload();
      await page.waitForSelector("body[data-ready=true]");
      const status = page.getByRole("status");
      await expect.poll(() => status.textContent()).toBe(`${CABLE_NAME} (unplugged)`);
      await menu(page, "Program", "Read from Radio");
      expect(await answer(page, "OK")).toBe("Cannot Open Communication Port.\nport disappeared (cable unplugged?)");
      await page.evaluate(([info, url]) => (window as any).__serialDouble.plug(info, url), [CABLE, bridge.url] as const);
      await expect.poll(() => status.textContent()).toBe(CABLE_NAME);
    }));

  test("without Web Serial the serial choices are disabled with the reason; the demo radio still works", async () => {
    const browser = await launch();
    try {
      await browser.context.addInitScript(() => { delete (Navigator.prototype as any).serial; });
      const page = await browser.context.newPage();
      await page.goto(server.url);
      await page.waitForSelector("body[data-ready=true]");
      expect(await page.evaluate(() => "serial" in navigator)).toBe(false);
      await menu(page, "Setup", "Communication Port");
      const dialog = page.getByRole("dialog", { name: "Communication Port" });
      expect(await dialog.textContent()).toContain("This browser cannot reach serial ports. Use Chrome or Edge, or the desktop program.");
      expect(await dialog.getByRole("button", { name: "Choose a serial port…" }).isDisabled()).toBe(true);
      await dialog.getByRole("radio", { name: "Demo radio (simulated)" }).check();
      await dialog.getByRole("button", { name: "OK" }).click();
      expect(await page.getByRole("status").textContent()).toBe("Demo radio (simulated)");
    } finally {
      await browser.close();
    }
  });
});
