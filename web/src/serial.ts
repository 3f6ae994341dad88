// SPDX-License-Identifier: GPL-3.0-or-later
// Read and Write over Web Serial: the port the user picks in the browser, opened at 9600 baud 8N1,
// carries the core's transfer session. Bytes from the port go to the session, its frames go to
// the port, and the page's timers drive its supervision and status ticks as the window
// program's timers do. The session decides everything else (answers, failures); a write is
// handed the image the document's flow gives, and how the transfer ended goes back to the flow.
import type {
  Core,
  RadioDocument,
  Serial,
  SerialPort,
  SerialTransferOptions,
  Transfer,
  TransferEnd,
  TransferOutcome,
  TransferRequest,
} from "./core-api";

const kPortOptions = { baudRate: 9600, dataBits: 8, stopBits: 1, parity: "none" };

function serialOf(): Serial | undefined {
  return (navigator as unknown as { serial?: Serial }).serial;
}

/** Whether this browser can talk to the cable (Web Serial in a secure context). */
export function serialAvailable(): boolean {
  return serialOf() !== undefined && (globalThis.isSecureContext ?? true);
}

// One session per document, as the window program keeps one.
interface Link {
  transfer: Transfer;
  host: SerialTransferOptions["host"];
  send: (frame: Uint8Array) => void;
  ended: ((outcome: TransferOutcome) => void) | null;
}
const links = new WeakMap<RadioDocument, Link>();

let current: { link: Link; finish: () => void } | null = null;
let timers: { supervision: number; status: number } | null = null;

function linkOf(core: Core, editor: RadioDocument): Link {
  let link = links.get(editor);
  if (link) return link;
  const made: Link = {
    transfer: null as unknown as Transfer,
    host: {},
    send: () => {},
    ended: null,
  };
  // The session calls these; they pass on to the page's host of the transfer running now.
  made.transfer = new core.Transfer({
    language: () => editor.language(),
    sendBytes: (frame) => made.send(frame),
    setStatusText: (text) => made.host.setStatusText?.(text),
    setStatusVisible: (visible) => made.host.setStatusVisible?.(visible),
    setProgress: (visible, value) => made.host.setProgress?.(visible, value),
    setTransferControlsEnabled: (enabled) => made.host.setTransferControlsEnabled?.(enabled),
    imageAboutToBeWritten: (image) => made.host.imageAboutToBeWritten?.(image),
    imageRead: (image) => made.host.imageRead?.(image),
    transferEnded: (outcome) => {
      made.host.transferEnded?.(outcome);
      const ended = made.ended;
      made.ended = null;
      ended?.(outcome);
    },
  });
  links.set(editor, made);
  return made;
}

// The supervision and status timers run while the session wants them (the end text blinks on
// after a transfer has ended).
function runTimers(core: Core, link: Link): void {
  stopTimers();
  const { supervisionIntervalMs, statusIntervalMs } = core.constants;
  const check = () => {
    if (!link.transfer.running() && !link.transfer.supervisionTimerOn() && !link.transfer.statusTimerOn())
      stopTimers();
  };
  timers = {
    supervision: window.setInterval(() => {
      if (link.transfer.supervisionTimerOn()) link.transfer.onSupervisionTick();
      check();
    }, supervisionIntervalMs),
    status: window.setInterval(() => {
      if (link.transfer.statusTimerOn()) link.transfer.onStatusTick();
      check();
    }, statusIntervalMs),
  };
}

function stopTimers(): void {
  if (!timers) return;
  window.clearInterval(timers.supervision);
  window.clearInterval(timers.status);
  timers = null;
}

function portName(port: SerialPort): string {
  const info = port.getInfo?.() ?? {};
  if (info.usbVendorId === undefined) return "serial port";
  const hex = (n: number | undefined) => (n ?? 0).toString(16).padStart(4, "0");
  return `USB ${hex(info.usbVendorId)}:${hex(info.usbProductId)}`;
}

/** A write declined at the band question: its text blinks in the status line, nothing is sent. */
export function declineSerialTransfer(core: Core, editor: RadioDocument): void {
  if (current) return;
  const link = linkOf(core, editor);
  link.transfer.decline();
  runTimers(core, link);
}

/**
 * Runs a read or a write over the port the user picks (or `options.port`). Resolves with how it
 * ended once it has (a transfer that never started ends as stopped, the cable having said why);
 * everything on the way is reported through options.host.
 */
export async function runSerialTransfer(
  core: Core,
  editor: RadioDocument,
  request: TransferRequest,
  options: SerialTransferOptions,
): Promise<TransferEnd> {
  const notStarted: TransferEnd = { outcome: "stopped" };
  if (current) return notStarted;
  const serial = serialOf();
  if (!serial) {
    options.host.tell?.(editor.message("PortNotOpen"));
    return notStarted;
  }
  const link = linkOf(core, editor);
  link.host = options.host;

  let port: SerialPort;
  try {
    port = options.port ?? (await serial.requestPort());
  } catch {
    return notStarted; // the picker was cancelled
  }
  try {
    await port.open(kPortOptions);
  } catch (error) {
    options.host.tell?.(editor.message("PortOpenFailed", String((error as Error)?.message ?? error)));
    return notStarted;
  }

  const writer = port.writable!.getWriter();
  const reader = port.readable!.getReader();
  let writing: Promise<void> = Promise.resolve();
  let lost = false;
  const loseport = () => {
    if (lost || !link.transfer.running()) return;
    lost = true;
    link.transfer.onPortLost(portName(port));
  };
  link.send = (frame) => {
    writing = writing.then(() => writer.write(frame)).catch(loseport);
  };
  const outcome = new Promise<TransferOutcome>((done) => (link.ended = done));
  let finished = false;
  const finish = () => {
    if (finished) return;
    finished = true;
    link.send = () => {};
    current = null;
    void (async () => {
      await writing.catch(() => {});
      await reader.cancel().catch(() => {});
      reader.releaseLock();
      writer.releaseLock();
      await port.close().catch(() => {});
    })();
  };
  current = { link, finish };

  if (!link.transfer.start(request.direction, request.image, request.serviceMode)) {
    finish();
    return notStarted;
  }
  runTimers(core, link);

  // Bytes from the port to the session until the transfer has ended.
  void (async () => {
    try {
      while (link.transfer.running()) {
        const { value, done } = await reader.read();
        if (done) break;
        if (value && value.length > 0) link.transfer.onBytes(value);
      }
      if (link.transfer.running()) loseport();
    } catch {
      loseport();
    }
  })();

  await outcome;
  finish();
  return link.transfer.end();
}

/** Stops the transfer that runs (the user's stop, or leaving the page). */
export function stopSerialTransfer(): void {
  if (!current) return;
  const { link, finish } = current;
  if (link.transfer.running()) link.transfer.stop();
  const ended = link.ended;
  link.ended = null;
  ended?.("stopped");
  finish();
}
