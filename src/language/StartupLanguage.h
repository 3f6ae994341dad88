// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up language: the saved language state, overridden once by a request that another
// program (an installer) leaves in the per-user settings of the program.

#include "language/Language.h"

#include <string>

namespace tlv {

// The one-shot request store. The program never writes a request, it only reads and clears.
class LanguageRequestStore {
  public:
    virtual ~LanguageRequestStore() = default;
    // The requested language name; empty when there is no request (store or value missing,
    // value empty or unreadable).
    virtual std::string readRequest() = 0;
    // Removes the request. Called only after a non-empty request was read.
    virtual void clearRequest() = 0;
};

// A store that never holds a request (tests, or a program run without per-user settings).
class NoLanguageRequest : public LanguageRequestStore {
  public:
    std::string readRequest() override { return {}; }
    void clearRequest() override {}
};

// LoadStartupLanguage: the language to start with. A non-empty request decides and is
// cleared: "english" gives English, "chinesetrad" Traditional Chinese, any other text
// Simplified Chinese (exact, case-sensitive). Otherwise the saved language code (the third byte
// of the parameter file) applies; an unknown code gives Simplified Chinese.
Language LoadStartupLanguage(LanguageRequestStore& store, int savedCode);

} // namespace tlv
