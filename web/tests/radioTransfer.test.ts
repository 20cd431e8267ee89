import { beforeAll, describe, expect, test } from "vitest";
import type { Engine } from "../engine/engine";
import type { RadioEngine } from "../engine/radio";
import { DemoSerialPort } from "../src/radio/demoPort";
import { choiceFor, loadChoice, type PortChoice, portFor } from "../src/radio/portChoice";
import { type Link, SerialLink } from "../src/radio/serialLink";
import { type Outcome, type Timers, TransferRunner, type TransferView } from "../src/radio/transferRunner";
import type { SerialPort } from "../src/radio/webSerial";
import { loadEngine } from "./engine";

let engine: Engine & RadioEngine;
beforeAll(async () => {
  engine = (await loadEngine()) as Engine & RadioEngine;
});

const blank = () => new Uint8Array(4096).fill(0xff);

function rxOf(image: Uint8Array, n: number): string {
  const doc = new engine.Document();
  try {
    doc.restore(image, "x", image);
    return doc.row(n).cells[0]!;
  } finally {
    doc.delete();
  }
}

// A view that records progress and answers the prompts it is given.
function view(answers: boolean[] = []): TransferView & { asked: number; last: number } {
  return {
    asked: 0,
    last: 0,
    progress(value) { this.last = value; },
    async checkConnection() {
      this.asked++;
      return answers.shift() ?? false;
    },
  };
}

// Runs one session over the demo radio, unpaced.
async function overDemo(radio: InstanceType<RadioEngine["DemoRadio"]>, direction: "read" | "write", image: Uint8Array) {
  const port = new DemoSerialPort(radio, 0);
  const link = new SerialLink(port);
  await link.open();
  const session = new engine.CloneSession(direction, image);
  const shown = view();
  try {
    const outcome = await new TransferRunner(session, link, shown).run();
    return { outcome, image: session.image(), progress: shown.last, port };
  } finally {
    session.delete();
  }
}

describe("transfers with the engine's session", () => {
  test("the demo radio reads as a radio, keeps what is written and lets its port go", async () => {
    const radio = new engine.DemoRadio();
    try {
      const read = await overDemo(radio, "read", blank());
      expect(read.outcome).toEqual({ kind: "completed" });
      expect(read.progress).toBe(264);
      expect(rxOf(read.image, 1)).toBe("146.52000");
      expect(read.port.readable).toBeNull(); // closed after End

      const doc = new engine.Document();
      doc.restore(read.image, "x", read.image);
      expect(doc.typeText(1, 1, "150.125").changed).toBe(true);
      const sent = doc.image();
      doc.delete();
      expect((await overDemo(radio, "write", sent)).outcome).toEqual({ kind: "completed" });
      const back = await overDemo(radio, "read", sent);
      expect(engine.firstRadioDifference(sent, back.image)).toBe(-1);
      expect(rxOf(back.image, 1)).toBe("150.12500");
    } finally {
      radio.delete();
    }
  });

  // A link that records what is sent and answers nothing unless told.
  class SilentLink implements Link {
    onData: (bytes: Uint8Array) => void = () => {};
    onGone: (reason: string) => void = () => {};
    sent: number[][] = [];
    discarded = 0;
    closed = false;
    discard() { this.discarded++; }
    send(bytes: Uint8Array) { this.sent.push(Array.from(bytes)); }
    async close() { this.closed = true; }
  }

  // Deadlines that expire only when the test says so.
  class ManualTimers implements Timers {
    armed: (() => void) | null = null;
    set(callback: () => void) { this.armed = callback; return callback; }
    clear(handle: unknown) { if (this.armed === handle) this.armed = null; }
    expire() { const run = this.armed!; this.armed = null; run(); }
  }

  const settle = () => new Promise((resolve) => setTimeout(resolve, 0));

  test("silence: the deadline asks Retry or Cancel; Retry starts afresh, Cancel sends End and lets go", async () => {
    const link = new SilentLink();
    const timers = new ManualTimers();
    const shown = view([true, false]);
    const session = new engine.CloneSession("read", blank());
    const runner = new TransferRunner(session, link, shown, 500, timers);
    const outcome = runner.run();
    expect(link.sent).toEqual([[0x02, 0x50, 0x52, 0x4f, 0x47, 0x52, 0x41]]);
    timers.expire();
    await settle();
    expect(shown.asked).toBe(1);
    expect(link.discarded).toBe(2); // at the start and again on Retry
    expect(link.sent.at(-1)![0]).toBe(0x02);
    // A late byte while nothing asked for it is the session's to judge, not the runner's.
    link.onData(new Uint8Array([0x15]));
    expect(timers.armed).not.toBeNull();
    timers.expire();
    expect(await outcome).toEqual({ kind: "cancelled" });
    expect(link.sent.at(-1)).toEqual([0x45]);
    expect(link.closed).toBe(true);
    expect(timers.armed).toBeNull();
    session.delete();
  });

  test("a port that goes while the question is open ends the transfer as gone, and the question with it", async () => {
    const link = new SilentLink();
    const timers = new ManualTimers();
    let abandoned = false;
    const shown: TransferView = {
      progress() {},
      checkConnection: (abandon) => new Promise((resolve) => abandon.addEventListener("abort", () => { abandoned = true; resolve(true); })),
    };
    const session = new engine.CloneSession("write", blank());
    const outcome: Promise<Outcome> = new TransferRunner(session, link, shown, 500, timers).run();
    timers.expire();
    await settle();
    link.onGone("disconnected");
    expect(await outcome).toEqual({ kind: "gone", reason: "disconnected" });
    expect(abandoned).toBe(true);
    expect(session.state()).toBe("cancelled"); // Retry after the abandon changed nothing
    expect(link.sent.at(-1)).toEqual([0x45]);
    session.delete();
  });
});

