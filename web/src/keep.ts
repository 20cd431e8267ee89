// Keeps the open document in IndexedDB after every change, so a crash, a
// closed tab or a reboot loses nothing; the next visit offers it back.

export interface KeptDocument {
  image: Uint8Array;
  snapshot: Uint8Array;
  fileName: string;
  modified: boolean; // the document's own verdict when it was kept
}

const DATABASE = "zq915";
const STORE = "document";
const KEY = "open";

function request<T>(req: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
  });
}

export class DocumentKeeper {
  private db: Promise<IDBDatabase> | null = null;
  private pending: KeptDocument | null = null;
  private writing: Promise<void> = Promise.resolve();

  constructor(private readonly factory: IDBFactory = indexedDB) {}

  private open(): Promise<IDBDatabase> {
    this.db ??= new Promise((resolve, reject) => {
      const req = this.factory.open(DATABASE, 1);
      req.onupgradeneeded = () => req.result.createObjectStore(STORE);
      req.onsuccess = () => resolve(req.result);
      req.onerror = () => reject(req.error);
    });
    return this.db;
  }

  async load(): Promise<KeptDocument | null> {
    const db = await this.open();
    const kept = await request(db.transaction(STORE).objectStore(STORE).get(KEY));
    if (!kept || !(kept.image instanceof Uint8Array) || !(kept.snapshot instanceof Uint8Array)) return null;
    return kept as KeptDocument;
  }

  // Stores the latest state; writes never overlap and only the newest is written.
  keep(document: KeptDocument): Promise<void> {
    const first = this.pending === null;
    this.pending = { image: document.image.slice(), snapshot: document.snapshot.slice(), fileName: document.fileName, modified: document.modified };
    if (first) {
      this.writing = this.writing.then(async () => {
        const latest = this.pending;
        this.pending = null;
        if (!latest) return;
        const db = await this.open();
        const tx = db.transaction(STORE, "readwrite");
        tx.objectStore(STORE).put(latest, KEY);
        await new Promise<void>((resolve, reject) => {
          tx.oncomplete = () => resolve();
          tx.onerror = () => reject(tx.error);
        });
      }).catch((error) => console.error("keeping the document failed", error));
    }
    return this.writing;
  }
}

