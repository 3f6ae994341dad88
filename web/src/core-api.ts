// SPDX-License-Identifier: GPL-3.0-or-later
// The programmer's core as the page sees it: the C++ editor, its rules and texts, the data file,
// import and export and the transfer session, compiled to WebAssembly (web/core/*.cpp) and
// loaded by `loadCore()`. Every text the page shows comes from here, in the language in force,
// and every command and its questions: the page only shows and answers.
//
// Conventions:
// - rows are channel rows 1..16 (row 0 is the header), columns 0..8 as the window program's table
//   (0 number, 1 RX frequency, 2 RX tone, 3 TX frequency, 4 TX tone, 5 power, 6 forbid,
//   7 bandwidth, 8 scan);
// - list positions are 0-based positions of the entry in its drop-down list;
// - a language is a code: "zh-CN" (Simplified), "en" (English), "zh-TW" (Traditional).

export type LanguageCode = "zh-CN" | "en" | "zh-TW";

/** A message box the core asks the page to show, already in the language in force. */
export interface MessageText {
  text: string;
  /** Empty when the window program's box has no title (the page then uses the program's name). */
  title: string;
  /** The window program's message-box flags (buttons | icon | default button), see `mb` below. */
  flags: number;
  /** Extra text shown after the message (file name, list of damaged fields ...); may be empty. */
  detail: string;
}

/** The message-box flags as the window program uses them. */
export const mb = {
  Ok: 0,
  OkCancel: 1,
  YesNo: 4,
  SaveDiscardCancel: 7,
  ButtonsMask: 7, // flags & ButtonsMask: which buttons
  IconStop: 16,
  IconQuestion: 32,
  IconWarning: 48,
  IconInformation: 64,
  DefaultButton2: 256,
  SystemModal: 4096,
  /** The title of a box whose message has none. */
  appTitle: "TLV6200",
} as const;

export type CellEditorKind = "none" | "frequency" | "tone" | "option";

export interface FilteredKey {
  /** keep: insert `code`; discard: drop the key; commit: Enter, leave the editor and commit. */
  action: "keep" | "discard" | "commit";
  code: number;
}

/** What a command of the document did. */
export interface EditResult {
  /** The data changed and an undo step was recorded: show everything again. */
  changed: boolean;
  /** A dialog's OK refused its draft (the notices say why); the dialog stays open. */
  refused: boolean;
  /** What to tell the user, in order. */
  notices: MessageText[];
  /** The channel rows the command leaves chosen (paste, insert, move). */
  rows: number[];
  /** A line for beside the table (why a typed tone was not taken); "" when none. */
  hint: string;
}

/** The editor a cell opens, and the cell it works on (an empty channel starts at its RX frequency). */
export interface CellEditorChoice {
  kind: CellEditorKind;
  row: number;
  column: number;
}

export type TransferDirection = "read" | "write";
export type TransferOutcome = "success" | "communicationError" | "declined" | "stopped";
export type FileKind = "channelData" | "exchange" | "pdf";

/** A read or a write a flow asks for: a write's image, and whether the power-level block goes. */
export interface TransferRequest {
  direction: TransferDirection;
  image: Uint8Array;
  serviceMode: boolean;
}

/** One step of a command's flow: what the page shows or does, and answers. */
export interface FlowStep {
  kind: "show" | "chooseFileToOpen" | "chooseFileToSave" | "transfer" | "done";
  /** show: the message box; answer with the id of the button pressed. */
  message: MessageText | null;
  /** chooseFileToOpen / chooseFileToSave: the kind of file. */
  file: FileKind;
  /** chooseFileToSave: the name offered. */
  suggestedName: string;
  /** transfer: the read or write to run; answer with transferEnded. */
  transfer: TransferRequest | null;
  /** done: whether the command was carried out; a write ended by No to the band question. */
  completed: boolean;
  declined: boolean;
}

/** How a transfer the flow asked for ended. */
export interface TransferEnd {
  outcome: TransferOutcome;
  failure?: {
    cause: string;
    dataPhase: boolean;
    blocksDone: number;
    blocksTotal: number;
    received: string;
    device: string;
  };
  /** A read's image (848 bytes). */
  image?: Uint8Array;
}

