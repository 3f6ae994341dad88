// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt file dialogs of the channel data files: filter, overwrite question and cancel.
#include "TemporaryFolder.h"
#include "window/files/QtFileDialogService.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace tlv;

namespace {

// Runs `action` on the modal dialog once it is up.
void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
        } else {
            WhenModal(action);
        }
    });
}

} // namespace

class FileDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void openFilterMatchesTheExtensionInAnyCase() {
        test::TemporaryFolder folder;
        for (const char* name : {"a.DAT", "b.dat", "c.Dat", "d.txt", "eDAT"})
            test::WriteBytes(folder.file(name), "x");
        QFileDialog dialog;
        QtFileDialogService::Configure(dialog, false);
        QCOMPARE(dialog.nameFilters(), QStringList{"TLV6200(*.DAT)"});
        dialog.setDirectory(QString::fromStdString(folder.path().string()));
        dialog.show();

        auto* view = dialog.findChild<QAbstractItemView*>("listView");
        QVERIFY(view);
        auto shown = [&] {
            QSet<QString> names;
            QModelIndex root = view->rootIndex();
            for (int row = 0; row < view->model()->rowCount(root); ++row)
                names << view->model()->index(row, 0, root).data().toString();
            return names;
        };
        QTRY_COMPARE(shown(), (QSet<QString>{"a.DAT", "b.dat", "c.Dat"}));
    }

    void saveReturnsThePathWithoutAskingItself() {
        test::TemporaryFolder folder;
        QString existing = QString::fromStdString(folder.file("old.DAT"));
        test::WriteBytes(folder.file("old.DAT"), "x");
        bool dialogAsked = false;
        WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            // A question of the dialog's own would come up inside accept().
            auto* watch = new QTimer(dialog);
            QObject::connect(watch, &QTimer::timeout, [&] {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    auto* box = qobject_cast<QMessageBox*>(widget);
                    if (box && box->isVisible()) {
                        dialogAsked = true;
                        box->reject();
                    }
                }
            });
            watch->start(50);
            dialog->selectFile(existing);
            QMetaObject::invokeMethod(dialog, "accept");
            if (dialog->isVisible()) dialog->reject(); // refused by a question of its own
        });
        QtFileDialogService service;
        std::optional<std::string> path = service.ShowSave();
        QVERIFY(!dialogAsked);
        QVERIFY(path.has_value());
        QCOMPARE(QString::fromStdString(*path), existing);
    }

    // The import dialog is titled for an import in the language in force, not "Open".
    void importAndExportAreTitledSo() {
        Language language = Language::English;
        QtFileDialogService service;
        service.setLanguage([&language] { return language; });
        QString title;
        const auto closeAndKeepTitle = [&title](QWidget* modal) {
            title = modal->windowTitle();
            modal->close();
        };
        WhenModal(closeAndKeepTitle);
        QVERIFY(!service.ShowOpenFor(FileKind::Exchange).has_value());
        QCOMPARE(title, QStringLiteral("Import"));
        language = Language::Traditional;
        WhenModal(closeAndKeepTitle);
        service.ShowSaveFor(FileKind::Exchange);
        QCOMPARE(title, QString::fromUtf8("導出"));
    }

    void cancelGivesNothing() {
        QtFileDialogService service;
        WhenModal([](QWidget* modal) { modal->close(); });
        QVERIFY(!service.ShowOpen().has_value());
        WhenModal([](QWidget* modal) { modal->close(); });
        QVERIFY(!service.ShowSave().has_value());
    }
};

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
