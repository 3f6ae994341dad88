// SPDX-License-Identifier: GPL-3.0-or-later
// The page of the web edition: menus and toolbar with the window program's commands, the band
// list, the channel table, the function panel and the status line, all rendered from one editor
// of the core in the language in force.
import type { Core, DialogName, Editor, MessageText, Serial, SerialPort, TransferDirection } from "./core-api";
import { ChannelTable } from "./channel-table";
import { answer, showMessage } from "./message-box";
import { htmlLang, rememberLanguage, type PageLanguage } from "./language";
import { csvFileType, dataFileType, download, jsonFileType, pickFile, saveFile } from "./files";
import { backupFileName, listBackups, saveBackup } from "./backups";
import { openRadioDialog, radioDialogs, secondsSinceMidnight } from "./radio-dialogs";
import { runSerialTransfer, serialAvailable, stopSerialTransfer } from "./serial";
import { setAttribute, setOptions, setText } from "./dom";

const form = "Form1";

// A menu text without its access-key mark: "Read Frequency(&R)" -> "Read Frequency".
export function plainCaption(text: string): string {
  return text.replace(/\(&.\)/, "").replace(/&(.)/, "$1").trim();
}

interface Command {
  name: string; // the designer name of the menu item (its caption-table key and element id)
  run: () => void | Promise<void>;
  keys?: string; // aria-keyshortcuts form
  enabled?: () => boolean;
  checked?: () => boolean;
  tableOnly?: boolean;
}

export class ProgrammerPage {
  private editor: Editor;
  private table: ChannelTable;
  private fileName = "";
  private transferRunning = false;
  private port: SerialPort | undefined; // the cable chosen under Settings, for this visit
  private commands = new Map<string, Command>();
  private menuButtons: HTMLButtonElement[] = [];
  private root: HTMLElement;

  constructor(private core: Core, language: PageLanguage, root: HTMLElement) {
    this.root = root;
    this.editor = new core.Editor(language);
    (globalThis as { tlvConstants?: unknown }).tlvConstants = core.constants;
    this.table = new ChannelTable({
      editor: () => this.editor,
      show: (m) => this.show(m),
      changed: () => this.changed(),
      editable: () => !this.transferRunning,
    });
    this.defineCommands();
    this.build();
    void this.reloadDialogs();
    this.render();
    window.addEventListener("beforeunload", (event) => {
      if (this.editor.modified() || this.transferRunning) {
        event.preventDefault();
        event.returnValue = "";
      }
    });
    document.addEventListener("keydown", (e) => this.onKey(e));
    document.addEventListener("copy", (e) => this.onClipboard(e, "copy"));
    document.addEventListener("cut", (e) => this.onClipboard(e, "cut"));
    document.addEventListener("paste", (e) => this.onClipboard(e, "paste"));
  }

  // For the tests and the console: the editor behind the page.
  get currentEditor(): Editor {
    return this.editor;
  }

  private show(message: MessageText): Promise<number> {
    return showMessage(
      { msgBoxLayout: (flags) => this.core.msgBoxLayout(flags), buttonText: (id) => this.editor.buttonText(id) },
      message,
    );
  }

  // After the data was loaded again (undo, redo, open, read, import, New): the dialogs load their
  // drafts from the data, and an open dialog shows them.
  private async reloadDialogs(): Promise<void> {
    const notices = this.editor.loadDialogs();
    for (const name of Object.keys(radioDialogs) as DialogName[]) {
      if (document.getElementById(`dialog-${name}`)) openRadioDialog(this.dialogHost, name);
    }
    await this.showNotices(notices);
  }

  private async showNotices(notices: MessageText[]): Promise<void> {
    for (const notice of notices) await this.show(notice);
  }

  private caption(control: string): string {
    return plainCaption(this.editor.caption(form, control, "caption", 0));
  }

  // After a change the user made: the undo step is recorded and every view shows the state.
  private changed(): void {
    this.editor.record();
    this.render();
  }

  private readonly dialogHost = {
    editor: () => this.editor,
    show: (message: MessageText) => this.show(message),
    stored: () => this.changed(),
    serviceModeChanged: () => this.render(),
    okAllowed: () => !this.transferRunning,
    constants: () => this.core.constants,
  };

