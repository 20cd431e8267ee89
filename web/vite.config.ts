import { resolve } from "node:path";
import { defineConfig } from "vitest/config";
import { desktopFiles } from "./vite/desktopFiles";
import { serviceWorker } from "./vite/serviceWorker";

const repo = resolve(__dirname, "..");
// The engine built by web/engine/build.sh; ZQ915_ENGINE_DIR points elsewhere.
const engineDir = process.env.ZQ915_ENGINE_DIR ?? resolve(repo, "build-web/engine");

export default defineConfig({
  base: "./",
  resolve: { alias: { "@engine": engineDir } },
  plugins: [desktopFiles(repo), serviceWorker()],
  build: {
    outDir: process.env.ZQ915_WEB_OUT ?? resolve(repo, "build-web/dist"),
    emptyOutDir: true,
    target: "es2022",
    assetsInlineLimit: 0,
  },
  server: { port: 8915, fs: { allow: [repo] } },
  test: { include: ["tests/**/*.test.ts"], environment: "node" },
});
