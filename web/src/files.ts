// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving files in the browser: the File System Access API's pickers where the
// browser has them, a file input and a download otherwise.

export interface FileType {
  description: string;
  extensions: string[]; // with the dot: ".DAT"
  mime: string;
}

export interface PickedFile {
  name: string;
  bytes: Uint8Array;
}

interface PickerWindow {
  showOpenFilePicker?: (options: object) => Promise<Array<{ getFile(): Promise<File> }>>;
  showSaveFilePicker?: (options: object) => Promise<{
    name: string;
    createWritable(): Promise<{ write(data: BufferSource | Blob): Promise<void>; close(): Promise<void> }>;
  }>;
}

const pickers = globalThis as unknown as PickerWindow;

function acceptOf(types: FileType[]): object[] {
  return types.map((t) => ({ description: t.description, accept: { [t.mime]: t.extensions } }));
}

function isAbort(error: unknown): boolean {
  return error instanceof DOMException && error.name === "AbortError";
}

// The file the user picks, or null when the picker was cancelled.
export async function pickFile(types: FileType[]): Promise<PickedFile | null> {
  if (pickers.showOpenFilePicker) {
    try {
      const [handle] = await pickers.showOpenFilePicker({ types: acceptOf(types), multiple: false });
      const file = await handle.getFile();
      return { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) };
    } catch (error) {
      if (isAbort(error)) return null;
      throw error;
    }
  }
  return new Promise((resolve) => {
    const input = document.createElement("input");
    input.type = "file";
    input.accept = types.flatMap((t) => t.extensions).join(",");
    input.addEventListener("change", async () => {
      const file = input.files?.[0];
      resolve(file ? { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } : null);
    });
    input.addEventListener("cancel", () => resolve(null));
    input.click();
  });
}

// Saves the bytes `content` gives for the chosen name under a name the user picks (or downloads
// them under `suggestedName`); the name saved under, or null when cancelled. `content` is asked
// only once a name is chosen, so a cancelled save leaves the editor as it was.
export async function saveFile(
  content: (name: string) => Uint8Array,
  suggestedName: string,
  types: FileType[],
): Promise<string | null> {
  if (pickers.showSaveFilePicker) {
    try {
      const handle = await pickers.showSaveFilePicker({ suggestedName, types: acceptOf(types) });
      const writable = await handle.createWritable();
      await writable.write(content(handle.name) as Uint8Array<ArrayBuffer>);
      await writable.close();
      return handle.name;
    } catch (error) {
      if (isAbort(error)) return null;
      throw error;
    }
  }
  download(content(suggestedName), suggestedName, types[0]?.mime ?? "application/octet-stream");
  return suggestedName;
}

export function download(bytes: Uint8Array, name: string, mime = "application/octet-stream"): void {
  const url = URL.createObjectURL(new Blob([bytes as Uint8Array<ArrayBuffer>], { type: mime }));
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}

export const dataFileType: FileType = { description: "TLV6200 (*.DAT)", extensions: [".DAT", ".dat"], mime: "application/octet-stream" };
export const csvFileType: FileType = { description: "CHIRP CSV (*.csv)", extensions: [".csv"], mime: "text/csv" };
export const jsonFileType: FileType = { description: "JSON (*.json)", extensions: [".json"], mime: "application/json" };