// A port whose stream the test feeds by hand.
class HandPort extends EventTarget implements SerialPort {
  readable: ReadableStream<Uint8Array> | null = null;
  writable: WritableStream<Uint8Array> | null = null;
  feed: ReadableStreamDefaultController<Uint8Array> | null = null;
  calls: string[] = [];
  constructor(private readonly info = {}) { super(); }
  getInfo() { return this.info; }
  async open(options: object) {
    this.calls.push(`open ${JSON.stringify(options)}`);
    this.readable = new ReadableStream({ start: (c) => { this.feed = c; } });
    this.writable = new WritableStream({ write: (chunk) => { this.calls.push(`write ${Array.from(chunk)}`); } });
  }
  async setSignals(signals: object) { this.calls.push(`signals ${JSON.stringify(signals)}`); }
  async close() {
    if (this.readable?.locked || this.writable?.locked) throw new TypeError("locked");
    this.calls.push("close");
  }
}

describe("the serial link", () => {
  test("9600 8N1 without flow control, DTR and RTS on; bytes handed over in order; close waits for End", async () => {
    const port = new HandPort();
    const link = new SerialLink(port);
    const got: number[] = [];
    link.onData = (bytes) => got.push(...bytes);
    await link.open();
    expect(port.calls).toEqual([
      'open {"baudRate":9600,"dataBits":8,"stopBits":1,"parity":"none","flowControl":"none"}',
      'signals {"dataTerminalReady":true,"requestToSend":true}',
    ]);
    port.feed!.enqueue(new Uint8Array([1, 2]));
    await new Promise((resolve) => setTimeout(resolve, 0));
    expect(got).toEqual([1, 2]);
    port.feed!.enqueue(new Uint8Array([3]));
    port.feed!.enqueue(new Uint8Array([4]));
    await new Promise((resolve) => setTimeout(resolve, 0));
    expect(got).toEqual([1, 2, 3, 4]);

    link.send(new Uint8Array([0x45]));
    const started = performance.now();
    await link.close();
    expect(performance.now() - started).toBeGreaterThanOrEqual(4.5);
    expect(port.calls.slice(-2)).toEqual(["write 69", "close"]);
  });

  test("an unplugged port is told once, by its event or by the failed read", async () => {
    const port = new HandPort();
    const link = new SerialLink(port);
    const gone: string[] = [];
    link.onGone = (reason) => gone.push(reason);
    await link.open();
    port.dispatchEvent(new Event("disconnect"));
    port.feed!.error(new Error("The device has been lost."));
    await new Promise((resolve) => setTimeout(resolve, 0));
    expect(gone).toEqual(["disconnected"]);
  });
});

describe("the port choice", () => {
  const storage = (value: string | null) => ({ getItem: () => value }) as unknown as Storage;

  test.each<[string, string | null, PortChoice]>([
    ["?demo wins over what was stored", '{"kind":"serial","nth":0}', { kind: "demo" }],
    ["a stored cable", '{"kind":"serial","usbVendorId":1027,"usbProductId":24577,"nth":1}', { kind: "serial", usbVendorId: 1027, usbProductId: 24577, nth: 1 }],
    ["a damaged entry", "{kind:", { kind: "none" }],
    ["a negative place", '{"kind":"serial","nth":-1}', { kind: "none" }],
    ["nothing stored", null, { kind: "none" }],
  ])("%s", (name, stored, expected) => {
    expect(loadChoice(storage(stored), name.startsWith("?demo") ? "?demo" : "")).toEqual(expected);
  });

  test("two identical cables are told apart by their place among the allowed ports", () => {
    const a = new HandPort({ usbVendorId: 1, usbProductId: 2 });
    const other = new HandPort({ usbVendorId: 9, usbProductId: 9 });
    const b = new HandPort({ usbVendorId: 1, usbProductId: 2 });
    const ports = [a, other, b];
    const second = choiceFor(b, ports);
    expect(second).toEqual({ kind: "serial", usbVendorId: 1, usbProductId: 2, nth: 1 });
    expect(portFor(second, ports)).toBe(b);
    expect(portFor(second, [a, other])).toBeNull(); // unplugged
  });
});
