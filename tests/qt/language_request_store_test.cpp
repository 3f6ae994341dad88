// SPDX-License-Identifier: GPL-3.0-or-later
// The one-shot language request in the per-user settings, read through the real QSettings
// store in a private settings folder.
#include "language/StartupLanguage.h"
#include "qt/QtLanguageRequestStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace tlv;

class LanguageRequestStoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString file() const { return folder.path() + "/TLV6200/TLV6200.conf"; }
    // What an installer writes.
    void request(const QVariant& value) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "TLV6200", "TLV6200");
        settings.setValue("Languages", value);
    }
    bool stillRequested() const {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "TLV6200", "TLV6200");
        return settings.contains("Languages");
    }

  private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    }
    void cleanup() { QDir(folder.path() + "/TLV6200").removeRecursively(); }

    void requestsAreReadOnceAndRemoved_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("removed");
        QTest::newRow("english") << QVariant("english") << 0 << 1 << true;
        QTest::newRow("chinesetrad") << QVariant("chinesetrad") << 1 << 2 << true;
        QTest::newRow("English") << QVariant("English") << 2 << 0 << true;
        QTest::newRow("number") << QVariant(5) << 1 << 0 << true;
        QTest::newRow("empty") << QVariant("") << 2 << 2 << false;
    }
    void requestsAreReadOnceAndRemoved() {
        QFETCH(QVariant, value);
        QFETCH(int, saved);
        QFETCH(int, expected);
        QFETCH(bool, removed);
        request(value);
        QtLanguageRequestStore store;
        QCOMPARE(LanguageCode(LoadStartupLanguage(store, saved)), expected);
        QCOMPARE(stillRequested(), !removed);
        // The next start has no request any more (or still the empty one).
        QCOMPARE(LanguageCode(LoadStartupLanguage(store, expected)), expected);
    }

    void anInstallersFileIsUnderstood() {
        QDir().mkpath(folder.path() + "/TLV6200");
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("[General]\nLanguages=chinesetrad\n");
        out.close();
        QtLanguageRequestStore store;
        QCOMPARE(LanguageCode(LoadStartupLanguage(store, 0)), 2);
        QVERIFY(!stillRequested());
    }

    void aMissingStoreIsNotCreated() {
        QVERIFY(!QFile::exists(file()));
        QtLanguageRequestStore store;
        QCOMPARE(LanguageCode(LoadStartupLanguage(store, 2)), 2);
        QCOMPARE(LanguageCode(LoadStartupLanguage(store, 1)), 1);
        QVERIFY(!QFile::exists(file()));
        QVERIFY(!QDir(folder.path() + "/TLV6200").exists());
    }
};

QTEST_MAIN(LanguageRequestStoreTest)
#include "language_request_store_test.moc"
