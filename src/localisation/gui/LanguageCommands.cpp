#include "localisation/gui/LanguageCommands.h"

#include "editor/gui/MainWindow.h"
#include "localisation/LanguageSwitch.h"
#include "localisation/gui/ConvertFormToTraditional.h"
#include "localisation/gui/GridHeaderAccess.h"
#include "localisation/gui/QtCaptionTarget.h"
#include "localisation/gui/QtTranslations.h"
#include "localisation/gui/WindowControls.h"

#include <QTableWidget>

namespace tlv {

namespace {

// The program's windows as the main window sees them: itself, the windows it owns, then any
// other top-level window of that name.
QWidget* findWindow(MainWindow& form, const QString& name) {
    if (name == form.objectName()) return &form;
    for (QWidget* child : form.findChildren<QWidget*>(name))
        if (child->isWindow()) return child;
    return FindWindowByName(name);
}

// The channel table shows row 0 of the editor's table as its header row.
void attachChannelTableHeader(MainWindow& form) {
    SetGridHeaderAccess(
        form.channelTable,
        {[] { return kTableCols; },
         [&form](int column) { return QString::fromStdString(form.state().table.at(0, column)); },
         [&form](int column, const QString& text) {
             form.state().table.at(0, column) = text.toStdString();
             if (QTableWidgetItem* item = form.channelTable->item(0, column)) item->setText(text);
         }});
}

class MainWindowLanguageHost : public LanguageHost {
  public:
    explicit MainWindowLanguageHost(MainWindow& form)
        : form_(form), target_([&form](const QString& name) { return findWindow(form, name); }) {
        attachChannelTableHeader(form);
    }
    CaptionTarget& captions() override { return target_; }
    void convertToTraditional(std::string_view window) override {
        ConvertFormToTraditional(
            findWindow(form_, QString::fromUtf8(window.data(), qsizetype(window.size()))));
    }
    void showState() override { form_.refreshFromState(); }

  private:
    MainWindow& form_;
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

void ApplyCaptionsToWindow(QWidget* window, int languageState) {
    if (window == nullptr) return;
    WindowLanguageHost host(window);
    ApplyWindowLanguage(window->objectName().toStdString(), languageState, host);
}

void ApplyStartupCaptions(MainWindow& form) {
    MainWindowLanguageHost host(form);
    ApplyStartupLanguage(form.state(), host);
    UseQtTranslations(form.state().languageState);
}

bool SwitchLanguage(MainWindow& form, int languageState) {
    MainWindowLanguageHost host(form);
    const bool switched = ChooseLanguage(form.state(), languageState, host);
    UseQtTranslations(form.state().languageState);
    return switched;
}

} // namespace tlv
