#include "localisation/StartupLanguage.h"

#include "localisation/LanguageState.h"

namespace tlv {

int LoadStartupLanguage(LanguageRequestStore& store, int savedState) {
    std::string request = store.readRequest();
    // A request is read up to its first NUL character.
    if (const size_t nul = request.find('\0'); nul != std::string::npos) request.resize(nul);
    if (request.empty()) return lang::IsKnown(savedState) ? savedState : lang::Simplified;

    store.clearRequest();
    if (request == "english") return lang::English;
    if (request == "chinesetrad") return lang::Traditional;
    return lang::Simplified;
}

} // namespace tlv
