// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a command's flow: the core decides every step (a message, a file to open or save, a
// transfer with the radio) and the page shows it and answers, as the window program's boxes,
// file dialogs and cable do. The flow is deleted once it is done.
import type { FileKind, Flow, FlowStep, MessageText, TransferEnd } from "./core-api";
import { csvFileType, dataFileType, download, jsonFileType, pickFile, saveFile, type FileType } from "./files";

// What a flow needs of the page.
export interface FlowHost {
  show(message: MessageText): Promise<number>;
  // Runs the transfer the flow asks for; resolves with how it ended.
  transfer(request: NonNullable<FlowStep["transfer"]>): Promise<TransferEnd>;
}

function fileTypes(kind: FileKind): FileType[] {
  if (kind === "exchange") return [csvFileType, jsonFileType];
  if (kind === "pdf") return [{ description: "PDF (*.pdf)", extensions: [".pdf"], mime: "application/pdf" }];
  return [dataFileType];
}

// Saves what the flow gives for the name chosen, and tells the flow how it went. Without a save
// picker an export is downloaded in both of its formats, the name chosen being the CSV's.
async function save(flow: Flow, step: FlowStep): Promise<void> {
  const types = fileTypes(step.file);
  const picker = (globalThis as { showSaveFilePicker?: unknown }).showSaveFilePicker;
  try {
    if (!picker && step.file === "exchange") {
      const json = step.suggestedName.replace(/\.[^.]*$/, "") + ".json";
      download(flow.contentToSave(json), json, jsonFileType.mime);
    }
    const name = await saveFile((chosen) => flow.contentToSave(chosen), step.suggestedName, types);
    if (name === null) flow.cancel();
    else flow.fileSaved(name);
  } catch (error) {
    flow.fileNotSaved(String((error as Error)?.message ?? error));
  }
}

// Runs `flow` to its end; resolves with its last step (whether the command was carried out).
export async function runFlow(flow: Flow, host: FlowHost): Promise<FlowStep> {
  try {
    for (;;) {
      const step = flow.step();
      switch (step.kind) {
        case "show":
          flow.answer(await host.show(step.message!));
          break;
        case "chooseFileToOpen": {
          const file = await pickFile(fileTypes(step.file));
          if (file) flow.openContent(file.name, file.bytes);
          else flow.cancel();
          break;
        }
        case "chooseFileToSave":
          await save(flow, step);
          break;
        case "transfer":
          flow.transferEnded(await host.transfer(step.transfer!));
          break;
        case "done":
          return step;
      }
    }
  } finally {
    flow.delete();
  }
}
