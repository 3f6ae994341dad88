// SPDX-License-Identifier: GPL-3.0-or-later
// The page's message box: a modal <dialog> showing a core message with the buttons its flags ask
// for, answering with the pressed button's item id as the window program's boxes do.
import { mb, type MessageText, type MsgBoxLayout } from "./core-api";

// What a box needs from the core: its buttons for the flags, and their texts in the language.
export interface BoxTexts {
  msgBoxLayout(flags: number): MsgBoxLayout;
  buttonText(itemId: number): string;
}

export const answer = { ok: 1, cancel: 2, yes: 6, no: 7, save: 12, discard: 13 } as const;

let queue: Promise<unknown> = Promise.resolve();

// Shows the box (one at a time, in the order asked) and resolves with the item id pressed.
export function showMessage(texts: BoxTexts, message: MessageText): Promise<number> {
  const shown = queue.then(() => present(texts, message));
  queue = shown.catch(() => undefined);
  return shown;
}

function present(texts: BoxTexts, message: MessageText): Promise<number> {
  const layout = texts.msgBoxLayout(message.flags);
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
      button.textContent = texts.buttonText(id);
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
