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
import {
  cli,
  launchBrowser,
  openPage,
  scriptOptions,
  startBridge,
  startRadio,
  startServer,
  temporaryFolder,
} from "./harness.mjs";

const options = scriptOptions({ only: { type: "string" } });

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

// A command of the menu bar: the menu, then its item.
async function menuCommand(page, menu, item) {
  await page.getByRole("menuitem", { name: menu }).first().click();
  await page.getByRole("menuitem", { name: item, exact: true }).click();
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

  async "bad input in a cell gets the window program's message in each language; no Web Serial is said in it"(env) {
    const expected = {
      en: "Beyond the frequency range",
      "zh-CN": "超出频段范围",
      "zh-TW": "超出頻段範圍",
    };
    const noSerial = {
      en: /^This browser cannot talk to the programming cable: .* Chrome, Edge or Opera /,
      "zh-CN": /^此浏览器不能连接写频线：.*Chrome、Edge 或 Opera/,
      "zh-TW": /^此瀏覽器無法連接寫頻線：讀頻和寫頻需要支援 Web Serial 的瀏覽器，例如電腦上的 Chrome、Edge 或 Opera。檔案的編輯、開啟和儲存在此瀏覽器中照常可用。$/,
    };
    for (const [lang, text] of Object.entries(expected)) {
      const page = await openPage(env.context, env.url, { lang, withoutSerial: true });
      const line = page.locator("#no-serial");
      assert.equal(await line.isVisible(), true, lang);
      assert.match(await line.textContent(), noSerial[lang], lang);
      await typeIntoCell(page, 1, 1, "100");
      const box = await messageBox(page);
      assert.equal(box.text, text, lang);
      await box.answer(1);
      assert.equal(await cell(page, 1, 1).textContent(), "", lang);
      await page.close();
    }
  },

  async "the dialogs' rules run as the user picks and types, as in the window program"(env) {
    const page = await openPage(env.context, env.url);
    const dialog = page.locator("#dialog-optionalFunctions");
    const mode = dialog.locator("#Form5-Combo11");
    const channel = dialog.locator("#Form5-Combo12");
    // Fixed with no channel in use: told at once, and the list goes back.
    await menuCommand(page, /^Programming/, "Optional function");
    await mode.selectOption({ index: 1 });
    let box = await messageBox(page);
    assert.equal(box.text, "When set to 'fixed' channel not is empty, please reset!");
    await box.answer(1);
    assert.equal(await mode.evaluate((list) => list.selectedIndex), 0);
    await dialog.locator("#Form5-Command2").click();
    // With channel 3 in use Fixed picks it; an empty channel is refused and the list goes back.
    await typeIntoCell(page, 3, 1, "438.125");
    await menuCommand(page, /^Programming/, "Optional function");
    await mode.selectOption({ index: 1 });
    assert.equal(await channel.evaluate((list) => list.value), "2");
    await channel.selectOption({ index: 4 });
    box = await messageBox(page);
    assert.equal(box.text, "Do not choose empty channel, please choose again!");
    await box.answer(1);
    assert.equal(await channel.evaluate((list) => list.value), "2");
    await dialog.locator("#Form5-Command2").click();

    // The test-frequency grid: keys on a transmit cell without a receive frequency do nothing;
    // a receive frequency is put on the raster and copied into the transmit cell.
    await menuCommand(page, /^Programming/, "Debug frequency");
    const grid = page.locator("#dialog-testFrequencies");
    const receive = grid.locator("#Form4-mfgrid1-2-1");
    const transmit = grid.locator("#Form4-mfgrid1-2-2");
    await transmit.click();
    await page.keyboard.type("145");
    assert.equal(await transmit.inputValue(), "");
    await receive.click();
    await page.keyboard.type("146.013");
    await page.keyboard.press("Enter");
    assert.equal(await receive.inputValue(), "146.01250");
    assert.equal(await transmit.inputValue(), "146.01250");
    assert.deepEqual(page.errors, []);
    await page.close();
  },
};

