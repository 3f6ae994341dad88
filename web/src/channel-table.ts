// SPDX-License-Identifier: GPL-3.0-or-later
// The channel table: a grid of 16 channel rows and 9 columns rendered from the editor's cell
// texts, moved through with the keyboard, with the in-cell editors of the window program: a
// text box for frequencies (typed keys pass the core's filter), an editable tone list, and a
// drop-down list for the options. Enter, Tab or leaving the cell commits through the core's
// rules; Escape closes the editor without writing.
import type { CellEditorKind, EditResult, RadioDocument } from "./core-api";
import { setAttribute, setText } from "./dom";

export interface TableHost {
  document(): RadioDocument;
  // What a commit did: show everything again and tell what it had to tell.
  apply(result: EditResult): Promise<void>;
}

const rows = 16;
const columns = 9;

export class ChannelTable {
  readonly element: HTMLTableElement;
  private cells: HTMLTableCellElement[][] = [];
  private headerCells: HTMLTableCellElement[] = [];
  private row = 1;
  private column = 1;
  private anchorRow = 1; // where a range of chosen rows starts
  private chosen = new Set<number>(); // rows chosen for the row commands (by their numbers)
  private open: {
    kind: CellEditorKind;
    row: number;
    column: number;
    control: HTMLElement;
    done: boolean;
    picked: number; // the tone list's entry last picked, -1 after typing
  } | null = null;
  private toneOptions: HTMLDataListElement;
  // Says why a typed tone was not taken ("" clears it).
  onHint: (hint: string) => void = () => {};

  constructor(private host: TableHost) {
    this.element = document.createElement("table");
    this.element.id = "Grid1";
    this.element.className = "channel-table";
    this.element.setAttribute("role", "grid");
    this.element.setAttribute("aria-rowcount", String(rows + 1));
    this.element.setAttribute("aria-colcount", String(columns));
    this.element.setAttribute("aria-multiselectable", "true");
    const head = this.element.createTHead().insertRow();
    head.setAttribute("role", "row");
    head.setAttribute("aria-rowindex", "1");
    for (let c = 0; c < columns; ++c) {
      const th = document.createElement("th");
      th.setAttribute("role", "columnheader");
      th.scope = "col";
      head.append(th);
      this.headerCells.push(th);
    }
    const body = this.element.createTBody();
    for (let r = 1; r <= rows; ++r) {
      const tr = body.insertRow();
      tr.setAttribute("role", "row");
      tr.setAttribute("aria-rowindex", String(r + 1));
      const line: HTMLTableCellElement[] = [];
      for (let c = 0; c < columns; ++c) {
        const td = c === 0 ? document.createElement("th") : document.createElement("td");
        td.setAttribute("role", c === 0 ? "rowheader" : "gridcell");
        td.tabIndex = -1;
        td.dataset.row = String(r);
        td.dataset.column = String(c);
        tr.append(td);
        line.push(td);
      }
      this.cells.push(line);
    }
    this.cells[0][1].tabIndex = 0;
    this.toneOptions = document.createElement("datalist");
    this.toneOptions.id = "Combo8-entries";
    this.element.addEventListener("mousedown", (e) => this.onPress(e));
    this.element.addEventListener("dblclick", (e) => this.onDoubleClick(e));
    this.element.addEventListener("keydown", (e) => this.onKey(e));
  }

  attach(parent: HTMLElement): void {
    parent.append(this.element, this.toneOptions);
  }

  // The channel rows the row commands work on: the chosen rows, else the current row.
  selectedRows(): number[] {
    return this.chosen.size ? [...this.chosen].sort((a, b) => a - b) : [this.row];
  }

  currentRow(): number {
    return this.row;
  }

  selectRows(first: number, last: number): void {
    this.chooseRange(first, last);
    this.anchorRow = first;
    this.moveTo(last, Math.max(1, this.column));
  }

  private chooseRange(from: number, to: number): void {
    this.chosen = new Set(Array.from({ length: Math.abs(to - from) + 1 }, (_, i) => Math.min(from, to) + i));
    this.showChosen();
  }

