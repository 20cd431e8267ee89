import createEngine from "@engine/zq915-engine.mjs";
import wasmUrl from "@engine/zq915-engine.wasm?url";
import { App } from "./app";
import { DocumentKeeper } from "./keep";
import "./styles.css";

async function start(): Promise<void> {
  const wasmBinary = new Uint8Array(await (await fetch(wasmUrl)).arrayBuffer());
  const engine = await createEngine({ wasmBinary });
  const root = document.getElementById("app")!;
  root.replaceChildren();
  const app = new App(engine, root, new DocumentKeeper());
  app.grid.moveTo(1, 1);
  // For the console and the benchmarks.
  (globalThis as { zq915?: App }).zq915 = app;
  document.body.dataset.ready = "true";
  performance.mark("grid-ready");
  await app.offerKeptDocument();
}

// Offline use: the service worker keeps this version. Every start asks the
// server for a newer one, which the next visit then runs.
if ("serviceWorker" in navigator && import.meta.env.PROD) {
  void navigator.serviceWorker
    .register("sw.js", { scope: "./" })
    .then((registration) => registration.update())
    .catch((error) => console.warn("no offline copy or no update", error));
}

void start();
