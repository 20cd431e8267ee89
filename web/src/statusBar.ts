import { h, setText } from "./dom";

// The status bar's two panels: today's date and the time, in the page's language.
export class StatusBar {
  readonly element = h("footer", { class: "status-bar" });
  private readonly date = h("span", { class: "status-panel" });
  private readonly time = h("span", { class: "status-panel" });
  private locale = "en-GB";

  constructor() {
    this.element.append(this.date, this.time);
    this.tick();
    setInterval(() => this.tick(), 1000);
  }

  setLocale(locale: string): void {
    this.locale = locale;
    this.tick();
  }

  private tick(): void {
    const now = new Date();
    setText(this.date, now.toLocaleDateString(this.locale, { day: "numeric", month: "short", year: "numeric" }));
    setText(this.time, now.toLocaleTimeString(this.locale));
  }
}