/** A command's flow (web/src/flow-runner.ts runs it); delete() it once done. */
export interface Flow {
  step(): FlowStep;
  answer(button: number): void;
  openContent(name: string, bytes: Uint8Array): void;
  /** chooseFileToSave: the bytes to write under the name chosen. */
  contentToSave(name: string): Uint8Array;
  fileSaved(name: string): void;
  fileNotSaved(reason: string): void;
  cancel(): void;
  transferEnded(end: TransferEnd): void;
  delete(): void;
}

/** A function-panel list (voice prompt, time-out timer, ...) with its label and entries. */
export interface PanelList {
  label: string;
  entries: string[];
  position: number;
  tooltip: string;
}

// The five dialogs' drafts: what the dialog shows until its OK. Set a draft from the dialog's
// controls, then call the dialog's confirm; `null` means stored, a MessageText means refused
// (show it, the dialog stays open).
export interface OptionalFunctionsDraft {
  pttIdMode: number;
  cancelOperation: boolean;
  voxOffOnReceive: boolean;
  voxEnable: number;
  voxGain: number;
  voxDelay: number;
  voxTone: number;
  duplicate: number;
  priorityMode: number;
  priorityChannel: number; // channel - 1, -1 for none
  revertTimeA: number;
  revertTimeB: number;
  returnChannel: number;
  scanRxResumeDelay: string;
  scanTxResumeDelay: string;
  priorityFallbackChannel: number;
}
export interface KeysDraft {
  pf1: number;
  pf2: number;
}
export interface PowerLevelsDraft {
  high: number;
  low: number;
  highText: string;
  lowText: string;
  slidersEnabled: boolean; // in service mode only
}
export interface TestFrequenciesDraft {
  grid: string[][]; // 17 rows x 3 columns, as the dialog's grid (row 0 header)
}
export interface EmbeddedTextsDraft {
  first: string;
  second: string;
}
export type DialogName = "optionalFunctions" | "keys" | "powerLevels" | "testFrequencies" | "embeddedTexts";

export interface ChannelCard {
  title: string;
  band: { label: string; value: string };
  columns: string[]; // the 9 column titles
  channels: string[][]; // 16 rows of 9 texts
  sections: { title: string; settings: { label: string; value: string }[] }[];
}

export interface MsgBoxLayout {
  buttons: number[]; // item ids, left to right
  icon: "none" | "stop" | "question" | "warning" | "information";
  defaultButton: number;
  escapeButton: number; // 0: none
}

export interface CaptionRow {
  window: string; // designer name, e.g. "Form1"
  control: string; // designer name, e.g. "mnureadFre"; empty for the window title
  item: "windowTitle" | "caption" | "listEntry" | "gridHeader" | "toolbarButton";
  index: number;
  text: string; // in the language asked for
}

/** The document: the radio memory being edited with its undo history, the file it matches and
 *  the window program's commands; every text in the language in force. */
export interface RadioDocument {
  // Language, the editing lock, a transfer's hold
  setLanguage(language: LanguageCode): void;
  language(): LanguageCode;
  editingLock(): boolean;
  setEditingLock(on: boolean): void;
  transferRunning(): boolean;
  setTransferRunning(running: boolean): void;
  /** The table, band list, panel and row commands take changes (no lock, no transfer). */
  dataMayChange(): boolean;

  // Channel table
  cellEditor(row: number, column: number): CellEditorChoice;
  typingOpensEditor(kind: CellEditorKind, code: number): boolean;
  filterKey(kind: CellEditorKind, code: number): FilteredKey;
  commitFrequency(row: number, column: number, text: string): EditResult;
  /** Typed tone text; `selectedPosition` is the list's selection when it was committed, -1 none. */
  commitTone(row: number, column: number, text: string, selectedPosition: number): EditResult;
  pickTone(row: number, column: number, position: number): EditResult;
  pickOption(row: number, column: number, position: number): EditResult;
  /** The position an option or tone list shows for a cell. */
  listPosition(row: number, column: number): number;

  // Band list, function panel, rows (1..16)
  bandListOpened(): void;
  /** A pick in the band list; the flow asks before channels are cleared. */
  selectBand(index: number): Flow;
  pickPanel(list: number, position: number): EditResult;
  deleteChannels(rows: number[]): EditResult;
  insertEmptyChannel(row: number): EditResult;
  moveChannels(rows: number[], step: number): EditResult;
  pasteRows(firstRow: number, text: string): EditResult;
  copyRows(rows: number[]): string;

