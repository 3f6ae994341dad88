// SPDX-License-Identifier: GPL-3.0-or-later
// The programmer's core as the page sees it: the C++ editor, its rules and texts, the data file,
// import and export and the transfer session, compiled to WebAssembly (web/core/*.cpp) and
// loaded by `loadCore()`. Every text the page shows comes from here, in the language in force.
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

export interface FrequencyCommitResult {
  outcome: "unchanged" | "deleted" | "outOfBand" | "written" | "newChannel";
  /** Set when the user must be told (e.g. out of band). */
  message: MessageText | null;
}

export type ToneCommitOutcome = "unchanged" | "written" | "restored";

export type BandChangeResult = "ignored" | "same" | "ask" | "cleared" | "kept";

export interface PasteResult {
  rows: number; // rows written; 0 when refused
  /** When refused: the message to show (PasteRefused / NoChannelRows with its detail). */
  message: MessageText | null;
}

export interface OpenResult {
  /** loaded: the editor holds the file; wrongType: not a channel data file, editor unchanged. */
  status: "loaded" | "wrongType";
  /** wrongType: the message to show; loaded: null. */
  message: MessageText | null;
  /** loaded: what the image had to tell (damaged frequencies ...), each to show in turn. */
  notices: MessageText[];
}

export interface ImportIssue {
  where: string;
  message: string;
}

export interface ImportResult {
  ok: boolean; // false: nothing was written
  errors: ImportIssue[];
  notes: ImportIssue[];
  /** The box the window program shows after an import (refused, or imported with notes); null otherwise. */
  message: MessageText | null;
}

export interface ImportOptions {
  band?: number; // 0..6, the band for a CSV (which carries none)
  renumber?: boolean; // CSV rows on channels 1..N in Location order
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

/** The editor: one open radio memory with its session, drafts and undo history. */
export interface Editor {
  // Language and texts
  setLanguage(language: LanguageCode): void;
  language(): LanguageCode;
  /** Every caption row of a window (or all windows when `window` is omitted) in the language. */
  captions(window?: string): CaptionRow[];
  caption(window: string, control: string, item?: CaptionRow["item"], index?: number): string;
  /** A named message of the window program (e.g. "SaveChanges", "NewConfirm", "BandChange"). */
  message(name: string, detail?: string): MessageText;
  /** A named status text (e.g. "Communicating", "ReadSuccess"). */
  statusText(name: string): string;
  /** The text to show for browsers without Web Serial, in the language. */
  noSerialText(): string;

  // Channel table
  header(column: number): string;
  columnTooltip(column: number): string;
  cellText(row: number, column: number): string;
  /** All 16 rows x 9 columns of cell texts; row index 0 is channel 1. */
  tableTexts(): string[][];
  editorForCell(row: number, column: number): CellEditorKind;
  typingOpensEditor(kind: CellEditorKind, code: number): boolean;
  filterKey(kind: CellEditorKind, code: number): FilteredKey;
  commitFrequency(row: number, column: number, text: string): FrequencyCommitResult;
  /** The tone drop-down entries (Off, the CTCSS tones, the DCS codes) in the language. */
  toneList(): string[];
  /** The position the tone list shows for a tone cell. */
  toneListPosition(row: number, column: number): number;
  pickTone(row: number, column: number, position: number): boolean;
  /** Typed tone text; `selectedPosition` is the list's selection when Enter was pressed, -1 none. */
  commitTone(row: number, column: number, text: string, selectedPosition: number): ToneCommitOutcome;
  optionList(column: number): string[];
  optionListPosition(row: number, column: number): number;
  pickOption(row: number, column: number, position: number): boolean;

  // Band list and function panel
  bandList(): string[];
  bandLabel(): string;
  bandFrameCaption(): string;
  band(): number;
  bandLimitsHint(): string;
  bandDropDownOpened(): void;
  /** "ask": show message("BandChange") then call answerBandQuestion(yes). */
  bandSelected(index: number): BandChangeResult;
  answerBandQuestion(clearChannels: boolean): BandChangeResult;
  functionPanelCaption(): string;
  panelLists(): PanelList[];
  pickPanel(list: number, position: number): void;

  // Row commands and clipboard rows (rows are 1..16)
  deleteChannels(rows: number[]): void;
  insertEmptyChannel(row: number): MessageText | null; // refusal message or null
  moveChannels(rows: number[], step: number): number[]; // the rows' new places
  clearAllChannels(): void;
  copyRows(rows: number[]): string;
  pasteRows(firstRow: number, text: string): PasteResult;

  // Undo / redo: call record() after every change the user made (returns true when a step was kept)
  record(): boolean;
  undo(): boolean;
  redo(): boolean;
  canUndo(): boolean;
  canRedo(): boolean;