// ---- Transfers over the Web Serial stand-in ----------------------------------------------------

// A radio memory to work with: the CHIRP file of sixteen channels, imported by the command line.
function sourceFile(env) {
  const path = join(env.folder, "source.DAT");
  cli(options.cli, ["import", join(options.data, "chirp", "sixteen-channels-5W.csv"), "-o", path]);
  return path;
}

async function withRadio(env, args, run) {
  const radio = await startRadio(options.sim, args);
  const bridge = await startBridge(() => radio.terminal);
  // A radio the command line talks to is not bridged; the bridge opens the terminal only for a
  // page's connection.
  try {
    return await run(radio, bridge);
  } finally {
    await bridge.close();
    await radio.stop();
  }
}

async function transferPage(env, bridge, lang = "en") {
  const page = await openPage(env.context, env.url, { lang, bridgeUrl: bridge.url });
  await page.addInitScript(noSavePicker);
  await page.reload();
  await page.waitForSelector("#app[data-ready]");
  return page;
}

// Runs Read or Write from its command and waits until the transfer has ended (the commands are
// enabled again); answers a band question with Yes.
async function runTransfer(page, name) {
  if (name) await command(page, name);
  const readAgain = page.getByRole("button", { name: "Read Frequency", exact: true }).first();
  for (;;) {
    const box = page.locator("dialog.message-box[open]");
    if ((await box.count()) > 0) return;
    if (await readAgain.isEnabled()) {
      await page.waitForTimeout(100);
      if (await readAgain.isEnabled()) return;
    }
    await page.waitForTimeout(50);
  }
}

// File > Open, the file given to the browser's file input.
async function openFile(page, path) {
  const choosing = page.waitForEvent("filechooser");
  await page.getByRole("menuitem", { name: /^File/ }).first().click();
  await page.getByRole("menuitem", { name: /^Open/ }).first().click();
  await (await choosing).setFiles(path);
  await page.waitForFunction(() => window.tlvPage.currentDocument.cellText(1, 1) !== "");
}

async function tableTexts(page) {
  return page.evaluate(() => window.tlvPage.currentDocument.tableTexts());
}

