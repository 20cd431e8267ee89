// The part of the Web Serial API the page uses, in the standard's shapes (the
// DOM library of TypeScript does not declare it yet).

export interface SerialPortInfo {
  usbVendorId?: number;
  usbProductId?: number;
}

export interface SerialOptions {
  baudRate: number;
  dataBits?: 7 | 8;
  stopBits?: 1 | 2;
  parity?: "none" | "even" | "odd";
  flowControl?: "none" | "hardware";
}

export interface SerialOutputSignals {
  dataTerminalReady?: boolean;
  requestToSend?: boolean;
  break?: boolean;
}

// Fires "disconnect" when the device goes away.
export interface SerialPort extends EventTarget {
  readonly readable: ReadableStream<Uint8Array> | null;
  readonly writable: WritableStream<Uint8Array> | null;
  open(options: SerialOptions): Promise<void>;
  setSignals(signals: SerialOutputSignals): Promise<void>;
  close(): Promise<void>;
  getInfo(): SerialPortInfo;
}

// Fires "connect" and "disconnect" with the port as the event's target.
export interface Serial extends EventTarget {
  getPorts(): Promise<SerialPort[]>;
  requestPort(options?: { filters?: SerialPortInfo[] }): Promise<SerialPort>;
}

// navigator.serial, or null where the browser (or an insecure page) has none.
export function webSerial(): Serial | null {
  return (navigator as Navigator & { serial?: Serial }).serial ?? null;
}
