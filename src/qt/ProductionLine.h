// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The production line over real ports: each cable (a station) gets the base image with the next
// unused row of the units list, written by the program's own transfer (TransferController) and
// read back when asked. Several stations run side by side in the event loop. Watching, a cable
// is served each time a radio appears behind it: the folder of its device is watched
// (QFileSystemWatcher, inotify on Linux), and the port table is looked at again every half
// second as the fallback. The command line and the window both drive it and show its signals.
#include "line/LineRecord.h"
#include "line/LineRows.h"
#include "line/UnitsList.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tlv {

struct LineOptions {
    // The cables: COM names or device paths. Empty with `watch`: every serial device of the
    // machine that appears after the start.
    std::vector<std::string> ports;
    bool watch = false;
    bool verify = false;
    bool serviceMode = false;
    std::optional<bool> bandAnswer;       // the answer to the band question of every write
    std::string backupFolder;             // empty: no backups
    std::filesystem::path settingsFolder; // where the "ports" file of the COM names lives
    Language language = Language::English;
    int pollMs = 500;
    bool watchFolders = true; // false: the half-second look alone (for measuring it)
};

enum class StationState { Waiting, Opening, Writing, Verifying, Done, Failed };

struct Station {
    std::string name; // as given, or the device that appeared
    StationState state = StationState::Waiting;
    int percent = 0;
    int row = 0;         // the row being written or last written
    std::string cause;   // Failed: why
    std::string device;  // the device behind the name when last looked, "" when absent
    bool served = false; // the radio now there has had its turn: wait until it goes
};

// The state of a station in words: "writing 40 %", "done: row 3".
std::string StationText(const Station& station, Language language);

class ProductionLine : public QObject {
    Q_OBJECT
  public:
    ProductionLine(std::vector<Unit> units, LineRows rows, LineOptions options,
                   QObject* parent = nullptr);
    ~ProductionLine() override;

    // Serves the given ports (once each without watching), or starts watching.
    void start();
    // Stops every transfer running (the end frame sent, the port closed); `ended` follows.
    void stop();
    bool running() const { return running_; }

    const std::vector<Station>& stations() const { return stations_; }
    const LineRows& rows() const { return rows_; }
    const std::vector<Unit>& units() const { return units_; }

  signals:
    void stationChanged(int index);
    void stationAdded(int index);
    void rowsChanged();
    void radioFinished(const tlv::LineRecord& record);
    void ended();

  private:
    struct Radio;
    void look();
    void serve(std::size_t index);
    void onWritten(std::size_t index);
    void onReadBack(std::size_t index);
    void finishRadio(std::size_t index, bool done, const std::string& cause,
                     const std::string& verification);
    void setState(std::size_t index, StationState state, int percent = 0);
    std::string deviceBehind(const std::string& name) const;
    void watchFolders();
    void endWhenIdle();

    std::vector<Unit> units_;
    LineRows rows_;
    LineOptions options_;
    std::vector<Station> stations_;
    std::vector<std::unique_ptr<Radio>> radios_;  // one per station, while it is served
    std::vector<std::unique_ptr<Radio>> retired_; // finished radios, freed on the next look
    std::set<std::string> machineAtStart_;        // watching the machine: devices already there
    QTimer poll_;
    QFileSystemWatcher folders_;
    bool running_ = false;
    bool stopping_ = false;
};

} // namespace tlv