  // Undo, files, the radio
  undo(): boolean;
  redo(): boolean;
  canUndo(): boolean;
  canRedo(): boolean;
  modified(): boolean;
  /** The name of the file the editor matches; "" after New, a read or the start. */
  path(): string;
  newDocument(): Flow;
  open(): Flow;
  /** A data file's bytes opened as Open does (a backup), after "Save changes?". */
  openContent(name: string, bytes: Uint8Array): Flow;
  save(): Flow;
  importFile(): Flow;
  exportFile(): Flow;
  read(): Flow;
  write(): Flow;
  /** The memory image (848 bytes) of the editor. */
  image(): Uint8Array;

  // Dialogs
  draft<T = unknown>(dialog: DialogName): T;
  setDraft(dialog: DialogName, draft: object): void;
  /** OK: checks and stores the draft (refused: the notices say why). */
  confirm(dialog: DialogName): EditResult;
  /** A pick in the optional-functions dialog's priority mode (Combo11) or priority channel
   *  (Combo12) list through the window program's rules: either may move back in the draft. */
  selectPriorityMode(index: number): MessageText[];
  selectPriorityChannel(index: number): MessageText[];
  /** Whether a test-frequency cell (row 1..16, column 1 receive, 2 transmit) may be edited. */
  testFrequencyCellEditable(row: number, column: number): boolean;
  /** A test-frequency cell's commit: the text normalised, the row's other cell updated. */
  commitTestFrequency(row: number, column: number, text: string): void;
  serviceMode(): boolean;
  /** A click on one of the hidden service switch's captions (0 revert time A, 1 revert time B,
   *  2 return channel); true when the service mode came on. */
  serviceCaptionClicked(caption: number, secondsSinceMidnight: number): boolean;
  /** The service button: "armed" | "restarted" | "switchedOff". */
  serviceButtonClicked(secondsSinceMidnight: number): string;

  // Texts
  /** Every caption row of a window (or all windows when `window` is omitted) in the language. */
  captions(window?: string): CaptionRow[];
  caption(window: string, control: string, item?: CaptionRow["item"], index?: number): string;
  /** A named message the page shows itself (e.g. "PortNotOpen", "StopReadAndQuit"). */
  message(name: string, detail?: string): MessageText;
  /** A named status text (e.g. "Communicating", "ReadSuccess"). */
  statusText(name: string): string;
  noSerialText(): string;
  header(column: number): string;
  columnTooltip(column: number): string;
  cellText(row: number, column: number): string;
  /** All 16 rows x 9 columns of cell texts; row index 0 is channel 1. */
  tableTexts(): string[][];
  /** The tone drop-down entries (Off, the CTCSS tones, the DCS codes) in the language. */
  toneList(): string[];
  optionList(column: number): string[];
  bandList(): string[];
  bandLabel(): string;
  bandFrameCaption(): string;
  band(): number;
  bandLimitsHint(): string;
  bandTooltip(): string;
  functionPanelCaption(): string;
  panelLists(): PanelList[];
  /** A message box's button text (item ids 1 OK, 2 Cancel, 6 Yes, 7 No, 12 Save, 13 Discard). */
  buttonText(itemId: number): string;
  channelCard(): ChannelCard;
  dialogTitle(dialog: DialogName): string;
  /** The entries of a dialog's drop-down list, by the designer name of the control. */
  listEntries(window: string, control: string): string[];

  delete(): void; // frees the C++ object
}

/** What a transfer tells the page; every member optional except language and sendBytes. */
export interface TransferHost {
  /** The language in force: the status texts come in it. */
  language(): LanguageCode;
  sendBytes(frame: Uint8Array): void;
  setStatusText?(text: string): void;
  setStatusVisible?(visible: boolean): void;
  /** value in 0..progressMaximum */
  setProgress?(visible: boolean, value: number): void;
  setTransferControlsEnabled?(enabled: boolean): void;
  /** The transfer has ended (end() says how); the end frame goes out after this returns. */
  transferEnded?(outcome: TransferOutcome): void;
  /** For the backups: the 848-byte image about to be written / just read. */
  imageAboutToBeWritten?(image: Uint8Array): void;
  imageRead?(image: Uint8Array): void;
}

