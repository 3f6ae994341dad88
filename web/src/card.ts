// SPDX-License-Identifier: GPL-3.0-or-later
// The channel card: the table's texts and the settings on a page of their own, printed through
// the print stylesheet (the browser's print dialog also saves it as PDF).
import type { ChannelCard } from "./core-api";

export function printChannelCard(area: HTMLElement, card: ChannelCard, fileName: string): void {
  const heading = document.createElement("h1");
  heading.textContent = `${card.title}${fileName ? " - " + fileName : ""}`;
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
  area.replaceChildren(heading, band, table, ...sections);
  window.print();
}
