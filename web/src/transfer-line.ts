// SPDX-License-Identifier: GPL-3.0-or-later
// Read and Write as the page runs them for a flow: the cable the user chose (Settings >
// Communication port, else the browser's list for this transfer), the status line and the
// progress bar while the transfer runs, and the backups of what is read and written.
import type { Core, FlowStep, MessageText, RadioDocument, Serial, SerialPort, TransferEnd } from "./core-api";
import { saveBackup } from "./backups";
import { declineSerialTransfer, runSerialTransfer } from "./serial";
import { setText } from "./dom";

export interface TransferLineHost {
  show(message: MessageText): Promise<number>;
  // The transfer started or ended: the controls follow.
  controlsChanged(): void;
}

export class TransferLine {
  private chosen: SerialPort | undefined; // the cable chosen under Settings, for this visit
  private next: SerialPort | undefined; // the cable of the transfer about to run
  private status!: HTMLElement;
  private progress!: HTMLProgressElement;
  private backupNotice!: HTMLElement;

  constructor(private core: Core, private document: () => RadioDocument, private host: TransferLineHost) {}

  attach(root: HTMLElement): void {
    this.status = root.querySelector<HTMLElement>("#Label")!;
    this.progress = root.querySelector<HTMLProgressElement>("#ProgressBar1")!;
    this.backupNotice = root.querySelector<HTMLElement>("#BackupNotice")!;
    this.progress.max = this.core.constants.progressMaximum;
  }

  // Settings > Communication port: the browser's port list chooses the cable for the next
  // transfers of this visit (otherwise each transfer asks).
  async choosePort(): Promise<void> {
    try {
      this.chosen = await (navigator as unknown as { serial: Serial }).serial.requestPort();
    } catch {
      // The list was closed without a choice: the previous cable stays chosen.
    }
  }

  // The cable of the next transfer: the one chosen, else the user picks one now. False when
  // the list was closed without a choice.
  async prepare(): Promise<boolean> {
    if (this.chosen) {
      this.next = this.chosen;
      return true;
    }
    try {
      this.next = await (navigator as unknown as { serial: Serial }).serial.requestPort();
      return true;
    } catch {
      return false;
    }
  }

  // A write the flow ended at the band question's No: the question's text blinks in the status
  // line, as a transfer's end text does.
  declined(): void {
    declineSerialTransfer(this.core, this.document());
  }

  // Runs the transfer a flow asks for over the cable prepared.
  async run(request: NonNullable<FlowStep["transfer"]>): Promise<TransferEnd> {
    const document = this.document();
    const keep = (kind: "read" | "write", image: Uint8Array) => {
      saveBackup(kind, image).then(
        () => setText(this.backupNotice, ""),
        (error) => setText(this.backupNotice, String(error)),
      );
    };
    document.setTransferRunning(true);
    try {
      const running = runSerialTransfer(this.core, document, request, {
        host: {
          setStatusText: (text) => setText(this.status, text),
          setStatusVisible: (visible) => (this.status.hidden = !visible),
          setProgress: (visible, value) => {
            this.progress.hidden = !visible;
            this.progress.value = value;
          },
          tell: (message) => void this.host.show(message),
          imageAboutToBeWritten: (image) => keep("write", image),
          imageRead: (image) => keep("read", image),
        },
        port: this.next,
      });
      // The controls are shown disabled once the transfer has had its turn: nothing of the page
      // comes before its first frame to the radio.
      setTimeout(() => this.host.controlsChanged(), 0);
      // The flow tells the user how it ended and loads what it read.
      return await running;
    } finally {
      document.setTransferRunning(false);
      this.next = undefined;
    }
  }
}
