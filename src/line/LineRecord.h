// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record of one radio on the production line: one line on the terminal and one row of the
// log (CSV). The log is also the record of which rows are done, so a restart with the same log
// goes on at the first row not done.
#include <set>
#include <string>

namespace tlv {

struct LineRecord {
    std::string time;         // local time, "2026-12-08 11:38:05"
    std::string port;         // the port as given, or the device that appeared
    int row = 0;              // the units list's row written
    std::string identity;     // what the row gives (IdentityText)
    bool done = false;        // written, and verified when asked
    std::string result;       // "done", or "failed: " and the cause
    std::string verification; // "verified", "not verified", "failed: ..." or "" (not asked)
    std::string backup;       // the backup of the image written, or ""
};

inline constexpr const char* kLineLogHeader = "time,port,row,identity,result,verification,backup";

// The record as a row of the log (CSV, no line end).
std::string LineLogRow(const LineRecord& record);
// The record as one line on the terminal.
std::string LineRecordText(const LineRecord& record);

// Appends the record to the log at `path` (with the header line when the log is new or empty)
// and flushes it; false with the system's reason when it cannot be written.
bool AppendLineLog(const std::string& path, const LineRecord& record, std::string& reason);

// The rows a log records as done (a result "done"); other lines, and a header, are skipped.
std::set<int> DoneRowsInLog(const std::string& text);

} // namespace tlv
