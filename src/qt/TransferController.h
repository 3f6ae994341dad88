// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A transfer over a real port: drives a TransferSession over a SerialLink and the two timers,
// the supervision timer (500 ms) and the status timer (200 ms), shows the session's messages
// with the program's message box, and reports what the session shows through signals. No
// widgets: the window connects the signals to its label, progress bar and controls; the command
// line waits for `finished`.
//
// Typical use without widgets (one controller per port; several may run side by side):
//
//     SerialLink link;               ComPorts ports(link);
//     ports.loadTable(folder);       ports.openByName("COM1");   // or "/dev/ttyUSB0"
//     EditorState editor = MakeStartupEditor(Language::English);
//     MyMessageBox box;              // shows the messages, answers the band question
//     TransferController transfer(editor, box, link);
//     auto outcome = RunTransfer(transfer, TransferDirection::Read, 30000);
//     // progress: progressChanged(visible, 0..kProgressMaximum)
//
// `finished` carries TransferOutcome::Success (read loaded into `editor`, or all blocks
// written), CommunicationError (the radio fell silent; the message went to `box`), Declined
// (No to the band question) or Stopped (stop() was called).
//
// With a backup folder set (setBackupFolder), the image of every read and the image every write
// is about to send are saved there (SaveBackup) and reported by `backupSaved`; a backup that
// cannot be saved is reported by `backupFailed` and the transfer goes on.
#include "editor/EditorState.h"
#include "language/LocalMsgBox.h"
#include "link/TransferSession.h"
#include "qt/SerialLink.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <string>

namespace tlv {

class TransferController : public QObject, private TransferHost {
    Q_OBJECT
  public:
    // Keeps references to all three; they must outlive the controller. `box` is the program's
    // own: the window's message box, the command line's console.
    TransferController(EditorState& editor, MessageBoxService& box, SerialLink& link,
                       QObject* parent = nullptr);

    // False when the port is closed (after the port-not-open message), when No was the answer
    // to the band question, or while a transfer is running.
    bool startRead() { return start(TransferDirection::Read); }
    bool startWrite() { return start(TransferDirection::Write); }
    bool start(TransferDirection direction) { return session_.start(direction); }

    // Stops a running transfer (TransferSession::stop).
    void stop() { session_.stop(); }

    bool running() const { return session_.running(); }

    // The folder of the automatic backups; empty (the default) keeps none.
    void setBackupFolder(std::string folder) { backupFolder_ = std::move(folder); }
    const std::string& backupFolder() const { return backupFolder_; }
    const TransferSession& session() const { return session_; }

  signals:
    void statusTextChanged(const QString& text);
    void statusVisibleChanged(bool visible);
    // The progress bar: shown or hidden, value in 0..kProgressMaximum.
    void progressChanged(bool visible, int value);
    // The toolbar, its Read and Write buttons and the programming menu.
    void controlsEnabledChanged(bool enabled);
    // Enable the band frame and focus the band list.
    void bandListFocusRequested();
    void finished(tlv::TransferOutcome outcome);
    // An automatic backup was saved at `path`, or could not be saved for `reason`.
    void backupSaved(const QString& path);
    void backupFailed(const QString& reason);

  private:
    bool portIsOpen() const override;
    void sendBytes(std::span<const uint8_t> frame) override;
    void setSupervisionTimer(bool on) override;
    void setStatusTimer(bool on) override;
    void tell(const Notice& notice) override;
    bool confirmBandMismatch() override;
    void setStatusText(const std::string& text) override;
    void setStatusVisible(bool visible) override;
    void setProgress(bool visible, int value) override;
    void setTransferControlsEnabled(bool enabled) override;
    void focusBandList() override;
    void transferEnded(TransferOutcome outcome) override;
    void imageAboutToBeWritten(const MemoryImage& image) override;
    void imageRead(const MemoryImage& image) override;
    void saveBackup(const MemoryImage& image, bool read);

    EditorState& editor_;
    MessageBoxService& box_;
    SerialLink& link_;
    TransferSession session_;
    QTimer supervisionTimer_;
    QTimer statusTimer_;
    std::string backupFolder_;
};

// Starts a transfer and runs the event loop until it ends. Nothing when it did not start (port
// closed, or already running) or did not end within `timeoutMs` milliseconds.
std::optional<TransferOutcome> RunTransfer(TransferController& transfer,
                                           TransferDirection direction, int timeoutMs);

} // namespace tlv
