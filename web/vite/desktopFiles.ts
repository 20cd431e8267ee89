import { readdirSync, readFileSync } from "node:fs";
import { join } from "node:path";
import type { Plugin } from "vite";

// Files the page shares with the desktop program, taken from their one source
// at build time: the help pages and the icon.

const HELP_FOLDER = "src/ui/dialogs/help";

export function desktopFiles(repo: string): Plugin {
  const files = (): Map<string, Buffer | string> => {
    const out = new Map<string, Buffer | string>();
    const help = join(repo, HELP_FOLDER);
    // One folder per language; files beside them are the desktop's own.
    for (const language of readdirSync(help, { withFileTypes: true })) {
      if (!language.isDirectory()) continue;
      for (const name of readdirSync(join(help, language.name))) out.set(`help/${language.name}/${name}`, readFileSync(join(help, language.name, name)));
    }
    out.set("zq915.svg", readFileSync(join(repo, "src/app/zq915.svg")));
    return out;
  };
  const types: Record<string, string> = { html: "text/html; charset=utf-8", png: "image/png", svg: "image/svg+xml" };
  return {
    name: "zq915-desktop-files",
    configureServer(server) {
      server.middlewares.use((req, res, next) => {
        const path = decodeURIComponent((req.url ?? "").split("?")[0]!.replace(/^\//, ""));
        const body = files().get(path);
        if (body === undefined) return next();
        res.setHeader("Content-Type", types[path.split(".").pop()!] ?? "application/octet-stream");
        res.end(body);
      });
    },
    generateBundle() {
      for (const [fileName, source] of files()) this.emitFile({ type: "asset", fileName, source });
    },
  };
}
