// The radio exports of the engine (RadioBinding.cpp): the clone dialogue with
// the radio as a state machine, the demo radio and the read-back comparison.
// They live in the same module as engine.d.ts describes.
//
// A CloneSession never reads a clock or a port. Its owner feeds it the bytes
// the port delivers and the expiry of the one deadline, and carries out the
// actions every call returns, in this order: discard what the port received
// and has not handed over yet (clearPort), send `send`, arm (500 ms from now)
// or stop the deadline, then tell the user `notice`.

export type CloneDirection = "read" | "write";
export type CloneState = "idle" | "running" | "prompting" | "completed" | "refused" | "cancelled";

export interface CloneActions {
  clearPort: boolean;
  send: Uint8Array; // empty: nothing to send
  deadline: "keep" | "arm" | "stop";
  progressChanged: boolean;
  // checkConnection: ask Retry/Cancel and answer with answerPrompt();
  // modelTypeWrong and completed: the transfer is over (End was sent).
  notice: "none" | "checkConnection" | "modelTypeWrong" | "completed";
}

export declare class CloneSession {
  // `image`: the document's 4096 bytes; a read fills its copy of them, a write sends them.
  constructor(direction: CloneDirection, image: Uint8Array);
  delete(): void;
  start(): CloneActions; // clears the port and sends the handshake; only once
  received(bytes: Uint8Array): CloneActions; // in arrival order, chunks of any size
  deadlineExpired(): CloneActions; // also for a port that failed
  answerPrompt(retry: boolean): CloneActions;
  cancel(): CloneActions; // End is sent; ignored once over
  state(): CloneState;
  direction(): CloneDirection;
  progress(): number; // blocks moved, 0..cloneBlockCount
  progressLabel(): string; // "Completion percentage: 42%" in the current language
  failureDetail(): string; // why the last checkConnection came, for the console
  image(): Uint8Array; // the starting image with every block read so far
}

// The engine's radio model with the demo memory (a 136 - 174 MHz radio with a
// few dozen channels); it answers as strictly as a radio and keeps what is
// written to it while the object lives.
export declare class DemoRadio {
  constructor();
  delete(): void;
  receive(bytes: Uint8Array): Uint8Array[]; // the replies now due, in order
}

export interface RadioEngine {
  CloneSession: typeof CloneSession;
  DemoRadio: typeof DemoRadio;
  // "Writing completed and verified..." or the first difference named, in the current language.
  verificationText(sent: Uint8Array, stored: Uint8Array): string;
  firstRadioDifference(sent: Uint8Array, stored: Uint8Array): number; // radio address, -1 when none
  // The data file of an image exactly as given (a read as it came from the radio).
  dataFileBytes(image: Uint8Array): Uint8Array;
  cloneBlockCount: number; // 264
  cloneDeadlineMs: number; // 500
}
