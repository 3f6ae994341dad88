// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the web edition (docs/performance.md), measured, not asserted:
//   node web/test/bench.mjs --web build-web --sim .../tlv6200-radio-sim --cli .../tlv6200-cli
// - everything served, compressed (gzip -9 and brotli, as a static host would serve it);
// - page load to an editable table in headless Chromium (navigation start to the page's
//   "tlv-ready"), median of 7 loads, cache off;
// - a read over the Web Serial stand-in from the simulator at real speed (--paced): the time
//   from the Read command to the success text, as a ratio to the wire time of the bytes both
//   sides sent (10 bits a byte at 9600 baud).
import { readdirSync, readFileSync, statSync } from "node:fs";
import { join } from "node:path";
import { parseArgs } from "node:util";
import { brotliCompressSync, constants, gzipSync } from "node:zlib";
import { cli, launchBrowser, openPage, startBridge, startRadio, startServer, temporaryFolder } from "./harness.mjs";

const { values: options } = parseArgs({
  options: {
    web: { type: "string", default: "build-web" },
    sim: { type: "string" },
    cli: { type: "string" },
    data: { type: "string", default: "tests/data" },
  },
});

function files(folder) {
  return readdirSync(folder).flatMap((name) => {
    const path = join(folder, name);
    return statSync(path).isDirectory() ? files(path) : [path];
  });
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Sizes: the page itself (what a visit loads) and with the manual.
let raw = 0, gzip = 0, brotli = 0, pageGzip = 0, pageRaw = 0;
for (const file of files(options.web)) {
  const bytes = readFileSync(file);
  const packed = gzipSync(bytes, { level: 9 }).length;
  const br = brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
  raw += bytes.length;
  gzip += Math.min(packed, bytes.length);
  brotli += Math.min(br, bytes.length);
  if (!file.includes("/manual/")) {
    pageRaw += bytes.length;
    pageGzip += Math.min(packed, bytes.length);
  }
}
const kb = (n) => `${(n / 1024).toFixed(0)} KB`;
console.log(`served, everything: ${kb(raw)} raw, ${kb(gzip)} gzip -9, ${kb(brotli)} brotli`);
console.log(`served, the page without the manual: ${kb(pageRaw)} raw, ${kb(pageGzip)} gzip -9`);

const { server, url } = await startServer(options.web);
const browser = await launchBrowser();
const loads = [];
for (let i = 0; i < 8; ++i) {
  const page = await browser.context.newPage();
  await page.route("**/sw.js", (route) => route.abort()); // every load from the network
  const cdp = await browser.context.newCDPSession(page);
  await cdp.send("Network.setCacheDisabled", { cacheDisabled: true });
  await page.addInitScript(() => {
    document.addEventListener("tlv-ready", () => (window.__readyAt = performance.now()));
  });
  await page.goto(`${url}?lang=en`);
  await page.waitForSelector("#app[data-ready]");
  const ms = await page.evaluate(() => window.__readyAt ?? performance.now());
  if (i > 0) loads.push(ms); // the first load warms the browser itself
  await page.close();
}
console.log(`page load to an editable table: median ${median(loads).toFixed(0)} ms (of ${loads.map((v) => v.toFixed(0)).join(", ")})`);

if (options.sim && options.cli) {
  const folder = temporaryFolder();
  const source = join(folder, "source.DAT");
  cli(options.cli, ["import", join(options.data, "chirp", "sixteen-channels-5W.csv"), "-o", source]);
  const ratios = [];
  for (let i = 0; i < 3; ++i) {
    const radio = await startRadio(options.sim, ["--paced", "--load", source]);
    const bridge = await startBridge(() => radio.terminal);
    const page = await openPage(browser.context, url, { bridgeUrl: bridge.url });
    const success = "Read frequency success!";
    const started = Date.now();
    await page.getByRole("button", { name: "Read Frequency", exact: true }).first().click();
    await page.waitForFunction((text) => document.querySelector("#Label")?.textContent === text, success, {
      polling: "raf",
      timeout: 30000,
    });
    const seconds = (Date.now() - started) / 1000;
    const wire = ((bridge.toRadio + bridge.fromRadio) * 10) / 9600;
    ratios.push(seconds / wire);
    const onCable = (bridge.lastFromRadio - bridge.firstToRadio) / 1000;
    console.log(`  on the stand-in's cable (first byte out to last byte in): ${onCable.toFixed(3)} s: ${(onCable / wire).toFixed(3)}`);
    console.log(`paced read: ${seconds.toFixed(3)} s for ${bridge.toRadio + bridge.fromRadio} bytes (wire ${wire.toFixed(3)} s): ${(seconds / wire).toFixed(3)}`);
    await page.close();
    await bridge.close();
    await radio.stop();
  }
  console.log(`paced read over the stand-in, time / wire time: median ${median(ratios).toFixed(3)}`);
}
await browser.close();
server.close();
process.exit(0);
