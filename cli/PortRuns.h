// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ports of read and write: each port gets its own serial link, message box, band question's
// agreement and transfer controller (the window's own transfer), handed the image to write; all
// run side by side in one event loop, so several radios are written at once without threads.
#include "Console.h"

#include "document/BandAgreement.h"
#include "link/TransferSession.h"
#include "qt/ComPorts.h"
#include "qt/SerialLink.h"
#include "qt/TransferController.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tlv::cli {

struct PortRun {
    std::string name;
    SerialLink link;
    std::unique_ptr<ComPorts> ports;
    BandAgreement band; // of this port's writes
    std::unique_ptr<ConsoleMessageBox> box;
    std::unique_ptr<TransferController> transfer;
    std::optional<TransferOutcome> outcome;
    std::string failure;       // the port could not be opened
    bool verifying = false;    // the write was read back
    std::string verifyFailure; // the read-back differs or failed
};

using PortRuns = std::vector<std::unique_ptr<PortRun>>;

// What a write sends: the image, whether the power-level block goes too, and the band of the
// list it was made from.
struct WriteOrder {
    MemoryImage image{};
    bool serviceMode = false;
    int band = 0;
};

// The folder of the "ports" file: beside the parameter file, the window program's place for it.
std::filesystem::path SettingsFolder();
// The folder of the automatic backups, or empty for --no-backup.
std::string BackupFolderFor(bool noBackup);

// Opens every port, starts one transfer on each (a write of `order`, its band question answered
// by `bandAnswer`) and runs the event loop until all ended. The transfers keep their backups in
// `backupFolder` (none when empty).
void RunTransfers(PortRuns& runs, TransferDirection direction, const WriteOrder& order,
                  std::optional<bool> bandAnswer, Language language,
                  const std::string& backupFolder);
// Reads back every radio whose write succeeded and compares the written addresses with what
// was written; a radio that differs or cannot be read gets its `verifyFailure`.
void VerifyWrites(PortRuns& runs, bool serviceMode, Language language);

// How a port's transfer ended, on one line.
std::string OutcomeText(const PortRun& run, TransferDirection direction, Language language);
// kExitOk for a transfer that succeeded, else kExitCommunication.
int ExitCodeOf(const PortRun& run);

} // namespace tlv::cli
