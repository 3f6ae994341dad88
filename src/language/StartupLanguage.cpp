// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/StartupLanguage.h"

namespace tlv {

Language LoadStartupLanguage(LanguageRequestStore& store, int savedCode) {
    std::string request = store.readRequest();
    // A request is read up to its first NUL character.
    if (const size_t nul = request.find('\0'); nul != std::string::npos) request.resize(nul);
    if (request.empty()) return LanguageOfCode(savedCode).value_or(Language::Simplified);

    store.clearRequest();
    if (request == "english") return Language::English;
    if (request == "chinesetrad") return Language::Traditional;
    return Language::Simplified;
}

} // namespace tlv
