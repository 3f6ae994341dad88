// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main/MainMenus.h"

#include "window/language/DesignText.h"
#include "window/main/MainWindowNames.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace tlv {

namespace {

namespace name = mainwindow_names;

QString designCaption(std::string_view control) {
    return DesignText(name::Window, control);
}

QAction* makeAction(QObject* parent, const char* objectName) {
    auto* action = new QAction(designCaption(objectName), parent);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QMenu* makeMenu(QMenuBar* bar, const char* objectName) {
    QMenu* menu = bar->addMenu(designCaption(objectName));
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QList<QKeySequence> standardKeys(QKeySequence::StandardKey key) {
    return QKeySequence::keyBindings(key);
}

void buildFileMenu(QMainWindow& window, MainMenus& m) {
    m.file = makeMenu(window.menuBar(), name::FileMenu);
    m.newFile = makeAction(&window, name::NewAction);
    m.open = makeAction(&window, name::OpenAction);
    m.save = makeAction(&window, name::SaveAction);
    m.quit = makeAction(&window, name::QuitAction);
    m.newFile->setShortcut(QKeySequence::New);
    m.open->setShortcut(QKeySequence::Open);
    m.save->setShortcut(QKeySequence::Save);
    // Quit has no standard key under every keyboard scheme (Windows' has none): Ctrl+Q then.
    m.quit->setShortcuts(QKeySequence::Quit);
    if (m.quit->shortcuts().isEmpty()) m.quit->setShortcut(Qt::CTRL | Qt::Key_Q);
    m.importFile = makeAction(&window, name::ImportAction);
    m.exportFile = makeAction(&window, name::ExportAction);
    m.print = makeAction(&window, name::PrintAction);
    m.print->setShortcut(QKeySequence::Print);
    m.exportPdf = makeAction(&window, name::ExportPdfAction);
    m.file->addAction(m.newFile);
    m.file->addAction(m.open);
    m.file->addAction(m.save);
    m.file->addSeparator();
    m.file->addAction(m.importFile);
    m.file->addAction(m.exportFile);
    m.file->addSeparator();
    m.file->addAction(m.print);
    m.file->addAction(m.exportPdf);
    m.file->addSeparator();
    m.file->addAction(m.quit);
}

// Undo and Redo work anywhere in the window; the row commands only while the channel table has
// the focus (an in-cell editor keeps its own keys for its text).
void buildEditMenu(QMainWindow& window, MainMenus& m) {
    m.edit = makeMenu(window.menuBar(), name::EditMenu);
    const auto add = [&](QAction*& action, const char* objectName, const QList<QKeySequence>& keys,
                         bool tableOnly) {
        action = makeAction(&window, objectName);
        action->setShortcuts(keys);
        if (tableOnly) action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m.edit->addAction(action);
    };
    add(m.undo, name::UndoAction, standardKeys(QKeySequence::Undo), false);
    // Ctrl+Y as well, which spreadsheet users reach for whatever the desktop's own Redo key is.
    QList<QKeySequence> redoKeys = standardKeys(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y);
    add(m.redo, name::RedoAction, redoKeys, false);
    m.edit->addSeparator();
    add(m.cut, name::CutAction, standardKeys(QKeySequence::Cut), true);
    add(m.copy, name::CopyAction, standardKeys(QKeySequence::Copy), true);
    add(m.paste, name::PasteAction, standardKeys(QKeySequence::Paste), true);
    m.edit->addSeparator();
    add(m.selectAllChannels, name::SelectAllChannelsAction, standardKeys(QKeySequence::SelectAll),
        true);
    add(m.deleteChannels, name::DeleteChannelsAction, {QKeySequence(Qt::Key_Delete)}, true);
    add(m.insertChannel, name::InsertChannelAction, {QKeySequence(Qt::Key_Insert)}, true);
    add(m.moveUp, name::MoveUpAction, {QKeySequence(Qt::CTRL | Qt::Key_Up)}, true);
    add(m.moveDown, name::MoveDownAction, {QKeySequence(Qt::CTRL | Qt::Key_Down)}, true);
}

void buildProgrammingMenu(QMainWindow& window, MainMenus& m) {
    m.programming = makeMenu(window.menuBar(), name::ProgrammingMenu);
    m.read = makeAction(&window, name::ReadAction);
    m.read->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m.write = makeAction(&window, name::WriteAction);
    m.write->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    m.optionalFunctions = makeAction(&window, name::OptionalFunctionsAction);
    m.keys = makeAction(&window, name::KeysAction);
    m.embeddedTexts = makeAction(&window, name::EmbeddedTextsAction);
    m.powerLevels = makeAction(&window, name::PowerLevelsAction);
    m.testFrequencies = makeAction(&window, name::TestFrequenciesAction);
    m.programming->addAction(m.read);
    m.programming->addAction(m.write);
    m.programming->addSeparator();
    for (QAction* item :
         {m.optionalFunctions, m.keys, m.embeddedTexts, m.powerLevels, m.testFrequencies})
        m.programming->addAction(item);
    // Programming > Production line: a window of its own, with no designer caption.
    m.programming->addSeparator();
    m.productionLine = new QAction(&window);
    m.productionLine->setObjectName(QStringLiteral("productionLineAction"));
    m.programming->addAction(m.productionLine);
}

void buildSettingsMenu(QMainWindow& window, MainMenus& m) {
    m.settings = makeMenu(window.menuBar(), name::SettingsMenu);
    m.lock = makeAction(&window, name::LockAction);
    m.lock->setCheckable(true);
    m.port = makeAction(&window, name::PortAction);
    m.settings->addAction(m.lock);
    m.settings->addAction(m.port);
    m.language = m.settings->addMenu(designCaption(name::LanguageMenu));
    m.language->setObjectName(QString::fromLatin1(name::LanguageMenu));
    m.simplifiedChinese = makeAction(&window, name::SimplifiedChineseAction);
    m.traditionalChinese = makeAction(&window, name::TraditionalChineseAction);
    m.english = makeAction(&window, name::EnglishAction);
    m.language->addAction(m.simplifiedChinese);
    m.language->addAction(m.traditionalChinese);
    m.language->addAction(m.english);
}

void buildHelpMenu(QMainWindow& window, MainMenus& m) {
    m.help = makeMenu(window.menuBar(), name::HelpMenu);
    // The designed help item stays hidden, and with it its F1; the user manual item shows F1 and
    // takes it.
    m.helpTopics = makeAction(&window, name::HelpTopicsAction);
    m.helpTopics->setShortcut(QKeySequence(Qt::Key_F1));
    m.helpTopics->setVisible(false);
    m.userManual = makeAction(&window, name::UserManualAction);
    m.userManual->setShortcut(QKeySequence(Qt::Key_F1));
    m.backupFolder = makeAction(&window, name::BackupFolderAction);
    m.about = makeAction(&window, name::AboutAction);
    m.help->addAction(m.helpTopics);
    m.help->addAction(m.userManual);
    m.help->addAction(m.backupFolder);
    m.help->addAction(m.about);
}

} // namespace

MainMenus BuildMainMenus(QMainWindow& window) {
    MainMenus menus;
    buildFileMenu(window, menus);
    buildEditMenu(window, menus);
    buildProgrammingMenu(window, menus);
    buildSettingsMenu(window, menus);
    buildHelpMenu(window, menus);
    return menus;
}

MainToolbar BuildMainToolbar(QMainWindow& window) {
    MainToolbar toolbar;
    QToolBar* bar = window.addToolBar(QString::fromLatin1(name::Toolbar));
    toolbar.bar = bar;
    bar->setObjectName(QString::fromLatin1(name::Toolbar));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->toggleViewAction()->setVisible(false);

    // Each button carries its design key as data and in its objectName.
    struct ButtonDesign {
        ToolbarButton button;
        const char* key;
        const char* icon;
    };
    const std::array<ButtonDesign, 7> design{{
        {ToolbarButton::New, "new", "new"},
        {ToolbarButton::Open, "open", "open"},
        {ToolbarButton::Save, "save", "save"},
        {ToolbarButton::Separator, nullptr, nullptr},
        {ToolbarButton::Read, "read", "read"},
        {ToolbarButton::Write, "write", "write"},
        {ToolbarButton::Service, "TAnMa", "service"},
    }};
    for (std::size_t i = 0; i < design.size(); ++i) {
        if (design[i].key == nullptr) {
            toolbar.buttons[i] = bar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(design[i].key);
        // The service button has no caption.
        const QString text = design[i].button == ToolbarButton::Service
                                 ? QString()
                                 : DesignText(name::Window, name::Toolbar,
                                              CaptionItem::ToolbarButton, int(design[i].button));
        QAction* button = bar->addAction(
            QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(design[i].icon))), text);
        button->setObjectName(QString::fromLatin1(name::ToolbarButtonPrefix) + key);
        button->setData(key);
        toolbar.buttons[i] = button;
    }
    toolbar.button(ToolbarButton::Service)->setVisible(false);
    return toolbar;
}

} // namespace tlv
