import type { Engine, Language } from "../engine/engine";

// The page's texts, all from the engine's string table in the current language.
export class Texts {
  private readonly ids: Record<string, number>;

  constructor(private readonly engine: Engine) {
    this.ids = engine.ids();
  }

  get language(): Language {
    return this.engine.language();
  }

  // The text of the named id ("RxFreq"); a missing name is a programming error.
  t(name: string): string {
    const id = this.ids[name];
    if (id === undefined) throw new Error(`no string id named ${name}`);
    return this.engine.text(id, this.engine.language());
  }

  byId(id: number): string {
    return this.engine.text(id, this.engine.language());
  }

  // The caption without its access-key marker ("&File" -> "File").
  plain(name: string): string {
    return withoutAccessKey(this.t(name));
  }
}

export function withoutAccessKey(text: string): string {
  return text.replace(/\(&([^&])\)/, "").replace(/&(.)/g, "$1");
}

// The access key of a caption ("&File" -> "f", "文件(&F)" -> "f"); "" if none.
export function accessKey(text: string): string {
  const match = /&([^&])/.exec(text.replace(/&&/g, ""));
  return match ? match[1]!.toLowerCase() : "";
}

export const PRODUCT = "ZQ-915";
