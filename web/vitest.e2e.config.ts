import { defineConfig } from "vitest/config";

// End-to-end tests and benchmarks in headless chromium against build-web/dist.
export default defineConfig({
  test: {
    include: process.env.ZQ915_BENCH ? ["bench/**/*.bench.test.ts"] : ["e2e/**/*.test.ts"],
    testTimeout: 60_000,
    hookTimeout: 60_000,
    fileParallelism: false,
  },
});