  // Files and the modified state
  /** New: every channel cleared, defaults set; the baseline is taken (not modified). */
  newImage(): void;
  openDat(bytes: Uint8Array): OpenResult;
  /** The .DAT file's bytes of the editor; call markSaved() once they are written. */
  saveDat(): Uint8Array;
  /** The memory image (848 bytes) of the editor. */
  image(): Uint8Array;
  modified(): boolean;
  markSaved(): void;
  /** A message box's button text (item ids 1 OK, 2 Cancel, 6 Yes, 7 No, 12 Save, 13 Discard). */
  buttonText(itemId: number): string;
  /** The channel card's texts for printing. */
  channelCard(): ChannelCard;

  // Import and export
  exportText(format: "csv" | "json"): string;
  importText(text: string, format: "csv" | "json", options?: ImportOptions): ImportResult;

  // Dialogs
  dialogTitle(dialog: DialogName): string;
  loadDialogs(): MessageText[]; // loads every draft from the data; notices to show
  draft<T = unknown>(dialog: DialogName): T;
  setDraft(dialog: DialogName, draft: object): void;
  /** A pick in the optional-functions dialog's priority mode (Combo11) or priority channel
   *  (Combo12) list, through the window program's rules: either list may move back in the draft;
   *  the message to show, or null. */
  selectPriorityMode(index: number): MessageText | null;
  selectPriorityChannel(index: number): MessageText | null;
  /** Whether a test-frequency cell (row 1..16, column 1 receive, 2 transmit) may be edited. */
  testFrequencyCellEditable(row: number, column: number): boolean;
  /** A test-frequency cell's commit: the text normalised, the row's other cell updated. */
  commitTestFrequency(row: number, column: number, text: string): void;
  /** OK: checks and stores the draft; null when stored, else the refusal to show. */
  confirm(dialog: DialogName): MessageText | null;
  /** The entries of a dialog's drop-down list, by the designer name of the control. */
  listEntries(window: string, control: string): string[];
  serviceMode(): boolean;
  /** A click on one of the three captions of the hidden service switch (0 revert time A,
   *  1 revert time B, 2 return channel); true when the service mode came on. */
  serviceSwitchClick(caption: number, secondsSinceMidnight: number): boolean;
  /** The service dialog's button: returns "armed" | "restarted" | "switchedOff". */
  serviceButtonClick(secondsSinceMidnight: number): string;
  editingLock(): boolean;
  setEditingLock(on: boolean): void;

  delete(): void; // frees the C++ object
}

export type TransferDirection = "read" | "write";
export type TransferOutcome = "success" | "communicationError" | "declined" | "stopped";

/** What a transfer tells the page; every member optional except language and sendBytes. */
export interface TransferHost {
  /** The language in force: the status texts and the failure's lines come in it. */
  language(): LanguageCode;
  sendBytes(frame: Uint8Array): void;
  setStatusText?(text: string): void;
  setStatusVisible?(visible: boolean): void;
  /** value in 0..progressMaximum */
  setProgress?(visible: boolean, value: number): void;
  setTransferControlsEnabled?(enabled: boolean): void;
  /** The transfer has ended; the end frame goes out after this returns. The user is told now:
   *  the failure's message (failureText()), or what a read's image (imageRead()) has to tell. */
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
  /** For a write to a list set to `band`: whether the band question must be asked (show
   *  message("BandMismatch")); once answered, Yes or No, bandQuestionAnswered(band). */
  needsBandQuestion(band: number): boolean;
  bandQuestionAnswered(band: number): void;
  /** No to the band question: nothing is sent, the question's text blinks, transferEnded("declined"). */
  decline(): void;
  /** Starts a read, or a write of `image` (the editor's image()) with the power-level block in
   *  service mode. */
  start(direction: TransferDirection, image?: Uint8Array, serviceMode?: boolean): boolean;
  stop(): void;
  onBytes(bytes: Uint8Array): void;
  onSupervisionTick(): void;
  onStatusTick(): void;
  onPortLost(device: string): void;
  running(): boolean;
  supervisionTimerOn(): boolean;
  statusTimerOn(): boolean;
  /** The image of the last complete read, or null. */
  imageRead(): Uint8Array | null;
  /** The failure cause text of the last transfer, "" when none. */
  failureText(): string;
  /** "none" | "noAnswer" | "unexpectedIdentification" | "stopped" | "portLost" | "timeLimit" */
  failureCause(): string;
  delete(): void;
}

export interface Core {
  Editor: new (language: LanguageCode) => Editor;
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
   *  filled in), and `tell` for what the user is to be told (a failure, a read's notices). */
  host: Omit<TransferHost, "sendBytes" | "language"> & { tell?(message: MessageText): void };
  /** Asked for a write when the band question is due; resolve true to go on. */
  confirmBandMismatch(): Promise<boolean>;
  /** A port chosen before (remembered for the session); otherwise the browser's picker opens. */
  port?: SerialPort;
}
// Implemented in web/src/serial.ts:
//   serialAvailable(): boolean
//   runSerialTransfer(core: Core, editor: Editor, direction: TransferDirection,
//                     options: SerialTransferOptions): Promise<TransferOutcome>
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