  private defineCommands(): void {
    const table = () => this.table;
    const idle = () => !this.transferRunning;
    const list: Command[] = [
      { name: "mnuNew", run: () => this.newFile(), keys: "Control+Alt+N", enabled: idle },
      { name: "mnuOpen", run: () => this.openFile(), keys: "Control+O", enabled: idle },
      { name: "mnuAssave", run: () => this.saveFile(), keys: "Control+S", enabled: idle },
      { name: "mnuImport", run: () => this.importFile(), enabled: idle },
      { name: "mnuExport", run: () => this.exportFile() },
      { name: "mnuPrint", run: () => this.print(), keys: "Control+P" },
      { name: "mnuPdf", run: () => this.print() },
      { name: "mnuUndo", run: () => this.undo(false), keys: "Control+Z", enabled: () => idle() && this.editor.canUndo() },
      { name: "mnuRedo", run: () => this.undo(true), keys: "Control+Y Control+Shift+Z", enabled: () => idle() && this.editor.canRedo() },
      { name: "mnuCut", run: () => this.clipboardCommand("cut"), keys: "Control+X", tableOnly: true, enabled: idle },
      { name: "mnuCopy", run: () => this.clipboardCommand("copy"), keys: "Control+C", tableOnly: true },
      { name: "mnuPaste", run: () => this.clipboardCommand("paste"), keys: "Control+V", tableOnly: true, enabled: idle },
      { name: "mnuSelectAll", run: () => table().selectRows(1, 16), keys: "Control+A", tableOnly: true },
      { name: "mnuDelete", run: () => this.rowCommand(() => this.editor.deleteChannels(table().selectedRows())), keys: "Delete", tableOnly: true, enabled: idle },
      { name: "mnuInsert", run: () => this.insertRow(), keys: "Insert", tableOnly: true, enabled: idle },
      { name: "mnuMoveUp", run: () => this.move(-1), keys: "Control+ArrowUp", tableOnly: true, enabled: idle },
      { name: "mnuMoveDown", run: () => this.move(1), keys: "Control+ArrowDown", tableOnly: true, enabled: idle },
      { name: "mnureadFre", run: () => this.transfer("read"), keys: "Control+R", enabled: () => idle() && serialAvailable() },
      { name: "mnuwriteFre", run: () => this.transfer("write"), keys: "Control+Alt+W", enabled: () => idle() && serialAvailable() },
      ...(Object.keys(radioDialogs) as DialogName[]).map((dialog) => ({
        name: radioDialogs[dialog].menu,
        run: () => openRadioDialog(this.dialogHost, dialog),
      })),
      { name: "mnulock", run: () => this.toggleLock(), checked: () => this.editor.editingLock(), enabled: idle },
      { name: "mnucom", run: () => this.choosePort(), enabled: () => idle() && serialAvailable() },
      { name: "mnuChineseJ", run: () => this.setLanguage("zh-CN"), checked: () => this.editor.language() === "zh-CN" },
      { name: "mnuChineseF", run: () => this.setLanguage("zh-TW"), checked: () => this.editor.language() === "zh-TW" },
      { name: "mnuEnglish", run: () => this.setLanguage("en"), checked: () => this.editor.language() === "en" },
      { name: "mnumanual", run: () => this.openManual(), keys: "F1" },
      { name: "mnuBackupFolder", run: () => this.showBackups() },
      { name: "mnuabout", run: () => this.about() },
    ];
    for (const command of list) this.commands.set(command.name, command);
  }

  private readonly menus: Array<[string, Array<string | null>]> = [
    ["mnuFile", ["mnuNew", "mnuOpen", "mnuAssave", null, "mnuImport", "mnuExport", null, "mnuPrint", "mnuPdf"]],
    ["mnuEdit", ["mnuUndo", "mnuRedo", null, "mnuCut", "mnuCopy", "mnuPaste", null, "mnuSelectAll", "mnuDelete", "mnuInsert", "mnuMoveUp", "mnuMoveDown"]],
    ["mnupro", ["mnureadFre", "mnuwriteFre", null, "mnudtmf", "Key_enactment", "mnusetin", "mnudebug", "mnutestfre"]],
    ["mnuset", ["mnulock", "mnucom", null, "mnuChineseJ", "mnuChineseF", "mnuEnglish"]],
    ["mnuhelp", ["mnumanual", "mnuBackupFolder", "mnuabout"]],
  ];

