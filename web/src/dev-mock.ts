// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the WebAssembly core while the page is built and looked at without it (the page
// with ?mock). It keeps sixteen plain channels and a few English texts; the real rules, texts and
// messages are the core's.
import type {
  BandChangeResult, CaptionRow, ChannelCard, MsgBoxLayout, CellEditorKind, Core, DialogName, Editor, FilteredKey,
  FrequencyCommitResult, ImportResult, LanguageCode, MessageText, OpenResult, PanelList, PasteResult,
  ToneCommitOutcome, Transfer, TransferHost,
} from "./core-api";

const headers = ["Channel", "RX frequency", "QT/DQT", "TX frequency", "QT/DQT", "Power", "Forbid", "Band", "Scan"];
const options = [["Low", "Hight"], ["Off", "Carrow"], ["Narrow", "Wide"], ["No", "Have"]];
const tones = ["Off", "67.0", "71.9", "74.4", "77.0", "79.7", "82.5", "88.5", "D023N", "D023I"];
const panel: Array<[string, string[]]> = [
  ["Language:", ["Off", "Chinese", "Englist"]],
  ["Time-out:", Array.from({ length: 40 }, (_, i) => `${15 * (i + 1)} S`)],
  ["Time-out Warn:", ["Off", ...Array.from({ length: 10 }, (_, i) => `${i + 1} S`)]],
  ["Squelch Grade:", Array.from({ length: 10 }, (_, i) => `${i} Group`)],
  ["Battery Save:", ["Off", "On"]],
  ["Beep:", ["Off", "On"]],
];
const captions: Record<string, string> = {
  mnuFile: "File(&F)", mnuNew: "New(&N)", mnuOpen: "Open(&O)", mnuAssave: "Save(&S)", mnuQuit: "Quit(&Q)",
  mnuImport: "Import CSV/JSON(&I)...", mnuExport: "Export CSV/JSON(&E)...", mnuPrint: "Print(&P)...",
  mnuPdf: "Export PDF(&D)...", mnuEdit: "Edit(&E)", mnuUndo: "Undo(&U)", mnuRedo: "Redo(&R)", mnuCut: "Cut(&T)",
  mnuCopy: "Copy(&C)", mnuPaste: "Paste(&P)", mnuSelectAll: "Select all channels(&A)",
  mnuDelete: "Delete channels(&D)", mnuInsert: "Insert empty row(&I)", mnuMoveUp: "Move up",
  mnuMoveDown: "Move down", mnupro: "Programming(&P)", mnureadFre: "Read Frequency(&R)",
  mnuwriteFre: "Write Frequency(&W)", mnudtmf: "Optional function ", Key_enactment: "Keys set ",
  mnusetin: "Embedded information", mnudebug: "Debug(&D)", mnutestfre: "Debug frequency",
  mnuset: "Settings(&S)", mnulock: "Lock(&L)", mnucom: "Communication port(&V)", mnuLanguage: "Languages(&L)",
  mnuChineseJ: "Chinese(Simplified)", mnuChineseF: "Chinese(Traditional)", mnuEnglish: "Englist",
  mnuhelp: "Help(&H)", mnuBackupFolder: "Open backup folder", mnumanual: "User manual", mnuabout: "About",
  Label2: "Copyright TLV6200 software team",
};

interface Channel { cells: string[]; options: number[] }
const emptyChannel = (): Channel => ({ cells: ["", "", "", "", ""], options: [0, 0, 0, 0] });
const box = (text: string, flags = 48): MessageText => ({ text, title: "", flags, detail: "" });

