// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's own message and status texts, each with its Simplified Chinese and English
// form. Traditional Chinese is made at run time from the Simplified form.
#include "language/Language.h"
#include "language/LocalMsgBox.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

// A text shown to the user in two stored forms.
struct LocalText {
    const char* zh;
    const char* en;
};

// A message box: text, title (empty = application title) and flags.
struct Message {
    LocalText text;
    LocalText title;
    int flags;
};

// The text in a language (Traditional Chinese converted from the Simplified text).
std::string Localise(Language language, const LocalText& text);

// The same with the marks "%1" and "%2" of the text replaced by `a` and `b`.
std::string Localise(Language language, const LocalText& text, const std::string& a,
                     const std::string& b = {});

// `text` with "%1", "%2" ... replaced by the values in order (each mark once).
std::string FillText(std::string text, std::initializer_list<std::string_view> values);

// Shows a message in a language. `detail`, when not empty, is added on a second line (the
// system's reason for a failed file operation).
int ShowMessage(MessageBoxService& box, Language language, const Message& message,
                const std::string& detail = {});

// A message a rule has for the user, with the lines that follow it (already in the language
// of the run); the caller shows it.
struct Notice {
    const Message* message = nullptr;
    std::string detail;
    bool operator==(const Notice&) const = default;
};

// Shows the notices one after the other.
void ShowNotices(MessageBoxService& box, Language language, const std::vector<Notice>& notices);