  private build(): void {
    this.root.innerHTML = `
      <header>
        <nav id="menubar" role="menubar"></nav>
        <div id="Toolbar1" role="toolbar"></div>
        <p id="no-serial" role="note" hidden></p>
      </header>
      <main id="Form1Client">
        <fieldset id="Frame1"><legend></legend>
          <label id="Label3" for="Combo1"></label> <select id="Combo1"></select>
          <span id="band-limits" class="hint"></span>
        </fieldset>
        <div id="table-area"></div>
        <fieldset id="Frame2"><legend></legend><div id="panel-lists"></div></fieldset>
      </main>
      <footer>
        <span id="Label" role="status" aria-live="polite"></span>
        <progress id="ProgressBar1" hidden></progress>
        <span id="BackupNotice" aria-live="polite"></span>
        <span id="Label2"></span>
      </footer>
      <section id="channel-card" aria-hidden="true"></section>`;
    const bar = this.root.querySelector("#menubar")!;
    for (const [menu, items] of this.menus) {
      const wrapper = document.createElement("div");
      wrapper.className = "menu";
      wrapper.setAttribute("role", "none");
      const button = document.createElement("button");
      button.type = "button";
      button.id = menu;
      button.setAttribute("role", "menuitem");
      button.setAttribute("aria-haspopup", "menu");
      button.tabIndex = this.menuButtons.length === 0 ? 0 : -1;
      button.setAttribute("aria-expanded", "false");
      const popup = document.createElement("div");
      popup.setAttribute("role", "menu");
      popup.hidden = true;
      for (const item of items) {
        if (item === null) {
          const line = document.createElement("hr");
          line.setAttribute("role", "separator");
          popup.append(line);
          continue;
        }
        const command = this.commands.get(item)!;
        const entry = document.createElement("button");
        entry.type = "button";
        entry.id = item;
        entry.setAttribute("role", command.checked ? "menuitemcheckbox" : "menuitem");
        entry.tabIndex = -1;
        if (command.keys) entry.setAttribute("aria-keyshortcuts", command.keys);
        entry.addEventListener("click", () => {
          this.closeMenus();
          this.runCommand(item);
        });
        popup.append(entry);
      }
      button.addEventListener("click", () => {
        const open = popup.hidden;
        this.closeMenus();
        if (open) this.openMenu(button, popup);
      });
      button.addEventListener("keydown", (e) => {
        if (e.key === "ArrowDown") {
          e.preventDefault();
          this.openMenu(button, popup);
        }
      });
      popup.addEventListener("keydown", (e) => this.onMenuKey(e, button, popup));
      wrapper.append(button, popup);
      bar.append(wrapper);
      this.menuButtons.push(button);
    }
    bar.addEventListener("keydown", (e) => {
      const ev = e as KeyboardEvent;
      if (ev.key !== "ArrowLeft" && ev.key !== "ArrowRight") return;
      const index = this.menuButtons.indexOf(document.activeElement?.closest(".menu")?.querySelector("button[aria-haspopup]") as HTMLButtonElement);
      if (index < 0) return;
      const next = this.menuButtons[(index + (ev.key === "ArrowRight" ? 1 : this.menuButtons.length - 1)) % this.menuButtons.length];
      const wasOpen = !(next.nextElementSibling as HTMLElement).hidden || this.menuButtons.some((b) => b.getAttribute("aria-expanded") === "true");
      this.closeMenus();
      if (wasOpen) this.openMenu(next, next.nextElementSibling as HTMLElement); else next.focus();
      ev.preventDefault();
    });
    document.addEventListener("mousedown", (e) => {
      if (!(e.target as HTMLElement).closest("#menubar")) this.closeMenus();
    });

    const toolbar = this.root.querySelector("#Toolbar1")!;
    const tools: Array<[number, string, string]> = [
      [1, "Toolbar1_new", "mnuNew"], [2, "Toolbar1_open", "mnuOpen"], [3, "Toolbar1_save", "mnuAssave"],
      [5, "Toolbar1_read", "mnureadFre"], [6, "Toolbar1_write", "mnuwriteFre"],
    ];
    for (const [number, id, command] of tools) {
      const button = document.createElement("button");
      button.type = "button";
      button.id = id;
      button.dataset.number = String(number);
      button.dataset.command = command;
      button.addEventListener("click", () => this.runCommand(command));
      toolbar.append(button);
      if (number === 3) toolbar.append(Object.assign(document.createElement("span"), { className: "separator" }));
    }

    // The service button: shown while the service mode is on; two quick clicks switch it off.
    const service = document.createElement("button");
    service.type = "button";
    service.id = "Toolbar1_TAnMa";
    service.hidden = true;
    service.addEventListener("click", () => {
      if (this.editor.serviceButtonClick(secondsSinceMidnight()) === "switchedOff") this.render();
    });
    toolbar.append(service);

    const bandList = this.root.querySelector<HTMLSelectElement>("#Combo1")!;
    bandList.addEventListener("focus", () => this.editor.bandDropDownOpened());
    bandList.addEventListener("change", () => this.bandSelected(bandList.selectedIndex));
    this.table.attach(this.root.querySelector("#table-area")!);

    if (!serialAvailable()) {
      const note = this.root.querySelector<HTMLElement>("#no-serial")!;
      note.hidden = false;
    }
  }

