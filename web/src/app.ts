// SPDX-License-Identifier: GPL-3.0-or-later
// The page of the web edition: menus and toolbar with the window program's commands, the band
// list, the channel table, the function panel and the status line, all rendered from one
// document of the core in the language in force. Every command is the document's: an edit
// answers with what it did, a command with questions runs as a flow (flow-runner.ts) whose steps
// the page shows and answers.
import type { Core, DialogName, EditResult, Flow, FlowStep, MessageText, RadioDocument, SerialPort } from "./core-api";
import { ChannelTable } from "./channel-table";
import { showMessage } from "./message-box";
import { htmlLang, rememberLanguage, type PageLanguage } from "./language";
import { download } from "./files";
import { showBackups } from "./backups";
import { openRadioDialog, radioDialogs, secondsSinceMidnight } from "./radio-dialogs";
import { serialAvailable, stopSerialTransfer } from "./serial";
import { setAttribute, setOptions, setText } from "./dom";
import { MenuBar, plainCaption, type Command } from "./menus";
import { runFlow } from "./flow-runner";
import { printChannelCard } from "./card";
import { TransferLine } from "./transfer-line";

const form = "Form1";

export class ProgrammerPage {
  private document: RadioDocument;
  private table: ChannelTable;
  private menus: MenuBar;
  private transfers: TransferLine;
  private flowRunning = false;
  private root: HTMLElement;

  constructor(private core: Core, language: PageLanguage, root: HTMLElement) {
    this.root = root;
    this.document = new core.RadioDocument(language);
    (globalThis as { tlvConstants?: unknown }).tlvConstants = core.constants;
    this.table = new ChannelTable({
      document: () => this.document,
      apply: (result) => this.apply(result),
    });
    this.menus = new MenuBar(this.commands(), {
      caption: (control, item = "caption", index = 0) => this.document.caption(form, control, item, index),
      tableFocused: () => this.table.element.contains(document.activeElement) && !this.table.editing(),
      tableEditing: () => this.table.editing(),
    });
    this.transfers = new TransferLine(core, () => this.document, {
      show: (message) => this.show(message),
      controlsChanged: () => this.renderControls(),
    });
    this.build();
    this.render();
    window.addEventListener("beforeunload", (event) => {
      if (this.document.modified() || this.document.transferRunning()) {
        event.preventDefault();
        event.returnValue = "";
      }
    });
    document.addEventListener("keydown", (e) => this.menus.onKey(e));
    document.addEventListener("copy", (e) => this.onClipboard(e, "copy"));
    document.addEventListener("cut", (e) => this.onClipboard(e, "cut"));
    document.addEventListener("paste", (e) => this.onClipboard(e, "paste"));
  }

  // For the tests and the console: the document behind the page.
  get currentDocument(): RadioDocument {
    return this.document;
  }

  private show(message: MessageText): Promise<number> {
    return showMessage(
      { msgBoxLayout: (flags) => this.core.msgBoxLayout(flags), buttonText: (id) => this.document.buttonText(id) },
      message,
    );
  }

  private async showAll(notices: MessageText[]): Promise<void> {
    for (const notice of notices) await this.show(notice);
  }

  // What an edit did: the page shows the state again and tells what the edit had to tell.
  private async apply(result: EditResult): Promise<void> {
    this.render();
    this.reloadDialogs();
    await this.showAll(result.notices);
  }

  // Runs a command's flow; afterwards every view shows the document again (open dialogs show
  // their drafts, which the document loaded with the data).
  private async run(flow: Flow, ended?: (end: FlowStep) => void): Promise<void> {
    if (this.flowRunning) {
      flow.delete();
      return;
    }
    this.flowRunning = true;
    this.table.closeEditor();
    try {
      const end = await runFlow(flow, {
        show: (message) => this.show(message),
        transfer: (request) => this.transfers.run(request),
      });
      ended?.(end);
    } finally {
      this.flowRunning = false;
      this.reloadDialogs();
      this.render();
    }
  }

