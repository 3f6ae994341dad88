// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the production line (units list, rows, the record of each radio), in the same two
// stored forms as the system's own messages (Traditional Chinese is converted). "%1" and "%2"
// stand for values filled in by Localise.
#include "language/Messages.h"

namespace tlv::text {
inline constexpr LocalText AtUnitsRow{"第 %1 行", "row %1"};
inline constexpr LocalText AtUnitsColumn{"列 %1", "column %1"};
inline constexpr LocalText AtUnitsHeader{"标题行", "header"};
inline constexpr LocalText UnitsEmpty{"单元表没有任何行", "the units list has no rows"};
inline constexpr LocalText UnitsColumnTwice{"列名重复", "column given twice"};
inline constexpr LocalText UnitsFieldCount{"有 %1 个字段，标题行有 %2 个",
                                           "has %1 fields, the header %2"};
inline constexpr LocalText UnitsSameAsRow{"与第 %1 行相同", "the same as row %1"};
inline constexpr LocalText UnitsNotJsonArray{"应为对象的数组", "expected an array of objects"};
// The state of a cable on the line.
inline constexpr LocalText StationWaiting{"等待对讲机", "waiting for a radio"};
inline constexpr LocalText StationOpening{"正在打开端口", "opening the port"};
inline constexpr LocalText StationWriting{"正在写入 %1 %", "writing %1 %"};
inline constexpr LocalText StationVerifying{"正在校验 %1 %", "verifying %1 %"};
inline constexpr LocalText StationDone{"完成：第 %1 行", "done: row %1"};
inline constexpr LocalText StationFailed{"失败：%1", "failed: %1"};
inline constexpr LocalText StationNoRowLeft{"没有剩余的行", "no row left"};
inline constexpr LocalText LineVerifyFailed{"地址 %1 读回的值不同",
                                            "address %1 reads back differently"};
inline constexpr LocalText LineReadBackFailed{"无法读回", "could not be read back"};
inline constexpr LocalText LineNotVerified{"校验失败", "verification failed"};
inline constexpr LocalText LineInterrupted{"已中断", "interrupted"};
// The production line window.
inline constexpr LocalText LineWindowTitle{"生产线", "Production line"};
inline constexpr LocalText LineBaseFile{"基础文件：", "Base file:"};
inline constexpr LocalText LineUnitsFile{"单元表：", "Units list:"};
inline constexpr LocalText LinePorts{"端口（空：新出现的串口设备）：",
                                     "Ports (empty: every new serial device):"};
inline constexpr LocalText LineWatch{"对讲机接入时写入", "Write each radio as it is plugged in"};
inline constexpr LocalText LineVerify{"写入后读回校验", "Read back and verify"};
inline constexpr LocalText LineLogFile{"日志：", "Log:"};
inline constexpr LocalText LineStart{"开始", "Start"};
inline constexpr LocalText LineStop{"停止", "Stop"};
inline constexpr LocalText LineRowHeader{"行", "Row"};
inline constexpr LocalText LineStateHeader{"状态", "State"};
inline constexpr LocalText LinePortHeader{"端口", "Port"};
inline constexpr LocalText RowDone{"完成", "done"};
inline constexpr LocalText RowNext{"下一个", "next"};
inline constexpr LocalText RowWriting{"正在写入", "writing"};
inline constexpr LocalText RowFailed{"失败", "failed"};
inline constexpr LocalText RowSkipped{"跳过", "skipped"};
inline constexpr LocalText LineCounters{"完成 %1，失败 %2，剩余 %3", "done %1, failed %2, left %3"};
} // namespace tlv::text
