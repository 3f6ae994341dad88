// SPDX-License-Identifier: GPL-3.0-or-later
// The browser tests of the web edition (ctest web_browser, run by `make test`):
//   node web/test/run-tests.mjs --web build-web --cli .../tlv6200-cli --sim .../tlv6200-radio-sim
//        [--only NAME]
// Each case uses the page as a user does (keys typed into the table, the commands' buttons by
// their accessible names) in Debian's headless Chromium; the transfers go over the Web Serial
// stand-in to the simulated radio, and the command-line program judges the files.
import assert from "node:assert/strict";
import { readFileSync, writeFileSync, readdirSync } from "node:fs";
import { join } from "node:path";
import { parseArgs } from "node:util";
import {
  cli,
  launchBrowser,
  openPage,
  startBridge,
  startRadio,
  startServer,
  temporaryFolder,
} from "./harness.mjs";

const { values: options } = parseArgs({
  options: {
    web: { type: "string", default: "build-web" },
    cli: { type: "string" },
    sim: { type: "string" },
    data: { type: "string", default: "tests/data" },
    only: { type: "string" },
  },
});

// ---- Helpers that act as the user ------------------------------------------------------------

// The page offers a download where the browser has no save picker: the tests take the download.
const noSavePicker = "delete window.showSaveFilePicker; delete window.showOpenFilePicker;";

function cell(page, row, column) {
  return page.locator(`[role=grid] [role=row][aria-rowindex="${row + 1}"] > :nth-child(${column + 1})`);
}

async function typeIntoCell(page, row, column, text) {
  await cell(page, row, column).click();
  await page.keyboard.type(text);
  await page.keyboard.press("Enter");
}

async function messageBox(page) {
  const box = page.locator("dialog.message-box[open]");
  await box.waitFor();
  return {
    title: await box.locator("h2").textContent(),
    text: await box.locator("#message-box-text").textContent(),
    detail: (await box.locator("pre.detail").count()) ? await box.locator("pre.detail").textContent() : "",
    answer: (id) => box.locator(`button[data-answer="${id}"]`).click(),
  };
}

async function command(page, name) {
  await page.getByRole("button", { name, exact: true }).first().click();
}

async function saveByDownload(page, folder, name) {
  const downloading = page.waitForEvent("download");
  await page.keyboard.press("Control+S");
  const download = await downloading;
  const path = join(folder, name);
  await download.saveAs(path);
  return path;
}

// ---- The cases ---------------------------------------------------------------------------------

const cases = {
  async "an edit typed in the table is saved and shown by the command line"(env) {
    const page = await openPage(env.context, env.url);
    await page.addInitScript(noSavePicker);
    await page.reload();
    await page.waitForSelector("#app[data-ready]");
    await typeIntoCell(page, 3, 1, "438.125");
    assert.equal(await cell(page, 3, 1).textContent(), "438.12500");
    assert.equal(await cell(page, 3, 3).textContent(), "438.12500");
    const saved = await saveByDownload(page, env.folder, "edit.DAT");
    const shown = cli(options.cli, ["show", saved]);
    assert.match(shown, /^\s*0?3\b.*438\.12500.*438\.12500/m, shown);
    assert.deepEqual(page.errors, []);
    await page.close();
  },

  async "bad input in a cell gets the window program's message in each language"(env) {
    const expected = {
      en: "Beyond the frequency range",
      "zh-CN": "超出频段范围",
      "zh-TW": "超出頻段範圍",
    };
    for (const [lang, text] of Object.entries(expected)) {
      const page = await openPage(env.context, env.url, { lang });
      await typeIntoCell(page, 1, 1, "100");
      const box = await messageBox(page);
      assert.equal(box.text, text, lang);
      await box.answer(1);
      assert.equal(await cell(page, 1, 1).textContent(), "", lang);
      await page.close();
    }
  },
};

// ---- Running -----------------------------------------------------------------------------------

const env = { folder: temporaryFolder() };
const { server, url } = await startServer(options.web);
env.url = url;
const browser = await launchBrowser();
env.context = browser.context;
let failed = 0;
for (const [name, run] of Object.entries(cases)) {
  if (options.only && !name.includes(options.only)) continue;
  const started = Date.now();
  try {
    await run(env);
    console.log(`ok    ${name} (${Date.now() - started} ms)`);
  } catch (error) {
    failed += 1;
    console.log(`FAIL  ${name}\n${error?.stack ?? error}`);
  }
}
await browser.close();
server.close();
console.log(failed ? `${failed} failed` : "all passed");
process.exit(failed ? 1 : 0);
