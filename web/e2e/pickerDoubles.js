// Test doubles of the File System Access pickers, shaped as the standard API:
// showOpenFilePicker resolves to [handle], showSaveFilePicker to a handle whose
// createWritable() collects the written bytes. Installed before the page runs.
(() => {
  const offered = [];
  const written = new Map();
  const abort = () => Promise.reject(new DOMException("The user aborted a request.", "AbortError"));
  const handle = (name, bytes) => ({
    kind: "file",
    name,
    getFile: async () => new File([new Uint8Array(bytes ?? written.get(name) ?? [])], name),
    createWritable: async () => {
      const parts = [];
      return {
        write: async (data) => { parts.push(typeof data === "string" ? new TextEncoder().encode(data) : new Uint8Array(data)); },
        close: async () => { written.set(name, parts.flatMap((part) => Array.from(part))); },
        abort: async () => {},
      };
    },
  });
  window.__pickerDoubles = {
    offer: (name, bytes) => offered.push({ name, bytes }),
    saved: (name) => written.get(name) ?? null,
    saveAs: null, // the name the next Save picker "chooses"; null keeps the suggested one
  };
  window.showOpenFilePicker = async () => {
    const next = offered.shift();
    return next ? [handle(next.name, next.bytes)] : abort();
  };
  window.showSaveFilePicker = async (options) => {
    const name = window.__pickerDoubles.saveAs ?? options?.suggestedName ?? "Untitled.dat";
    window.__pickerDoubles.saveAs = null;
    return handle(name);
  };
})();
