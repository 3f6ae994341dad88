// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/CsvText.h"

namespace tlv {

std::string CsvField(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string out = "\"";
    for (char c : value)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

bool SplitCsv(const std::string& text,
              std::vector<std::pair<int, std::vector<std::string>>>& rows) {
    std::vector<std::string> fields;
    std::string current;
    bool quoted = false, fieldStarted = false;
    int line = 1, recordLine = 1;
    auto endRecord = [&] {
        fields.push_back(current);
        rows.emplace_back(recordLine, std::move(fields));
        fields.clear();
        current.clear();
        fieldStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    current += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                current += c;
            }
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == ',') {
            fields.push_back(current);
            current.clear();
            fieldStarted = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRecord();
            ++line;
            recordLine = line;
        } else {
            current += c;
            fieldStarted = true;
        }
    }
    if (quoted) return false;
    if (fieldStarted || !current.empty() || !fields.empty()) endRecord();
    return true;
}

} // namespace tlv
