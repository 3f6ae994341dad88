// SPDX-License-Identifier: GPL-3.0-or-later
#include "line/LineRecord.h"

#include "exchange/CsvText.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <vector>

namespace tlv {

std::string LineLogRow(const LineRecord& r) {
    std::string row;
    for (const std::string* field : {&r.time, &r.port})
        row += CsvField(*field) + ",";
    row += std::to_string(r.row);
    for (const std::string* field : {&r.identity, &r.result, &r.verification, &r.backup})
        row += "," + CsvField(*field);
    return row;
}

std::string LineRecordText(const LineRecord& r) {
    std::string text = r.time + "  " + r.port + "  row " + std::to_string(r.row);
    if (!r.identity.empty()) text += "  " + r.identity;
    text += "  " + r.result;
    if (!r.verification.empty()) text += ", " + r.verification;
    if (!r.backup.empty()) text += ", backup " + r.backup;
    return text;
}

bool AppendLineLog(const std::string& path, const LineRecord& record, std::string& reason) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    std::fseek(file, 0, SEEK_END);
    std::string text = std::ftell(file) == 0 ? std::string(kLineLogHeader) + "\n" : std::string();
    text += LineLogRow(record) + "\n";
    const bool written =
        std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
    if (!written) reason = std::strerror(errno);
    return std::fclose(file) == 0 && written;
}

std::set<int> DoneRowsInLog(const std::string& text) {
    std::set<int> rows;
    std::vector<std::pair<int, std::vector<std::string>>> records;
    SplitCsv(text, records); // a last line cut off by a crash is still read up to its end
    for (const auto& [line, fields] : records) {
        if (fields.size() < 5 || fields[4] != "done") continue;
        int row = 0;
        const std::string& digits = fields[2];
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), row);
        if (error == std::errc() && end == digits.data() + digits.size() && row > 0)
            rows.insert(row);
    }
    return rows;
}

} // namespace tlv
