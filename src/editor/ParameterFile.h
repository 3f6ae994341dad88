// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ParameterFile: the three bytes that survive from one run to the next - the editing lock,
// the port number and the language - kept in a file named "parameter".
#include "language/Language.h"

#include <cstdint>
#include <string>

namespace tlv {

inline constexpr const char* kParameterFileName = "parameter";

// The three bytes as stored, without conversion.
struct ParameterBytes {
    uint8_t lock = 0;       // 1 = editing lock on; any other value leaves it off
    uint8_t portNumber = 0; // n of COMn; 0 when none was ever chosen
    uint8_t language = 0;   // the language's code (LanguageCode)

    bool lockOn() const { return lock == 1; }
    bool operator==(const ParameterBytes&) const = default;
};

// Reads bytes 1..3. A missing, unreadable or short file reads its missing bytes as 0; a path
// that is not a regular file reads as zeros without blocking.
ParameterBytes ReadParameterFile(const std::string& path);

// Writes bytes 1..3 in place, creating the file when it is missing; bytes after the third are
// kept. Returns false, having changed nothing, when the file cannot be written (a read-only
// folder, a folder or pipe in its place); the caller goes on without it.
bool WriteParameterFile(const std::string& path, const ParameterBytes& bytes);

// The bytes to write at the end of a run.
ParameterBytes MakeParameterBytes(bool editingLock, int portNumber, Language language);

} // namespace tlv
