import type { Texts } from "../texts";
import type { Serial, SerialPort, SerialPortInfo } from "./webSerial";

// The port transfers use: the demo radio, or one of the serial ports this
// site may use, known by its USB ids and its place among allowed ports with
// the same ids (two identical cables). Remembered for the site.
export type PortChoice =
  | { kind: "none" }
  | { kind: "demo" }
  | { kind: "serial"; usbVendorId?: number; usbProductId?: number; nth: number };

const STORAGE_KEY = "zq915.port";

export function loadChoice(storage: Storage, search: string): PortChoice {
  if (new URLSearchParams(search).has("demo")) return { kind: "demo" };
  try {
    const stored = JSON.parse(storage.getItem(STORAGE_KEY) ?? "null") as PortChoice | null;
    if (stored?.kind === "demo") return stored;
    if (stored?.kind === "serial" && Number.isInteger(stored.nth) && stored.nth >= 0) return stored;
  } catch {
    // A damaged entry is no choice.
  }
  return { kind: "none" };
}

export function storeChoice(storage: Storage, choice: PortChoice): void {
  storage.setItem(STORAGE_KEY, JSON.stringify(choice));
}

function sameIds(a: SerialPortInfo, b: SerialPortInfo): boolean {
  return a.usbVendorId === b.usbVendorId && a.usbProductId === b.usbProductId;
}

// The choice that names `port` among `ports`.
export function choiceFor(port: SerialPort, ports: readonly SerialPort[]): PortChoice {
  const info = port.getInfo();
  const nth = ports.filter((other) => sameIds(other.getInfo(), info)).indexOf(port);
  return { kind: "serial", usbVendorId: info.usbVendorId, usbProductId: info.usbProductId, nth: Math.max(0, nth) };
}

// The allowed port a serial choice names, or null when it is not plugged in.
export function portFor(choice: PortChoice, ports: readonly SerialPort[]): SerialPort | null {
  if (choice.kind !== "serial") return null;
  return ports.filter((port) => sameIds(port.getInfo(), choice))[choice.nth] ?? null;
}

const hex4 = (id: number) => id.toString(16).padStart(4, "0");

// "USB serial port 0403:6001" ("#2" after it for the second of two alike),
// "Serial port 1" for one without USB ids (numbered among those).
export function describeChoice(texts: Texts, choice: PortChoice): string {
  if (choice.kind === "demo") return texts.t("DemoRadio");
  if (choice.kind === "none") return texts.t("NoPortChosen");
  const second = choice.nth > 0 ? ` #${choice.nth + 1}` : "";
  if (choice.usbVendorId === undefined || choice.usbProductId === undefined)
    return texts.t("OtherSerialPort").replace("%1", String(choice.nth + 1));
  return texts.t("UsbSerialPort").replace("%1", `${hex4(choice.usbVendorId)}:${hex4(choice.usbProductId)}`) + second;
}

// The port in force as the status bar and the port dialog name it: a serial
// choice whose port is not plugged in says so.
export async function describeCurrent(texts: Texts, choice: PortChoice, serial: Serial | null): Promise<string> {
  const text = describeChoice(texts, choice);
  if (choice.kind !== "serial") return text;
  const ports = serial ? await serial.getPorts().catch(() => []) : [];
  return portFor(choice, ports) ? text : texts.t("PortUnplugged").replace("%1", text);
}
