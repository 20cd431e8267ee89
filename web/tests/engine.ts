import { readFileSync } from "node:fs";
import { join, resolve } from "node:path";
import type { Engine } from "../engine/engine";

// The real engine under node, as the page loads it.
export async function loadEngine(): Promise<Engine> {
  const dir = process.env.ZQ915_ENGINE_DIR ?? resolve(__dirname, "../../build-web/engine");
  const { default: createEngine } = (await import(join(dir, "zq915-engine.mjs"))) as { default: (o: object) => Promise<Engine> };
  return createEngine({ wasmBinary: readFileSync(join(dir, "zq915-engine.wasm")) });
}
