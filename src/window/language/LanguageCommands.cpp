// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language/LanguageCommands.h"

#include "texts/LanguageSwitch.h"
#include "window/language/ConvertFormToTraditional.h"
#include "window/language/QtCaptionTarget.h"
#include "window/language/QtTranslations.h"
#include "window/language/WindowControls.h"
#include "window/main/EditorModel.h"

#include <QWidget>

namespace tlv {

namespace {

// The program's windows as the main window sees them: itself, the windows it owns, then any
// other top-level window of that name.
QWidget* findWindow(QWidget& mainWindow, const QString& name) {
    if (name == mainWindow.objectName()) return &mainWindow;
    for (QWidget* child : mainWindow.findChildren<QWidget*>(name))
        if (child->isWindow()) return child;
    return FindWindowByName(name);
}

class MainWindowLanguageHost : public LanguageHost {
  public:
    MainWindowLanguageHost(QWidget& mainWindow, EditorModel& model)
        : mainWindow_(mainWindow), model_(model),
          target_([&mainWindow](const QString& name) { return findWindow(mainWindow, name); }) {}
    CaptionTarget& captions() override { return target_; }
    void convertToTraditional(std::string_view window) override {
        ConvertFormToTraditional(
            findWindow(mainWindow_, QString::fromUtf8(window.data(), qsizetype(window.size()))));
    }
    void showState() override { model_.refresh(); }

  private:
    QWidget& mainWindow_;
    EditorModel& model_;
    QtCaptionTarget target_;
};

// One window alone.
class WindowLanguageHost : public LanguageHost {
  public:
    explicit WindowLanguageHost(QWidget* window)
        : window_(window), target_([window](const QString& name) {
              return name == window->objectName() ? window : nullptr;
          }) {}
    CaptionTarget& captions() override { return target_; }
    void convertToTraditional(std::string_view) override { ConvertFormToTraditional(window_); }
    void showState() override {}

  private:
    QWidget* window_;
    QtCaptionTarget target_;
};

} // namespace

void ApplyCaptionsToWindow(QWidget* window, Language language) {
    if (window == nullptr) return;
    WindowLanguageHost host(window);
    ApplyWindowLanguage(window->objectName().toStdString(), language, host);
}

void ApplyStartupCaptions(QWidget& mainWindow, EditorModel& model) {
    MainWindowLanguageHost host(mainWindow, model);
    ApplyStartupLanguage(model.state(), host);
    UseQtTranslations(model.language());
}

bool SwitchLanguage(QWidget& mainWindow, EditorModel& model, Language language) {
    MainWindowLanguageHost host(mainWindow, model);
    const bool switched = ChooseLanguage(model.state(), language, host);
    UseQtTranslations(model.language());
    return switched;
}

} // namespace tlv
