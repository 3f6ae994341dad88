// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The findings of an import for the page: an array of {where, message}.
#include "exchange/ImportReport.h"

#include <emscripten/val.h>

#include <vector>

namespace tlv {

emscripten::val ImportIssuesValue(const std::vector<ImportIssue>& issues);

} // namespace tlv