  private openMenu(button: HTMLButtonElement, popup: HTMLElement): void {
    this.renderCommands();
    popup.hidden = false;
    button.setAttribute("aria-expanded", "true");
    popup.querySelector<HTMLButtonElement>("button:not([disabled])")?.focus();
  }

  private closeMenus(): void {
    for (const button of this.menuButtons) {
      button.setAttribute("aria-expanded", "false");
      (button.nextElementSibling as HTMLElement).hidden = true;
    }
  }

  private onMenuKey(event: KeyboardEvent, button: HTMLButtonElement, popup: HTMLElement): void {
    const items = [...popup.querySelectorAll<HTMLButtonElement>("button:not([disabled])")];
    const index = items.indexOf(document.activeElement as HTMLButtonElement);
    if (event.key === "ArrowDown" || event.key === "ArrowUp") {
      event.preventDefault();
      items[(index + (event.key === "ArrowDown" ? 1 : items.length - 1)) % items.length]?.focus();
    } else if (event.key === "Escape") {
      event.preventDefault();
      this.closeMenus();
      button.focus();
    } else if (event.key === "Home" || event.key === "End") {
      event.preventDefault();
      items[event.key === "Home" ? 0 : items.length - 1]?.focus();
    }
  }

  // Keys of the commands, as in the window program. The browser keeps Ctrl+N and Ctrl+W for its
  // own windows, so New and Write Frequency answer Ctrl+Alt+N and Ctrl+Alt+W as well.
  private onKey(event: KeyboardEvent): void {
    if (document.querySelector("dialog:modal")) return;
    const inTable = this.table.element.contains(document.activeElement) && !this.table.editing();
    const parts: string[] = [];
    if (event.ctrlKey || event.metaKey) parts.push("Control");
    if (event.altKey) parts.push("Alt");
    if (event.shiftKey) parts.push("Shift");
    const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
    // Alt and a menu's access key ("File(&F)") opens that menu, as in the window program.
    if (event.altKey && !event.ctrlKey && !event.metaKey && key.length === 1) {
      for (const button of this.menuButtons) {
        const mark = /&(.)/.exec(this.editor.caption(form, button.id, "caption", 0));
        if (mark && mark[1].toUpperCase() === key) {
          event.preventDefault();
          this.closeMenus();
          this.openMenu(button, button.nextElementSibling as HTMLElement);
          return;
        }
      }
    }
    const pressed = [...parts, key].join("+");
    for (const command of this.commands.values()) {
      if (!command.keys?.split(" ").includes(pressed)) continue;
      if (command.tableOnly && !inTable) return;
      // Clipboard keys in the table go through the browser's own copy/cut/paste events.
      if (["mnuCut", "mnuCopy", "mnuPaste"].includes(command.name)) return;
      // Undo and redo inside a text box are the text box's own.
      if ((command.name === "mnuUndo" || command.name === "mnuRedo") && this.table.editing()) return;
      event.preventDefault();
      this.runCommand(command.name);
      return;
    }
  }