class MockEditor implements Editor {
  private lang: LanguageCode;
  private rows: Channel[] = Array.from({ length: 16 }, emptyChannel);
  private bandIndex = 0;
  private panelPositions = [1, 3, 0, 5, 1, 1];
  private saved = "";
  private lock = false;
  private history: string[] = [];
  private at = 0;
  private drafts: Record<string, object> = {
    keys: { pf1: 0, pf2: 0 }, embeddedTexts: { first: "", second: "" },
    powerLevels: { high: 0, low: 0, highText: "0", lowText: "0", slidersEnabled: false },
    testFrequencies: { grid: Array.from({ length: 17 }, (_, r) => [r ? String(r) : "", "", ""]) },
    optionalFunctions: {},
  };
  constructor(language: LanguageCode) {
    this.lang = language;
    this.saved = this.snapshot();
    this.history = [this.saved];
  }
  private snapshot(): string {
    return JSON.stringify([this.rows, this.bandIndex, this.panelPositions]);
  }
  private restore(s: string): void {
    [this.rows, this.bandIndex, this.panelPositions] = JSON.parse(s);
  }
  setLanguage(language: LanguageCode): void { this.lang = language; }
  language(): LanguageCode { return this.lang; }
  captions(): CaptionRow[] { return []; }
  caption(_window: string, control: string, item: CaptionRow["item"] = "caption", index = 0): string {
    if (item === "windowTitle") return "TLV6200 Radio Software V1.00";
    if (item === "toolbarButton") return ["", "New", "Open", "Save", "", "Read frequency", "Write frequency"][index] ?? "";
    return captions[control] ?? control;
  }
  message(name: string, detail = ""): MessageText {
    const texts: Record<string, [string, number]> = {
      SaveChanges: ["Save the changes?", 7 + 48], NewConfirm: ["Clear all channels?", 4 + 32],
      BandChange: ["Clear the channels of the other band?", 4 + 32],
      BandMismatch: ["The radio's band differs. Go on?", 4 + 32],
    };
    const [text, flags] = texts[name] ?? [name, 64];
    return { ...box(text, flags), detail };
  }
  statusText(name: string): string { return name; }
  noSerialText(): string {
    return "This browser cannot talk to the cable: use Chrome, Edge or Opera on a computer to read or write the radio.";
  }
  header(column: number): string { return headers[column]; }
  columnTooltip(): string { return ""; }
  cellText(row: number, column: number): string {
    if (row === 0) return headers[column];
    if (column === 0) return String(row).padStart(2, "0");
    const c = this.rows[row - 1];
    if (c.cells[1] === "") return "";
    return column <= 4 ? c.cells[column] : options[column - 5][c.options[column - 5]];
  }
  tableTexts(): string[][] {
    return Array.from({ length: 16 }, (_, r) => Array.from({ length: 9 }, (_, c) => this.cellText(r + 1, c)));
  }
  editorForCell(row: number, column: number): CellEditorKind {
    if (row < 1 || row > 16 || column < 1 || this.lock) return "none";
    if (column === 1 || column === 3) return "frequency";
    if (this.rows[row - 1].cells[1] === "") return "none";
    return column === 2 || column === 4 ? "tone" : "option";
  }
  typingOpensEditor(kind: CellEditorKind, code: number): boolean {
    return kind === "frequency" ? /[0-9.]/.test(String.fromCharCode(code)) : kind === "tone" && /[0-9Dd]/.test(String.fromCharCode(code));
  }
  filterKey(kind: CellEditorKind, code: number): FilteredKey {
    if (code === 13) return { action: "commit", code };
    if (code === 8) return { action: "keep", code };
    const ch = String.fromCharCode(code);
    const ok = kind === "frequency" ? /[0-9.]/.test(ch) : /[0-9.DdNnIi]/.test(ch);
    return ok ? { action: "keep", code: ch.toUpperCase().charCodeAt(0) } : { action: "discard", code: 0 };
  }
  commitFrequency(row: number, column: number, text: string): FrequencyCommitResult {
    const c = this.rows[row - 1];
    if (text === "") {
      if (c.cells[column] === "") return { outcome: "unchanged", message: null };
      if (column === 1) this.rows[row - 1] = emptyChannel(); else c.cells[column] = "";
      return { outcome: "deleted", message: null };
    }
    const value = Number(text);
    if (!(value >= 400 && value <= 470)) return { outcome: "outOfBand", message: box("Frequency out of range!") };
    const shown = value.toFixed(5);
    const fresh = c.cells[1] === "";
    c.cells[column] = shown;
    if (fresh) { c.cells[3] = shown; c.cells[2] = c.cells[4] = "Off"; }
    return { outcome: fresh ? "newChannel" : "written", message: null };
  }
  toneList(): string[] { return tones; }
  toneListPosition(row: number, column: number): number { return Math.max(0, tones.indexOf(this.rows[row - 1].cells[column])); }
  pickTone(row: number, column: number, position: number): boolean {
    const changed = this.rows[row - 1].cells[column] !== tones[position];
    this.rows[row - 1].cells[column] = tones[position];
    return changed;
  }
  commitTone(row: number, column: number, text: string, selected: number): ToneCommitOutcome {
    const position = tones.indexOf(text.toUpperCase() === "OFF" ? "Off" : text);
    if (position < 0) return selected >= 0 && this.pickTone(row, column, selected) ? "written" : "restored";
    return this.pickTone(row, column, position) ? "written" : "unchanged";
  }
  optionList(column: number): string[] { return options[column - 5]; }
  optionListPosition(row: number, column: number): number { return this.rows[row - 1].options[column - 5]; }
  pickOption(row: number, column: number, position: number): boolean {
    const changed = this.rows[row - 1].options[column - 5] !== position;
    this.rows[row - 1].options[column - 5] = position;
    return changed;
  }
  bandList(): string[] { return ["400-470MHz", "136-174MHz", "350-390MHz"]; }
  bandLabel(): string { return "Channel"; }
  bandFrameCaption(): string { return "Model"; }
  band(): number { return this.bandIndex; }
  bandLimitsHint(): string { return "400.00000 - 470.00000"; }
  bandDropDownOpened(): void {}
  private pendingBand = 0;
  bandSelected(index: number): BandChangeResult {
    if (index === this.bandIndex) return "same";
    this.pendingBand = index;
    return "ask";
  }
  answerBandQuestion(clear: boolean): BandChangeResult {
    this.bandIndex = this.pendingBand;
    if (clear) this.rows = Array.from({ length: 16 }, emptyChannel);
    return clear ? "cleared" : "kept";
  }
  functionPanelCaption(): string { return "Function Set"; }
  panelLists(): PanelList[] {
    return panel.map(([label, entries], i) => ({ label, entries, position: this.panelPositions[i], tooltip: "" }));
  }
  pickPanel(list: number, position: number): void { this.panelPositions[list] = position; }
  deleteChannels(rows: number[]): void { for (const r of rows) this.rows[r - 1] = emptyChannel(); }
  insertEmptyChannel(row: number): MessageText | null {
    if (this.rows[15].cells[1] !== "") return box("The last channel is in use.");
    this.rows.splice(row - 1, 0, emptyChannel());
    this.rows.pop();
    return null;
  }
  moveChannels(rows: number[], step: number): number[] {
    const sorted = [...rows].sort((a, b) => a - b);
    if (sorted[0] + step < 1 || sorted[sorted.length - 1] + step > 16) return rows;
    const order = step > 0 ? [...sorted].reverse() : sorted;
    for (const r of order) [this.rows[r - 1], this.rows[r - 1 + step]] = [this.rows[r - 1 + step], this.rows[r - 1]];
    return rows.map((r) => r + step);
  }
  clearAllChannels(): void { this.rows = Array.from({ length: 16 }, emptyChannel); }
  copyRows(rows: number[]): string { return rows.map((r) => this.tableTexts()[r - 1].join("\t")).join("\n"); }
  pasteRows(firstRow: number, text: string): PasteResult {
    const lines = text.split(/\r?\n/).filter((l) => l);
    lines.forEach((line, i) => {
      const f = line.split("\t");
      if (firstRow + i <= 16) this.rows[firstRow + i - 1] = { cells: ["", f[1], f[2], f[3], f[4]], options: [0, 0, 0, 0] };
    });
    return { rows: lines.length, message: lines.length ? null : box("Nothing to paste.") };
  }
  record(): boolean {
    const s = this.snapshot();
    if (s === this.history[this.at]) return false;
    this.history.splice(this.at + 1, Infinity, s);
    this.at = this.history.length - 1;
    return true;
  }
  undo(): boolean { if (!this.at) return false; this.restore(this.history[--this.at]); return true; }
  redo(): boolean { if (this.at >= this.history.length - 1) return false; this.restore(this.history[++this.at]); return true; }
  canUndo(): boolean { return this.at > 0; }
  canRedo(): boolean { return this.at < this.history.length - 1; }
  newImage(): void { this.clearAllChannels(); this.saved = this.snapshot(); this.history = [this.saved]; this.at = 0; }
  openDat(bytes: Uint8Array): OpenResult {
    if (bytes.length < 848) return { status: "wrongType", message: box("Document type not to open.", 0), notices: [] };
    this.clearAllChannels();
    this.rows[0].cells = ["", "438.50000", "Off", "438.50000", "Off"];
    this.saved = this.snapshot();
    this.history = [this.saved];
    this.at = 0;
    return { status: "loaded", message: null, notices: [] };
  }
  saveDat(): Uint8Array { this.saved = this.snapshot(); return new Uint8Array(848); }
  image(): Uint8Array { return new Uint8Array(848); }
  modified(): boolean { return this.snapshot() !== this.saved; }
  markSaved(): void { this.saved = this.snapshot(); }
  exportText(format: "csv" | "json"): string { return format === "json" ? JSON.stringify(this.tableTexts()) : this.copyRows([...Array(16).keys()].map((i) => i + 1)); }
  importText(): ImportResult { return { ok: false, errors: [{ where: "file", message: "not in the mock" }], notes: [], message: box("Nothing imported (mock).", 64) }; }
  dialogTitle(dialog: DialogName): string { return dialog; }
  loadDialogs(): MessageText[] { return []; }
  draft<T = unknown>(dialog: DialogName): T { return structuredClone(this.drafts[dialog]) as T; }
  setDraft(dialog: DialogName, draft: object): void { this.drafts[dialog] = structuredClone(draft); }
  selectPriorityMode(): MessageText | null { return null; }
  selectPriorityChannel(): MessageText | null { return null; }
  testFrequencyCellEditable(): boolean { return true; }
  commitTestFrequency(): void {}
  confirm(): MessageText | null { return null; }
  listEntries(): string[] { return ["Off", "On"]; }
  serviceMode(): boolean { return false; }
  serviceSwitchClick(): boolean { return false; }
  serviceButtonClick(): string { return "armed"; }
  editingLock(): boolean { return this.lock; }
  setEditingLock(on: boolean): void { this.lock = on; }
  buttonText(id: number): string {
    return ({ 1: "OK", 2: "Cancel", 6: "Yes", 7: "No", 12: "Save", 13: "Discard" } as Record<number, string>)[id] ?? "";
  }
  channelCard(): ChannelCard {
    return { title: "TLV6200", band: { label: "Channel", value: this.bandList()[this.bandIndex] }, columns: headers, channels: this.tableTexts(), sections: [] };
  }
  delete(): void {}
}

