import { type ChildProcess, spawn } from "node:child_process";
import { constants, openSync } from "node:fs";
import { join } from "node:path";
import { ReadStream, WriteStream } from "node:tty";
import { WebSocketServer, type WebSocket } from "ws";

// The page's serial double talks to this bridge over a WebSocket on
// localhost; the bridge holds the pseudo-terminal of tools/radio-sim (the
// strict, paced simulated radio), so the page's bytes reach a radio exactly
// as through a cable.

export const RADIO_SIM = process.env.ZQ915_RADIO_SIM ?? join(__dirname, "../../../build/tools/radio-sim/radio-sim");

export interface BridgeOptions {
  simArgs?: string[]; // --paced, --fault KIND@N, --load FILE ...
  // Replies held as a USB adapter's latency timer holds them: sent on when
  // this many milliseconds have passed since the first byte waiting (0: at once).
  latencyMs?: number;
}

export class RadioBridge {
  readonly url: string;
  private socket: WebSocket | null = null;
  private held: Buffer[] = [];
  private timer: ReturnType<typeof setTimeout> | null = null;
  stderr = "";
  // Every message from the page as it is written to the line ("in") and every
  // chunk from the radio as it is sent on ("out"), on performance.now().
  readonly trace: { what: "in" | "out"; n: number; t: number }[] = [];

  private constructor(
    private readonly sim: ChildProcess,
    private readonly server: WebSocketServer,
    private readonly input: ReadStream,
    private readonly output: WriteStream,
    private readonly latencyMs: number,
  ) {
    const address = server.address();
    this.url = `ws://localhost:${typeof address === "object" && address ? address.port : 0}/`;
    sim.stderr?.on("data", (chunk: Buffer) => { this.stderr += chunk.toString(); });
    input.on("data", (chunk: Buffer) => this.fromRadio(chunk));
    server.on("connection", (socket) => {
      // The page opens a port only once it closed it (the double checks), but
      // the close of the last connection may still be on its way here.
      this.socket?.terminate();
      this.socket = socket;
      this.held = [];
      socket.on("message", (data: Buffer) => {
        this.trace.push({ what: "in", n: data.length, t: performance.now() });
        output.write(data);
      });
      socket.on("close", () => { if (this.socket === socket) this.socket = null; });
    });
  }

  static async start(options: BridgeOptions = {}): Promise<RadioBridge> {
    const sim = spawn(RADIO_SIM, options.simArgs ?? [], { stdio: ["ignore", "pipe", "pipe"] });
    const device = await new Promise<string>((resolve, reject) => {
      let out = "";
      sim.stdout!.on("data", (chunk: Buffer) => {
        out += chunk.toString();
        if (out.includes("\n")) resolve(out.split("\n")[0]!);
      });
      sim.on("exit", (code) => reject(new Error(`radio-sim ended (${code}) before naming its device`)));
      sim.on("error", reject);
    });
    // One descriptor each way: each stream closes its own.
    const input = new ReadStream(openSync(device, constants.O_RDWR | constants.O_NOCTTY));
    input.setRawMode(true);
    const output = new WriteStream(openSync(device, constants.O_RDWR | constants.O_NOCTTY));
    const server = new WebSocketServer({ host: "localhost", port: 0 });
    await new Promise<void>((resolve) => server.once("listening", () => resolve()));
    return new RadioBridge(sim, server, input, output, options.latencyMs ?? 0);
  }

  // The cable is pulled: the page's port fires "disconnect".
  unplug(): void {
    this.socket?.close(4001, "unplugged");
  }

  get connected(): boolean {
    return this.socket !== null;
  }

  // Stops the simulator (SIGTERM lets it write --save) and the server.
  async stop(): Promise<void> {
    this.socket?.terminate();
    const exited = new Promise<void>((resolve) => {
      if (this.sim.exitCode !== null) resolve();
      else this.sim.once("exit", () => resolve());
    });
    this.sim.kill("SIGTERM");
    await exited;
    this.input.destroy();
    this.output.destroy();
    await new Promise<void>((resolve) => this.server.close(() => resolve()));
  }

  private fromRadio(chunk: Buffer): void {
    this.trace.push({ what: "out", n: chunk.length, t: performance.now() });
    if (this.latencyMs <= 0) {
      this.socket?.send(chunk);
      return;
    }
    this.held.push(chunk);
    this.timer ??= setTimeout(() => {
      this.timer = null;
      const bytes = Buffer.concat(this.held);
      this.held = [];
      this.socket?.send(bytes);
    }, this.latencyMs);
  }
}
