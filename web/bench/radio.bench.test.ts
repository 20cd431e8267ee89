import { join } from "node:path";
import type { Page } from "playwright-core";
import { afterAll, beforeAll, expect, test } from "vitest";
import { RadioBridge } from "../e2e/bridge/radioBridge";
import { launch, menu, REPO, serve } from "../e2e/harness";

// Transfer times from the page against the wire time of 9600 baud: through the
// bridge to the paced simulated radio, with and without a USB adapter's 16 ms
// latency timer, and against the demo radio. Run by `npm run bench`; prints
// the figures the README quotes.

const CHANNELS_DAT = join(REPO, "fuzz/corpus/channels-239.dat");
const BYTE_MS = 10_000 / 9600;
// Every byte both ways from the handshake to the last reply.
const READ_BYTES = 8 + 10 + 2 + 264 * (4 + 12 + 1 + 1);
const WRITE_BYTES = 8 + 10 + 2 + 264 * (12 + 1);

let server: Awaited<ReturnType<typeof serve>>;
beforeAll(async () => {
  server = await serve();
});
afterAll(async () => server?.close());

// The transfer from its first byte sent to its last reply (the page's
// "transfer" measure), and from the click that starts it to the completion
// message (the window, the port, End and the 5 ms before the port closes,
// and for a read the redrawn grid, besides).
async function timed(page: Page, command: "Read from Radio" | "Write to Radio"): Promise<{ transfer: number; command: number }> {
  await menu(page, "Program", command);
  const started = await page.evaluate(() => performance.now());
  await page.locator("dialog.message-box[open]").getByRole("button", { name: "OK" }).click();
  await page.locator("dialog.message-box[open] .message-text", { hasText: "completed!" }).waitFor({ timeout: 60_000 });
  const { transfer, ended } = await page.evaluate(() => ({
    transfer: performance.getEntriesByName("transfer").at(-1)!.duration,
    ended: performance.now(),
  }));
  const text = await page.locator("dialog.message-box[open] .message-text").textContent();
  expect(text).toMatch(/completed!$/);
  await page.locator("dialog.message-box[open]").getByRole("button", { name: "OK" }).click();
  return { transfer, command: ended - started };
}

type Timed = Awaited<ReturnType<typeof timed>>;

async function throughBridge(latencyMs: number): Promise<{ read: Timed; write: Timed }> {
  const bridge = await RadioBridge.start({ simArgs: ["--paced", "--load", CHANNELS_DAT], latencyMs });
  const browser = await launch();
  try {
    await browser.context.addInitScript({ path: join(__dirname, "../e2e/serialDouble.js") });
    const page = await browser.context.newPage();
    await page.goto(`${server.url}`);
    await page.waitForSelector("body[data-ready=true]");
    await page.evaluate((url) => (window as any).__serialDouble.plug({ usbVendorId: 0x0403, usbProductId: 0x6001 }, url), bridge.url);
    await menu(page, "Setup", "Communication Port");
    await page.getByRole("dialog").getByRole("radio").first().check();
    await page.getByRole("dialog").getByRole("button", { name: "OK" }).click();
    const read = await timed(page, "Read from Radio");
    const write = await timed(page, "Write to Radio");
    return { read, write };
  } finally {
    await browser.close();
    await bridge.stop();
  }
}

test("transfer times", async () => {
  const wireRead = READ_BYTES * BYTE_MS;
  const wireWrite = WRITE_BYTES * BYTE_MS;
  const direct = await throughBridge(0);
  const latency = await throughBridge(16);

  const browser = await launch();
  let demo: Timed = { transfer: 0, command: 0 };
  try {
    const page = await browser.context.newPage();
    await page.goto(`${server.url}?demo`);
    await page.waitForSelector("body[data-ready=true]");
    demo = await timed(page, "Read from Radio");
  } finally {
    await browser.close();
  }

  const s = (ms: number) => `${(ms / 1000).toFixed(2)} s`;
  const line = (name: string, ms: Timed, wire: number) =>
    console.log(`${name.padEnd(36)} transfer ${s(ms.transfer)} ratio ${(ms.transfer / wire).toFixed(3)}  command ${s(ms.command)}  wire ${s(wire)}`);
  line("read through the bridge", direct.read, wireRead);
  line("write through the bridge", direct.write, wireWrite);
  line("read, adapter latency timer 16 ms", latency.read, wireRead);
  line("write, adapter latency timer 16 ms", latency.write, wireWrite);
  line("read from the demo radio", demo, wireRead);
  console.log(`16 ms latency timer costs ${s(latency.read.transfer - direct.read.transfer)} per read, ${s(latency.write.transfer - direct.write.transfer)} per write`);
  // Faster than the wire would mean the pacing is broken, not a fast page.
  expect(direct.read.transfer).toBeGreaterThan(wireRead);
  expect(demo.transfer).toBeGreaterThan(wireRead * 0.99);
}, 180_000);
