// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the web edition (docs/performance.md), measured, not asserted:
//   node web/test/bench.mjs --web build-web --sim .../tlv6200-radio-sim --cli .../tlv6200-cli
// - everything served, compressed (gzip -9 and brotli, as a static host would serve it);
// - page load to an editable table in headless Chromium (navigation start to the page's
//   "tlv-ready"), median of 7 loads, cache off;
// - a read over the Web Serial stand-in from the simulator at real speed (--paced): the time
//   from the Read command's click to the success text on the page's clock, as a ratio to the
//   wire time of the bytes both sides sent (10 bits a byte at 9600 baud), median of 5; and where
//   the time beyond the wire went: the page's own work, the stand-in's WebSocket, the
//   pseudo-terminal and the simulator.
import { readdirSync, readFileSync, statSync } from "node:fs";
import { join } from "node:path";
import { brotliCompressSync, constants, gzipSync } from "node:zlib";
import { cli, launchBrowser, openPage, scriptOptions, startBridge, startRadio, startServer, temporaryFolder } from "./harness.mjs";

const options = scriptOptions();

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

// Where the time of a read goes over the exchanges of one trace (the page's or the bridge's):
// after each frame out, the wait to the answer's first byte and the answer's bytes; after the
// last byte in, the time to the next frame out.
function exchanges(trace) {
  const result = { turnaround: 0, answerWait: 0, count: 0 };
  let lastIn = null, outAt = null, outBytes = 0;
  for (const [kind, at, bytes] of trace) {
    if (kind === "out") {
      if (lastIn !== null) result.turnaround += at - lastIn;
      result.count += 1;
      lastIn = null;
      outAt = at;
      outBytes = bytes;
    } else if (kind === "in") {
      // The first byte of an answer: beyond the frame's own wire time and its own byte.
      if (outAt !== null) result.answerWait += at - outAt - ((outBytes + 1) * 10) / 9.6;
      outAt = null;
      lastIn = at;
    }
  }
  return result;
}

if (options.sim && options.cli) {
  const folder = temporaryFolder();
  const source = join(folder, "source.DAT");
  cli(options.cli, ["import", join(options.data, "chirp", "sixteen-channels-5W.csv"), "-o", source]);
  const ratios = [], own = [];
  for (let i = 0; i < 5; ++i) {
    const radio = await startRadio(options.sim, ["--paced", "--load", source]);
    const bridge = await startBridge(() => radio.terminal);
    bridge.trace = [];
    const page = await openPage(browser.context, url, { bridgeUrl: bridge.url });
    // The page's own clock: from the Read command's click to the success text.
    await page.evaluate(() => {
      const success = "Read frequency success!";
      document.addEventListener("click", () => (window.__clickAt ??= performance.now()), true);
      new MutationObserver(() => {
        if (document.querySelector("#Label")?.textContent === success) window.__doneAt ??= performance.now();
      }).observe(document.body, { subtree: true, childList: true, characterData: true });
    });
    await page.getByRole("button", { name: "Read Frequency", exact: true }).first().click();
    await page.waitForFunction(() => window.__doneAt !== undefined, null, { timeout: 30000 });
    const { clickAt, doneAt, trace } = await page.evaluate(() => ({
      clickAt: window.__clickAt,
      doneAt: window.__doneAt,
      trace: globalThis.__serialTrace,
    }));
    const bytes = bridge.toRadio + bridge.fromRadio;
    const wire = (bytes * 10) / 9600;
    const seconds = (doneAt - clickAt) / 1000;
    ratios.push(seconds / wire);
    // The page's own part: from the click to its first frame, from each answer's last byte to
    // its next frame, from the last byte to the success text.
    const inPage = exchanges(trace);
    const firstOut = trace.find(([kind]) => kind === "out")[1];
    const lastIn = trace.findLast(([kind]) => kind === "in")[1];
    const pageMs = firstOut - clickAt + inPage.turnaround + (doneAt - lastIn);
    own.push((wire * 1000 + pageMs) / (wire * 1000));
    // The stand-in's part: the WebSocket both ways (the bridge's turnaround less the page's) and
    // the pseudo-terminal with the simulator (the wait for an answer beyond its wire time).
    const onBridge = exchanges(bridge.trace);
    console.log(
      `paced read: ${seconds.toFixed(3)} s for ${bytes} bytes (wire ${wire.toFixed(3)} s): ${(seconds / wire).toFixed(3)}` +
        `\n  the page: ${(firstOut - clickAt).toFixed(1)} ms to its first frame, ${inPage.turnaround.toFixed(1)} ms answering ${inPage.count - 1} answers,` +
        ` ${(doneAt - lastIn).toFixed(1)} ms from the last byte to the success text: wire + page ${own.at(-1).toFixed(3)}` +
        `\n  the stand-in: WebSocket ${(onBridge.turnaround - inPage.turnaround).toFixed(1)} ms,` +
        ` pseudo-terminal and simulator ${onBridge.answerWait.toFixed(1)} ms`,
    );
    await page.close();
    await bridge.close();
    await radio.stop();
  }
  console.log(`paced read over the stand-in, time / wire time: median ${median(ratios).toFixed(3)}`);
  console.log(`the same, the page's own time only (wire + page) / wire: median ${median(own).toFixed(3)}`);
}
await browser.close();
server.close();
process.exit(0);