  // An open dialog shows its draft again (after the data were loaded, undone or redone).
  private reloadDialogs(): void {
    for (const name of Object.keys(radioDialogs) as DialogName[]) {
      if (document.getElementById(`dialog-${name}`)) openRadioDialog(this.dialogHost, name);
    }
  }

  private readonly dialogHost = {
    document: () => this.document,
    show: (message: MessageText) => this.show(message),
    stored: () => this.render(),
    serviceModeChanged: () => this.render(),
    okAllowed: () => !this.document.transferRunning(),
    constants: () => this.core.constants,
  };

  private commands(): Command[] {
    const table = () => this.table;
    const idle = () => !this.document.transferRunning() && !this.flowRunning;
    const editable = () => idle() && this.document.dataMayChange();
    const doc = () => this.document;
    return [
      { name: "mnuNew", run: () => this.run(doc().newDocument()), keys: "Control+Alt+N", enabled: idle },
      { name: "mnuOpen", run: () => this.run(doc().open()), keys: "Control+O", enabled: idle },
      { name: "mnuAssave", run: () => this.run(doc().save()), keys: "Control+S", enabled: idle },
      { name: "mnuImport", run: () => this.run(doc().importFile()), enabled: idle },
      { name: "mnuExport", run: () => this.run(doc().exportFile()), enabled: idle },
      { name: "mnuPrint", run: () => this.print(), keys: "Control+P" },
      { name: "mnuPdf", run: () => this.print() },
      { name: "mnuUndo", run: () => this.undo(false), keys: "Control+Z", enabled: () => idle() && doc().canUndo() },
      { name: "mnuRedo", run: () => this.undo(true), keys: "Control+Y Control+Shift+Z", enabled: () => idle() && doc().canRedo() },
      { name: "mnuCut", run: () => this.clipboardCommand("cut"), keys: "Control+X", tableOnly: true, enabled: editable },
      { name: "mnuCopy", run: () => this.clipboardCommand("copy"), keys: "Control+C", tableOnly: true },
      { name: "mnuPaste", run: () => this.clipboardCommand("paste"), keys: "Control+V", tableOnly: true, enabled: editable },
      { name: "mnuSelectAll", run: () => table().selectRows(1, 16), keys: "Control+A", tableOnly: true },
      { name: "mnuDelete", run: () => this.rowCommand(doc().deleteChannels(table().selectedRows())), keys: "Delete", tableOnly: true, enabled: editable },
      { name: "mnuInsert", run: () => this.rowCommand(doc().insertEmptyChannel(table().currentRow())), keys: "Insert", tableOnly: true, enabled: editable },
      { name: "mnuMoveUp", run: () => this.move(-1), keys: "Control+ArrowUp", tableOnly: true, enabled: editable },
      { name: "mnuMoveDown", run: () => this.move(1), keys: "Control+ArrowDown", tableOnly: true, enabled: editable },
      { name: "mnureadFre", run: () => this.transfer("read"), keys: "Control+R", enabled: () => idle() && serialAvailable() },
      { name: "mnuwriteFre", run: () => this.transfer("write"), keys: "Control+Alt+W", enabled: () => idle() && serialAvailable() },
      ...(Object.keys(radioDialogs) as DialogName[]).map((dialog) => ({
        name: radioDialogs[dialog].menu,
        run: () => openRadioDialog(this.dialogHost, dialog),
      })),
      { name: "mnulock", run: () => this.toggleLock(), checked: () => doc().editingLock(), enabled: idle },
      { name: "mnucom", run: () => this.transfers.choosePort(), enabled: () => idle() && serialAvailable() },
      { name: "mnuChineseJ", run: () => this.setLanguage("zh-CN"), checked: () => doc().language() === "zh-CN" },
      { name: "mnuChineseF", run: () => this.setLanguage("zh-TW"), checked: () => doc().language() === "zh-TW" },
      { name: "mnuEnglish", run: () => this.setLanguage("en"), checked: () => doc().language() === "en" },
      { name: "mnumanual", run: () => this.openManual(), keys: "F1" },
      { name: "mnuBackupFolder", run: () => this.showBackups() },
      { name: "mnuabout", run: () => this.about() },
    ];
  }

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
        <span id="editing-hint" aria-live="polite"></span>
        <span id="Label" role="status" aria-live="polite"></span>
        <progress id="ProgressBar1" hidden></progress>
        <span id="BackupNotice" aria-live="polite"></span>
        <span id="Label2"></span>
      </footer>
      <section id="channel-card" aria-hidden="true"></section>`;
    const toolbar = this.root.querySelector<HTMLElement>("#Toolbar1")!;
    this.menus.build(this.root.querySelector("#menubar")!, toolbar);

    // The service button: shown while the service mode is on; two quick clicks switch it off.
    const service = document.createElement("button");
    service.type = "button";
    service.id = "Toolbar1_TAnMa";
    service.hidden = true;
    service.addEventListener("click", () => {
      if (this.document.serviceButtonClicked(secondsSinceMidnight()) === "switchedOff") this.render();
    });
    toolbar.append(service);

    const bandList = this.root.querySelector<HTMLSelectElement>("#Combo1")!;
    bandList.addEventListener("focus", () => this.document.bandListOpened());
    bandList.addEventListener("change", () => this.run(this.document.selectBand(bandList.selectedIndex)));
    this.table.attach(this.root.querySelector("#table-area")!);
    this.table.onHint = (hint) => setText(this.root.querySelector("#editing-hint")!, hint);
    this.transfers.attach(this.root);

    if (!serialAvailable()) this.root.querySelector<HTMLElement>("#no-serial")!.hidden = false;
  }

  // Shows everything again from the document: texts in the language, cells, lists, commands.
  render(): void {
    const doc = this.document;
    document.documentElement.lang = htmlLang(doc.language());
    const title = doc.caption(form, "", "windowTitle", 0);
    const name = doc.path();
    document.title = `${doc.modified() ? "*" : ""}${name ? name + " - " : ""}${title}`;
    this.menus.render(this.root);
    setAttribute(this.root.querySelector("#Toolbar1")!, "aria-label", plainCaption(doc.caption(form, "mnupro")));
    const service = this.root.querySelector<HTMLButtonElement>("#Toolbar1_TAnMa")!;
    service.hidden = !doc.serviceMode();
    setText(service, "⚙");
    setAttribute(service, "aria-label", doc.dialogTitle("powerLevels"));
    const bandFrame = this.root.querySelector("#Frame1 legend")!;
    bandFrame.id = "Frame1-legend";
    setText(bandFrame, doc.bandFrameCaption());
    setText(this.root.querySelector("#Label3")!, doc.bandLabel());
    const bandList = this.root.querySelector<HTMLSelectElement>("#Combo1")!;
    setOptions(bandList, doc.bandList());
    bandList.selectedIndex = doc.band();
    bandList.title = doc.bandTooltip();
    setText(this.root.querySelector("#band-limits")!, doc.bandLimitsHint());
    setText(this.root.querySelector("#Frame2 legend")!, doc.functionPanelCaption());
    this.renderPanel();
    setText(this.root.querySelector("#Label2")!, doc.caption(form, "Label2", "caption", 0));
    setText(this.root.querySelector("#no-serial")!, doc.noSerialText());
    setAttribute(this.table.element, "aria-label", plainCaption(title));
    this.table.render();
    this.renderControls();
  }

  // Which controls take input: the commands, the lists (not while a transfer runs or editing is
  // locked) and the dialogs' OK, which waits while a transfer runs, as the window program's does.
  private renderControls(): void {
    const locked = !this.document.dataMayChange();
    this.root.querySelector<HTMLSelectElement>("#Combo1")!.disabled = locked;
    for (const select of this.root.querySelectorAll<HTMLSelectElement>("#panel-lists select")) select.disabled = locked;
    this.table.element.setAttribute("aria-readonly", String(locked));
    this.menus.renderCommands(this.root);
    for (const ok of document.querySelectorAll<HTMLButtonElement>(".radio-dialog button[id$='-Command1']"))
      ok.disabled = this.document.transferRunning();
  }

  private renderPanel(): void {
    const area = this.root.querySelector("#panel-lists")!;
    const lists = this.document.panelLists();
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
          select.addEventListener("change", () => void this.apply(this.document.pickPanel(i, select.selectedIndex)));
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

  private undo(redo: boolean): void {
    if (redo ? this.document.redo() : this.document.undo()) {
      this.reloadDialogs();
      this.render();
    }
  }

  private async rowCommand(result: EditResult): Promise<void> {
    await this.apply(result);
    if (result.rows.length > 0) this.table.selectRows(result.rows[0], result.rows[result.rows.length - 1]);
    this.table.focus();
  }

  private async move(step: number): Promise<void> {
    const result = this.document.moveChannels(this.table.selectedRows(), step);
    await this.apply(result);
    if (result.rows.length > 0) this.table.selectRows(result.rows[0], result.rows[result.rows.length - 1]);
  }

  private async clipboardCommand(kind: "copy" | "cut" | "paste"): Promise<void> {
    try {
      if (kind === "paste") await this.paste(await navigator.clipboard.readText());
      else {
        await navigator.clipboard.writeText(this.document.copyRows(this.table.selectedRows()));
        if (kind === "cut") await this.rowCommand(this.document.deleteChannels(this.table.selectedRows()));
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
      void this.paste(event.clipboardData?.getData("text/plain") ?? "");
      return;
    }
    event.clipboardData?.setData("text/plain", this.document.copyRows(this.table.selectedRows()));
    if (kind === "cut") void this.rowCommand(this.document.deleteChannels(this.table.selectedRows()));
  }

  private async paste(text: string): Promise<void> {
    await this.rowCommand(this.document.pasteRows(this.table.currentRow(), text));
  }

  private toggleLock(): void {
    this.document.setEditingLock(!this.document.editingLock());
    this.table.closeEditor();
    this.render();
  }

  private setLanguage(language: PageLanguage): void {
    this.document.setLanguage(language);
    rememberLanguage(language);
    const url = new URL(location.href);
    if (url.searchParams.has("lang")) {
      url.searchParams.set("lang", language);
      history.replaceState(null, "", url);
    }
    this.render();
    this.reloadDialogs();
  }

  private print(): void {
    this.table.closeEditor();
    printChannelCard(this.root.querySelector("#channel-card")!, this.document.channelCard(), this.document.path());
  }

  // Read and Write: the cable is chosen first (what the transfer needs comes before the
  // questions); then the document's flow asks, and runs the transfer over that cable.
  private async transfer(direction: "read" | "write"): Promise<void> {
    if (!(await this.transfers.prepare())) return;
    await this.run(direction === "read" ? this.document.read() : this.document.write(), (end) => {
      if (end.declined) this.transfers.declined();
    });
  }

  stopTransfer(): void {
    if (this.document.transferRunning()) stopSerialTransfer();
  }

  // Help > User manual: the web edition's page of the manual in the language in force (the
  // Simplified pages where a host carries no Traditional ones).
  private async openManual(): Promise<void> {
    const shown = window.open("about:blank", "_blank");
    let folder: string = this.document.language();
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
    const line = (control: string) => this.document.caption("frmAbout", control, "caption", 0);
    void this.show({
      text: line("lblTitle"),
      title: plainCaption(this.document.caption(form, "mnuabout")),
      flags: 64,
      detail: [line("lblVersion"), line("Label2"), line("lblDescription")].filter(Boolean).join("\n"),
    });
  }

  private showBackups(): Promise<void> {
    const caption = (control: string) => plainCaption(this.document.caption(form, control));
    return showBackups({
      title: caption("mnuBackupFolder"),
      openText: caption("mnuOpen"),
      closeText: this.document.buttonText(1),
      dataFile: (image) => this.core.dataFile(image),
      download: (bytes, name) => download(bytes, name),
      open: (name, bytes) => void this.run(this.document.openContent(name, bytes)),
    });
  }
}
