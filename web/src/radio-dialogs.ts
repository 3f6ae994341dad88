// SPDX-License-Identifier: GPL-3.0-or-later
// The five radio dialogs of the Programming menu, built from their captions and drafts: each
// shows the core's draft, writes the user's changes back into the draft, and on OK asks the core
// to check and store it; a refusal is shown and the dialog stays open. Cancel keeps the draft as
// the user left it, as the window program's dialogs do.
import type { Core, DialogName, MessageText, RadioDocument } from "./core-api";

type Field =
  | { kind: "list"; control: string; label: string; key: string }
  | { kind: "check"; control: string; key: string }
  | { kind: "text"; control: string; label?: string; key: string }
  | { kind: "level"; control: string; frame: string; min: string; max: string; key: string; textKey: string }
  | { kind: "grid"; control: string };

interface DialogDesign {
  window: string;
  menu: string; // the Programming menu item that opens it
  cancel: boolean;
  fields: Field[];
}

export const radioDialogs: Record<DialogName, DialogDesign> = {
  optionalFunctions: {
    window: "Form5", menu: "mnudtmf", cancel: true,
    fields: [
      { kind: "list", control: "Combo4", label: "Label4", key: "pttIdMode" },
      { kind: "list", control: "Combo10", label: "Label11", key: "duplicate" },
      { kind: "check", control: "Check3", key: "cancelOperation" },
      { kind: "list", control: "Combo6", label: "Label8", key: "voxEnable" },
      { kind: "list", control: "Combo7", label: "Label10", key: "voxGain" },
      { kind: "list", control: "Combo8", label: "Label9", key: "voxDelay" },
      { kind: "list", control: "Combo9", label: "Label7", key: "voxTone" },
      { kind: "check", control: "Check4", key: "voxOffOnReceive" },
      { kind: "list", control: "Combo11", label: "Label14", key: "priorityMode" },
      { kind: "list", control: "Combo12", label: "Label15", key: "priorityChannel" },
      { kind: "list", control: "Combo13", label: "Label17", key: "revertTimeA" },
      { kind: "list", control: "Combo14", label: "Label16", key: "revertTimeB" },
      { kind: "list", control: "Combo15", label: "Label18", key: "returnChannel" },
      { kind: "text", control: "Text5", label: "Label19", key: "scanRxResumeDelay" },
      { kind: "text", control: "Text6", label: "Label20", key: "scanTxResumeDelay" },
    ],
  },
  keys: {
    window: "Form6", menu: "Key_enactment", cancel: true,
    fields: [
      { kind: "list", control: "Combo1", label: "Label1", key: "pf1" },
      { kind: "list", control: "Combo2", label: "Label2", key: "pf2" },
    ],
  },
  embeddedTexts: {
    window: "Form7", menu: "mnusetin", cancel: true,
    fields: [
      { kind: "text", control: "Text1", key: "first" },
      { kind: "text", control: "Text2", key: "second" },
    ],
  },
  powerLevels: {
    window: "Form2", menu: "mnudebug", cancel: false,
    fields: [
      { kind: "level", control: "Slider1", frame: "Frame1", min: "Label3", max: "Label8", key: "high", textKey: "highText" },
      { kind: "level", control: "Slider3", frame: "Frame2", min: "Label6", max: "Label7", key: "low", textKey: "lowText" },
    ],
  },
  testFrequencies: { window: "Form4", menu: "mnutestfre", cancel: true, fields: [{ kind: "grid", control: "mfgrid1" }] },
};

// The three captions of the optional-functions dialog that form the hidden service switch.
const serviceCaptions = ["Label17", "Label16", "Label18"];

export interface DialogHost {
  document(): RadioDocument;
  show(message: MessageText): Promise<number>;
  stored(): void; // a dialog's OK stored its draft: show everything again
  serviceModeChanged(): void;
  okAllowed(): boolean; // no transfer running
  constants(): Core["constants"];
}

interface OptionalFunctionsDraft {
  priorityMode: number;
  priorityChannel: number;
  priorityFallbackChannel: number;
}

export function secondsSinceMidnight(now = new Date()): number {
  return now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds() + now.getMilliseconds() / 1000;
}

const plain = (text: string) => text.replace(/\(&.\)/, "").replace(/&(.)/, "$1").trim();

