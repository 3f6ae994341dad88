// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/QtLanguageRequestStore.h"

#include <QSettings>
#include <QStringList>

namespace tlv {

namespace {

constexpr const char* kProduct = "TLV6200";
constexpr const char* kValueName = "Languages";

} // namespace

std::string QtLanguageRequestStore::readRequest() {
    // Reading never creates the settings file.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kProduct, kProduct);
    const QVariant value = settings.value(kValueName);
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return value.toString().toStdString();
    case QMetaType::QStringList: // an INI text with commas in it
        return value.toStringList().join(',').toStdString();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return std::to_string(value.toLongLong());
    default:
        return {};
    }
}

void QtLanguageRequestStore::clearRequest() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kProduct, kProduct);
    if (!settings.contains(kValueName)) return;
    settings.remove(kValueName);
    settings.sync();
}

} // namespace tlv
