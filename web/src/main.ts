// SPDX-License-Identifier: GPL-3.0-or-later
// Start of the page: the WebAssembly core is loaded, the page is built
// in the starting language, and the service worker is registered so that the page starts
// without a network after the first visit.
import { loadCore, type Core } from "./core-api";
import { pageStartingLanguage } from "./language";
import { ProgrammerPage } from "./app";

async function start(): Promise<void> {
  const root = document.getElementById("app")!;
  const core: Core = await loadCore();
  const page = new ProgrammerPage(core, pageStartingLanguage(), root);
  (globalThis as { tlvPage?: ProgrammerPage }).tlvPage = page;
  root.dataset.ready = "true";
  document.dispatchEvent(new Event("tlv-ready"));
  if ("serviceWorker" in navigator && location.protocol !== "file:") {
    navigator.serviceWorker.register("sw.js").catch((error) => console.warn("service worker", error));
  }
}

start().catch((error) => {
  const root = document.getElementById("app");
  if (root) root.textContent = String(error);
  console.error(error);
});
