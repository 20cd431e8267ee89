import type { SerialOptions, SerialOutputSignals, SerialPort, SerialPortInfo } from "./webSerial";

// What the demo port needs of the engine's demo radio.
export interface RadioReplies {
  receive(bytes: Uint8Array): Uint8Array[];
}

// Ten bits a byte (start, eight data, stop) at 9600 baud: about 1.04 ms.
export const WIRE_BYTE_MS = 10_000 / 9600;

interface InFlight {
  due: number; // when the reply's last byte has arrived, on performance.now()
  bytes: Uint8Array;
}

// A serial port whose other end is the engine's radio model instead of a
// device, with the standard port's shape, so a transfer runs exactly as with
// a cable. Paced, each byte takes its 9600-baud time in each direction and a
// reply is handed over when its last byte has arrived; the radio outlives the
// port and keeps what was written to it.
export class DemoSerialPort extends EventTarget implements SerialPort {
  readable: ReadableStream<Uint8Array> | null = null;
  writable: WritableStream<Uint8Array> | null = null;
  private controller: ReadableStreamDefaultController<Uint8Array> | null = null;
  private inFlight: InFlight[] = [];
  private sendFree = 0; // the outgoing line is busy until then
  private receiveFree = 0; // the incoming line is busy until then
  // How late the last reply was handed over: the page answers it from when it
  // should have come, so timer lateness does not add up over a transfer.
  private lag = 0;
  private timer: ReturnType<typeof setTimeout> | undefined;
  private readonly wake = new MessageChannel();

  constructor(private readonly radio: RadioReplies, private readonly byteMs = WIRE_BYTE_MS) {
    super();
    // A timer set from a timer's own callback is held back to 4 ms after a few
    // levels; one set from a message is not.
    this.wake.port1.onmessage = () => this.schedule();
  }

  getInfo(): SerialPortInfo {
    return {};
  }

  async open(_options: SerialOptions): Promise<void> {
    if (this.readable) throw new DOMException("The port is already open.", "InvalidStateError");
    this.readable = new ReadableStream<Uint8Array>({ start: (controller) => { this.controller = controller; } });
    this.writable = new WritableStream<Uint8Array>({ write: (chunk) => this.toRadio(chunk) });
  }

  async setSignals(_signals: SerialOutputSignals): Promise<void> {
    if (!this.readable) throw new DOMException("The port is not open.", "InvalidStateError");
  }

  async close(): Promise<void> {
    clearTimeout(this.timer);
    this.timer = undefined;
    this.inFlight = [];
    try { this.controller?.close(); } catch { /* already cancelled by its reader */ }
    this.controller = null;
    this.readable = null;
    this.writable = null;
  }

  private toRadio(chunk: Uint8Array): void {
    const now = performance.now() - this.lag;
    this.sendFree = Math.max(now, this.sendFree) + chunk.length * this.byteMs;
    for (const reply of this.radio.receive(chunk)) {
      this.receiveFree = Math.max(this.sendFree, this.receiveFree) + reply.length * this.byteMs;
      this.inFlight.push({ due: this.receiveFree, bytes: reply });
    }
    this.wake.port2.postMessage(null);
  }

  private schedule(): void {
    if (this.timer !== undefined || this.inFlight.length === 0) return;
    // To the nearest millisecond: always rounding up would add half a
    // millisecond to each of the five hundred exchanges of a transfer.
    const wait = Math.max(0, Math.round(this.inFlight[0]!.due - performance.now()));
    this.timer = setTimeout(() => {
      this.timer = undefined;
      this.deliver();
    }, wait);
  }

  private deliver(): void {
    const now = performance.now();
    while (this.inFlight.length > 0 && this.inFlight[0]!.due <= now + 0.5) {
      const reply = this.inFlight.shift()!;
      this.lag = now - reply.due;
      this.controller?.enqueue(reply.bytes);
    }
    this.schedule();
  }
}
