#pragma once
// Texts of the command-line program that the window program has no counterpart for, in the
// same two stored forms as the system's own messages (Traditional Chinese is converted).
// "%1" stands for a value filled in by Localise.
#include "localisation/Messages.h"

namespace tlv::text {
inline constexpr LocalText UsageError{"用法错误：%1", "usage error: %1"};
inline constexpr LocalText BandQuestionDeclined{"未写入：频段不符的问题回答为“否”。",
                                                "Nothing written: the band question was "
                                                "answered No."};
inline constexpr LocalText PortNotFound{"无法打开端口：%1", "cannot open the port: %1"};
} // namespace tlv::text
