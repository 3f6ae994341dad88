// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/UnitsJson.h"

#include "exchange/ExchangeTexts.h"
#include "line/LineTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace tlv {

std::vector<Unit> ReadUnitsJson(const std::string& text, const EditorState& base, Language language,
                                UnitsReport& report) {
    std::vector<Unit> units;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(text.data(), static_cast<qsizetype>(text.size())), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        report.errors.push_back({0,
                                 {},
                                 Localise(language, text::BadJson,
                                          parseError.errorString().toStdString() + " (offset " +
                                              std::to_string(parseError.offset) + ")")});
        return units;
    }
    if (!document.isArray()) {
        report.errors.push_back({0, {}, Localise(language, text::UnitsNotJsonArray)});
        return units;
    }
    const QJsonArray rows = document.array();
    if (rows.isEmpty()) report.errors.push_back({0, {}, Localise(language, text::UnitsEmpty)});
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r + 1);
        if (!rows[r].isObject()) {
            report.errors.push_back({row, {}, Localise(language, text::UnitsNotJsonArray)});
            continue;
        }
        const QJsonObject object = rows[r].toObject();
        std::vector<std::pair<std::string, std::string>> cells;
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QJsonValue value = it.value();
            const std::string column = it.key().toStdString();
            if (value.isString()) {
                cells.emplace_back(column, value.toString().toStdString());
            } else if (value.isDouble() && value.toDouble() == std::floor(value.toDouble()) &&
                       std::abs(value.toDouble()) < 1e6) {
                cells.emplace_back(column, std::to_string(static_cast<int>(value.toDouble())));
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
