// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorState.h"
#include "qt/BackupLocation.h"
#include "qt/ParameterLocation.h"
#include "qt/QtLanguageRequestStore.h"
#include "window/files/QtFileDialogService.h"
#include "window/language/QtMessageBox.h"
#include "window/main/AppServices.h"
#include "window/main/ApplicationIdentity.h"
#include "window/main/MainWindow.h"
#include "window/main/QtClock.h"

#include "StartupProbe.h"
#include "help/ProgramVersion.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Usage: tlv6200 [--help | --version] [Qt options]\n"
    "\n"
    "Edits the memory of the TLV6200 16-channel handheld radio in a window, reads it\n"
    "from and writes it into the radio over the serial programming cable, and keeps\n"
    "it in .DAT channel data files.\n"
    "\n"
    "  -h, --help     print this help and end\n"
    "  --version      print the version and end\n"
    "\n"
    "Other options go to Qt (for example -platform offscreen). The window needs a\n"
    "display; tlv6200-cli does the same work from a terminal or a script.\n"
    "More: man tlv6200, and the user manual (F1 in the program).\n";

// What Qt says while it connects to the window system, kept until it is known whether a window
// can open at all: Qt ends a program it cannot give a display with a fatal message (and an
// abort), which becomes one clear line and exit code 1.
std::vector<std::pair<QtMsgType, std::string>> startMessages;
QtMessageHandler qtHandler = nullptr;

void KeepStartMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("tlv6200: no display to open the window on (DISPLAY or WAYLAND_DISPLAY); "
                   "tlv6200-cli works without one\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    startMessages.emplace_back(type, text.toStdString());
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered before any window system is needed, as command-line tools do.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tlv6200 %s\n", tlv::kProgramVersion);
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    qtHandler = qInstallMessageHandler(KeepStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    // The window opens: what Qt said on the way is told as it would have been.
    for (const auto& [type, text] : startMessages)
        qtHandler(type, QMessageLogContext(), QString::fromStdString(text));
    startMessages.clear();
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
    tlv::SetApplicationIcon(&window);
    tlv::StartupProbe::watch(window);
    return app.exec();
}