  private showChosen(): void {
    const selected = new Set(this.selectedRows());
    for (let r = 1; r <= rows; ++r)
      this.cells[r - 1][0].parentElement!.setAttribute("aria-selected", String(selected.has(r)));
  }

  editing(): boolean {
    return this.open !== null;
  }

  // Shows the editor's state again: headers, every cell, the selection.
  render(): void {
    const editor = this.host.document();
    for (let c = 0; c < columns; ++c) {
      setText(this.headerCells[c], editor.header(c));
      const tip = editor.columnTooltip(c);
      if (tip) this.headerCells[c].title = tip; else this.headerCells[c].removeAttribute("title");
    }
    const texts = editor.tableTexts();
    const selected = new Set(this.selectedRows());
    for (let r = 1; r <= rows; ++r) {
      for (let c = 0; c < columns; ++c) {
        const cell = this.cells[r - 1][c];
        if (this.open && this.open.row === r && this.open.column === c) continue;
        setText(cell, texts[r - 1][c]);
        if (c > 0) setAttribute(cell, "aria-readonly", String(editor.cellEditor(r, c).kind === "none"));
      }
      setAttribute(this.cells[r - 1][0].parentElement!, "aria-selected", String(selected.has(r)));
    }
    const list = editor.toneList();
    if (this.toneOptions.options.length !== list.length || this.toneOptions.options[0]?.value !== list[0]) {
      this.toneOptions.replaceChildren(...list.map((text) => new Option(text, text)));
    }
  }

  focus(): void {
    this.cells[this.row - 1][this.column].focus();
  }

  private cellOf(target: EventTarget | null): HTMLTableCellElement | null {
    const cell = (target as HTMLElement | null)?.closest?.("td, th") as HTMLTableCellElement | null;
    return cell && cell.dataset.row ? cell : null;
  }

  // Makes (row, column) the current cell. Moving to another row lets go of chosen rows that do
  // not hold it, as a press on a cell or an arrow key starts afresh in the window program.
  private moveTo(row: number, column: number): void {
    row = Math.max(1, Math.min(rows, row));
    column = Math.max(0, Math.min(columns - 1, column));
    this.cells[this.row - 1][this.column].tabIndex = -1;
    this.row = row;
    this.column = column;
    if (!this.chosen.has(row)) this.chosen.clear();
    const cell = this.cells[row - 1][column];
    cell.tabIndex = 0;
    cell.focus();
    this.showChosen();
  }

  // A press on a channel's number: that row alone, with Shift the range from the last one, with
  // Ctrl added to or taken from the chosen rows.
  private chooseRow(row: number, event: MouseEvent): void {
    if (event.shiftKey) this.chooseRange(this.anchorRow, row);
    else if (event.ctrlKey || event.metaKey) {
      if (this.chosen.size === 0) this.chosen.add(this.row);
      if (this.chosen.has(row)) this.chosen.delete(row); else this.chosen.add(row);
      this.anchorRow = row;
    } else {
      this.chosen = new Set([row]);
      this.anchorRow = row;
    }
    const keep = new Set(this.chosen);
    this.moveTo(row, 0);
    this.chosen = keep;
    this.showChosen();
  }

  private onPress(event: MouseEvent): void {
    const cell = this.cellOf(event.target);
    if (!cell || event.button !== 0) return;
    if (this.open && this.open.control.contains(event.target as Node)) return;
    const r = Number(cell.dataset.row);
    const c = Number(cell.dataset.column);
    event.preventDefault();
    void this.commitOpen();
    if (c === 0) {
      this.chooseRow(r, event);
      return;
    }
    // A press on a cell opens its editor, as in the window program.
    this.moveTo(r, c);
    this.openEditor("");
  }

  private onDoubleClick(event: MouseEvent): void {
    const cell = this.cellOf(event.target);
    if (cell && Number(cell.dataset.column) > 0 && !this.open) this.openEditor("");
  }

