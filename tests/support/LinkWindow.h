// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window with its radio link, over simulated radios on pseudo-terminals named in a
// "ports" file of the test's own folder.
#include "CliProcess.h"
#include "GoldenImage.h"
#include "WindowFixture.h"
#include "qt/TransferController.h"
#include "window/link/PortDialog.h"
#include "window/link/RadioLinkWiring.h"
#include "window/main/MainWindow.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace tlv::test {

using Sim = SimulatedRadio;

inline void WritePorts(const QTemporaryDir& dir, const QString& text) {
    WriteBytes(dir.filePath(QStringLiteral("ports")).toStdString(), text.toStdString());
}

// A "ports" file naming all twenty numbers: the given devices first, then devices that do not
// exist, so that the machine's own ports take no number.
inline void WriteOnlyPorts(const QTemporaryDir& dir, const QStringList& devices) {
    QString text;
    for (int n = 1; n <= 20; ++n) {
        const QString device =
            n <= devices.size() ? devices[n - 1] : QStringLiteral("/dev/nonexistent-tlv-%1").arg(n);
        text += QStringLiteral("COM%1=%2\n").arg(n).arg(device);
    }
    WritePorts(dir, text);
}

struct LinkWindow : WindowServices {
    // A main window whose parameter and ports files are in `folder`.
    explicit LinkWindow(const QString& folder, const QString& backups = {}) {
        services.settingsFolder = folder.toStdString();
        services.backupFolder = backups.toStdString();
        form = std::make_unique<MainWindow>(state, services);
        ui = std::make_unique<MainWindowControls>(*form);
        // The ports are looked at once the program waits for events.
        QTRY_VERIFY(radioLink()->portsLookedAt());
    }
    // The same with `radio` as its only port, COM1, picked in the port window.
    LinkWindow(const QTemporaryDir& dir, const Sim& radio, const QString& backups = {})
        : LinkWindow((WritePorts(dir, "COM1=" + radio.path()), dir.path()), backups) {
        radioLink()->portDialog()->onPortPicked(0);
        ended =
            std::make_unique<QSignalSpy>(&radioLink()->transfer(), &TransferController::finished);
    }
    TransferOutcome outcome(int transfer) const {
        return ended->at(transfer).at(0).value<TransferOutcome>();
    }
    RadioLinkWiring* radioLink() const { return form->findChild<RadioLinkWiring*>(); }
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MainWindowControls> ui;
    std::unique_ptr<QSignalSpy> ended;
};

} // namespace tlv::test
