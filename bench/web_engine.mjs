// The browser engine's size and speed under node: gzipped bytes of the module
// and its .wasm, and the time to draw every row of a full 128-channel document.
//   node bench/web_engine.mjs        (after web/engine/build.sh)
import { readFileSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { fileURLToPath } from "node:url";
import { performance } from "node:perf_hooks";

const dir = fileURLToPath(new URL("../build-web/engine/", import.meta.url));
const files = ["zq915-engine.mjs", "zq915-engine.wasm"].map((name) => readFileSync(dir + name));
const { default: createEngine } = await import(dir + "zq915-engine.mjs");

const started = performance.now();
const engine = await createEngine({ wasmBinary: files[1] });
const startup = performance.now() - started;

const doc = new engine.Document();
doc.setBand(1); // 136 - 174 MHz, 128 channels
for (let n = 1; n <= 128; ++n) {
  doc.typeText(n, 1, `${140 + n / 8}`);
  doc.typeText(n, 2, `${145 + n / 8}`);
  doc.choose(n, 3, "88.5");
  doc.choose(n, 4, "D023N");
}

// Median of many runs: the machine is shared.
function median(run, times = 200) {
  const samples = [];
  for (let i = 0; i < times; ++i) {
    const t = performance.now();
    run();
    samples.push(performance.now() - t);
  }
  return samples.sort((a, b) => a - b)[Math.floor(times / 2)];
}

const bytes = doc.saveBytes();
const redraw = median(() => doc.rows());
const typed = median(() => {
  doc.typeText(64, 1, "150.125");
  doc.row(64);
  doc.undo();
});
const open = median(() => doc.open(bytes, "full.dat"), 50);
doc.delete();

const kb = (n) => `${(n / 1024).toFixed(1)} KB`;
const ms = (t) => `${t.toFixed(2)} ms`;
console.log(`engine gzipped: ${kb(gzipSync(files[0], { level: 9 }).length)} module + ${kb(gzipSync(files[1], { level: 9 }).length)} wasm`);
console.log(`start-up (compile and instantiate): ${ms(startup)}`);
console.log(`draw 128 rows: ${ms(redraw)}`);
console.log(`type one frequency, draw its row, undo: ${ms(typed)}`);
console.log(`open a 128-channel file (decode and normalise): ${ms(open)}`);
