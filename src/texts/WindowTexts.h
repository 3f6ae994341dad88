// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts the windows show beyond their captions: the tooltips of the toolbar buttons, the band
// and panel lists and the channel table's columns; the band limits shown while a frequency is
// typed; the state of each serial port in the port dialog. Each has its Simplified Chinese and
// English form; Traditional Chinese is converted from the Simplified form (Localise).
#include "editor/EditorState.h"
#include "language/Messages.h"

#include <array>
#include <string>

namespace tlv {

namespace tip {
// Toolbar buttons 1..6 by their number on the bar (4 is the separator and has none); the
// first word is the button's caption.
inline constexpr std::array<LocalText, 6> ToolbarButtons{{
    {"新建：清除所有信道，重新开始", "New: clear every channel and start afresh"},
    {"打开：读入信道数据文件 (.DAT)", "Open: load a channel data file (.DAT)"},
    {"保存：把数据存入信道数据文件 (.DAT)", "Save: store the data in a channel data file (.DAT)"},
    {"", ""},
    {"读频：从对讲机读出全部数据", "Read frequency: read the whole memory from the radio"},
    {"写频：把全部数据写入对讲机", "Write frequency: write the whole memory into the radio"},
}};

inline constexpr LocalText BandList{"对讲机的频段；改变频段将清除信道列表",
                                    "The radio's frequency band; changing it clears the channels"};

// The six lists of the function panel, in their order on the panel.
inline constexpr std::array<LocalText, 6> PanelLists{{
    {"对讲机语音提示的语言", "Language of the radio's voice prompts"},
    {"连续发射超过此时间后自动停止发射", "A transmission stops by itself after this time"},
    {"发射超时前提前发出提示的秒数",
     "Warning this many seconds before the time-out ends a transmission"},
    {"静噪等级：数值越大，需要的信号越强",
     "Squelch level: the higher, the stronger a signal must be"},
    {"省电：待机时间歇接收，延长电池使用时间",
     "Battery save: receive in intervals while idle, so the battery lasts longer"},
    {"按键提示音", "Key beep"},
}};

// What each column of the channel table holds, columns 0..8.
inline constexpr std::array<LocalText, kTableCols> ChannelColumns{{
    {"信道号 01 至 16", "Channel number 01 to 16"},
    {"接收频率 (MHz)，例如 438.12500；空白表示该信道未使用",
     "Receive frequency in MHz, such as 438.12500; empty: the channel is not in use"},
    {"接收亚音频：关闭、CTCSS 频率 (67.0 至 254.1 Hz) 或 DCS 码 (例如 D023N)",
     "Receive tone: off, a CTCSS tone (67.0 to 254.1 Hz) or a DCS code (such as D023N)"},
    {"发射频率 (MHz)", "Transmit frequency in MHz"},
    {"发射亚音频：关闭、CTCSS 频率 (67.0 至 254.1 Hz) 或 DCS 码 (例如 D023N)",
     "Transmit tone: off, a CTCSS tone (67.0 to 254.1 Hz) or a DCS code (such as D023N)"},
    {"发射功率：高或低", "Transmit power: high or low"},
    {"禁发：信道上有载波时禁止发射", "Transmit inhibit: no transmission while the channel is busy"},
    {"带宽：宽带或窄带", "Bandwidth: wide or narrow"},
    {"扫描添加：扫描时是否包括该信道", "Scan add: whether a scan includes this channel"},
}};
} // namespace tip

// The state of a serial port as the port dialog shows it beside the port's device.
namespace port {
inline constexpr LocalText NoDevice{"无串口设备", "no serial device"};
inline constexpr LocalText Missing{"设备不存在", "device missing"};
inline constexpr LocalText InUse{"已被其他程序占用", "in use by another program"};
inline constexpr LocalText NoPermission{"没有权限", "no permission"};
inline constexpr LocalText CannotOpen{"无法打开", "cannot be opened"};
inline constexpr LocalText Gone{"设备已断开", "device went away"};
inline constexpr LocalText PermissionHint{
    "没有使用串口设备的权限：请把用户加入 dialout 组（sudo usermod -aG dialout "
    "$USER），然后重新登录。",
    "No permission to use serial devices: add your user to the dialout group (sudo usermod -aG "
    "dialout $USER) and log in again."};
} // namespace port

// The band's limits while a frequency is typed, in the language in force: the lower limit is
// allowed, the upper one is not.
std::string BandLimitsHint(const EditorState& state);


} // namespace tlv