const transferCases = {
  async "a read fills the table and saves what the command line's read saves"(env) {
    const source = sourceFile(env);
    let fromPage;
    await withRadio(env, ["--load", source], async (radio, bridge) => {
      const page = await transferPage(env, bridge);
      await runTransfer(page, "Read Frequency");
      assert.equal(await page.locator("dialog.message-box[open]").count(), 0);
      assert.notEqual(await cell(page, 1, 1).textContent(), "");
      assert.equal(__serialOptionsOf(await page.evaluate(() => globalThis.__serialOptions)), "9600 8 1 none");
      fromPage = await saveByDownload(page, env.folder, "page-read.DAT");
      await page.close();
    });
    // The command line reads a radio holding the same memory.
    const fromCli = join(env.folder, "cli-read.DAT");
    await withRadio(env, ["--load", source], async (radio) => {
      cli(options.cli, ["read", "--port", radio.terminal, "-o", fromCli, "--no-backup"]);
    });
    assert.deepEqual(readFileSync(fromPage), readFileSync(fromCli));
  },

  async "a write leaves the radio holding what the command line's write leaves"(env) {
    const source = sourceFile(env);
    const byPage = join(env.folder, "radio-page.DAT");
    await withRadio(env, ["--save", byPage], async (radio, bridge) => {
      const page = await transferPage(env, bridge);
      await openFile(page, source);
      await runTransfer(page, "Write Frequency");
      let box = page.locator("dialog.message-box[open]");
      if ((await box.count()) > 0) {
        await box.locator('button[data-answer="6"]').click(); // the band question: Yes
        await runTransfer(page, "");
      }
      assert.equal(await page.locator("dialog.message-box[open]").count(), 0);
      await page.close();
      for (let i = 0; i < 50 && radio.saved.length === 0; ++i) await new Promise((r) => setTimeout(r, 50));
    });
    const byCli = join(env.folder, "radio-cli.DAT");
    await withRadio(env, ["--save", byCli], async (radio) => {
      cli(options.cli, ["write", "--port", radio.terminal, source, "--yes", "--no-backup"]);
      for (let i = 0; i < 50 && radio.saved.length === 0; ++i) await new Promise((r) => setTimeout(r, 50));
    });
    assert.deepEqual(readFileSync(byPage), readFileSync(byCli));
  },

  async "a read tells what its image holds; a write declined at the band question sends nothing"(env) {
    // A file of the band 136-174MHz with a damaged digit in channel 1's receive frequency.
    const source = join(env.folder, "damaged.DAT");
    writeFileSync(join(env.folder, "band.json"), '{"band": 5}');
    cli(options.cli, ["import", join(env.folder, "band.json"), "-o", source]);
    const bytes = readFileSync(source);
    bytes.set([0x25, 0x06, 0x60, 0x4a], 5); // 4A6.00625
    writeFileSync(source, bytes);
    await withRadio(env, ["--load", source, "--save", join(env.folder, "radio.DAT")], async (radio, bridge) => {
      const page = await transferPage(env, bridge);
      await runTransfer(page, "Read Frequency");
      const notice = await messageBox(page);
      assert.match(notice.text, /^These frequencies are damaged/);
      assert.equal(notice.detail.trim(), "channel 1 receive: 4A6.00625");
      await notice.answer(1);
      await runTransfer(page, "");
      assert.equal(await page.evaluate(() => window.tlvPage.currentDocument.band()), 5);
      const saves = radio.saved.length;

      await runTransfer(page, "Write Frequency");
      const question = await messageBox(page);
      assert.equal(question.text, "Frequency band with discrepancies, do you wish to continue?");
      await question.answer(7); // No
      await page.waitForFunction(
        () => document.querySelector("#Label").textContent.startsWith("Frequency band with discrepancies"),
      );
      await runTransfer(page, "");
      assert.equal(await page.locator("dialog.message-box[open]").count(), 0);
      await page.waitForTimeout(300);
      assert.equal(radio.saved.length, saves, "the radio got nothing");

      // The same band asks no more.
      await runTransfer(page, "Write Frequency");
      assert.equal(await page.locator("dialog.message-box[open]").count(), 0);
      for (let i = 0; i < 50 && radio.saved.length === saves; ++i) await page.waitForTimeout(50);
      assert.equal(radio.saved.length, saves + 1);
      await page.close();
    });
  },

  async "failed reads end with the window program's causes and change nothing"(env) {
    const source = sourceFile(env);
    const failures = [
      [["--silent"], {}, /^The radio gave no answer at all\.$/],
      [["--wrong-id"], {}, /^The radio did not identify itself as this model \(received: [0-9A-F ]+\)\.$/],
      [["--stop-after", "5"], {}, /^The read stopped after block 5 of \d+\.$/],
      [[], { pullAfter: 8 + 68 * 3 + 1 }, /^The port was lost: /],
    ];
    // Each failure on its own radio and page, side by side: their time-outs run at once.
    await Promise.all(failures.map(([args, cable, cause]) =>
      withRadio(env, ["--load", source, ...args], async (radio, bridge) => {
        Object.assign(bridge, cable);
        const page = await transferPage(env, bridge);
        const before = await tableTexts(page);
        await runTransfer(page, "Read Frequency");
        const box = await messageBox(page);
        assert.equal(box.text, "Communication error, please check the intercom model, fault, attachment and computer serial choice!", args.join(" "));
        assert.match(box.detail.trim(), cause, args.join(" "));
        await box.answer(1);
        assert.deepEqual(await tableTexts(page), before, args.join(" "));
        assert.equal(await page.evaluate(() => window.tlvPage.currentDocument.modified()), false);
        await page.close();
      })));
  },

  async "failed writes end with the window program's causes and leave the editor as it was"(env) {
    const source = sourceFile(env);
    const failures = [
      [["--silent"], {}, /^The radio gave no answer at all\.$/],
      [["--stop-after", "5"], {}, /^The write stopped after block 5 of \d+\.[\s\S]*write it again!$/],
      [[], { pullAfter: 8 + 1 + 1 + 3 }, /^The port was lost: [\s\S]*write it again!$/],
    ];
    // Each failure on its own radio and page, side by side: their time-outs run at once.
    await Promise.all(failures.map(([args, cable, cause]) =>
      withRadio(env, args, async (radio, bridge) => {
        Object.assign(bridge, cable);
        const page = await transferPage(env, bridge);
        await openFile(page, source);
        const before = await tableTexts(page);
        await runTransfer(page, "Write Frequency");
        let box = await messageBox(page);
        if (box.text.startsWith("Frequency band")) {
          await box.answer(6);
          await runTransfer(page, "");
          box = await messageBox(page);
        }
        assert.equal(box.text, "Communication error, please check the intercom model, fault, attachment and computer serial choice!", args.join(" "));
        assert.match(box.detail.trim(), cause, args.join(" "));
        await box.answer(1);
        assert.deepEqual(await tableTexts(page), before, args.join(" "));
        if (cable.pullAfter) {
          // The image about to be written was kept: the newest backup is the editor's image.
          const saved = await saveByDownload(page, env.folder, "pulled-editor.DAT");
          await menuCommand(page, /^Help/, "Open backup folder");
          const downloading = page.waitForEvent("download");
          await page.locator("dialog.backups button", { hasText: /_write\.DAT$/ }).first().click();
          const backup = join(env.folder, "pulled-backup.DAT");
          await (await downloading).saveAs(backup);
          assert.deepEqual(readFileSync(backup), readFileSync(saved));
        }
        await page.close();
      })));
  },
};
Object.assign(cases, transferCases);