  // Shift+Up and Shift+Down choose the rows from where the range started.
  private extendRows(step: number): void {
    if (!this.chosen.has(this.anchorRow)) this.anchorRow = this.row;
    const next = Math.max(1, Math.min(rows, this.row + step));
    const range = Array.from({ length: Math.abs(next - this.anchorRow) + 1 }, (_, i) => Math.min(next, this.anchorRow) + i);
    this.chosen = new Set(range);
    this.moveTo(next, this.column);
  }

  private onKey(event: KeyboardEvent): void {
    if (this.open) return; // the editor's own keys
    const ctrl = event.ctrlKey || event.metaKey;
    const move = (r: number, c: number) => {
      event.preventDefault();
      this.moveTo(r, c);
    };
    if (event.shiftKey && !ctrl && (event.key === "ArrowUp" || event.key === "ArrowDown")) {
      event.preventDefault();
      this.extendRows(event.key === "ArrowUp" ? -1 : 1);
      return;
    }
    switch (event.key) {
      case "ArrowUp": if (!ctrl) move(this.row - 1, this.column); return;
      case "ArrowDown": if (!ctrl) move(this.row + 1, this.column); return;
      case "ArrowLeft": return move(this.row, this.column - 1);
      case "ArrowRight": return move(this.row, this.column + 1);
      case "Home": return move(ctrl ? 1 : this.row, ctrl ? this.column : 0);
      case "End": return move(ctrl ? rows : this.row, ctrl ? this.column : columns - 1);
      case "PageUp": return move(1, this.column);
      case "PageDown": return move(rows, this.column);
      case "Tab":
        // Tab leaves the table for the next control, as in the window program; the arrow keys
        // move between the cells.
        return;
      case "Enter":
      case "F2":
        event.preventDefault();
        this.openEditor("");
        return;
    }
    if (!ctrl && !event.altKey && event.key.length === 1) {
      const editor = this.host.document();
      const kind = editor.cellEditor(this.row, this.column).kind;
      if (kind !== "none" && editor.dataMayChange() && editor.typingOpensEditor(kind, event.key.charCodeAt(0))) {
        event.preventDefault();
        this.openEditor(event.key);
      }
    }
  }

  // Moves the focus to the control after (or before) the table, as Tab does from the table.
  private leave(forward: boolean): void {
    const focusable = [...document.querySelectorAll<HTMLElement>(
      "button:not([disabled]), select:not([disabled]), input:not([disabled]), [tabindex='0']",
    )].filter((e) => e.offsetParent !== null && (!this.element.contains(e) || e === this.cells[this.row - 1][this.column]));
    const here = focusable.indexOf(this.cells[this.row - 1][this.column]);
    const next = focusable[here + (forward ? 1 : -1)];
    (next ?? this.cells[this.row - 1][this.column]).focus();
  }

