// SPDX-License-Identifier: GPL-3.0-or-later
#include "line/UnitsJson.h"

#include "exchange/ExchangeTexts.h"
#include "line/LineTexts.h"

#include <cmath>

namespace tlv {

std::vector<Unit> ReadUnitsJson(const std::string& text, const EditorState& base, Language language,
                                UnitsReport& report, const JsonParser& parser) {
    std::vector<Unit> units;
    std::string syntaxError;
    const std::optional<JsonValue> document = ReadJson(text, parser, language, syntaxError);
    if (!document) {
        report.errors.push_back({0, {}, syntaxError});
        return units;
    }
    if (!document->isArray()) {
        report.errors.push_back({0, {}, Localise(language, text::UnitsNotJsonArray)});
        return units;
    }
    const std::vector<JsonValue>& rows = document->items();
    if (rows.empty()) report.errors.push_back({0, {}, Localise(language, text::UnitsEmpty)});
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r + 1);
        if (!rows[r].isObject()) {
            report.errors.push_back({row, {}, Localise(language, text::UnitsNotJsonArray)});
            continue;
        }
        std::vector<std::pair<std::string, std::string>> cells;
        for (std::size_t k = 0; k < rows[r].keys().size(); ++k) {
            const JsonValue& value = rows[r].items()[k];
            const std::string& column = rows[r].keys()[k];
            if (value.isString()) {
                cells.emplace_back(column, value.string());
            } else if (value.isNumber() && value.number() == std::floor(value.number()) &&
                       std::abs(value.number()) < 1e6) {
                cells.emplace_back(column, std::to_string(static_cast<int>(value.number())));
            } else {
                report.errors.push_back(
                    {row, column,
                     Localise(language, text::WrongType, Localise(language, text::TypeText))});
            }
        }
        units.push_back(CheckUnit(row, cells, base, language, report));
    }
    CheckDistinctIdentities(units, language, report);
    return units;
}

} // namespace tlv