  private runCommand(name: string): void {
    const command = this.commands.get(name);
    if (!command || (command.enabled && !command.enabled())) return;
    Promise.resolve(command.run()).catch((error) => console.error(error));
  }

  // Shows everything again from the editor: texts in the language, cells, lists, commands.
  render(): void {
    const editor = this.editor;
    document.documentElement.lang = htmlLang(editor.language());
    const title = editor.caption(form, "", "windowTitle", 0);
    document.title = `${editor.modified() ? "*" : ""}${this.fileName ? this.fileName + " - " : ""}${title}`;
    for (const [menu] of this.menus) {
      const button = this.root.querySelector(`#${menu}`)!;
      setText(button, this.caption(menu));
      const mark = /&(.)/.exec(editor.caption(form, menu, "caption", 0));
      if (mark) setAttribute(button, "aria-keyshortcuts", `Alt+${mark[1].toUpperCase()}`);
    }
    for (const name of this.commands.keys()) {
      const item = this.root.querySelector<HTMLButtonElement>(`#${name}`);
      if (item) setText(item, this.caption(name));
    }
    for (const button of this.root.querySelectorAll<HTMLButtonElement>("#Toolbar1 button[data-command]")) {
      const text = editor.caption(form, "Toolbar1", "toolbarButton", Number(button.dataset.number));
      setText(button, text);
      setAttribute(button, "aria-label", this.caption(button.dataset.command!));
    }
    setAttribute(this.root.querySelector("#Toolbar1")!, "aria-label", this.caption("mnupro"));
    const service = this.root.querySelector<HTMLButtonElement>("#Toolbar1_TAnMa")!;
    service.hidden = !editor.serviceMode();
    setText(service, "⚙");
    setAttribute(service, "aria-label", editor.dialogTitle("powerLevels"));
    const bandFrame = this.root.querySelector("#Frame1 legend")!;
    bandFrame.id = "Frame1-legend";
    setText(bandFrame, editor.bandFrameCaption());
    setText(this.root.querySelector("#Label3")!, editor.bandLabel());
    const bandList = this.root.querySelector<HTMLSelectElement>("#Combo1")!;
    setOptions(bandList, editor.bandList());
    bandList.selectedIndex = editor.band();
    setText(this.root.querySelector("#band-limits")!, editor.bandLimitsHint());
    setText(this.root.querySelector("#Frame2 legend")!, editor.functionPanelCaption());
    this.renderPanel();
    setText(this.root.querySelector("#Label2")!, editor.caption(form, "Label2", "caption", 0));
    const noSerial = this.root.querySelector("#no-serial")!;
    setText(noSerial, editor.noSerialText());
    setAttribute(this.table.element, "aria-label", plainCaption(title));
    this.table.render();
    this.renderControls();
  }

  // Which controls take input: the commands, the lists (not while a transfer runs or editing is
  // locked) and the dialogs' OK, which waits while a transfer runs, as the window program's does.
  private renderControls(): void {
    const locked = this.transferRunning || this.editor.editingLock();
    this.root.querySelector<HTMLSelectElement>("#Combo1")!.disabled = locked;
    for (const select of this.root.querySelectorAll<HTMLSelectElement>("#panel-lists select")) select.disabled = locked;
    this.renderCommands();
    for (const ok of document.querySelectorAll<HTMLButtonElement>(".radio-dialog button[id$='-Command1']"))
      ok.disabled = this.transferRunning;
  }

