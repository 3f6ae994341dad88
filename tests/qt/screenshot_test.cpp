// Renders the main window offscreen into PNG files for a person to look at: the window as it
// starts, enlarged, and locked in service mode. The folder comes from TLV_SCREENSHOT_DIR, or
// "screenshots" in the current folder.
#include "FixedClock.h"
#include "ScriptedMessageBox.h"
#include "editor/gui/Form1.h"

#include <QDir>
#include <QPixmap>
#include <QTableWidget>
#include <QtTest>

using namespace tlv;

class ScreenshotTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const QString configured = qEnvironmentVariable("TLV_SCREENSHOT_DIR");
        folder_ = configured.isEmpty() ? QDir::current().filePath("screenshots") : configured;
        QVERIFY(QDir().mkpath(folder_));
    }

    void mainWindow() { shoot("Form1.png", {}); }

    void mainWindowEnlarged() { shoot("Form1-enlarged.png", QSize(1100, 620)); }

    void mainWindowWithChannelsLockedInServiceMode() {
        shoot("Form1-channels-locked.png", {}, [](Form1& form) {
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

  private:
    template <typename Prepare = void (*)(Form1&)>
    void shoot(
        const QString& name, QSize size, Prepare prepare = [](Form1&) {}) {
        EditorState state;
        test::ScriptedMessageBox box;
        test::FixedClock clock;
        AppServices services{&box, &clock};
        Form1 form(state, services);
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

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
