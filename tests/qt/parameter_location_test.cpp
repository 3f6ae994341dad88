// SPDX-License-Identifier: GPL-3.0-or-later
// Where the parameter file goes: the program's folder of a build tree when it can be written, the
// per-user configuration folder for an installed program.
#include "TemporaryFolder.h"
#include "Unprivileged.h"
#include "qt/ParameterLocation.h"

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
        QCOMPARE(ChooseParameterFolder(program.path().string(), "/config", false),
                 program.path().string());
    }

    void installedProgramUsesTheUserConfigurationFolderEvenWhenItCouldWrite() {
        test::TemporaryFolder program;
        QCOMPARE(ChooseParameterFolder(program.path().string(), "/config", true),
                 std::string("/config"));
    }

    void otherwiseTheUserConfigurationFolder() {
        test::TemporaryFolder program;
        QCOMPARE(ChooseParameterFolder(program.file("missing"), "/config", false),
                 std::string("/config"));
        QCOMPARE(ChooseParameterFolder("", "/config", false), std::string("/config"));
        // A folder the user may not write, as an unprivileged user even under the superuser.
        QVERIFY(test::RunUnprivileged(
            [&] {
                ::chmod(program.path().c_str(), 0555);
                return ChooseParameterFolder(program.path().string(), "/config", false) ==
                       "/config";
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