  private renderPanel(): void {
    const area = this.root.querySelector("#panel-lists")!;
    const lists = this.editor.panelLists();
    const names = ["Combo2", "Combo3", "Combo4", "Combo9", "Combo6", "Combo7"];
    const labels = ["Label4", "Label5", "Label1", "Label6", "Label7", "Label8"];
    if (area.children.length !== lists.length) {
      area.replaceChildren(
        ...lists.map((_, i) => {
          const row = document.createElement("div");
          row.className = "panel-row";
          const label = document.createElement("label");
          label.id = labels[i] ?? `panel-label-${i}`;
          const select = document.createElement("select");
          select.id = names[i] ?? `panel-list-${i}`;
          label.htmlFor = select.id;
          select.addEventListener("change", () => {
            this.editor.pickPanel(i, select.selectedIndex);
            this.changed();
          });
          row.append(label, select);
          return row;
        }),
      );
    }
    lists.forEach((list, i) => {
      const row = area.children[i];
      setText(row.querySelector("label")!, list.label);
      const select = row.querySelector("select")!;
      if (list.tooltip) select.title = list.tooltip;
      setOptions(select, list.entries);
      select.selectedIndex = list.position;
    });
  }

  private renderCommands(): void {
    for (const command of this.commands.values()) {
      const enabled = !command.enabled || command.enabled();
      for (const element of this.root.querySelectorAll<HTMLButtonElement>(`#${command.name}, [data-command="${command.name}"]`)) {
        element.disabled = !enabled;
        if (command.checked) setAttribute(element, "aria-checked", String(command.checked()));
      }
    }
  }

  private async bandSelected(index: number): Promise<void> {
    const result = this.editor.bandSelected(index);
    if (result === "ask") {
      const reply = await this.show(this.editor.message("BandChange", ""));
      this.editor.answerBandQuestion(reply === answer.yes);
    }
    this.changed();
  }

  private undo(redo: boolean): void {
    if (redo ? this.editor.redo() : this.editor.undo()) {
      void this.reloadDialogs();
      this.render();
    }
  }

  private rowCommand(run: () => void): void {
    run();
    this.changed();
    this.table.focus();
  }

  private async insertRow(): Promise<void> {
    const refusal = this.editor.insertEmptyChannel(this.table.currentRow());
    if (refusal) await this.show(refusal);
    else this.changed();
    this.table.focus();
  }

  private move(step: number): void {
    const rows = this.table.selectedRows();
    const moved = this.editor.moveChannels(rows, step);
    this.changed();
    this.table.selectRows(moved[0], moved[moved.length - 1]);
  }

  private async clipboardCommand(kind: "copy" | "cut" | "paste"): Promise<void> {
    try {
      if (kind === "paste") await this.paste(await navigator.clipboard.readText());
      else {
        await navigator.clipboard.writeText(this.editor.copyRows(this.table.selectedRows()));
        if (kind === "cut") this.rowCommand(() => this.editor.deleteChannels(this.table.selectedRows()));
      }
    } catch (error) {
      console.warn("clipboard", error);
    }
    this.table.focus();
  }

  private onClipboard(event: ClipboardEvent, kind: "copy" | "cut" | "paste"): void {
    if (!this.table.element.contains(document.activeElement) || this.table.editing()) return;
    event.preventDefault();
    if (kind === "paste") {
      this.paste(event.clipboardData?.getData("text/plain") ?? "");
      return;
    }
    event.clipboardData?.setData("text/plain", this.editor.copyRows(this.table.selectedRows()));
    if (kind === "cut" && !this.transferRunning) this.rowCommand(() => this.editor.deleteChannels(this.table.selectedRows()));
  }

  private async paste(text: string): Promise<void> {
    if (this.transferRunning) return;
    const result = this.editor.pasteRows(this.table.currentRow(), text);
    if (result.message) await this.show(result.message);
    if (result.rows > 0) this.changed();
  }

  private toggleLock(): void {
    this.editor.setEditingLock(!this.editor.editingLock());
    this.render();
  }

  private setLanguage(language: PageLanguage): void {
    this.editor.setLanguage(language);
    rememberLanguage(language);
    const url = new URL(location.href);
    if (url.searchParams.has("lang")) {
      url.searchParams.set("lang", language);
      history.replaceState(null, "", url);
    }
    this.render();
  }

  // "Save changes?" before New, Open and Read: true when the user may go on.
  private async settleUnsavedChanges(): Promise<boolean> {
    if (!this.editor.modified()) return true;
    const reply = await this.show(this.editor.message("SaveChanges", ""));
    if (reply === answer.save || reply === answer.yes) return (await this.saveFile()) === true;
    return reply === answer.discard || reply === answer.no;
  }

