// Every completed read from a real radio, kept in the browser's IndexedDB
// before the page can change it: the radio's image as it came, and when.
// The newest KEPT by time stay; older ones go as a new one comes.

export const KEPT = 100;
const DATABASE = "zq915-backups";
const STORE = "reads";

export interface Backup {
  id: number;
  time: number; // milliseconds since 1970, as Date.now()
  image: Uint8Array; // 4096 bytes
}

function request<T>(req: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
  });
}

function done(transaction: IDBTransaction): Promise<void> {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    transaction.onerror = () => reject(transaction.error);
    transaction.onabort = () => reject(transaction.error ?? new Error("the backup was not written"));
  });
}

export class BackupStore {
  private db: Promise<IDBDatabase> | null = null;

  constructor(private readonly factory: IDBFactory = indexedDB, private readonly kept = KEPT) {}

  private open(): Promise<IDBDatabase> {
    this.db ??= new Promise<IDBDatabase>((resolve, reject) => {
      const req = this.factory.open(DATABASE, 1);
      req.onupgradeneeded = () => req.result.createObjectStore(STORE, { keyPath: "id", autoIncrement: true }).createIndex("time", "time");
      req.onsuccess = () => resolve(req.result);
      req.onerror = () => reject(req.error);
    });
    this.db.catch(() => { this.db = null; });
    return this.db;
  }

  // Resolves once the copy is written (and the oldest beyond the limit are gone).
  async keep(image: Uint8Array, time = Date.now()): Promise<void> {
    const db = await this.open();
    const transaction = db.transaction(STORE, "readwrite");
    const store = transaction.objectStore(STORE);
    store.add({ time, image: image.slice() });
    const cursor = store.index("time").openCursor(null, "prev");
    let seen = 0;
    cursor.onsuccess = () => {
      const at = cursor.result;
      if (!at) return;
      if (++seen > this.kept) at.delete();
      at.continue();
    };
    await done(transaction);
  }

  // Newest first.
  async list(): Promise<Backup[]> {
    const db = await this.open();
    const all = await request(db.transaction(STORE).objectStore(STORE).index("time").getAll() as IDBRequest<Backup[]>);
    return all.reverse();
  }
}