cases["the CHIRP files import as the command line imports them"] = async (env) => {
  const folder = join(options.data, "chirp");
  for (const name of readdirSync(folder).filter((file) => file.endsWith(".csv"))) {
    const byCli = join(env.folder, `cli-${name}.DAT`);
    cli(options.cli, ["import", join(folder, name), "-o", byCli]);
    const page = await openPage(env.context, env.url);
    await page.addInitScript(noSavePicker);
    await page.reload();
    await page.waitForSelector("#app[data-ready]");
    const choosing = page.waitForEvent("filechooser");
    await page.getByRole("menuitem", { name: /^File/ }).first().click();
    await page.getByRole("menuitem", { name: /^Import CSV\/JSON/ }).click();
    await (await choosing).setFiles(join(folder, name));
    const box = page.locator("dialog.message-box[open]");
    await page.waitForTimeout(200);
    if ((await box.count()) > 0) await box.locator("button").first().click(); // notes
    const byPage = await saveByDownload(page, env.folder, `page-${name}.DAT`);
    assert.deepEqual(readFileSync(byPage), readFileSync(byCli), name);
    await page.close();
  }
};

function __serialOptionsOf(o) {
  return o ? `${o.baudRate} ${o.dataBits} ${o.stopBits} ${o.parity}` : "";
}

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
  let timer;
  try {
    // A case that hangs fails instead of holding up `make test`.
    await Promise.race([
      run(env),
      new Promise((_, fail) => (timer = setTimeout(() => fail(new Error("no end within 90 s")), 90000))),
    ]);
    console.log(`ok    ${name} (${Date.now() - started} ms)`);
  } catch (error) {
    failed += 1;
    console.log(`FAIL  ${name}\n${error?.stack ?? error}`);
  } finally {
    clearTimeout(timer);
  }
}
await browser.close();
server.close();
console.log(failed ? `${failed} failed` : "all passed");
process.exit(failed ? 1 : 0);