  private async newFile(): Promise<void> {
    if (!(await this.settleUnsavedChanges())) return;
    this.editor.newImage();
    this.fileName = "";
    void this.reloadDialogs();
    this.render();
  }

  private async openFile(): Promise<void> {
    if (!(await this.settleUnsavedChanges())) return;
    const file = await pickFile([dataFileType]);
    if (!file) return;
    await this.openBytes(file.name, file.bytes);
  }

  private async openBytes(name: string, bytes: Uint8Array): Promise<void> {
    const result = this.editor.openDat(bytes);
    if (result.status !== "loaded") {
      if (result.message) await this.show(result.message);
      return;
    }
    this.fileName = name;
    this.render();
    await this.showNotices(result.notices);
    await this.reloadDialogs();
  }

  private async saveFile(): Promise<boolean> {
    try {
      const name = await saveFile(() => this.editor.saveDat(), this.fileName || "TLV6200.DAT", [dataFileType]);
      if (name === null) return false;
      // Saved: this is now the state "Save changes?" compares with.
      this.editor.markSaved();
      this.fileName = name;
      this.render();
      return true;
    } catch (error) {
      this.render();
      await this.show(this.editor.message("SaveFailed", String(error)));
      return false;
    }
  }

  private async importFile(): Promise<void> {
    const file = await pickFile([csvFileType, jsonFileType]);
    if (!file) return;
    const format = file.name.toLowerCase().endsWith(".json") ? "json" : "csv";
    const result = this.editor.importText(new TextDecoder().decode(file.bytes), format, {});
    if (result.ok) {
      this.changed();
      await this.reloadDialogs();
    }
    if (result.message) await this.show(result.message);
  }

  private async exportFile(): Promise<void> {
    const base = (this.fileName || "TLV6200").replace(/\.[^.]*$/, "");
    const text = (name: string) =>
      new TextEncoder().encode(this.editor.exportText(name.toLowerCase().endsWith(".json") ? "json" : "csv"));
    const picker = (globalThis as { showSaveFilePicker?: unknown }).showSaveFilePicker;
    if (picker) {
      // One save window with both kinds: the name chosen says which.
      await saveFile(text, `${base}.csv`, [csvFileType, jsonFileType]);
      return;
    }
    download(text(`${base}.csv`), `${base}.csv`, "text/csv");
    download(text(`${base}.json`), `${base}.json`, "application/json");
  }

  // The channel card: the table's texts on a page of its own, printed through the print
  // stylesheet (the browser's print dialog also saves it as PDF).
  private print(): void {
    const card = this.editor.channelCard();
    const heading = document.createElement("h1");
    heading.textContent = `${card.title}${this.fileName ? " - " + this.fileName : ""}`;
    const band = document.createElement("p");
    band.textContent = `${card.band.label} ${card.band.value}`;
    const table = document.createElement("table");
    const head = table.createTHead().insertRow();
    for (const title of card.columns) head.append(Object.assign(document.createElement("th"), { textContent: title }));
    const body = table.createTBody();
    for (const line of card.channels) {
      const row = body.insertRow();
      for (const text of line) row.insertCell().textContent = text;
    }
    const sections = card.sections.map((section) => {
      const part = document.createElement("section");
      const title = document.createElement("h2");
      title.textContent = section.title;
      const list = document.createElement("dl");
      for (const setting of section.settings) {
        list.append(
          Object.assign(document.createElement("dt"), { textContent: setting.label }),
          Object.assign(document.createElement("dd"), { textContent: setting.value }),
        );
      }
      part.append(title, list);
      return part;
    });
    this.root.querySelector("#channel-card")!.replaceChildren(heading, band, table, ...sections);
    window.print();
  }

