import type { SerialPort } from "./webSerial";

// The radio's line settings: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control.
export const LINE_SETTINGS = { baudRate: 9600, dataBits: 8, stopBits: 1, parity: "none", flowControl: "none" } as const;
// The radio needs a moment to take End before the line drops.
export const END_TO_CLOSE_MS = 5;

// A byte line to the radio as a transfer sees it.
export interface Link {
  // What arrived, handed over as it comes.
  onData: (bytes: Uint8Array) => void;
  // The port went away (unplugged, or reading or writing failed); called once.
  onGone: (reason: string) => void;
  // Drops what arrived and was not handed over yet.
  discard(): void;
  // Queues bytes; a failure to send reaches onGone.
  send(bytes: Uint8Array): void;
  // Waits END_TO_CLOSE_MS, then lets the port go. Safe to call more than once.
  close(): Promise<void>;
}

// A Web Serial port as a Link. open() opens the port with the radio's line
// settings and sets DTR and RTS on, as cables power their converter from them.
export class SerialLink implements Link {
  onData: (bytes: Uint8Array) => void = () => {};
  onGone: (reason: string) => void = () => {};
  private reader: ReadableStreamDefaultReader<Uint8Array> | null = null;
  private writer: WritableStreamDefaultWriter<Uint8Array> | null = null;
  private closing: Promise<void> | null = null;
  private gone = false;
  private readonly disconnected = () => this.lost("disconnected");

  constructor(private readonly port: SerialPort) {}

  // Throws what the port throws when it cannot be opened (in use, gone).
  async open(): Promise<void> {
    await this.port.open(LINE_SETTINGS);
    try {
      await this.port.setSignals({ dataTerminalReady: true, requestToSend: true });
      if (!this.port.readable || !this.port.writable) throw new Error("the port has no streams");
      this.reader = this.port.readable.getReader();
      this.writer = this.port.writable.getWriter();
    } catch (error) {
      await this.release();
      throw error;
    }
    this.port.addEventListener("disconnect", this.disconnected);
    void this.pump(this.reader);
  }

  // Nothing is held back: each chunk goes to onData as soon as it is read,
  // and the session drops its own unread bytes when it clears the port.
  discard(): void {}

  send(bytes: Uint8Array): void {
    if (!this.writer || this.gone) return;
    this.writer.write(bytes).catch((error: unknown) => this.lost(String(error)));
  }

  close(): Promise<void> {
    this.closing ??= new Promise<void>((resolve) => setTimeout(resolve, END_TO_CLOSE_MS)).then(() => this.release());
    return this.closing;
  }

  private async pump(reader: ReadableStreamDefaultReader<Uint8Array>): Promise<void> {
    try {
      for (;;) {
        const { value, done } = await reader.read();
        if (done) break;
        // Handed over before the next read is asked for, so the reply is
        // answered without waiting on the stream's own bookkeeping.
        if (value && value.length > 0) this.onData(value);
      }
    } catch (error) {
      this.lost(String(error));
    }
  }

  private lost(reason: string): void {
    if (this.gone || this.closing) return;
    this.gone = true;
    this.onGone(reason);
  }

  private async release(): Promise<void> {
    this.port.removeEventListener("disconnect", this.disconnected);
    const reader = this.reader;
    const writer = this.writer;
    this.reader = null;
    this.writer = null;
    // A port that is already gone throws from each of these; it is let go all the same.
    await reader?.cancel().catch(() => {});
    reader?.releaseLock();
    await writer?.close().catch(() => {});
    try { writer?.releaseLock(); } catch { /* already released by close */ }
    await this.port.close().catch(() => {});
  }
}