  // Opens the editor the core chooses for the current cell, with `typed` as its first key: over
  // the cell it works on (an empty channel starts with its receive frequency).
  private openEditor(typed: string): void {
    const editor = this.host.document();
    if (!editor.dataMayChange()) return;
    const choice = editor.cellEditor(this.row, this.column);
    const { kind, row: r, column: c } = choice;
    if (kind === "none") return;
    if (c !== this.column) this.moveTo(r, c);
    const cell = this.cells[r - 1][c];
    const label = `${editor.header(c)} ${String(r).padStart(2, "0")}`;
    let control: HTMLInputElement | HTMLSelectElement;
    if (kind === "option") {
      const select = document.createElement("select");
      select.id = `Combo5_${c}`;
      editor.optionList(c).forEach((text, i) => select.add(new Option(text, String(i))));
      select.selectedIndex = editor.listPosition(r, c);
      select.addEventListener("change", () => this.commitOpen());
      control = select;
    } else {
      const input = document.createElement("input");
      input.type = "text";
      input.autocomplete = "off";
      input.spellcheck = false;
      input.id = kind === "frequency" ? "Text1" : "Combo8";
      if (kind === "frequency") {
        input.maxLength = (globalThis as { tlvConstants?: { frequencyEditorMaxLength: number } }).tlvConstants?.frequencyEditorMaxLength ?? 9;
      } else {
        input.setAttribute("list", this.toneOptions.id);
        input.setAttribute("role", "combobox");
      }
      input.value = typed || cell.textContent || "";
      input.addEventListener("keypress", (e) => this.filterTyped(e, kind, input));
      // An entry taken from the list is a pick; a key typed makes the text typed again.
      input.addEventListener("input", (e) => {
        const how = (e as InputEvent).inputType;
        if (this.open) this.open.picked = !how || how === "insertReplacementText" ? editor.toneList().indexOf(input.value) : -1;
      });
      control = input;
    }
    control.className = "cell-editor";
    control.setAttribute("aria-label", label);
    control.addEventListener("keydown", (e) => this.onEditorKey(e as KeyboardEvent));
    control.addEventListener("blur", () => this.commitOpen());
    this.open = { kind, row: r, column: c, control, done: false, picked: -1 };
    cell.replaceChildren(control);
    control.focus();
    if (control instanceof HTMLInputElement) {
      if (typed) control.setSelectionRange(control.value.length, control.value.length);
      else control.select();
    } else {
      (control as HTMLSelectElement & { showPicker?: () => void }).showPicker?.call(control);
    }
  }

  // Typed characters pass the core's key filter: kept as the filter turns them, or dropped.
  private filterTyped(event: KeyboardEvent, kind: CellEditorKind, input: HTMLInputElement): void {
    if (event.key.length !== 1 || event.ctrlKey || event.metaKey) return;
    const filtered = this.host.document().filterKey(kind, event.key.charCodeAt(0));
    event.preventDefault();
    if (filtered.action !== "keep") return;
    const text = String.fromCharCode(filtered.code);
    const start = input.selectionStart ?? input.value.length;
    const end = input.selectionEnd ?? start;
    const next = input.value.slice(0, start) + text + input.value.slice(end);
    if (input.maxLength > 0 && next.length > input.maxLength) return;
    input.value = next;
    input.setSelectionRange(start + 1, start + 1);
  }

  private onEditorKey(event: KeyboardEvent): void {
    if (!this.open) return;
    if (event.key === "Escape") {
      event.preventDefault();
      event.stopPropagation();
      this.closeOpen();
      this.render();
      this.focus();
    } else if (event.key === "Enter") {
      event.preventDefault();
      event.stopPropagation();
      this.commitOpen().then(() => this.focus());
    } else if (event.key === "Tab") {
      event.preventDefault();
      event.stopPropagation();
      const forward = !event.shiftKey;
      this.commitOpen().then(() => this.leave(forward));
    }
  }

  // Commits an open editor, as leaving its cell does (before a command of the page).
  closeEditor(): void {
    void this.commitOpen();
  }

  private closeOpen(): void {
    if (!this.open) return;
    const open = this.open;
    open.done = true;
    this.open = null;
    open.control.remove();
  }

  // Commits what the open editor holds through the core's rule for its cell, tells the user
  // what the rule has to say, and shows the result.
  private async commitOpen(): Promise<void> {
    const open = this.open;
    if (!open || open.done) return;
    open.done = true;
    const editor = this.host.document();
    const { row, column, control } = open;
    let result: EditResult;
    if (open.kind === "frequency") {
      result = editor.commitFrequency(row, column, (control as HTMLInputElement).value);
    } else if (open.kind === "tone") {
      // A pick from the list writes its entry; then the text is committed as the window
      // program's tone list commits it.
      if (open.picked >= 0) editor.pickTone(row, column, open.picked);
      result = editor.commitTone(row, column, (control as HTMLInputElement).value, open.picked);
      this.onHint(result.hint);
    } else {
      result = editor.pickOption(row, column, (control as HTMLSelectElement).selectedIndex);
    }
    this.open = null;
    control.remove();
    await this.host.apply(result);
  }
}