namespace msg {
inline constexpr LocalText NoTitle{"", ""};

inline constexpr Message WrongFileType{
    {"文件类型不对，无法打开。", "Document type not to open."}, NoTitle, 0};
inline constexpr Message OverwriteQuestion{
    {"该文件已存在，是否覆盖？", "This file already exists, whether to cover?"}, NoTitle, 36};
inline constexpr Message NewConfirm{
    {"所有信道的数据将被清除！", "All channel data will be clear."}, {"警告", "Warnning"}, 305};
inline constexpr Message SaveFailed{
    {"文件保存失败！", "The file could not be saved!"}, NoTitle, 16};
inline constexpr Message OpenFailed{{"文件读取失败！", "The file could not be read!"}, NoTitle, 16};
inline constexpr Message PortNotOpen{
    {"通信端口未打开，请先选择菜单“通信端口”打开其串口！",
     "Communication port not open, please first selection menu 'communication port' to open its "
     "serial ports!"},
    NoTitle,
    64};
inline constexpr Message PortOpenFailed{
    {"无法打开所选的通信端口：", "The chosen communication port could not be opened:"},
    NoTitle,
    48};
inline constexpr Message BandMismatch{
    {"频段不符，是否继续？", "Frequency band with discrepancies, do you wish to continue?"},
    NoTitle,
    68};
inline constexpr Message CommunicationError{
    {"通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！",
     "Communication error, please check the intercom model, fault, attachment and computer serial "
     "choice!"},
    NoTitle,
    16};
inline constexpr Message OutOfBand{{"超出频段范围", "Beyond the frequency range"}, NoTitle, 0};
// Before a write: channels whose frequencies lie outside the band, listed after the text.
inline constexpr Message WriteOutsideBand{
    {"以下信道的频率超出所选频段，仍然写入对讲机吗？",
     "These channels have frequencies outside the chosen band. Write them to the radio anyway?"},
    NoTitle,
    mb::OkCancel | mb::IconQuestion};
inline constexpr Message BandChange{
    {"改变频段将清除频道列表，确定吗？", "Change frequency channel list will remove, sure?"},
    {"注意！", "Attention!"},
    4385};
inline constexpr Message FixedNeedsChannel{
    {"当设定为‘固定’时信道不可为空，请重设！",
     "When set to 'fixed' channel not is empty, please reset!"},
    {"提示", "Tip"},
    0};
inline constexpr Message EmptyChannelChosen{
    {"不可选择空信道，请重新选择！", "Do not choose empty channel, please choose again!"},
    NoTitle,
    0};
inline constexpr Message MemoryTooLong{
    {"存储器只能存储16位！", "存储器只能存储16位！"}, NoTitle, 16};
inline constexpr Message PasswordWrong{
    {"密码错误，请与管理员联系！", "Password mistake, please contact with administrator."},
    NoTitle,
    16};
// Input checks of the dialogs, and the help and web links.
// clang-format off
inline constexpr Message RxResumeDelayInvalid{
    {"扫描接收恢复延时时间必须是0到300之间的整数（秒）！",
     "Scan receive delay time must be a whole number from 0 to 300 (seconds)!"},
    {"提示", "Tip"}, 48};
inline constexpr Message TxResumeDelayInvalid{
    {"扫描发射恢复延时时间必须是0到300之间的整数（秒）！",
     "Scan launch delay time must be a whole number from 0 to 300 (seconds)!"},
    {"提示", "Tip"}, 48};
inline constexpr Message EmbeddedTextInvalid{
    {"嵌入信息每行最多32个字符，且只能使用英文字母、数字、空格和符号！",
     "Embedded information holds at most 32 characters per line: English letters, digits, "
     "blanks and symbols only!"},
    {"提示", "Tip"}, 48};
inline constexpr Message TestFrequencyOutOfRange{
    {"测试频率必须在100.00000到999.99999 MHz之间，请重新输入！",
     "Test frequency must lie between 100.00000 and 999.99999 MHz, please enter again!"},
    {"提示", "Tip"}, 48};
inline constexpr Message HelpFileMissing{
    {"找不到帮助文件：", "The help file was not found:"}, NoTitle, 48};
// The desktop has no program (browser, file manager) to open a page or a folder with.
inline constexpr Message NoOpeningProgram{
    {"找不到可以打开它的程序。请手动打开：", "No program to open it was found. Open it by hand:"},
    NoTitle, 48};
// Channel rows on the clipboard and the row commands of the channel table.
inline constexpr Message PasteRefused{
    {"没有粘贴任何信道：", "Nothing was pasted:"}, {"提示", "Tip"}, 48};
inline constexpr Message NoChannelRows{
    {"剪贴板中没有信道数据。", "The clipboard holds no channel rows."}, {"提示", "Tip"}, 48};
inline constexpr Message InsertRefused{
    {"信道16已在使用，不能插入空行。", "Channel 16 is in use: no empty row can be inserted."},
    {"提示", "Tip"}, 48};
// Import and export of channel lists and settings (CHIRP's CSV, JSON).
inline constexpr Message ImportRefused{
    {"文件有错，没有导入任何数据：", "The file has errors; nothing was imported:"},
    NoTitle, 48};
inline constexpr Message ImportNotes{
    {"已导入。请注意：", "Imported. Please note:"}, NoTitle, mb::IconInformation};
inline constexpr Message DamagedFrequencies{
    {"以下频率数据已损坏（不是十进制数字），已显示为空：",
     "These frequencies are damaged (not decimal digits) and are shown empty:"},
    NoTitle, 48};
// Unsaved changes, quitting during a transfer.
inline constexpr Message SaveChanges{
    {"信道数据已修改，是否保存修改？",
     "The channel data has been changed. Save changes?"},
    NoTitle, mb::SaveDiscardCancel | mb::IconQuestion};
// New with unsaved changes: the New warning and "Save changes?" as one question.
inline constexpr Message NewWithChanges{
    {"所有信道的数据将被清除！\n信道数据已修改，是否先保存修改？",
     "All channel data will be clear.\nThe channel data has been changed. Save changes first?"},
    {"警告", "Warnning"}, mb::SaveDiscardCancel | mb::IconWarning};
inline constexpr Message StopWriteAndQuit{
    {"正在写频。现在退出将中断写频，对讲机中将只有部分新数据，必须重新写频。是否中断写频并退出？",
     "A write to the radio is running. Quitting now stops it and leaves the radio with only part "
     "of the new memory; the radio must then be written again. Stop the write and quit?"},
    NoTitle, mb::YesNo | mb::IconWarning | mb::DefaultButton2};
inline constexpr Message StopReadAndQuit{
    {"正在读频。现在退出将中断读频，已读到的数据不会保留。是否中断读频并退出？",
     "A read from the radio is running. Quitting now stops it and nothing read so far is kept. "
     "Stop the read and quit?"},
    NoTitle, mb::YesNo | mb::IconWarning | mb::DefaultButton2};
inline constexpr Message BackupFolderFailed{
    {"无法打开备份文件夹：", "The backup folder could not be opened:"}, NoTitle, 48};
// clang-format on
} // namespace msg

