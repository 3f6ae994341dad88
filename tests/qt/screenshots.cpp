// Renders the main window offscreen into PNG files for a person to look at and for the user
// manual and the software centres: the window with a few channels in the three languages, as it
// starts (enlarged), locked in service mode, and each dialog. Files in Simplified Chinese are
// named after the window ("main-window.png"), the others carry "-english" or "-traditional".
// The folder comes from TLV_SCREENSHOT_DIR, or "screenshots" in the current folder.
#include "FixedClock.h"
#include "ScriptedMessageBox.h"
#include "dialogs/gui/EmbeddedTextsDialog.h"
#include "dialogs/gui/KeysDialog.h"
#include "dialogs/gui/OptionalFunctionsDialog.h"
#include "dialogs/gui/PowerLevelDialog.h"
#include "dialogs/gui/TestFrequencyDialog.h"
#include "editor/gui/MainWindow.h"
#include "help/gui/AboutDialog.h"
#include "link/gui/PortDialog.h"
#include "link/gui/RadioLinkWiring.h"

#include <QDir>
#include <QPixmap>
#include <QTableWidget>
#include <QtTest>

using namespace tlv;

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
            auto& table = form.state().table;
            const char* rows[][8] = {
                {"438.12500", "关闭", "438.12500", "关闭", "高", "关闭", "宽带", "有"},
                {"446.00625", "67.0", "446.00625", "67.0", "低", "关闭", "窄带", "有"},
                {"462.56250", "D023N", "467.56250", "D023I", "高", "载波", "宽带", "无"},
            };
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 8; ++c)
                    table.at(r + 1, c + 1) = rows[r][c];
            form.state().editingLock = true;
            form.refreshFromState();
            form.serviceModeOn();
        });
    }

    void mainWindowInEnglish() {
        shoot("main-window-english.png", {}, [](MainWindow& form) {
            addSampleChannels(form);
            form.englishAction->trigger();
        });
    }

    void mainWindowInTraditionalChinese() {
        shoot("main-window-traditional.png", {}, [](MainWindow& form) {
            addSampleChannels(form);
            form.traditionalChineseAction->trigger();
        });
    }

    void dialogs() { shootDialogs(""); }

    void dialogsInEnglish() {
        shootDialogs("-english", [](MainWindow& form) { form.englishAction->trigger(); });
    }

    void dialogsInTraditionalChinese() {
        shootDialogs("-traditional",
                     [](MainWindow& form) { form.traditionalChineseAction->trigger(); });
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
        state.table.at(1, 1) = "446.00625";
        state.testFrequencies.grid[1][1] = "446.00625";
        state.testFrequencies.grid[1][2] = "446.00625";
        state.testFrequencies.grid[2][1] = "438.12500";
        state.testFrequencies.grid[2][2] = "433.12500";
        state.embeddedTexts.firstText = "TLV6200 HANDHELD";
        state.embeddedTexts.secondText = "CH1 446.00625";
        state.optionalFunctions.scanRxResumeDelay = "5";
        state.optionalFunctions.scanTxResumeDelay = "3";
        form.refreshFromState();
        form.serviceModeOn();
        prepare(form);
        const std::array<std::pair<QWidget*, const char*>, 7> windows{{
            {form.radioLink()->portDialog(), "port"},
            {form.powerLevelDialog, "power-levels"},
            {form.testFrequencyDialog, "test-frequencies"},
            {form.optionalFunctionsDialog, "optional-functions"},
            {form.keysDialog, "keys"},
            {form.embeddedTextsDialog, "embedded-texts"},
            {form.aboutDialog, "about"},
        }};
        for (const auto& [window, name] : windows)
            save(window, QString::fromLatin1(name) + QLatin1String(suffix) + ".png");
    }

    void save(QWidget* window, const QString& name) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        const QPixmap picture = window->grab();
        QVERIFY(!picture.isNull());
        const QString path = QDir(folder_).filePath(name);
        QVERIFY2(picture.save(path, "PNG"), qPrintable(path));
        qInfo("%s", qPrintable(path));
    }

    // Three channels in use, written as the editor writes them in Simplified Chinese.
    static void addSampleChannels(MainWindow& form) {
        EditorState& state = form.state();
        const char* rows[][8] = {
            {"438.12500", "关闭", "438.12500", "关闭", "高", "关闭", "宽带", "有"},
            {"446.00625", "67.0", "446.00625", "67.0", "低", "关闭", "窄带", "有"},
            {"462.56250", "D023N", "467.56250", "D023I", "高", "载波", "宽带", "无"},
        };
        const int positions[][4] = {{1, 0, 1, 1}, {0, 0, 0, 1}, {1, 1, 1, 0}};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 8; ++c)
                state.table.at(r + 1, c + 1) = rows[r][c];
            for (int c = 5; c <= 8; ++c)
                state.optionIndex.at(r + 1, c) = static_cast<int16_t>(positions[r][c - 5]);
        }
        form.refreshFromState();
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
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
        const QPixmap picture = form.grab();
        QVERIFY(!picture.isNull());
        const QString path = QDir(folder_).filePath(name);
        QVERIFY2(picture.save(path, "PNG"), qPrintable(path));
        qInfo("%s", qPrintable(path));
    }

    QString folder_;
};

QTEST_MAIN(Screenshots)
#include "screenshots.moc"