/** The transfer session over images with its status line, driven by the page: bytes in, ticks
 *  in, frames out through the host. The page (web/src/serial.ts does it) runs the supervision
 *  tick every `supervisionIntervalMs` while `supervisionTimerOn()` and the status tick every
 *  `statusIntervalMs` while `statusTimerOn()`. */
export interface Transfer {
  /** Starts a read, or a write of `image` (the 848 bytes a flow gives) with the power-level
   *  block in service mode. */
  start(direction: TransferDirection, image?: Uint8Array, serviceMode?: boolean): boolean;
  /** No to the band question of a write: nothing is sent; the question's text blinks in the
   *  status line until the controls come back. */
  decline(): void;
  stop(): void;
  onBytes(bytes: Uint8Array): void;
  onSupervisionTick(): void;
  onStatusTick(): void;
  onPortLost(device: string): void;
  running(): boolean;
  supervisionTimerOn(): boolean;
  statusTimerOn(): boolean;
  /** How the last transfer ended, for the flow that asked for it. */
  end(): TransferEnd;
  delete(): void;
}

export interface Core {
  RadioDocument: new (language: LanguageCode) => RadioDocument;
  /** The .DAT file of an 848-byte memory image (a backup); empty for another size. */
  dataFile(image: Uint8Array): Uint8Array;
  msgBoxLayout(flags: number): MsgBoxLayout;
  /** A transfer over the page's host (web/core/TransferBindings.cpp). */
  Transfer: new (host: TransferHost) => Transfer;
  constants: {
    tableRows: number; // 17
    tableColumns: number; // 9
    progressMaximum: number;
    supervisionIntervalMs: number;
    statusIntervalMs: number;
    imageBytes: number; // 848
    frequencyEditorMaxLength: number;
    keyEnter: number;
    keyBackspace: number;
    powerLevelMinimum: number; // the power-level sliders' range
    powerLevelMaximum: number;
  };
}

/** Loads the WebAssembly core (tlv6200-core.js and .wasm beside the page). */
export function loadCore(base = "./"): Promise<Core> {
  const g = globalThis as unknown as { createTlvCore?: (o: object) => Promise<Core> };
  const ready = g.createTlvCore
    ? Promise.resolve()
    : new Promise<void>((resolve, reject) => {
        const script = document.createElement("script");
        script.src = base + "tlv6200-core.js";
        script.onload = () => resolve();
        script.onerror = () => reject(new Error("tlv6200-core.js could not be loaded"));
        document.head.appendChild(script);
      });
  return ready.then(() =>
    g.createTlvCore!({ locateFile: (file: string) => base + file }).then((m) => m as Core),
  );
}

// ---- The cable (web/src/serial.ts) -------------------------------------------------------------

/** What the page needs to run a read or a write over Web Serial. */
export interface SerialTransferOptions {
  /** Called for every change the session reports, as TransferHost (language and sendBytes are
   *  filled in), and `tell` for what the cable itself has to say (no Web Serial, the port not
   *  opened). */
  host: Omit<TransferHost, "sendBytes" | "language"> & { tell?(message: MessageText): void };
  /** A port chosen before (remembered for the session); otherwise the browser's picker opens. */
  port?: SerialPort;
}
// Implemented in web/src/serial.ts:
//   serialAvailable(): boolean
//   runSerialTransfer(core: Core, document: RadioDocument, request: TransferRequest,
//                     options: SerialTransferOptions): Promise<TransferEnd>
//   declineSerialTransfer(core: Core, document: RadioDocument): void
//   stopSerialTransfer(): void
// (port picker: navigator.serial.requestPort(); port.open({baudRate: 9600, dataBits: 8,
//  stopBits: 1, parity: "none"}).)

// Minimal Web Serial typing (the DOM library of TypeScript does not carry it yet).
export interface SerialPort {
  open(options: { baudRate: number; dataBits?: number; stopBits?: number; parity?: string }): Promise<void>;
  close(): Promise<void>;
  readonly readable: ReadableStream<Uint8Array> | null;
  readonly writable: WritableStream<Uint8Array> | null;
  getInfo?(): { usbVendorId?: number; usbProductId?: number };
}
export interface Serial {
  requestPort(options?: object): Promise<SerialPort>;
  getPorts(): Promise<SerialPort[]>;
}
