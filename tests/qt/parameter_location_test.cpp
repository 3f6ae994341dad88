// Where the parameter file goes: the program's folder when it can be written.
#include "TemporaryFolder.h"
#include "Unprivileged.h"
#include "editor/qt/ParameterLocation.h"

#include <QCoreApplication>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tlv;

class ParameterLocationTest : public QObject {
    Q_OBJECT
  private slots:
    void writableProgramFolderIsUsed() {
        test::TemporaryFolder program;
        QCOMPARE(ChooseParameterFolder(program.path().string(), "/config"),
                 program.path().string());
    }

    void otherwiseTheUserConfigurationFolder() {
        test::TemporaryFolder program;
        QCOMPARE(ChooseParameterFolder(program.file("missing"), "/config"), std::string("/config"));
        QCOMPARE(ChooseParameterFolder("", "/config"), std::string("/config"));
        // A folder the user may not write, as an unprivileged user even under the superuser.
        QVERIFY(test::RunUnprivileged(
            [&] {
                ::chmod(program.path().c_str(), 0555);
                return ChooseParameterFolder(program.path().string(), "/config") == "/config";
            },
            {program.path()}));
    }

    void pathIsTheParameterFileInTheChosenFolder() {
        QString path = QString::fromStdString(ParameterFilePath());
        QVERIFY(path.endsWith("/parameter"));
        QCOMPARE(QString::fromStdString(ParameterFolder()) + "/parameter", path);
    }
};

QTEST_GUILESS_MAIN(ParameterLocationTest)
#include "parameter_location_test.moc"
