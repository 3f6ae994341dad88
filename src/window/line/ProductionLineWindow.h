// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Programming > Production line: the base file, the units list shown as a table with a state per
// row (done, next, failed), the cables with a state each in large coloured text (waiting for a
// radio, writing n %, verifying, done: row N, failed: cause), the counters, start and stop, and
// the log. The line itself is the ProductionLine the command line runs; the window shows its
// signals. A finished radio is announced with its state in colour and the desktop's beep.
#include "language/Language.h"
#include "line/LineRecord.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace tlv {

class MessageBoxService;
class ProductionLine;

namespace production_line_names {
inline constexpr char Window[] = "ProductionLine";
inline constexpr char BaseFile[] = "baseFile";
inline constexpr char UnitsFile[] = "unitsFile";
inline constexpr char Ports[] = "ports";
inline constexpr char Watch[] = "watch";
inline constexpr char Verify[] = "verify";
inline constexpr char LogFile[] = "logFile";
inline constexpr char Start[] = "start";
inline constexpr char Stop[] = "stop";
inline constexpr char UnitsTable[] = "unitsTable";
inline constexpr char Stations[] = "stations";
inline constexpr char Counters[] = "counters";
inline constexpr char Log[] = "log";
} // namespace production_line_names

class ProductionLineWindow : public QDialog {
    Q_OBJECT
  public:
    // Shown in `language`; `box` answers the band question of a base whose band is not the
    // first and must outlive the window.
    ProductionLineWindow(Language language, MessageBoxService& box, QWidget* parent = nullptr);
    ~ProductionLineWindow() override;

    // Reads and checks the units list against the base; shows the rows, or the errors in the
    // log. True when the line can start.
    bool loadUnits();
    void start();
    void stop();

  private:
    void showRows();
    void showStation(int index);
    void onRadioFinished(const LineRecord& record);
    void onEnded();
    void showCounters();

    Language language_;
    MessageBoxService& box_;
    QLineEdit* baseFile_;
    QLineEdit* unitsFile_;
    QLineEdit* ports_;
    QCheckBox* watch_;
    QCheckBox* verify_;
    QLineEdit* logFile_;
    QPushButton* start_;
    QPushButton* stop_;
    QTableWidget* unitsTable_;
    QTableWidget* stations_;
    QLabel* counters_;
    QPlainTextEdit* log_;
    std::unique_ptr<ProductionLine> line_;
    int failed_ = 0;
};

} // namespace tlv
