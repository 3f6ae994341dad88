#include "localisation/gui/QtTranslations.h"

#include "localisation/LanguageState.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tlv {

void UseQtTranslations(int languageState) {
    static QTranslator* translator = nullptr;
    static int loaded = lang::English;
    if (languageState == loaded && translator) return;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    loaded = languageState;
    const char* name = languageState == lang::Simplified    ? "qtbase_zh_CN"
                       : languageState == lang::Traditional ? "qtbase_zh_TW"
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
