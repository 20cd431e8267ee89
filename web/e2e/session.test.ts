import { afterAll, beforeAll, describe, expect, test } from "vitest";
import { type Browser, cell, cellTexts, launch, menu, openPage, serve } from "./harness";

let server: Awaited<ReturnType<typeof serve>>;
beforeAll(async () => {
  server = await serve();
});
afterAll(async () => {
  await server?.close();
});

async function withBrowser(locale: string, run: (browser: Browser) => Promise<void>): Promise<void> {
  const browser = await launch(locale);
  try {
    await run(browser);
  } finally {
    await browser.close();
  }
}

describe("language", () => {
  test("a Chinese browser starts in Chinese; the choice is switched at once and remembered", () =>
    withBrowser("zh-CN", async ({ context }) => {
      const page = await openPage(context, server.url);
      const menubar = page.getByRole("menubar");
      expect(await menubar.getByRole("menuitem", { name: "文件", exact: true }).count()).toBe(1);
      expect(await page.title()).toContain("Untitled");
      await menu(page, "设置", "语言设置");
      const dialog = page.getByRole("dialog");
      await dialog.getByRole("radio", { name: "英语" }).check();
      await dialog.getByRole("button", { name: "确定" }).click();
      expect(await menubar.getByRole("menuitem", { name: "File", exact: true }).count()).toBe(1);
      expect(await page.getByRole("columnheader", { name: "RX Freq" }).count()).toBe(1);
      await page.reload();
      await page.waitForSelector("body[data-ready=true]");
      expect(await menubar.getByRole("menuitem", { name: "File", exact: true }).count()).toBe(1);
    }));
});

describe("never losing work", () => {
  test("a killed tab's unsaved document is offered back; closing with changes asks", () =>
    withBrowser("en-US", async ({ context }) => {
      let page = await openPage(context, server.url);
      await cell(page, 4, "RX Freq").click();
      await page.keyboard.type("251");
      await page.keyboard.press("Enter");
      // The keep is written after the change; give it its moment, then kill the tab.
      await page.waitForTimeout(300);
      let asked = "";
      page.on("dialog", (dialog) => {
        asked = dialog.type();
        void dialog.dismiss();
      });
      await page.close({ runBeforeUnload: true });
      await expect.poll(() => asked).toBe("beforeunload");
      await page.close({ runBeforeUnload: false });

      page = await context.newPage();
      await page.goto(server.url);
      const question = page.getByRole("dialog");
      await expect.poll(() => question.textContent()).toContain("Restore");
      await question.getByRole("button", { name: "Yes" }).click();
      expect((await cellTexts(page, 4))[0]).toBe("251.00000");
      // Still unsaved: it is offered again after another kill.
      await page.close({ runBeforeUnload: false });
      page = await context.newPage();
      await page.goto(server.url);
      await expect.poll(() => page.getByRole("dialog").count()).toBe(1);
      await page.getByRole("dialog").getByRole("button", { name: "No" }).click();
      expect((await cellTexts(page, 4))[0]).toBe("");
      // Declined: a fresh start is not asked again.
      await page.reload();
      await page.waitForSelector("body[data-ready=true]");
      await page.waitForTimeout(300);
      expect(await page.getByRole("dialog").count()).toBe(0);
    }));
});

describe("offline", () => {
  test("after one visit the page loads with the network off", () =>
    withBrowser("en-US", async ({ context }) => {
      const page = await openPage(context, server.url);
      await page.evaluate(() => navigator.serviceWorker.ready);
      await expect.poll(() => page.evaluate(() => navigator.serviceWorker.controller !== null)).toBe(true);
      await context.setOffline(true);
      await page.reload();
      await page.waitForSelector("body[data-ready=true]");
      expect(await page.getByRole("grid").getByRole("row").count()).toBe(129);
      await context.setOffline(false);
    }));
});
