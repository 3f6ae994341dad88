// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests stand on: the page of build-web/ served on 127.0.0.1, Debian's Chromium
// driven by playwright-core (no browser of its own), the simulated radio on a pseudo-terminal and
// a bridge that carries a test-only Web Serial stand-in's bytes over a WebSocket to it.
import { spawn, execFileSync } from "node:child_process";
import { mkdtempSync, rmSync, openSync, writeSync } from "node:fs";
import { ReadStream } from "node:tty";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createInterface } from "node:readline";
import { parseArgs } from "node:util";
import { chromium } from "playwright-core";
import { WebSocketServer } from "ws";
import { serveFolder } from "../tools/serve.mjs";

export const chromiumPath = process.env.TLV_CHROMIUM ?? "/usr/bin/chromium";

// The command line every browser script takes: the built page, the command-line program, the
// simulator and the test data, plus the script's own options.
export function scriptOptions(own = {}) {
  return parseArgs({
    options: {
      web: { type: "string", default: "build-web" },
      cli: { type: "string" },
      sim: { type: "string" },
      data: { type: "string", default: "tests/data" },
      ...own,
    },
  }).values;
}

export function temporaryFolder() {
  return mkdtempSync(join(tmpdir(), "tlv6200-web-"));
}

export async function launchBrowser() {
  const profile = temporaryFolder();
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    acceptDownloads: true,
    args: [
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      // Pages side by side keep their timers at full pace, as a page in front does.
      "--disable-background-timer-throttling",
      "--disable-renderer-backgrounding",
      "--disable-backgrounding-occluded-windows",
    ],
  });
  return {
    context,
    async close() {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

export async function startServer(folder) {
  const server = await serveFolder(folder, 0);
  return { server, url: `http://127.0.0.1:${server.address().port}/` };
}

/** The simulated radio on a pseudo-terminal; resolves once it printed its terminal. */
export async function startRadio(simulator, args = []) {
  const child = spawn(simulator, args, { stdio: ["ignore", "pipe", "inherit"] });
  const lines = createInterface({ input: child.stdout });
  const saved = [];
  const terminal = await new Promise((done, fail) => {
    child.once("error", fail);
    child.once("exit", (code) => fail(new Error(`radio simulator ended (${code})`)));
    lines.once("line", done);
  });
  lines.on("line", (line) => {
    if (line.startsWith("saved ")) saved.push(line.slice(6));
  });
  // The bridge reads and writes the terminal's bytes as they are.
  execFileSync("stty", ["-F", terminal, "raw", "-echo", "9600"]);
  return {
    terminal,
    saved,
    async stop() {
      child.kill("SIGTERM");
      await new Promise((done) => (child.exitCode !== null ? done() : child.once("exit", done)));
    },
  };
}

/**
 * The cable: a WebSocket server on 127.0.0.1 that joins each connection of the page's Web
 * Serial stand-in to the terminal. A connection stands for the cable plugged in; its text
 * message "open" is the port's open, and only then is the terminal opened, so that a radio
 * started between two transfers of one page is the one the next transfer reaches.
 * `pullAfter` bytes from the radio pull the cable (the socket is dropped) to test a lost port;
 * `trace`, an array, gets each chunk's direction, time and size.
 */
export async function startBridge(getTerminal) {
  const server = new WebSocketServer({ host: "127.0.0.1", port: 0 });
  await new Promise((done) => server.once("listening", done));
  const bridge = { pullAfter: Infinity, toRadio: 0, fromRadio: 0, connections: 0 };
  server.on("connection", (socket) => {
    let fd = null;
    let input = null;
    let open = true;
    const end = () => {
      if (!open) return;
      open = false;
      input?.destroy();
      socket.terminate();
    };
    const openTerminal = () => {
      bridge.connections += 1;
      fd = openSync(getTerminal(), "r+");
      // A terminal stream (polled by the event loop, not read in the thread pool): each byte
      // comes on as soon as the radio sends it, and closing leaves no read behind.
      input = new ReadStream(fd);
      input.setRawMode(true);
      input.on("data", (chunk) => {
        if (!open) return;
        const room = bridge.pullAfter - bridge.fromRadio;
        if (room <= 0) return end();
        const part = chunk.length > room ? chunk.subarray(0, room) : chunk;
        bridge.fromRadio += part.length;
        bridge.lastFromRadio = performance.now();
        bridge.trace?.push(["in", bridge.lastFromRadio, part.length]);
        socket.send(part);
        if (bridge.fromRadio >= bridge.pullAfter) setTimeout(end, 20);
      });
      input.on("error", () => end());
    };
    socket.on("message", (data, binary) => {
      if (!open) return;
      if (!binary) {
        if (String(data) === "open" && fd === null) openTerminal();
        return;
      }
      if (fd === null) return;
      if (bridge.toRadio === 0) bridge.firstToRadio = performance.now();
      bridge.toRadio += data.length;
      bridge.trace?.push(["out", performance.now(), data.length]);
      // A few bytes into the terminal at once, not through the thread pool.
      try {
        writeSync(fd, data);
      } catch {
        end();
      }
    });
    socket.on("close", end);
  });
  bridge.url = `ws://127.0.0.1:${server.address().port}/`;
  bridge.close = () => {
    for (const client of server.clients) client.terminate();
    return new Promise((done) => server.close(done));
  };
  return bridge;
}

/** Script put into the page before it loads: navigator.serial over the bridge. */
export function serialStandIn(bridgeUrl) {
  return `(${standIn.toString()})(${JSON.stringify(bridgeUrl)});`;
}

// Runs in the page: the standard Web Serial interface, its bytes over a WebSocket.
function standIn(url) {
  // The cable is plugged in before the user reads: the stand-in's connection to the bridge is
  // made ahead of the port's open (and again after each close), so that open() costs what a
  // serial port's open costs, not a WebSocket's handshake.
  const plugIn = () => {
    const socket = new WebSocket(url);
    socket.binaryType = "arraybuffer";
    return new Promise((done) => {
      socket.onopen = () => done(socket);
      socket.onerror = () => done(null);
    });
  };
  class StandInPort extends EventTarget {
    constructor() {
      super();
      this.readable = null;
      this.writable = null;
      this.socket = null;
      this.cable = plugIn();
    }
    getInfo() {
      return { usbVendorId: 0x1a86, usbProductId: 0x7523 };
    }
    async open(options) {
      if (this.socket) throw new DOMException("The port is already open.", "InvalidStateError");
      if (!options || typeof options.baudRate !== "number")
        throw new TypeError("baudRate is required");
      globalThis.__serialOptions = options;
      const socket = await this.cable;
      if (!socket || socket.readyState !== WebSocket.OPEN) {
        this.cable = plugIn();
        throw new DOMException("Failed to open serial port.", "NetworkError");
      }
      socket.send("open");
      this.socket = socket;
      let controller;
      this.readable = new ReadableStream({
        start(c) {
          controller = c;
        },
      });
      // The times of the port's traffic as the page sees it (read by the benchmark).
      const trace = (globalThis.__serialTrace = [["open", performance.now()]]);
      socket.onmessage = (event) => {
        trace.push(["in", performance.now(), event.data.byteLength]);
        controller.enqueue(new Uint8Array(event.data));
      };
      socket.onclose = () => {
        if (this.socket !== socket) return;
        try {
          controller.error(new DOMException("The device has been lost.", "NetworkError"));
        } catch {}
      };
      this.writable = new WritableStream({
        write(chunk) {
          if (socket.readyState !== WebSocket.OPEN)
            throw new DOMException("The device has been lost.", "NetworkError");
          trace.push(["out", performance.now(), chunk.length]);
          socket.send(chunk);
        },
      });
    }
    async close() {
      const socket = this.socket;
      this.socket = null;
      this.readable = null;
      this.writable = null;
      if (socket) {
        socket.close();
        this.cable = plugIn();
      }
    }
  }
  const port = new StandInPort();
  const serial = {
    async requestPort() {
      return port;
    },
    async getPorts() {
      return [port];
    },
    addEventListener() {},
    removeEventListener() {},
  };
  Object.defineProperty(Navigator.prototype, "serial", { get: () => serial, configurable: true });
}

/** Opens the page in a fresh tab and waits until the table is editable. */
export async function openPage(context, url, { lang = "en", bridgeUrl, withoutSerial = false } = {}) {
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(String(error)));
  if (bridgeUrl) await page.addInitScript(serialStandIn(bridgeUrl));
  // A browser without Web Serial (Firefox, Safari).
  if (withoutSerial) await page.addInitScript("delete Navigator.prototype.serial;");
  await page.goto(`${url}?lang=${lang}`);
  await page.waitForSelector("#app[data-ready]");
  page.errors = errors;
  return page;
}

export function cli(cliPath, args, options = {}) {
  return execFileSync(cliPath, args, { encoding: "utf8", ...options });
}
