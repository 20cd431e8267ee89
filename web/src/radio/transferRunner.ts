import type { CloneActions, CloneState } from "../../engine/radio";
import type { Link } from "./serialLink";

// What the runner needs of the engine's CloneSession.
export interface Session {
  start(): CloneActions;
  received(bytes: Uint8Array): CloneActions;
  deadlineExpired(): CloneActions;
  answerPrompt(retry: boolean): CloneActions;
  cancel(): CloneActions;
  state(): CloneState;
  progress(): number;
  progressLabel(): string;
  failureDetail(): string;
}

// What the transfer window shows and asks.
export interface TransferView {
  progress(value: number, label: string): void;
  // "Check Connection" with Retry and Cancel; true for Retry. `abandon` fires
  // when the question no longer matters (the port went away meanwhile).
  checkConnection(abandon: AbortSignal): Promise<boolean>;
}

// How a transfer ended: End was sent (where the port still took it) and the
// port has been let go.
export type Outcome =
  | { kind: "completed" }
  | { kind: "refused" } // the radio is another model
  | { kind: "cancelled" }
  | { kind: "gone"; reason: string }; // the port disappeared

export interface Timers {
  set(callback: () => void, ms: number): unknown;
  clear(handle: unknown): void;
}
const WINDOW_TIMERS: Timers = {
  set: (callback, ms) => setTimeout(callback, ms),
  clear: (handle) => clearTimeout(handle as ReturnType<typeof setTimeout>),
};

// Carries out a CloneSession over a Link: every byte that arrives goes to the
// session at once, every deadline expiry too, and the actions each call
// returns are done in order (discard, send, deadline, then the notice). The
// session alone decides the dialogue; the runner only keeps time and the port.
export class TransferRunner {
  private deadline: unknown = null;
  private goneReason: string | null = null;
  private readonly prompt = new AbortController();
  private settle: (outcome: Outcome) => void = () => {};
  private finished = false;
  private startedAt = 0;

  constructor(
    private readonly session: Session,
    private readonly link: Link,
    private readonly view: TransferView,
    private readonly deadlineMs = 500,
    private readonly timers: Timers = WINDOW_TIMERS,
  ) {}

  // Runs the transfer on the open link until it is over.
  run(): Promise<Outcome> {
    const outcome = new Promise<Outcome>((resolve) => { this.settle = resolve; });
    this.link.onData = (bytes) => this.apply(this.session.received(bytes));
    this.link.onGone = (reason) => this.portGone(reason);
    // From the first byte sent to the last reply: "transfer" in the page's performance timeline.
    this.startedAt = performance.now();
    this.apply(this.session.start());
    return outcome;
  }

  // The user (or the page going away) stops the transfer: End is sent.
  cancel(): void {
    this.apply(this.session.cancel());
  }

  get isOver(): boolean {
    return this.finished;
  }

  private apply(actions: CloneActions): void {
    if (actions.clearPort) this.link.discard();
    if (actions.send.length > 0) this.link.send(actions.send);
    if (actions.deadline === "arm") {
      this.stopDeadline();
      this.deadline = this.timers.set(() => {
        this.deadline = null;
        this.apply(this.session.deadlineExpired());
      }, this.deadlineMs);
    } else if (actions.deadline === "stop") {
      this.stopDeadline();
    }
    if (actions.progressChanged) this.view.progress(this.session.progress(), this.session.progressLabel());
    if (actions.notice === "checkConnection") void this.askRetry();
    this.finishIfOver();
  }

  private async askRetry(): Promise<void> {
    console.info("transfer:", this.session.failureDetail());
    const retry = await this.view.checkConnection(this.prompt.signal);
    if (this.session.state() === "prompting") this.apply(this.session.answerPrompt(retry));
  }

  private portGone(reason: string): void {
    if (this.finished) return;
    this.goneReason = reason;
    this.prompt.abort();
    this.apply(this.session.cancel());
  }

  private stopDeadline(): void {
    if (this.deadline !== null) this.timers.clear(this.deadline);
    this.deadline = null;
  }

  private finishIfOver(): void {
    const state = this.session.state();
    if (this.finished || (state !== "completed" && state !== "refused" && state !== "cancelled")) return;
    this.finished = true;
    performance.measure("transfer", { start: this.startedAt });
    this.stopDeadline();
    this.prompt.abort();
    const outcome: Outcome =
      this.goneReason !== null ? { kind: "gone", reason: this.goneReason }
      : state === "completed" ? { kind: "completed" }
      : state === "refused" ? { kind: "refused" }
      : { kind: "cancelled" };
    void this.link.close().then(() => this.settle(outcome));
  }
}
