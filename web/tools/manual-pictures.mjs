// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the manual's web-edition page, taken from the page of build-web/ in headless
// Chromium, in the three languages (NAME.png Simplified, NAME-english.png, NAME-traditional.png,
// the manual's naming of pictures):
//   node web/tools/manual-pictures.mjs --web build-web --sim .../tlv6200-radio-sim \
//        --cli .../tlv6200-cli --out docs/manual/web-images
// - web-page: the page after a read of sixteen channels from the simulated radio, over the test
//   stand-in of Web Serial;
// - web-no-serial: the top of the page in a browser without Web Serial, with its line.
// The pictures are kept in the repository, small: a window of 1100 x 650 CSS pixels, reduced to
// 64 colours by pngquant where it is installed (Debian's package pngquant).
import { execFileSync } from "node:child_process";
import { mkdirSync } from "node:fs";
import { join } from "node:path";
import { cli, launchBrowser, openPage, scriptOptions, startBridge, startRadio, startServer, temporaryFolder } from "../test/harness.mjs";

const options = scriptOptions({ out: { type: "string", default: "docs/manual/web-images" } });
mkdirSync(options.out, { recursive: true });
const viewport = { width: 1100, height: 650 };
const languages = [
  ["en", "-english"],
  ["zh-CN", ""],
  ["zh-TW", "-traditional"],
];

const source = join(temporaryFolder(), "source.DAT");
cli(options.cli, ["import", join(options.data, "chirp", "sixteen-channels-5W.csv"), "-o", source]);
const { server, url } = await startServer(options.web);
const browser = await launchBrowser();

function reduce(path) {
  try {
    execFileSync("pngquant", ["--force", "--skip-if-larger", "--strip", "--speed", "1", "--output", path, "64", path]);
  } catch (error) {
    if (error.code !== "ENOENT" && error.status !== 98 && error.status !== 99) throw error;
  }
}

for (const [lang, suffix] of languages) {
  const radio = await startRadio(options.sim, ["--load", source]);
  const bridge = await startBridge(() => radio.terminal);
  const page = await openPage(browser.context, url, { lang, bridgeUrl: bridge.url });
  // The page's clock stands still: the read runs on the radio's bytes alone, and its end text,
  // which blinks on the status timer, is moved on until it shows.
  await page.clock.install();
  await page.reload();
  await page.waitForSelector("#app[data-ready]");
  await page.setViewportSize(viewport);
  const success = await page.evaluate(() => window.tlvPage.currentDocument.statusText("ReadSuccess"));
  await page.locator('#Toolbar1 button[data-command="mnureadFre"]').click();
  await page.waitForFunction((text) => document.querySelector("#Label")?.textContent === text, success);
  for (let tick = 0; tick < 6 && (await page.locator("#Label").isHidden()); ++tick) await page.clock.runFor(200);
  await page.mouse.move(0, viewport.height - 1); // no hover highlight in the picture
  await page.screenshot({ path: join(options.out, `web-page${suffix}.png`) });
  reduce(join(options.out, `web-page${suffix}.png`));
  await page.close();
  await bridge.close();
  await radio.stop();

  const bare = await openPage(browser.context, url, { lang, withoutSerial: true });
  await bare.setViewportSize(viewport);
  const line = await bare.locator("#no-serial").boundingBox();
  await bare.screenshot({
    path: join(options.out, `web-no-serial${suffix}.png`),
    clip: { x: 0, y: 0, width: viewport.width, height: Math.ceil(line.y + line.height + 8) },
  });
  reduce(join(options.out, `web-no-serial${suffix}.png`));
  await bare.close();
}
await browser.close();
server.close();
process.exit(0);
