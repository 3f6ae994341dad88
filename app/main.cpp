// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorState.h"
#include "editor/gui/AppServices.h"
#include "editor/gui/ApplicationIdentity.h"
#include "editor/gui/MainWindow.h"
#include "editor/gui/QtClock.h"
#include "editor/qt/ParameterLocation.h"
#include "image/gui/QtFileDialogService.h"
#include "image/qt/BackupLocation.h"
#include "localisation/gui/QtMessageBox.h"
#include "localisation/qt/QtLanguageRequestStore.h"

#include "StartupProbe.h"
#include "help/ProgramVersion.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before any window system is needed, as command-line tools do.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tlv6200 %s\n", tlv::kProgramVersion);
        return 0;
    }
    QApplication app(argc, argv);
    tlv::SetApplicationIdentity();

    tlv::EditorState state;
    tlv::QtClock clock;
    tlv::QtMessageBox messageBox([&state] { return state.language(); });
    tlv::AppServices services;
    services.msgBox = &messageBox;
    services.clock = &clock;
    tlv::QtLanguageRequestStore languageRequest;
    services.languageRequest = &languageRequest;
    tlv::QtFileDialogService fileDialogs;
    fileDialogs.setLanguage([&state] { return state.language(); });
    services.fileDialogs = &fileDialogs;
    services.settingsFolder = tlv::ParameterFolder();
    services.backupFolder = tlv::BackupFolder();

    tlv::MainWindow window(state, services);
    messageBox.setOwner(&window);
    fileDialogs.setParent(&window);
    // Closing the main window ends the program, also when a window without an owner is open.
    QObject::connect(&window, &tlv::MainWindow::unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    tlv::StartupProbe::watch(window);
    return app.exec();
}
