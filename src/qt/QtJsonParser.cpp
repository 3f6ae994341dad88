// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/QtJsonParser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tlv {

namespace {

JsonValue valueOf(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Bool:
        return JsonValue::Bool(value.toBool());
    case QJsonValue::Double:
        return JsonValue::Number(value.toDouble());
    case QJsonValue::String:
        // A lone surrogate of a \u escape becomes a question mark.
        return JsonValue::String(value.toString().toStdString());
    case QJsonValue::Array: {
        std::vector<JsonValue> items;
        for (const QJsonValue& item : value.toArray())
            items.push_back(valueOf(item));
        return JsonValue::Array(std::move(items));
    }
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        std::vector<std::pair<std::string, JsonValue>> members;
        for (auto it = object.begin(); it != object.end(); ++it)
            members.emplace_back(it.key().toStdString(), valueOf(it.value()));
        return JsonValue::Object(std::move(members));
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    return {};
}

} // namespace

JsonValue QtJsonParser::parse(std::string_view text) const {
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (document.isArray()) return valueOf(document.array());
    if (document.isObject()) return valueOf(document.object());
    return {};
}

} // namespace tlv
