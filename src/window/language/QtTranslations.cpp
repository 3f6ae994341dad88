// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tlv {

void UseQtTranslations(Language language) {
    static QTranslator* translator = nullptr;
    static Language loaded = Language::English;
    if (language == loaded && translator) return;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    loaded = language;
    const char* name = language == Language::Simplified    ? "qtbase_zh_CN"
                       : language == Language::Traditional ? "qtbase_zh_TW"
                                                           : nullptr;
    if (!name) return;
    auto* next = new QTranslator(QCoreApplication::instance());
    if (next->load(QString::fromLatin1(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(next);
        translator = next;
    } else {
        delete next;
    }
}

} // namespace tlv
