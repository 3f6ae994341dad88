// SPDX-License-Identifier: GPL-3.0-or-later
// The page's message box: a modal <dialog> showing a core message with the buttons its flags ask
// for, answering with the pressed button's item id as the window program's boxes do.
import { mb, type Editor, type MessageText } from "./core-api";

export const answer = { ok: 1, cancel: 2, yes: 6, no: 7, save: 12, discard: 13 } as const;

interface Layout {
  buttons: number[];
  icon: string;
  defaultButton: number;
  escapeButton: number;
}

// The editor decodes the flags where it can; the page's reading of the same codes otherwise.
function layoutOf(editor: Editor, flags: number): Layout {
  const core = editor as unknown as { msgBoxLayout?: (f: number) => Layout };
  if (core.msgBoxLayout) return core.msgBoxLayout(flags);
  const sets: Record<number, number[]> = {
    [mb.Ok]: [answer.ok], [mb.OkCancel]: [answer.ok, answer.cancel], [mb.YesNo]: [answer.yes, answer.no],
    [mb.SaveDiscardCancel]: [answer.save, answer.discard, answer.cancel],
  };
  const buttons = sets[flags & mb.ButtonsMask] ?? [answer.ok];
  const icons: Record<number, string> = { 16: "stop", 32: "question", 48: "warning", 64: "information" };
  const defaultIndex = Math.min((flags & 0xf00) >> 8, buttons.length - 1);
  const escapeButton = buttons.includes(answer.cancel) ? answer.cancel : buttons.length === 1 ? buttons[0] : 0;
  return { buttons, icon: icons[flags & 0xf0] ?? "none", defaultButton: buttons[defaultIndex], escapeButton };
}

function buttonText(editor: Editor, id: number): string {
  const core = editor as unknown as { buttonText?: (id: number) => string };
  return core.buttonText?.(id) ?? ({ 1: "OK", 2: "Cancel", 6: "Yes", 7: "No", 12: "Save", 13: "Discard" } as Record<number, string>)[id];
}

let queue: Promise<unknown> = Promise.resolve();

// Shows the box (one at a time, in the order asked) and resolves with the item id pressed.
export function showMessage(editor: Editor, message: MessageText): Promise<number> {
  const shown = queue.then(() => present(editor, message));
  queue = shown.catch(() => undefined);
  return shown;
}

function present(editor: Editor, message: MessageText): Promise<number> {
  const layout = layoutOf(editor, message.flags);
  const dialog = document.createElement("dialog");
  dialog.className = `message-box icon-${layout.icon}`;
  dialog.setAttribute("role", layout.icon === "warning" || layout.icon === "stop" ? "alertdialog" : "dialog");
  const title = document.createElement("h2");
  title.id = "message-box-title";
  title.textContent = message.title || mb.appTitle;
  const text = document.createElement("p");
  text.id = "message-box-text";
  text.textContent = message.text;
  dialog.setAttribute("aria-labelledby", title.id);
  dialog.setAttribute("aria-describedby", text.id);
  dialog.append(title, text);
  if (message.detail) {
    const detail = document.createElement("pre");
    detail.className = "detail";
    detail.textContent = message.detail;
    dialog.append(detail);
  }
  const row = document.createElement("div");
  row.className = "buttons";
  dialog.append(row);
  document.body.append(dialog);
  return new Promise((resolve) => {
    const close = (id: number) => {
      dialog.close();
      dialog.remove();
      resolve(id);
    };
    for (const id of layout.buttons) {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = buttonText(editor, id);
      button.dataset.answer = String(id);
      button.addEventListener("click", () => close(id));
      row.append(button);
      if (id === layout.defaultButton) queueMicrotask(() => button.focus());
    }
    dialog.addEventListener("cancel", (event) => {
      event.preventDefault();
      if (layout.escapeButton) close(layout.escapeButton);
    });
    dialog.showModal();
  });
}
