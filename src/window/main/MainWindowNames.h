// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The designer's names of the main window and its controls. They are each control's objectName:
// the caption table addresses the texts by them, and the language code and the tests find the
// controls by them. Code names the controls by what they are.
namespace tlv::mainwindow_names {
inline constexpr char Window[] = "Form1";
inline constexpr char Client[] = "Form1Client";
inline constexpr char ChannelTable[] = "Grid1";
inline constexpr char BandFrame[] = "Frame1";
inline constexpr char BandList[] = "Combo1";
inline constexpr char BandLabel[] = "Label3";
inline constexpr char FunctionPanel[] = "Frame2";
inline constexpr char VoicePromptList[] = "Combo2";
inline constexpr char TimeOutList[] = "Combo3";
inline constexpr char TimeOutWarningList[] = "Combo4";
inline constexpr char SquelchList[] = "Combo9";
inline constexpr char BatterySaveList[] = "Combo6";
inline constexpr char BeepList[] = "Combo7";
inline constexpr char VoicePromptLabel[] = "Label4";
inline constexpr char TimeOutLabel[] = "Label5";
inline constexpr char TimeOutWarningLabel[] = "Label1";
inline constexpr char SquelchLabel[] = "Label6";
inline constexpr char BatterySaveLabel[] = "Label7";
inline constexpr char BeepLabel[] = "Label8";
// The in-cell editors of the channel table; option list n (columns 5..8) is "Combo5_n".
inline constexpr char FrequencyEditor[] = "Text1";
inline constexpr char ToneList[] = "Combo8";
inline constexpr char OptionListPrefix[] = "Combo5_";
inline constexpr char EditingHint[] = "EditingHint";
inline constexpr char TransferStatus[] = "Label";
inline constexpr char TransferProgress[] = "ProgressBar1";
inline constexpr char BackupNotice[] = "BackupNotice";
inline constexpr char RightsLine[] = "Label2";
inline constexpr char Toolbar[] = "Toolbar1";
// Toolbar button n is "Toolbar1_" followed by its design key.
inline constexpr char ToolbarButtonPrefix[] = "Toolbar1_";
inline constexpr char FileMenu[] = "mnuFile";
inline constexpr char NewAction[] = "mnuNew";
inline constexpr char OpenAction[] = "mnuOpen";
inline constexpr char SaveAction[] = "mnuAssave";
inline constexpr char QuitAction[] = "mnuQuit";
inline constexpr char ImportAction[] = "mnuImport";
inline constexpr char ExportAction[] = "mnuExport";
inline constexpr char PrintAction[] = "mnuPrint";
inline constexpr char ExportPdfAction[] = "mnuPdf";
inline constexpr char EditMenu[] = "mnuEdit";
inline constexpr char UndoAction[] = "mnuUndo";
inline constexpr char RedoAction[] = "mnuRedo";
inline constexpr char CutAction[] = "mnuCut";
inline constexpr char CopyAction[] = "mnuCopy";
inline constexpr char PasteAction[] = "mnuPaste";
inline constexpr char SelectAllChannelsAction[] = "mnuSelectAll";
inline constexpr char DeleteChannelsAction[] = "mnuDelete";
inline constexpr char InsertChannelAction[] = "mnuInsert";
inline constexpr char MoveUpAction[] = "mnuMoveUp";
inline constexpr char MoveDownAction[] = "mnuMoveDown";
inline constexpr char ProgrammingMenu[] = "mnupro";
inline constexpr char ReadAction[] = "mnureadFre";
inline constexpr char WriteAction[] = "mnuwriteFre";
inline constexpr char OptionalFunctionsAction[] = "mnudtmf";
inline constexpr char KeysAction[] = "Key_enactment";
inline constexpr char EmbeddedTextsAction[] = "mnusetin";
inline constexpr char PowerLevelsAction[] = "mnudebug";
inline constexpr char TestFrequenciesAction[] = "mnutestfre";
inline constexpr char SettingsMenu[] = "mnuset";
inline constexpr char LockAction[] = "mnulock";
inline constexpr char PortAction[] = "mnucom";
inline constexpr char LanguageMenu[] = "mnuLanguage";
inline constexpr char SimplifiedChineseAction[] = "mnuChineseJ";
inline constexpr char TraditionalChineseAction[] = "mnuChineseF";
inline constexpr char EnglishAction[] = "mnuEnglish";
inline constexpr char HelpMenu[] = "mnuhelp";
inline constexpr char HelpTopicsAction[] = "mnumainhelp";
inline constexpr char BackupFolderAction[] = "mnuBackupFolder";
inline constexpr char UserManualAction[] = "mnumanual";
inline constexpr char AboutAction[] = "mnuabout";
} // namespace tlv::mainwindow_names
