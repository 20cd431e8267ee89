// Opening and saving files: the File System Access pickers where the browser
// has them (Save writes back to the opened file), else an <input type=file>
// and a download. Tests replace the pickers with doubles of the same shape.

export interface FileKind {
  description: string;
  extension: string; // ".dat"
  mime: string;
}

export interface PickedFile {
  name: string;
  bytes: Uint8Array;
  handle: FileSystemFileHandle | null;
}

interface PickerWindow {
  showOpenFilePicker?: (options: object) => Promise<FileSystemFileHandle[]>;
  showSaveFilePicker?: (options: object) => Promise<FileSystemFileHandle>;
}

const pickers = () => window as unknown as PickerWindow;

function isAbort(error: unknown): boolean {
  return error instanceof DOMException && error.name === "AbortError";
}

function accept(kind: FileKind): object {
  return { types: [{ description: kind.description, accept: { [kind.mime]: [kind.extension] } }] };
}

export async function readFile(file: File, handle: FileSystemFileHandle | null = null): Promise<PickedFile> {
  return { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()), handle };
}

// The chosen file, or null when the user cancelled.
export async function pickFile(kind: FileKind): Promise<PickedFile | null> {
  const open = pickers().showOpenFilePicker;
  if (open) {
    try {
      const [handle] = await open.call(window, { ...accept(kind), multiple: false });
      return handle ? readFile(await handle.getFile(), handle) : null;
    } catch (error) {
      if (isAbort(error)) return null;
      throw error;
    }
  }
  return new Promise((resolve) => {
    const input = document.createElement("input");
    input.type = "file";
    input.accept = kind.extension;
    input.addEventListener("change", () => {
      const file = input.files?.[0];
      resolve(file ? readFile(file) : null);
    });
    input.addEventListener("cancel", () => resolve(null));
    input.click();
  });
}

export interface SaveTarget {
  name: string;
  handle: FileSystemFileHandle | null; // null: the bytes went to a download
}

async function write(handle: FileSystemFileHandle, bytes: Uint8Array | string): Promise<void> {
  const writable = await handle.createWritable();
  try {
    await writable.write(bytes as FileSystemWriteChunkType);
    await writable.close();
  } catch (error) {
    await writable.abort().catch(() => undefined);
    throw error;
  }
}

// Writes to `handle` when there is one (Save), else asks where (Save As); null when cancelled.
export async function saveFile(
  kind: FileKind,
  suggestedName: string,
  bytes: Uint8Array | string,
  handle: FileSystemFileHandle | null,
): Promise<SaveTarget | null> {
  if (handle) {
    await write(handle, bytes);
    return { name: handle.name, handle };
  }
  const save = pickers().showSaveFilePicker;
  if (save) {
    let chosen: FileSystemFileHandle;
    try {
      chosen = await save.call(window, { ...accept(kind), suggestedName });
    } catch (error) {
      if (isAbort(error)) return null;
      throw error;
    }
    await write(chosen, bytes);
    return { name: chosen.name, handle: chosen };
  }
  download(suggestedName, bytes, kind.mime);
  return { name: suggestedName, handle: null };
}

export function download(name: string, bytes: Uint8Array | string, mime: string): void {
  const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type: mime }));
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}

// Files dropped anywhere on the page; `open` gets the first one.
export function acceptDrops(target: HTMLElement, open: (file: PickedFile) => void): void {
  target.addEventListener("dragover", (event) => {
    if (event.dataTransfer?.types.includes("Files")) event.preventDefault();
  });
  target.addEventListener("drop", (event) => {
    const item = event.dataTransfer?.items[0];
    const file = event.dataTransfer?.files[0];
    if (!file) return;
    event.preventDefault();
    const handlePromise = (item as unknown as { getAsFileSystemHandle?: () => Promise<FileSystemHandle | null> })
      ?.getAsFileSystemHandle?.();
    void Promise.resolve(handlePromise)
      .catch(() => null)
      .then((handle) => readFile(file, handle?.kind === "file" ? (handle as FileSystemFileHandle) : null))
      .then(open);
  });
}