  private async transfer(direction: TransferDirection): Promise<void> {
    if (direction === "read" && !(await this.settleUnsavedChanges())) return;
    const status = this.root.querySelector<HTMLElement>("#Label")!;
    const progress = this.root.querySelector<HTMLProgressElement>("#ProgressBar1")!;
    const backupNotice = this.root.querySelector<HTMLElement>("#BackupNotice")!;
    progress.max = this.core.constants.progressMaximum;
    this.transferRunning = true;
    const keep = (kind: "read" | "write", image: Uint8Array) => {
      saveBackup(kind, image).then(
        () => (backupNotice.textContent = ""),
        (error) => (backupNotice.textContent = String(error)),
      );
    };
    try {
      const running = runSerialTransfer(this.core, this.editor, direction, {
        host: {
          setStatusText: (text) => setText(status, text),
          setStatusVisible: (visible) => (status.hidden = !visible),
          setProgress: (visible, value) => {
            progress.hidden = !visible;
            progress.value = value;
          },
          tell: (message) => void this.show(message),
          imageAboutToBeWritten: (image) => keep("write", image),
          imageRead: (image) => keep("read", image),
        },
        port: this.port,
        confirmBandMismatch: async () => (await this.show(this.editor.message("BandMismatch", ""))) === answer.yes,
      });
      // The controls are shown disabled once the transfer has had its turn: nothing of the page
      // comes before its first frame to the radio.
      setTimeout(() => this.renderControls(), 0);
      const outcome = await running;
      if (direction === "read" && outcome === "success") {
        this.fileName = "";
        await this.reloadDialogs();
      }
    } finally {
      this.transferRunning = false;
      this.render();
    }
  }

  // Settings > Communication port: the browser's port list chooses the cable for the next
  // transfers of this visit (otherwise each transfer asks).
  private async choosePort(): Promise<void> {
    try {
      this.port = await (navigator as unknown as { serial: Serial }).serial.requestPort();
    } catch {
      // The list was closed without a choice: the previous cable stays chosen.
    }
  }

  stopTransfer(): void {
    if (this.transferRunning) stopSerialTransfer();
  }

  // Help > User manual: the web edition's page of the manual in the language in force (the
  // Simplified pages where a host carries no Traditional ones).
  private async openManual(): Promise<void> {
    const shown = window.open("about:blank", "_blank");
    let folder: string = this.editor.language();
    if (folder === "zh-TW") {
      const found = await fetch("manual/zh-TW/web.html", { method: "HEAD" }).then((r) => r.ok, () => false);
      if (!found) folder = "zh-CN";
    }
    const address = `manual/${folder}/web.html`;
    if (shown) shown.location.href = address;
    else window.open(address, "_blank");
  }

  // The about box: the texts of the window program's about window.
  private about(): void {
    const line = (control: string) => this.editor.caption("frmAbout", control, "caption", 0);
    void this.show({
      text: line("lblTitle"),
      title: this.caption("mnuabout"),
      flags: 64,
      detail: [line("lblVersion"), line("Label2"), line("lblDescription")].filter(Boolean).join("\n"),
    });
  }

  // The backups kept in the browser, newest first, each to download or to open in the editor.
  private async showBackups(): Promise<void> {
    const backups = await listBackups();
    const dialog = document.createElement("dialog");
    dialog.className = "backups";
    const heading = document.createElement("h2");
    heading.id = "backups-title";
    heading.textContent = this.caption("mnuBackupFolder");
    dialog.setAttribute("aria-labelledby", heading.id);
    const list = document.createElement("ul");
    for (const backup of backups) {
      const item = document.createElement("li");
      const name = backupFileName(backup);
      const bytes = this.core.dataFile(backup.image);
      const save = document.createElement("button");
      save.type = "button";
      save.textContent = name;
      save.addEventListener("click", () => download(bytes, name));
      const open = document.createElement("button");
      open.type = "button";
      open.textContent = this.caption("mnuOpen");
      open.setAttribute("aria-label", `${this.caption("mnuOpen")} ${name}`);
      open.addEventListener("click", async () => {
        dialog.close();
        if (await this.settleUnsavedChanges()) await this.openBytes(name, bytes);
      });
      item.append(save, " ", open);
      list.append(item);
    }
    const close = document.createElement("button");
    close.type = "button";
    close.textContent = this.editor.buttonText(answer.ok);
    close.addEventListener("click", () => dialog.close());
    dialog.append(heading, list, close);
    dialog.addEventListener("close", () => dialog.remove());
    document.body.append(dialog);
    dialog.showModal();
  }
}
