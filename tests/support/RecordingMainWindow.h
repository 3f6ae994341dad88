#pragma once
// A main window that records which commands of the file menu and the toolbar ran instead of
// running them, so that a test sees what a key or a click reached.
#include "editor/gui/MainWindow.h"

#include <QStringList>

namespace tlv::test {

class RecordingMainWindow : public MainWindow {
  public:
    using MainWindow::MainWindow;
    QStringList ran;
    void onNew() override { ran << "new"; }
    void onOpen() override { ran << "open"; }
    void onSave() override { ran << "save"; }
    void onRead() override { ran << "read"; }
    void onWrite() override { ran << "write"; }
    void onServiceButton() override { ran << "service"; }
};

} // namespace tlv::test
