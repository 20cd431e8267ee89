import { join } from "node:path";
import type { Page } from "playwright-core";
import { afterAll, beforeAll, expect, test } from "vitest";
import { RadioBridge } from "../e2e/bridge/radioBridge";
import { launch, menu, REPO, serve } from "../e2e/harness";

// Transfer times from the page against the wire time of 9600 baud: through the
// bridge to the paced simulated radio, with and without a USB adapter's 16 ms
// latency timer, and against the demo radio. Run by `npm run bench`; prints
// the figures the README quotes, and for the bridged read and write where each
// exchange's time went (the bridge's and the serial double's time stamps).
// Judge a change by those per-exchange figures from runs taken alternately
// with and without it: on the shared 2-core machine the load moves the whole
// transfer by more than most changes do.

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
type Stamp = { n: number; t: number };

// Where each exchange's time went beyond its wire time, per exchange in ms:
// from a message reaching the bridge to the radio's reply leaving it, less
// the request's and the reply's wire time (pseudo-terminal and simulator);
// from the reply leaving the bridge to the next message reaching it (the
// WebSocket both ways and the page); and within that, from the reply
// reaching the page to the page sending the next message (the page's work).
function breakdown(bridge: { what: "in" | "out"; n: number; t: number }[], writes: { t: number }[], arrivals: Stamp[]) {
  const radio: number[] = [];
  const roundTrip: number[] = [];
  const ins = bridge.flatMap((e, i) => (e.what === "in" ? [i] : []));
  for (let k = 0; k + 1 < ins.length; k++) {
    const outs = bridge.slice(ins[k], ins[k + 1]).filter((e) => e.what === "out");
    if (outs.length === 0) continue;
    const request = bridge[ins[k]!]!;
    const replied = outs.reduce((sum, e) => sum + e.n, 0);
    radio.push(outs.at(-1)!.t - request.t - (request.n + replied) * BYTE_MS);
    roundTrip.push(bridge[ins[k + 1]!]!.t - outs.at(-1)!.t);
  }
  const page: number[] = [];
  for (let k = 1, a = -1; k < writes.length; k++) {
    while (a + 1 < arrivals.length && arrivals[a + 1]!.t <= writes[k]!.t) a++;
    if (a >= 0 && arrivals[a]!.t >= writes[k - 1]!.t) page.push(writes[k]!.t - arrivals[a]!.t);
  }
  const stat = (v: number[]) => {
    const sorted = [...v].sort((x, y) => x - y);
    return `${(v.reduce((x, y) => x + y, 0) / v.length).toFixed(2)} (median ${sorted[sorted.length >> 1]!.toFixed(2)})`;
  };
  return `radio side beyond wire ${stat(radio)}, bridge to page and back ${stat(roundTrip)}, of which the page ${stat(page)}; ${radio.length} exchanges`;
}

async function throughBridge(latencyMs: number): Promise<{ read: Timed; write: Timed; spent: string[] }> {
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
    const spent: string[] = [];
    const traced = async (command: "Read from Radio" | "Write to Radio") => {
      bridge.trace.length = 0;
      await page.evaluate(() => { (window as any).__serialDouble.arrivals.length = 0; });
      const result = await timed(page, command);
      const { writes, arrivals } = await page.evaluate(() => {
        const double = (window as any).__serialDouble;
        return { writes: double.log.filter((e: { what: string }) => e.what === "write"), arrivals: double.arrivals };
      });
      spent.push(breakdown(bridge.trace, writes, arrivals));
      return result;
    };
    const read = await traced("Read from Radio");
    const write = await traced("Write to Radio");
    return { read, write, spent };
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
  console.log(`per exchange, read through the bridge: ${direct.spent[0]}`);
  console.log(`per exchange, write through the bridge: ${direct.spent[1]}`);
  console.log(`per exchange, demo read beyond wire: ${((demo.transfer - wireRead) / 531).toFixed(3)} ms (531 exchanges)`);
  console.log(`16 ms latency timer costs ${s(latency.read.transfer - direct.read.transfer)} per read, ${s(latency.write.transfer - direct.write.transfer)} per write`);
  // Faster than the wire would mean the pacing is broken, not a fast page.
  expect(direct.read.transfer).toBeGreaterThan(wireRead);
  expect(demo.transfer).toBeGreaterThan(wireRead * 0.99);
}, 180_000);
