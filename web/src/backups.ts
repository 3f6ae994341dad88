// SPDX-License-Identifier: GPL-3.0-or-later
// Automatic backups kept in the browser: every image read from the radio and every image about
// to be written to it, in IndexedDB, the newest 200.
export type BackupKind = "read" | "write";

export interface Backup {
  id: number;
  kind: BackupKind;
  time: number; // milliseconds since 1970
  image: Uint8Array;
}

const databaseName = "tlv6200";
const storeName = "backups";
export const backupsKept = 200;

function openDatabase(): Promise<IDBDatabase> {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(databaseName, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(storeName, { keyPath: "id", autoIncrement: true });
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

function done(transaction: IDBTransaction): Promise<void> {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    transaction.onerror = () => reject(transaction.error);
    transaction.onabort = () => reject(transaction.error);
  });
}

// Keeps a copy of `image`, then drops the oldest beyond the newest 200.
export async function saveBackup(kind: BackupKind, image: Uint8Array, time = Date.now()): Promise<void> {
  const database = await openDatabase();
  try {
    const transaction = database.transaction(storeName, "readwrite");
    const store = transaction.objectStore(storeName);
    store.add({ kind, time, image: new Uint8Array(image) });
    const keys = store.getAllKeys();
    keys.onsuccess = () => {
      const all = keys.result as number[];
      for (const key of all.slice(0, Math.max(0, all.length - backupsKept))) store.delete(key);
    };
    await done(transaction);
  } finally {
    database.close();
  }
}

// The backups, newest first.
export async function listBackups(): Promise<Backup[]> {
  const database = await openDatabase();
  try {
    const transaction = database.transaction(storeName, "readonly");
    const request = transaction.objectStore(storeName).getAll();
    await done(transaction);
    return (request.result as Backup[]).reverse();
  } finally {
    database.close();
  }
}

// The file name a backup is downloaded under, as the window program names its backup files:
// local date and time, then the kind ("2024-05-01_14-03-22_read.DAT").
export function backupFileName(backup: Backup): string {
  const d = new Date(backup.time);
  const two = (n: number) => String(n).padStart(2, "0");
  const date = `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
  const time = `${two(d.getHours())}-${two(d.getMinutes())}-${two(d.getSeconds())}`;
  return `${date}_${time}_${backup.kind}.DAT`;
}

// What the backups window needs of the page.
export interface BackupsWindow {
  title: string; // the window's title (Help > Open backup folder)
  openText: string; // the caption of Open
  closeText: string; // OK
  dataFile(image: Uint8Array): Uint8Array; // the .DAT file of an image
  download(bytes: Uint8Array, name: string): void;
  open(name: string, bytes: Uint8Array): void; // reopens a backup in the editor
}

// The backups kept in the browser, newest first, each to download or to open in the editor.
export async function showBackups(window: BackupsWindow): Promise<void> {
  const backups = await listBackups();
  const dialog = document.createElement("dialog");
  dialog.className = "backups";
  const heading = document.createElement("h2");
  heading.id = "backups-title";
  heading.textContent = window.title;
  dialog.setAttribute("aria-labelledby", heading.id);
  const list = document.createElement("ul");
  for (const backup of backups) {
    const item = document.createElement("li");
    const name = backupFileName(backup);
    const bytes = window.dataFile(backup.image);
    const save = document.createElement("button");
    save.type = "button";
    save.textContent = name;
    save.addEventListener("click", () => window.download(bytes, name));
    const open = document.createElement("button");
    open.type = "button";
    open.textContent = window.openText;
    open.setAttribute("aria-label", `${window.openText} ${name}`);
    open.addEventListener("click", () => {
      dialog.close();
      window.open(name, bytes);
    });
    item.append(save, " ", open);
    list.append(item);
  }
  const close = document.createElement("button");
  close.type = "button";
  close.textContent = window.closeText;
  close.addEventListener("click", () => dialog.close());
  dialog.append(heading, list, close);
  dialog.addEventListener("close", () => dialog.remove());
  document.body.append(dialog);
  dialog.showModal();
}
