// SPDX-License-Identifier: GPL-3.0-or-later
// Updates of the page that touch only what differs: showing the editor again after every change
// (and when a transfer starts or ends) then costs the browser no new layout of unchanged texts
// and lists, which would otherwise hold up the bytes of a running transfer.

export function setText(element: Element, text: string): void {
  if (element.textContent !== text) element.textContent = text;
}

export function setAttribute(element: Element, name: string, value: string): void {
  if (element.getAttribute(name) !== value) element.setAttribute(name, value);
}

/** The entries of a list, replaced only when their texts differ. */
export function setOptions(select: HTMLSelectElement, texts: readonly string[], values?: readonly string[]): void {
  const options = select.options;
  const same =
    options.length === texts.length &&
    texts.every((text, i) => options[i].text === text && options[i].value === (values ? values[i] : String(i)));
  if (!same) select.replaceChildren(...texts.map((text, i) => new Option(text, values ? values[i] : String(i))));
}