// Opens the dialog (a modeless <dialog>; one of each at a time).
export function openRadioDialog(host: DialogHost, name: DialogName): void {
  document.getElementById(`dialog-${name}`)?.remove();
  const editor = host.document();
  const design = radioDialogs[name];
  const draft = editor.draft<Record<string, unknown>>(name);
  const dialog = document.createElement("dialog");
  dialog.id = `dialog-${name}`;
  dialog.className = "radio-dialog";
  const title = document.createElement("h2");
  title.id = `${dialog.id}-title`;
  // Dialogs without a title of their own are named by their menu item.
  title.textContent = editor.dialogTitle(name) || plain(editor.caption("Form1", design.menu, "caption", 0));
  dialog.setAttribute("aria-labelledby", title.id);
  const form = document.createElement("form");
  form.method = "dialog";
  form.className = "fields";
  const caption = (control: string) => plain(editor.caption(design.window, control, "caption", 0));
  const setDraft = () => editor.setDraft(name, draft);

  for (const field of design.fields) {
    const row = document.createElement("div");
    row.className = "field";
    if (field.kind === "list") {
      const label = document.createElement("label");
      label.id = `${design.window}-${field.label}`;
      label.textContent = caption(field.label);
      const select = document.createElement("select");
      select.id = `${design.window}-${field.control}`;
      label.htmlFor = select.id;
      editor.listEntries(design.window, field.control).forEach((t, i) => select.add(new Option(t, String(i))));
      select.selectedIndex = draft[field.key] as number;
      select.addEventListener("change", () => {
        draft[field.key] = select.selectedIndex;
        setDraft();
      });
      if (field.key === "priorityMode" || field.key === "priorityChannel") {
        // The priority lists run their rules at each pick, which may move either list back.
        select.addEventListener("change", () => {
          const messages =
            field.key === "priorityMode"
              ? editor.selectPriorityMode(select.selectedIndex)
              : editor.selectPriorityChannel(select.selectedIndex);
          const now = editor.draft<OptionalFunctionsDraft>(name);
          for (const key of ["priorityMode", "priorityChannel", "priorityFallbackChannel"] as const) draft[key] = now[key];
          for (const [key, control] of [["priorityMode", "Combo11"], ["priorityChannel", "Combo12"]] as const) {
            const list = dialog.querySelector<HTMLSelectElement>(`#${design.window}-${control}`);
            if (list) list.selectedIndex = now[key];
          }
          for (const message of messages) void host.show(message);
        });
      }
      const switchIndex = design.window === "Form5" ? serviceCaptions.indexOf(field.label) : -1;
      if (switchIndex >= 0) {
        label.addEventListener("click", (event) => {
          event.preventDefault(); // a click on the caption does not open the list
          if (editor.serviceCaptionClicked(switchIndex, secondsSinceMidnight())) host.serviceModeChanged();
        });
      }
      row.append(label, select);
    } else if (field.kind === "check") {
      const box = document.createElement("input");
      box.type = "checkbox";
      box.id = `${design.window}-${field.control}`;
      box.checked = Boolean(draft[field.key]);
      box.addEventListener("change", () => {
        draft[field.key] = box.checked;
        setDraft();
      });
      const label = document.createElement("label");
      label.htmlFor = box.id;
      label.textContent = caption(field.control);
      row.append(box, label);
    } else if (field.kind === "text") {
      const input = document.createElement("input");
      input.type = "text";
      input.id = `${design.window}-${field.control}`;
      input.value = String(draft[field.key] ?? "");
      input.addEventListener("input", () => {
        draft[field.key] = input.value;
        setDraft();
      });
      if (field.label) {
        const label = document.createElement("label");
        label.htmlFor = input.id;
        label.textContent = caption(field.label);
        row.append(label);
      } else {
        input.setAttribute("aria-label", `${editor.dialogTitle(name)} ${field.key === "first" ? 1 : 2}`);
      }
      row.append(input);
    } else if (field.kind === "level") {
      const group = document.createElement("fieldset");
      const legend = document.createElement("legend");
      legend.textContent = caption(field.frame);
      const slider = document.createElement("input");
      slider.type = "range";
      const { powerLevelMinimum, powerLevelMaximum } = host.constants();
      slider.min = String(powerLevelMinimum);
      slider.max = String(powerLevelMaximum);
      slider.id = `${design.window}-${field.control}`;
      slider.value = String(draft[field.key]);
      slider.disabled = !draft.slidersEnabled;
      slider.setAttribute("aria-label", legend.textContent);
      const value = document.createElement("output");
      value.htmlFor.add(slider.id);
      value.textContent = String(draft[field.textKey]);
      slider.addEventListener("input", () => {
        draft[field.key] = Number(slider.value);
        draft[field.textKey] = slider.value;
        value.textContent = slider.value;
        setDraft();
      });
      const min = document.createElement("span");
      min.textContent = caption(field.min);
      const max = document.createElement("span");
      max.textContent = caption(field.max);
      group.append(legend, min, slider, max, value);
      row.append(group);
    } else {
      const grid = draft.grid as string[][];
      const table = document.createElement("table");
      table.id = `${design.window}-${field.control}`;
      table.setAttribute("role", "grid");
      const head = table.createTHead().insertRow();
      for (let c = 0; c < 3; ++c) {
        head.append(Object.assign(document.createElement("th"), { textContent: editor.caption(design.window, field.control, "gridHeader", c) }));
      }
      const body = table.createTBody();
      const inputs: HTMLInputElement[][] = [];
      // Shows the core's grid again: the texts, and which cells take keys (a transmit cell only
      // when its receive cell holds text; keys on any other cell do nothing).
      const showGrid = () => {
        const now = editor.draft<{ grid: string[][] }>(name).grid;
        for (let r = 1; r < grid.length; ++r) {
          for (let c = 1; c <= 2; ++c) {
            grid[r][c] = now[r][c];
            const input = inputs[r][c];
            input.value = now[r][c];
            input.readOnly = !editor.testFrequencyCellEditable(r, c);
            input.setAttribute("aria-readonly", String(input.readOnly));
          }
        }
      };
      for (let r = 1; r < grid.length; ++r) {
        const line = body.insertRow();
        line.append(Object.assign(document.createElement("th"), { textContent: grid[r][0], scope: "row" }));
        inputs[r] = [];
        for (let c = 1; c <= 2; ++c) {
          const input = document.createElement("input");
          input.type = "text";
          input.inputMode = "decimal";
          input.id = `${design.window}-${field.control}-${r}-${c}`;
          input.setAttribute("aria-label", `${head.cells[c].textContent} ${grid[r][0]}`);
          inputs[r][c] = input;
          // A cell's text is committed by Enter (also when unchanged: a receive frequency typed
          // again is copied into the transmit cell again) and by leaving a cell typed into.
          let typed = false;
          const commit = () => {
            typed = false;
            if (input.readOnly) return;
            editor.commitTestFrequency(r, c, input.value);
            showGrid();
          };
          input.addEventListener("input", () => (typed = true));
          input.addEventListener("keydown", (event) => {
            if (event.key !== "Enter") return;
            event.preventDefault();
            commit();
          });
          input.addEventListener("blur", () => {
            if (typed) commit();
          });
          line.insertCell().append(input);
        }
      }
      showGrid();
      row.append(table);
    }
    form.append(row);
  }

  const buttons = document.createElement("div");
  buttons.className = "buttons";
  const ok = document.createElement("button");
  ok.type = "button";
  ok.id = `${design.window}-Command1`;
  ok.textContent = caption("Command1");
  ok.disabled = !host.okAllowed();
  ok.addEventListener("click", async () => {
    setDraft();
    const result = editor.confirm(name);
    for (const notice of result.notices) await host.show(notice);
    if (result.refused) return;
    dialog.close();
    host.stored();
  });
  buttons.append(ok);
  if (design.cancel) {
    const cancel = document.createElement("button");
    cancel.type = "button";
    cancel.id = `${design.window}-Command2`;
    cancel.textContent = caption("Command2");
    cancel.addEventListener("click", () => dialog.close());
    buttons.append(cancel);
  }
  dialog.addEventListener("close", () => dialog.remove());
  // Escape is Cancel; the power-level dialog, which has no Cancel, closes with its OK only.
  dialog.addEventListener("keydown", (event) => {
    if (event.key !== "Escape" || !design.cancel) return;
    event.preventDefault();
    event.stopPropagation();
    dialog.close();
  });
  dialog.append(title, form, buttons);
  document.body.append(dialog);
  dialog.show();
  dialog.querySelector<HTMLElement>("select, input:not([disabled])")?.focus();
}