class MockTransfer implements Transfer {
  constructor(private host: TransferHost) {}
  needsBandQuestion(): boolean { return false; }
  bandQuestionAnswered(): void {}
  decline(): void { this.host.transferEnded?.("declined"); }
  start(): boolean { this.host.transferEnded?.("communicationError"); return false; }
  stop(): void {}
  onBytes(): void {}
  onSupervisionTick(): void {}
  onStatusTick(): void {}
  onPortLost(): void {}
  running(): boolean { return false; }
  supervisionTimerOn(): boolean { return false; }
  statusTimerOn(): boolean { return false; }
  imageRead(): Uint8Array | null { return null; }
  failureText(): string { return "No radio in the mock."; }
  failureCause(): string { return "none"; }
  delete(): void {}
}

function mockBoxLayout(flags: number): MsgBoxLayout {
  const sets: Record<number, number[]> = { 0: [1], 1: [1, 2], 4: [6, 7], 7: [12, 13, 2] };
  const buttons = sets[flags & 7] ?? [1];
  const icons: Record<number, MsgBoxLayout["icon"]> = { 16: "stop", 32: "question", 48: "warning", 64: "information" };
  const escapeButton = buttons.includes(2) ? 2 : buttons.length === 1 ? buttons[0] : 0;
  return { buttons, icon: icons[flags & 0xf0] ?? "none", defaultButton: buttons[Math.min((flags & 0xf00) >> 8, buttons.length - 1)], escapeButton };
}

export function createMockCore(): Core {
  return {
    Editor: MockEditor,
    Transfer: MockTransfer as unknown as Core["Transfer"],
    msgBoxLayout: mockBoxLayout,
    dataFile: (image: Uint8Array) => (image.length === 848 ? new Uint8Array(853) : new Uint8Array(0)),
    constants: {
      tableRows: 17, tableColumns: 9, progressMaximum: 100, supervisionIntervalMs: 10000, statusIntervalMs: 500,
      imageBytes: 848, frequencyEditorMaxLength: 9, keyEnter: 13, keyBackspace: 8,
      powerLevelMinimum: 0, powerLevelMaximum: 255,
    },
  };
}
