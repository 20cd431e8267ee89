import { execFileSync } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { type BrowserContext, chromium, type Page } from "playwright-core";
import { preview, type PreviewServer } from "vite";

export const REPO = resolve(__dirname, "../..");
export const DIST = process.env.ZQ915_WEB_OUT ?? join(REPO, "build-web/dist");
export const CLI = process.env.ZQ915_CLI ?? join(REPO, "build/tools/zq915-cli/zq915-cli");

const CHROMIUM_FLAGS = [
  "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
  "--disable-component-update", "--disable-sync",
];

// The built page served on localhost (a secure context, as service workers need).
export async function serve(dist = DIST, port = 0): Promise<{ url: string; close: () => Promise<void> }> {
  const server: PreviewServer = await preview({
    configFile: false,
    root: resolve(__dirname, ".."),
    logLevel: "silent",
    build: { outDir: dist },
    preview: { port, host: "localhost", strictPort: port !== 0 },
  });
  const url = server.resolvedUrls?.local[0];
  if (!url) throw new Error("the page server did not start");
  return { url, close: () => server.close() };
}

export interface Browser {
  context: BrowserContext;
  close: () => Promise<void>;
}

// Headless Debian chromium with a fresh profile (IndexedDB, service worker and
// settings start empty) and the file pickers replaced by doubles.
// `pickers: false` leaves the browser without File System Access, as Firefox
// and Safari are: Open takes an upload and Save a download.
export async function launch(locale = "en-US", pickers = true): Promise<Browser> {
  const profile = mkdtempSync(join(tmpdir(), "zq915-e2e-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    locale,
    args: [...CHROMIUM_FLAGS, `--lang=${locale}`],
    viewport: { width: 1040, height: 720 },
  });
  if (pickers) await context.addInitScript({ path: join(__dirname, "pickerDoubles.js") });
  else await context.addInitScript(() => {
    delete (window as any).showOpenFilePicker;
    delete (window as any).showSaveFilePicker;
  });
  return {
    context,
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

export async function openPage(context: BrowserContext, url: string): Promise<Page> {
  const page = context.pages()[0] ?? (await context.newPage());
  await page.goto(url);
  await page.waitForSelector("body[data-ready=true]");
  return page;
}

export function cli(...args: string[]): string {
  return execFileSync(CLI, args, { encoding: "utf8" });
}

// The file the next Open picker "chooses".
export async function offerFile(page: Page, name: string, bytes: Uint8Array): Promise<void> {
  await page.evaluate(([n, b]) => (window as any).__pickerDoubles.offer(n, b), [name, Array.from(bytes)] as const);
}

// The bytes last written through a Save picker's handle.
export async function savedFile(page: Page, name: string): Promise<Uint8Array> {
  const bytes = await page.evaluate((n) => (window as any).__pickerDoubles.saved(n), name);
  if (!bytes) throw new Error(`nothing was saved as ${name}`);
  return new Uint8Array(bytes);
}

export async function cellTexts(page: Page, n: number): Promise<string[]> {
  return page.evaluate((row) => {
    const cells = document.querySelectorAll(`[role=grid] [role=rowgroup]:last-child [role=row]:nth-child(${row}) [role=gridcell]`);
    return Array.from(cells, (cell) => cell.textContent ?? "");
  }, n);
}

export function cell(page: Page, n: number, column: string) {
  return page.getByRole("row").filter({ has: page.getByRole("rowheader", { name: String(n), exact: true }) })
    .getByRole("gridcell").nth(COLUMN_NAMES.indexOf(column));
}

export const COLUMN_NAMES = ["RX Freq", "TX Freq", "Decode", "Encode", "W/N", "Scan", "TX Power", "Opt Signal", "PTT ID", "BCL"];

export async function menu(page: Page, top: string, entry: string): Promise<void> {
  await page.getByRole("menubar").getByRole("menuitem", { name: top, exact: true }).click();
  await page.getByRole("menu").getByRole("menuitem", { name: entry }).click();
}
