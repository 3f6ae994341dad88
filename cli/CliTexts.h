#pragma once
// Texts of the command-line program that the window program has no counterpart for, in the
// same two stored forms as the system's own messages (Traditional Chinese is converted).
// "%1" and "%2" stand for values filled in with Fill.
#include "localisation/Messages.h"

#include <string>

namespace tlv::cli {

namespace text {
inline constexpr LocalText NotANumber{"不是数字", "not a number"};
inline constexpr LocalText UnknownTone{"未知的亚音频", "unknown tone"};
inline constexpr LocalText ToneWithoutFrequency{"只有发射频率为空时亚音频才可为空",
                                                "a tone may be empty only beside an empty "
                                                "frequency"};
inline constexpr LocalText OutsideList{"超出列表范围（%1..%2）", "outside its list (%1..%2)"};
inline constexpr LocalText TextTooLong{"文字太长（最多 %1 个字符）",
                                       "text too long (at most %1 characters)"};
inline constexpr LocalText NotPrintable{"只能使用可打印的 ASCII 字符",
                                        "only printable ASCII characters are allowed"};
inline constexpr LocalText NotDtmf{"只能使用 0-9、A-D、* 和 #",
                                   "only the DTMF characters 0-9, A-D, * and # are allowed"};
inline constexpr LocalText DelayOutside{"必须是 0 或 100..1000 之间 10 的倍数",
                                        "must be 0 or a multiple of 10 from 100 to 1000"};
inline constexpr LocalText ChannelNotInUse{"信道未使用，请先给出接收频率",
                                           "channel not in use: give its receive frequency"};
inline constexpr LocalText ReceiveEmpty{"接收频率不可为空（用 null 删除信道）",
                                        "the receive frequency cannot be empty (null deletes "
                                        "the channel)"};
inline constexpr LocalText Snapped{"已调整到信道步进：%1 -> %2",
                                   "snapped to the channel raster: %1 -> %2"};
inline constexpr LocalText TestFrequencyRange{"必须是 100 到 999.99999 之间的频率",
                                              "must be a frequency from 100 to 999.99999"};
inline constexpr LocalText UnknownKey{"未知的键", "unknown key"};
inline constexpr LocalText WrongType{"类型不对（应为%1）", "wrong type (expected %1)"};
inline constexpr LocalText TypeNumber{"整数", "a whole number"};
inline constexpr LocalText TypeText{"文字", "a text"};
inline constexpr LocalText TypeObject{"对象", "an object"};
inline constexpr LocalText TypeArray{"%1 项的数组", "an array of %1 entries"};
inline constexpr LocalText TypeChannel{"对象或 null", "an object or null"};
inline constexpr LocalText BadJson{"JSON 格式错误：%1", "not valid JSON: %1"};
inline constexpr LocalText MissingColumn{"缺少列 %1", "missing column %1"};
inline constexpr LocalText BadLocation{"位置必须是 1 到 16", "Location must be 1 to 16"};
inline constexpr LocalText DuplicateLocation{"位置重复", "Location given twice"};
inline constexpr LocalText UnknownValue{"无法识别的值“%1”", "unrecognised value \"%1\""};
inline constexpr LocalText UnbalancedQuote{"引号不成对", "unbalanced quote"};
inline constexpr LocalText NothingWritten{"输入有错，未写入任何文件。",
                                          "The input has errors; nothing was written."};
inline constexpr LocalText UnknownFormat{"无法识别的格式（请用 .json 或 .csv）",
                                         "unknown format (use .json or .csv)"};
inline constexpr LocalText UsageError{"用法错误：%1", "usage error: %1"};
inline constexpr LocalText BandQuestionDeclined{"未写入：频段不符的问题回答为“否”。",
                                                "Nothing written: the band question was "
                                                "answered No."};
inline constexpr LocalText PortNotFound{"无法打开端口：%1", "cannot open the port: %1"};
inline constexpr LocalText Saved{"已保存：%1", "saved: %1"};
inline constexpr LocalText BackupSaved{"已备份：%1", "backup: %1"};
} // namespace text

// The text for the language state with %1 and %2 replaced.
std::string Say(int languageState, const LocalText& text, const std::string& a = {},
                const std::string& b = {});

} // namespace tlv::cli
