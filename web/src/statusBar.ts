import { h, setText } from "./dom";

// The status bar's panels: the port transfers use, today's date and the time,
// in the page's language.
export class StatusBar {
  readonly element = h("footer", { class: "status-bar" });
  private readonly port = h("span", { class: "status-panel status-port", role: "status" });
  private readonly date = h("span", { class: "status-panel" });
  private readonly time = h("span", { class: "status-panel" });
  private locale = "en-GB";

  constructor() {
    this.element.append(this.port, this.date, this.time);
    this.tick();
    setInterval(() => this.tick(), 1000);
  }

  setLocale(locale: string): void {
    this.locale = locale;
    this.tick();
  }

  setPort(text: string): void {
    setText(this.port, text);
  }

  private tick(): void {
    const now = new Date();
    setText(this.date, now.toLocaleDateString(this.locale, { day: "numeric", month: "short", year: "numeric" }));
    setText(this.time, now.toLocaleTimeString(this.locale));
  }
}
