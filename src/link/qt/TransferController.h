#pragma once
// A transfer over a real port: joins the TransferEngine to a SerialLink and to the two timers
// the supervision timer (500 ms) and the status timer (200 ms), and reports what the engine shows
// through signals. No widgets: the window connects the signals to its label, progress bar and
// controls; the command line waits for `finished`.
//
// Typical use without widgets (one controller per port; several may run side by side):
//
//     SerialLink link;               ComPorts ports(link);
//     ports.loadTable(folder);       ports.openByName("COM1");   // or "/dev/ttyUSB0"
//     EditorState editor = MakeStartupEditor(1);
//     MyMessageBox box;              // answers the band question (IdYes / IdNo)
//     TransferController transfer(editor, box, link);
//     auto outcome = RunTransfer(transfer, 'R', 30000); // progress: progressChanged(0..460)
//
// `finished` carries TransferOutcome::Success (read decoded into `editor`, or all blocks
// written), CommunicationError (the radio fell silent; the message went to `box`), Declined
// (No to the band question), ImageRejected (the decoder refused the image read) or Stopped
// (stop() was called).
//
// With a backup folder set (setBackupFolder), the image of every read and the image every write
// is about to send are saved there (SaveBackup) and reported by `backupSaved`; a backup that
// cannot be saved is reported by `backupFailed` and the transfer goes on.
#include "editor/EditorState.h"
#include "link/TransferEngine.h"
#include "link/qt/SerialLink.h"
#include "localisation/LocalMsgBox.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <string>
#include <string_view>

namespace tlv {

class TransferController : public QObject, private TransferHost {
    Q_OBJECT
  public:
    // Keeps references to all three; they must outlive the controller.
    TransferController(EditorState& editor, MessageBoxService& box, SerialLink& link,
                       QObject* parent = nullptr);

    // StartTransfer('R') / ('W'); false when the port is closed (after the port-not-open
    // message) or a transfer is running.
    bool startRead() { return start('R'); }
    bool startWrite() { return start('W'); }
    bool start(char direction);

    // Stops a running transfer (TransferEngine::StopTransfer).
    void stop() { engine_.StopTransfer(); }

    bool running() const { return engine_.running(); }

    // The folder of the automatic backups; empty (the default) keeps none.
    void setBackupFolder(std::string folder) { backupFolder_ = std::move(folder); }
    const std::string& backupFolder() const { return backupFolder_; }
    TransferEngine& engine() { return engine_; }
    const TransferEngine& engine() const { return engine_; }

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
    void setStatusText(const std::string& text) override;
    void setStatusVisible(bool visible) override;
    void setProgress(bool visible, int value) override;
    void setTransferControlsEnabled(bool enabled) override;
    void focusBandList() override;
    void transferEnded(TransferOutcome outcome) override;
    void imageAboutToBeWritten(std::string_view imageText) override;
    void imageRead(std::string_view imageText) override;
    void saveBackup(std::string_view imageText, bool read);

    SerialLink& link_;
    TransferEngine engine_;
    QTimer supervisionTimer_;
    QTimer statusTimer_;
    std::string backupFolder_;
};

// Starts a transfer and runs the event loop until it ends. nullopt when it did not start (port
// closed, or already running) or did not end within `timeoutMs` milliseconds.
std::optional<TransferOutcome> RunTransfer(TransferController& transfer, char direction,
                                           int timeoutMs);

} // namespace tlv
