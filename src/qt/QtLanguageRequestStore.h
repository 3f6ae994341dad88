// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-shot language request in the program's per-user settings (QSettings, organisation
// and application "TLV6200", value "Languages"; on Linux the file
// ~/.config/TLV6200/TLV6200.conf). Another program writes it; this program reads and removes it.
#include "language/StartupLanguage.h"

namespace tlv {

class QtLanguageRequestStore : public LanguageRequestStore {
  public:
    std::string readRequest() override;
    void clearRequest() override;
};

} // namespace tlv
