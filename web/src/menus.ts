// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar and the toolbar of the page, with the window program's menus, captions, access
// keys and shortcut keys: built once from the commands, shown again in the language in force,
// each command enabled as it says.
import { setAttribute, setText } from "./dom";

export interface Command {
  name: string; // the designer name of the menu item (its caption-table key and element id)
  run: () => void | Promise<void>;
  keys?: string; // aria-keyshortcuts form
  enabled?: () => boolean;
  checked?: () => boolean;
  tableOnly?: boolean;
}

// What the menus need of the page.
export interface MenuHost {
  // The caption-table text of a control of the main window ("File(&F)").
  caption(control: string, item?: "caption" | "toolbarButton", index?: number): string;
  // Whether the channel table has the focus with no editor open.
  tableFocused(): boolean;
  // Whether an editor of the table is open (its text box keeps Undo and Redo).
  tableEditing(): boolean;
}

// A menu text without its access-key mark: "Read Frequency(&R)" -> "Read Frequency".
export function plainCaption(text: string): string {
  return text.replace(/\(&.\)/, "").replace(/&(.)/, "$1").trim();
}

const menuLayout: Array<[string, Array<string | null>]> = [
  ["mnuFile", ["mnuNew", "mnuOpen", "mnuAssave", null, "mnuImport", "mnuExport", null, "mnuPrint", "mnuPdf"]],
  ["mnuEdit", ["mnuUndo", "mnuRedo", null, "mnuCut", "mnuCopy", "mnuPaste", null, "mnuSelectAll", "mnuDelete", "mnuInsert", "mnuMoveUp", "mnuMoveDown"]],
  ["mnupro", ["mnureadFre", "mnuwriteFre", null, "mnudtmf", "Key_enactment", "mnusetin", "mnudebug", "mnutestfre"]],
  ["mnuset", ["mnulock", "mnucom", null, "mnuChineseJ", "mnuChineseF", "mnuEnglish"]],
  ["mnuhelp", ["mnumanual", "mnuBackupFolder", "mnuabout"]],
];

const toolLayout: Array<[number, string, string]> = [
  [1, "Toolbar1_new", "mnuNew"], [2, "Toolbar1_open", "mnuOpen"], [3, "Toolbar1_save", "mnuAssave"],
  [5, "Toolbar1_read", "mnureadFre"], [6, "Toolbar1_write", "mnuwriteFre"],
];

export class MenuBar {
  private commands = new Map<string, Command>();
  private menuButtons: HTMLButtonElement[] = [];

  constructor(commands: Command[], private host: MenuHost) {
    for (const command of commands) this.commands.set(command.name, command);
  }

  // Builds the menus into the menu bar and the command buttons into the toolbar.
  build(bar: HTMLElement, toolbar: HTMLElement): void {
    for (const [menu, items] of menuLayout) {
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
          this.run(item);
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
    bar.addEventListener("keydown", (e) => this.onBarKey(e as KeyboardEvent));
    document.addEventListener("mousedown", (e) => {
      if (!(e.target as HTMLElement).closest("#menubar")) this.closeMenus();
    });
    for (const [number, id, command] of toolLayout) {
      const button = document.createElement("button");
      button.type = "button";
      button.id = id;
      button.dataset.number = String(number);
      button.dataset.command = command;
      button.addEventListener("click", () => this.run(command));
      toolbar.append(button);
      if (number === 3) toolbar.append(Object.assign(document.createElement("span"), { className: "separator" }));
    }
  }

  // Runs a command when it is enabled.
  run(name: string): void {
    const command = this.commands.get(name);
    if (!command || (command.enabled && !command.enabled())) return;
    Promise.resolve(command.run()).catch((error) => console.error(error));
  }

  // The menus' and the toolbar's texts in the language in force, and each command's state.
  render(root: HTMLElement): void {
    for (const [menu] of menuLayout) {
      const button = root.querySelector(`#${menu}`)!;
      setText(button, plainCaption(this.host.caption(menu)));
      const mark = /&(.)/.exec(this.host.caption(menu));
      if (mark) setAttribute(button, "aria-keyshortcuts", `Alt+${mark[1].toUpperCase()}`);
    }
    for (const name of this.commands.keys()) {
      const item = root.querySelector<HTMLButtonElement>(`#${name}`);
      if (item) setText(item, plainCaption(this.host.caption(name)));
    }
    for (const button of root.querySelectorAll<HTMLButtonElement>("#Toolbar1 button[data-command]")) {
      setText(button, this.host.caption("Toolbar1", "toolbarButton", Number(button.dataset.number)));
      setAttribute(button, "aria-label", plainCaption(this.host.caption(button.dataset.command!)));
    }
    this.renderCommands(root);
  }

  renderCommands(root: ParentNode = document): void {
    for (const command of this.commands.values()) {
      const enabled = !command.enabled || command.enabled();
      for (const element of root.querySelectorAll<HTMLButtonElement>(`#${command.name}, [data-command="${command.name}"]`)) {
        element.disabled = !enabled;
        if (command.checked) setAttribute(element, "aria-checked", String(command.checked()));
      }
    }
  }

  // Keys of the commands, as in the window program. The browser keeps Ctrl+N and Ctrl+W for its
  // own windows, so New and Write Frequency answer Ctrl+Alt+N and Ctrl+Alt+W as well.
  onKey(event: KeyboardEvent): void {
    if (document.querySelector("dialog:modal")) return;
    const parts: string[] = [];
    if (event.ctrlKey || event.metaKey) parts.push("Control");
    if (event.altKey) parts.push("Alt");
    if (event.shiftKey) parts.push("Shift");
    const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
    // Alt and a menu's access key ("File(&F)") opens that menu, as in the window program.
    if (event.altKey && !event.ctrlKey && !event.metaKey && key.length === 1) {
      for (const button of this.menuButtons) {
        const mark = /&(.)/.exec(this.host.caption(button.id));
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
      if (command.tableOnly && !this.host.tableFocused()) return;
      // Clipboard keys in the table go through the browser's own copy/cut/paste events.
      if (["mnuCut", "mnuCopy", "mnuPaste"].includes(command.name)) return;
      // Undo and redo inside a text box are the text box's own.
      if ((command.name === "mnuUndo" || command.name === "mnuRedo") && this.host.tableEditing()) return;
      event.preventDefault();
      this.run(command.name);
      return;
    }
  }

  private openMenu(button: HTMLButtonElement, popup: HTMLElement): void {
    this.renderCommands(popup);
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

  private onBarKey(event: KeyboardEvent): void {
    if (event.key !== "ArrowLeft" && event.key !== "ArrowRight") return;
    const current = document.activeElement?.closest(".menu")?.querySelector("button[aria-haspopup]");
    const index = this.menuButtons.indexOf(current as HTMLButtonElement);
    if (index < 0) return;
    const step = event.key === "ArrowRight" ? 1 : this.menuButtons.length - 1;
    const next = this.menuButtons[(index + step) % this.menuButtons.length];
    const wasOpen = this.menuButtons.some((b) => b.getAttribute("aria-expanded") === "true");
    this.closeMenus();
    if (wasOpen) this.openMenu(next, next.nextElementSibling as HTMLElement);
    else next.focus();
    event.preventDefault();
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
}
