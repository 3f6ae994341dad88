// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (the standard context menu of a text field, the print and file dialogs) in the
// language in force, from Qt's translations installed on the system.
#include "language/Language.h"

namespace tlv {

// Loads Qt's translation for the language (Simplified or Traditional Chinese) in place of
// the one before; English needs none. Without Qt's translations on the system, Qt's texts stay
// English.
void UseQtTranslations(Language language);

} // namespace tlv
