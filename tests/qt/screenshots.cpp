// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window offscreen into PNG files for a person to look at and for the user
// manual and the software centres: the window with a few channels in the three languages, as it
// starts (enlarged), locked in service mode, and each dialog. Files in Simplified Chinese are
// named after the window ("main-window.png"), the others carry "-english" or "-traditional".
// The folder comes from TLV_SCREENSHOT_DIR, or "screenshots" in the current folder.
#include "FixedClock.h"
#include "MainWindowControls.h"
#include "ScriptedMessageBox.h"
#include "window/dialogs/EmbeddedTextsDialog.h"
#include "window/dialogs/KeysDialog.h"
#include "window/dialogs/OptionalFunctionsDialog.h"
#include "window/dialogs/PowerLevelDialog.h"
#include "window/dialogs/TestFrequencyDialog.h"
#include "window/help/AboutDialog.h"
#include "window/link/PortDialog.h"

#include <QDir>
#include <QPixmap>
#include <QtTest>

using namespace tlv;
using test::MainWindowControls;
using test::OwnedWindow;

class Screenshots : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const QString configured = qEnvironmentVariable("TLV_SCREENSHOT_DIR");
        folder_ = configured.isEmpty() ? QDir::current().filePath("screenshots") : configured;
        QVERIFY(QDir().mkpath(folder_));
    }

    void mainWindow() { shoot("main-window.png", {}, addSampleChannels); }

    void mainWindowEnlarged() { shoot("main-window-enlarged.png", QSize(1100, 620)); }

    void mainWindowWithChannelsLockedInServiceMode() {
        shoot("main-window-locked-service.png", {}, [](MainWindow& form) {
            addSampleChannels(form);
            form.model().state().session.editingLock = true;
            form.model().refresh();
            form.model().switchServiceModeOn();
        });
    }

    void mainWindowInEnglish() {
        shoot("main-window-english.png", {}, [](MainWindow& form) {
            addSampleChannels(form);
            MainWindowControls(form).englishAction->trigger();
        });
    }

    void mainWindowInTraditionalChinese() {
        shoot("main-window-traditional.png", {}, [](MainWindow& form) {
            addSampleChannels(form);
            MainWindowControls(form).traditionalChineseAction->trigger();
        });
    }

    void dialogs() { shootDialogs(""); }

    void dialogsInEnglish() {
        shootDialogs("-english",
                     [](MainWindow& form) { MainWindowControls(form).englishAction->trigger(); });
    }

    void dialogsInTraditionalChinese() {
        shootDialogs("-traditional", [](MainWindow& form) {
            MainWindowControls(form).traditionalChineseAction->trigger();
        });
    }

  private:
    template <typename Prepare = void (*)(MainWindow&)>
    void shootDialogs(
        const char* suffix, Prepare prepare = [](MainWindow&) {}) {
        EditorState state;
        test::ScriptedMessageBox box;
        test::FixedClock clock;
        AppServices services{&box, &clock};
        MainWindow form(state, services);
        form.finishDeferredBuild();
        state.radio().channel(1).rx = Frequency{44600625};
        auto& grid = state.dialogs.testFrequencies.grid;
        grid[1][1] = "446.00625";
        grid[1][2] = "446.00625";
        grid[2][1] = "438.12500";
        grid[2][2] = "433.12500";
        state.dialogs.embeddedTexts = {"TLV6200 HANDHELD", "CH1 446.00625"};
        // Strings made first and moved in: GCC 12 at -O3 misreads a literal assigned here as an
        // overlapping copy (-Wrestrict).
        state.dialogs.optionalFunctions.scanRxResumeDelay = std::string("5");
        state.dialogs.optionalFunctions.scanTxResumeDelay = std::string("3");
        form.model().refresh();
        form.model().switchServiceModeOn();
        prepare(form);
        const std::array<std::pair<QWidget*, const char*>, 7> windows{{
            {OwnedWindow<PortDialog>(form), "port"},
            {OwnedWindow<PowerLevelDialog>(form), "power-levels"},
            {OwnedWindow<TestFrequencyDialog>(form), "test-frequencies"},
            {OwnedWindow<OptionalFunctionsDialog>(form), "optional-functions"},
            {OwnedWindow<KeysDialog>(form), "keys"},
            {OwnedWindow<EmbeddedTextsDialog>(form), "embedded-texts"},
            {OwnedWindow<AboutDialog>(form), "about"},
        }};
        for (const auto& [window, name] : windows)
            save(window, QString::fromLatin1(name) + QLatin1String(suffix) + ".png");
    }

    void save(QWidget* window, const QString& name) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // The layout settles a moment after the window shows (the panel lists take their
        // width): the picture waits for it, so that every run draws the same pixels.
        QTest::qWait(300);
        const QPixmap picture = window->grab();
        QVERIFY(!picture.isNull());
        const QString path = QDir(folder_).filePath(name);
        QVERIFY2(picture.save(path, "PNG"), qPrintable(path));
        qInfo("%s", qPrintable(path));
    }

    // Three channels in use: tones off, CTCSS and DCS, each option both ways.
    static void addSampleChannels(MainWindow& form) {
        RadioData& radio = form.model().state().radio();
        radio.channel(1) = {Frequency{43812500}, Frequency{43812500}, Tone::Off(),     Tone::Off(),
                            Power::High,         TransmitForbid::Off, Bandwidth::Wide, true};
        radio.channel(2) = {
            Frequency{44600625}, Frequency{44600625}, Tone::Ctcss(670),  Tone::Ctcss(670),
            Power::Low,          TransmitForbid::Off, Bandwidth::Narrow, true};
        radio.channel(3) = {Frequency{46256250},
                            Frequency{46756250},
                            Tone::Dcs(0023, false),
                            Tone::Dcs(0023, true),
                            Power::High,
                            TransmitForbid::OnCarrier,
                            Bandwidth::Wide,
                            false};
        form.model().refresh();
    }

    template <typename Prepare = void (*)(MainWindow&)>
    void shoot(
        const QString& name, QSize size, Prepare prepare = [](MainWindow&) {}) {
        EditorState state;
        test::ScriptedMessageBox box;
        test::FixedClock clock;
        AppServices services{&box, &clock};
        MainWindow form(state, services);
        prepare(form);
        if (size.isValid()) form.resize(size);
        save(&form, name);
    }

    QString folder_;
};

QTEST_MAIN(Screenshots)
#include "screenshots.moc"
