// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A transfer over a real port: drives a TransferSession over a SerialLink and its supervision
// timer (500 ms), and the transfer's status line (texts/TransferStatusLine.h) over the status
// timer (200 ms); shows the port-not-open message and the communication error with the
// program's message box, and reports the status line through signals. No widgets and no editor:
// a write is handed its image, a read hands its image back. The window connects the signals to
// its label, progress bar and controls; the command line waits for `finished`.
//
// Typical use without widgets (one controller per port; several may run side by side):
//
//     SerialLink link;               ComPorts ports(link);
//     ports.loadTable(folder);       ports.openByName("COM1");   // or "/dev/ttyUSB0"
//     MyMessageBox box;              // shows the messages
//     TransferController transfer(link, box, [] { return Language::English; });
//     auto outcome = RunTransfer(transfer, TransferDirection::Read, 30000);
//     // transfer.session().imageRead(): the radio's memory image
//     // progress: progressChanged(visible, 0..kProgressMaximum)
//
// `finished` carries TransferOutcome::Success (the whole memory read, or all blocks written),
// CommunicationError (the radio fell silent; the message went to `box`), Declined (decline():
// No to the band question, which the front end asks before the write) or Stopped (stop()).
//
// With a backup folder set (setBackupFolder), the image of every read and the image every write
// is about to send are saved there (SaveBackup) and reported by `backupSaved`; a backup that
// cannot be saved is reported by `backupFailed` and the transfer goes on.
#include "language/LocalMsgBox.h"
#include "link/TransferSession.h"
#include "qt/SerialLink.h"
#include "texts/TransferStatusLine.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

namespace tlv {

class TransferController : public QObject, private TransferHost, private TransferLineView {
    Q_OBJECT
  public:
    // Keeps references to `link` and `box`; they must outlive the controller. `box` is the
    // program's own (the window's message box, the command line's console); its messages and
    // the status texts come in `language()`, asked each time.
    TransferController(SerialLink& link, MessageBoxService& box, std::function<Language()> language,
                       QObject* parent = nullptr);

    // Whether the port is open; when it is not, says so (the port-not-open message).
    bool checkPort();
    // Starts a read, or a write of `image` (the power-level block too in service mode). False
    // when the port is closed (after the port-not-open message) or while a transfer is running.
    bool start(TransferDirection direction, const MemoryImage& image = {},
               bool serviceMode = false);
    bool startRead() { return start(TransferDirection::Read); }
    // A write the user declined at the band question: nothing is sent, the question's text
    // blinks in the status line until the controls come back; `finished(Declined)` follows.
    void decline();
    // Stops a running transfer (TransferSession::stop).
    void stop() { session_.stop(); }

    bool running() const { return session_.running(); }
    // The direction of the running or last transfer, a declined write included.
    TransferDirection direction() const { return direction_; }

    // The folder of the automatic backups; empty (the default) keeps none.
    void setBackupFolder(std::string folder) { backupFolder_ = std::move(folder); }
    const std::string& backupFolder() const { return backupFolder_; }
    const TransferSession& session() const { return session_; }
    const TransferStatusLine& statusLine() const { return statusLine_; }

  signals:
    // The handshake is out.
    void started();
    void statusTextChanged(const QString& text);
    void statusVisibleChanged(bool visible);
    // The progress bar: shown or hidden, value in 0..kProgressMaximum.
    void progressChanged(bool visible, int value);
    // The toolbar, its Read and Write buttons and the programming menu.
    void controlsEnabledChanged(bool enabled);
    // The transfer has ended and the user is told: after a failure its message has been shown;
    // a complete read's image (session().imageRead()) is there to be loaded. The status line
    // shows the end after this, and `finished` follows.
    void ending(tlv::TransferOutcome outcome);
    void finished(tlv::TransferOutcome outcome);
    // An automatic backup was saved at `path`, or could not be saved for `reason`.
    void backupSaved(const QString& path);
    void backupFailed(const QString& reason);

  private:
    void sendBytes(std::span<const uint8_t> frame) override;
    void setSupervisionTimer(bool on) override;
    void transferEnded(TransferOutcome outcome) override;
    void imageAboutToBeWritten(const MemoryImage& image) override;
    void imageRead(const MemoryImage& image) override;
    void setStatusTimer(bool on) override;
    void setStatusText(const LocalText& text) override;
    void setStatusVisible(bool visible) override;
    void setProgress(bool visible, int value) override;
    void setTransferControlsEnabled(bool enabled) override;
    void saveBackup(const MemoryImage& image, bool read);

    SerialLink& link_;
    MessageBoxService& box_;
    std::function<Language()> language_;
    TransferSession session_;
    TransferStatusLine statusLine_;
    TransferDirection direction_ = TransferDirection::Read;
    QTimer supervisionTimer_;
    QTimer statusTimer_;
    std::string backupFolder_;
};

// Starts a transfer (a write of `image`) and runs the event loop until it ends. Nothing when it
// did not start (port closed, or already running) or did not end within `timeoutMs`
// milliseconds.
std::optional<TransferOutcome> RunTransfer(TransferController& transfer,
                                           TransferDirection direction, int timeoutMs,
                                           const MemoryImage& image = {}, bool serviceMode = false);

} // namespace tlv
