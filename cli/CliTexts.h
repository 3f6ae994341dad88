// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the command-line program that the window program has no counterpart for, in the
// same two stored forms as the system's own messages (Traditional Chinese is converted).
// "%1" stands for a value filled in by Localise.
#include "language/Messages.h"

namespace tlv::text {
inline constexpr LocalText UsageError{"用法错误：%1", "usage error: %1"};
// Before a write: the file's channels outside its band are listed after this line.
inline constexpr LocalText WriteOutsideBand{
    "未写入：以下信道的频率超出文件的频段（用 --force 仍然写入）：",
    "Not written: these channels have frequencies outside the file's band (--force writes "
    "them all the same):"};
inline constexpr LocalText BandQuestionDeclined{"未写入：频段不符的问题回答为“否”。",
                                                "Nothing written: the band question was "
                                                "answered No."};
inline constexpr LocalText PortNotFound{"无法打开端口：%1", "cannot open the port: %1"};
inline constexpr LocalText RenumberHint{
    "用 --renumber 可按位置顺序把文件的各行放到信道 1..N。",
    "Give --renumber to place the file's rows on channels 1..N in the order of their Location."};
inline constexpr LocalText CsvBandHint{
    "CSV 文件不含频段：用 --band N 选择频段（%1），或用 --base FILE.DAT 取数据文件的频段和设置。",
    "A CSV file holds no band: choose it with --band N (%1), or take the band and the settings "
    "of a data file with --base FILE.DAT."};
// The same when --base gave the band: only --band can choose another.
inline constexpr LocalText CsvBandOfBaseHint{
    "用 --band N 选择能容纳这些频率的频段（%1）。",
    "Choose a band that holds these frequencies with --band N (%1)."};
inline constexpr LocalText Verified{"已校验：写入的每个地址读回相同。",
                                    "Verified: every written address reads back the same."};
inline constexpr LocalText VerifyDifference{"校验失败：地址 %1 读回的值与写入的不同。",
                                            "Verification failed: address %1 reads back "
                                            "differently from what was written."};
inline constexpr LocalText VerifyReadFailed{"校验失败：无法读回对讲机。",
                                            "Verification failed: the radio could not be read "
                                            "back."};
inline constexpr LocalText OutputIsTheInput{
    "保存的文件就是要导入的文件，它会被覆盖：请用 -o 指定另一个文件。",
    "the file to save is the input file itself, which "
    "would be overwritten: give -o another file."};
inline constexpr LocalText Interrupted{"已中断。", "Interrupted."};
inline constexpr LocalText BackupSaved{"已备份：%1", "backup: %1"};
} // namespace tlv::text
