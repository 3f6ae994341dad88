// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the import and export of channel lists and settings (JSON, CHIRP's CSV), in the same
// two stored forms as the system's own messages (Traditional Chinese is converted). "%1" and
// "%2" stand for values filled in by Localise.
#include "language/Messages.h"

namespace tlv::text {
// Where a finding is: a channel, a line of the file, the file as a whole. Keys and column names
// of the file (settings.VoxGain, rx, Tone) are written as the file has them.
inline constexpr LocalText AtChannel{"信道 %1", "channel %1"};
inline constexpr LocalText AtLine{"第 %1 行", "line %1"};
inline constexpr LocalText AtChannelLine{"信道 %1（第 %2 行）", "channel %1 (line %2)"};
inline constexpr LocalText AtCsvFile{"CSV 文件", "csv"};
inline constexpr LocalText NotANumber{"不是数字", "not a number"};
inline constexpr LocalText UnknownTone{
    "%1 既不是 67.0 至 254.1 的 CTCSS 值，也不是 DCS 码（D、三位八进制数字、N 或 I）",
    "%1 is neither a CTCSS value from 67.0 to 254.1 nor a DCS code (D, three octal digits, N "
    "or I)"};
inline constexpr LocalText AtColumn{"第 %1 列", "column %1"};
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
// Where a JSON text breaks the syntax, and what is wrong there (after BadJson).
inline constexpr LocalText AtJsonLineColumn{"第 %1 行第 %2 列", "line %1, column %2"};
inline constexpr LocalText JsonEndsEarly{"文本意外结束", "the text ends too early"};
inline constexpr LocalText JsonUnexpectedCharacter{"此处不应有该字符", "unexpected character"};
inline constexpr LocalText JsonNotContainer{"应为对象或数组", "expected an object or an array"};
inline constexpr LocalText JsonBadEscape{"无效的转义序列", "invalid escape sequence"};
inline constexpr LocalText JsonControlCharacter{"文字中有控制字符", "control character in a text"};
inline constexpr LocalText JsonNotUtf8{"不是有效的 UTF-8 文字", "not valid UTF-8"};
inline constexpr LocalText JsonBadNumber{"无效的数字", "invalid number"};
inline constexpr LocalText JsonNumberOutOfRange{"数字超出范围", "number out of range"};
inline constexpr LocalText JsonTooDeep{"嵌套超过 1024 层", "nested more than 1024 levels deep"};
inline constexpr LocalText MissingColumn{"缺少列 %1", "missing column %1"};
inline constexpr LocalText BadLocation{"位置必须是 1 到 16", "Location must be 1 to 16"};
inline constexpr LocalText DuplicateLocation{"位置重复", "Location given twice"};
inline constexpr LocalText UnknownValue{"无法识别的值“%1”", "unrecognised value \"%1\""};
inline constexpr LocalText UnbalancedQuote{"引号不成对", "unbalanced quote"};
inline constexpr LocalText NothingWritten{"输入有错，未写入任何文件。",
                                          "The input has errors; nothing was written."};
inline constexpr LocalText UnknownFormat{"无法识别的格式（请用 .json 或 .csv）",
                                         "unknown format (use .json or .csv)"};
inline constexpr LocalText OutsideBand{"%1 不在频段 %2 之内", "%1 is not in the band %2"};
inline constexpr LocalText KeptOutsideBand{
    "%1 不在导入选择的频段 %2 之内：请给出此信道在该频段内的频率，或删除此信道",
    "%1 is not in the band %2 the import selects: give this channel a frequency in that band "
    "or clear it"};
inline constexpr LocalText TooManyRows{"文件有 %1 个信道，对讲机只有 %2 个",
                                       "the file holds %1 channels; the radio has %2"};
inline constexpr LocalText ChirpNewFileMemory{
    "跳过 CHIRP 新建文件时的位置 0 存储（146.010 MHz）",
    "skipped the memory CHIRP's File > New keeps at Location 0 (146.010 MHz)"};
inline constexpr LocalText FinerThanTenHertz{"%1：对讲机不保存 10 Hz 以下的位数，取 %2",
                                             "%1: the radio keeps no digits finer than 10 Hz; "
                                             "%2 taken"};
inline constexpr LocalText NameNotKept{"未保存“%1”：对讲机不存储名称和备注",
                                       "\"%1\" not kept: the radio stores no names or comments"};
inline constexpr LocalText PriorityScanNotKept{
    "未保存优先扫描（P）：信道按普通扫描加入",
    "priority scan (P) not kept: the channel is scanned as any other"};
inline constexpr LocalText ReverseSquelch{"对讲机不能使用反向静噪 %1",
                                          "the radio cannot do reverse squelch %1"};
inline constexpr LocalText ModeNotPossible{"对讲机不能使用 %1 模式（只有 FM 宽带和 NFM 窄带）",
                                           "the radio cannot do mode %1 (FM wide and NFM narrow "
                                           "only)"};
inline constexpr LocalText NotInUse{"未使用", "not in use"};
inline constexpr LocalText PlacedInLocationOrder{
    "文件的位置超出 1..16：各行已按位置顺序放到信道 1、2、3……",
    "The file's Locations lie outside 1..16: its rows were placed on channels 1, 2, 3 ... in the "
    "order of their Location."};
inline constexpr LocalText MoreIssues{"……另有 %1 条", "... and %1 more"};
inline constexpr LocalText CsvUsesWindowBand{
    "CSV 文件不含频段：导入使用窗口中选择的频段，请先选择合适的频段。",
    "A CSV file holds no band: the import uses the band chosen in the window. Choose the band "
    "first."};
} // namespace tlv::text