// Parts of the paste message: where the first bad value is and what is wrong with it.
namespace rowtext {
inline constexpr LocalText Where{"第 %1 行（信道 %2），%3：%4", "Row %1 (channel %2), %3: %4"};
inline constexpr LocalText NotAFrequency{"不是频率", "not a frequency"};
inline constexpr LocalText NotATone{"不是亚音频（关闭、67.0 到 254.1 或 D023N 形式的数字亚音频）",
                                    "not a tone (Off, 67.0 to 254.1 or a DCS code such as D023N)"};
inline constexpr LocalText ToneNeedsFrequency{"频率不为空时亚音频不可为空",
                                              "a tone cannot be empty beside a frequency"};
inline constexpr LocalText NotInList{"不是列表中的选项（%1）", "not an entry of its list (%1)"};
inline constexpr LocalText BeyondLastChannel{"超出信道16", "beyond channel 16"};
inline constexpr LocalText TooManyColumns{"列数多于信道表", "more columns than the channel table"};
} // namespace rowtext

// The fields named in DamagedFrequencies.
namespace damaged {
inline constexpr LocalText ChannelReceive{"信道 %1 接收：%2", "channel %1 receive: %2"};
inline constexpr LocalText ChannelTransmit{"信道 %1 发射：%2", "channel %1 transmit: %2"};
inline constexpr LocalText TestReceive{"测试频率 %1 接收：%2", "test frequency %1 receive: %2"};
inline constexpr LocalText TestTransmit{"测试频率 %1 发射：%2", "test frequency %1 transmit: %2"};
} // namespace damaged

// What ended a failed transfer: the second lines of the communication error.
namespace cause {
inline constexpr LocalText NoAnswer{"对讲机没有任何应答。", "The radio gave no answer at all."};
inline constexpr LocalText UnexpectedIdentification{
    "对讲机的应答不是本机型的识别码（收到：%1）。",
    "The radio did not identify itself as this model (received: %1)."};
inline constexpr LocalText ReadStopped{"读频在第 %1 块后中断（共 %2 块）。",
                                       "The read stopped after block %1 of %2."};
inline constexpr LocalText WriteStopped{"写频在第 %1 块后中断（共 %2 块）。",
                                        "The write stopped after block %1 of %2."};
inline constexpr LocalText PortLost{"通信端口已断开：%1", "The port was lost: %1"};
inline constexpr LocalText TimeLimit{"通信超过 %1 秒仍未完成，已停止。",
                                     "The transfer did not finish within %1 seconds and was "
                                     "stopped."};
inline constexpr LocalText PartlyWritten{
    "对讲机中现在只有部分新数据，请重新写频！",
    "The radio now holds only part of the new memory: write it again!"};
} // namespace cause

// Why a serial port cannot be used: lines added to the system's reason.
namespace portstate {
inline constexpr LocalText LockedBy{"该端口已被进程 %1 锁定（锁文件 %2）。",
                                    "The port is locked by process %1 (lock file %2)."};
inline constexpr LocalText StaleLock{
    "锁文件 %1 由进程 %2 留下，但该进程已不再运行：删除该文件后即可使用此端口。",
    "The lock file %1 was left by process %2, which no longer runs: remove that file to use "
    "the port."};
inline constexpr LocalText Lost{"设备已断开，请重新插入后再选择端口。",
                                "The device went away: plug it in again and choose the port."};
} // namespace portstate

namespace status {
inline constexpr LocalText Communicating{"正在通信,请稍后……", "Is communication, please later……"};
inline constexpr LocalText ReadSuccess{"读频成功！", "Read frequency success!"};
inline constexpr LocalText WriteSuccess{"写频成功！", "Write frequency success!"};
// Followed by the system's reason.
inline constexpr LocalText BackupFailed{"自动备份未能保存：",
                                        "The automatic backup could not be saved:"};
// Why a tone cell kept its tone, after the text typed into it.
inline constexpr LocalText ToneNotCtcss{"不是 67.0 至 254.1 之间的 CTCSS 值，未采用。",
                                        "not a CTCSS value from 67.0 to 254.1; not taken."};
inline constexpr LocalText ToneNotDcs{"不是由三位八进制数字组成的 DCS 码，未采用。",
                                      "not a DCS code of three octal digits; not taken."};
} // namespace status

} // namespace tlv
