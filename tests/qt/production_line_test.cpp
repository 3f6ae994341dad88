// SPDX-License-Identifier: GPL-3.0-or-later
// Programming > Production line, used as a person at the bench does: files typed in, Start
// clicked, a simulated radio on a pseudo-terminal written with its own row; a bad units list
// names row and column and touches no radio.
#include "CliProcess.h"
#include "TemporaryFolder.h"
#include "WindowFixture.h"
#include "document/EditorImage.h"
#include "editor/Startup.h"
#include "window/line/ProductionLineWindow.h"
#include "window/main/MainWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace tlv;
namespace name = production_line_names;

namespace {

struct Bench : test::PortlessWindow {
    test::TemporaryFolder files;
    ProductionLineWindow* window = nullptr;

    Bench() {
        ::setenv("XDG_DATA_HOME", files.file("data").c_str(), 1);
        EditorState base = MakeStartupEditor(Language::English);
        SaveDataFile(files.file("base.DAT"), base.radio());
        ui.action(mainwindow_names::EnglishAction)->trigger();
        ui.action("productionLineAction")->trigger();
        window = form.findChild<ProductionLineWindow*>();
    }
    template <typename Widget> Widget* control(const char* objectName) const {
        return window->findChild<Widget*>(QString::fromLatin1(objectName));
    }
    // Types the files and the port, as the user does, and clicks Start.
    void start(const std::string& units, const std::string& port) {
        test::WriteBytes(files.file("units.csv"), units);
        QTest::keyClicks(control<QLineEdit>(name::BaseFile),
                         QString::fromStdString(files.file("base.DAT")));
        QTest::keyClicks(control<QLineEdit>(name::UnitsFile),
                         QString::fromStdString(files.file("units.csv")));
        QTest::keyClicks(control<QLineEdit>(name::Ports), QString::fromStdString(port));
        QTest::keyClicks(control<QLineEdit>(name::LogFile),
                         QString::fromStdString(files.file("log.csv")));
        control<QCheckBox>(name::Watch)->setChecked(false);
        QTest::mouseClick(control<QPushButton>(name::Start), Qt::LeftButton);
    }
    QString rowState(int row) const {
        const QTableWidgetItem* item = control<QTableWidget>(name::UnitsTable)->item(row - 1, 0);
        return item ? item->text() : QString();
    }
};

} // namespace

class ProductionLineTest : public QObject {
    Q_OBJECT
  private slots:
    void aRadioIsWrittenWithItsRowAndTheWindowSaysSo() {
        Bench bench;
        QVERIFY(bench.window);
        QVERIFY(bench.window->isVisible());
        test::SimulatedRadio radio({"--save", bench.files.file("radio.DAT")});
        bench.start("IdCode,embeddedTexts[0]\n101,UNIT 1\n102,UNIT 2\n", radio.device());
        auto* stations = bench.control<QTableWidget>(name::Stations);
        QTRY_COMPARE_WITH_TIMEOUT(stations->item(0, 1) ? stations->item(0, 1)->text() : QString(),
                                  QStringLiteral("done: row 1"), 15000);
        QCOMPARE(stations->item(0, 0)->text(), radio.path());
        QCOMPARE(bench.rowState(1), QStringLiteral("done"));
        QCOMPARE(bench.rowState(2), QStringLiteral("next"));
        QCOMPARE(bench.control<QLabel>(name::Counters)->text(),
                 QStringLiteral("done 1, failed 0, left 1"));
        QVERIFY(bench.control<QPlainTextEdit>(name::Log)->toPlainText().contains(
            QStringLiteral("row 1  IdCode=101 embeddedTexts[0]=\"UNIT 1\"  done")));
        QTRY_VERIFY(bench.control<QPushButton>(name::Start)->isEnabled());
        QVERIFY(radio.waitSaved());
        EditorState written = MakeStartupEditor(Language::English);
        QCOMPARE(LoadDataFile(bench.files.file("radio.DAT"), written).status, LoadStatus::Loaded);
        QCOMPARE(written.radio().codes.idCode, std::string("101"));
        QCOMPARE(written.radio().embeddedTexts[0], std::string("UNIT 1"));
        QVERIFY(test::ReadBytes(bench.files.file("log.csv")).find(",1,") != std::string::npos);
    }

    void aBadUnitsListNamesRowAndColumnAndTouchesNoRadio() {
        Bench bench;
        test::SimulatedRadio radio({"--save", bench.files.file("radio.DAT")});
        bench.start("IdCode\n101\n12345678901\n", radio.device());
        QVERIFY(bench.control<QPlainTextEdit>(name::Log)->toPlainText().contains(
            QStringLiteral("row 2, column IdCode: text too long (at most 10 characters)")));
        QVERIFY(bench.control<QPushButton>(name::Start)->isEnabled());
        QVERIFY(!radio.waitForSaves(1, 300));
    }
};

QTEST_MAIN(ProductionLineTest)
#include "production_line_test.moc"
