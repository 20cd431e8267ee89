import { readdirSync, readFileSync } from "node:fs";
import { join } from "node:path";
import type { Plugin } from "vite";

// Files the page shares with the desktop program, taken from their one source
// at build time: the help pages (and their topic table) and the icon.

const HELP_FOLDER = "src/ui/dialogs/help";

// The desktop help window's topics and the grid's column anchors, read from its table.
export function helpIndex(topicsSource: string): { topics: { file: string; title: string }[]; columnAnchors: string[] } {
  const topics = [...topicsSource.matchAll(/\{"([\w-]+\.html)",\s*TextId::(\w+)\}/g)].map((m) => ({ file: m[1]!, title: m[2]! }));
  const anchorsBlock = /kColumnAnchors\[\]\s*=\s*\{([^}]*)\}/.exec(topicsSource)?.[1] ?? "";
  const columnAnchors = [...anchorsBlock.matchAll(/"([\w-]+)"/g)].map((m) => m[1]!);
  if (topics.length === 0 || columnAnchors.length !== 11) throw new Error("the help topic table was not understood");
  return { topics, columnAnchors };
}

export function desktopFiles(repo: string): Plugin {
  const files = (): Map<string, Buffer | string> => {
    const out = new Map<string, Buffer | string>();
    const help = join(repo, HELP_FOLDER);
    for (const language of readdirSync(help)) {
      for (const name of readdirSync(join(help, language))) out.set(`help/${language}/${name}`, readFileSync(join(help, language, name)));
    }
    const topics = helpIndex(readFileSync(join(repo, "src/ui/dialogs/HelpTopics.cpp"), "utf8"));
    out.set("help/topics.json", JSON.stringify(topics));
    out.set("zq915.svg", readFileSync(join(repo, "src/app/zq915.svg")));
    return out;
  };
  const types: Record<string, string> = { html: "text/html; charset=utf-8", png: "image/png", json: "application/json", svg: "image/svg+xml" };
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
