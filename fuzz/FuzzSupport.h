// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the fuzz targets: invariant checks that end the run with a message.
#include <cstdio>
#include <cstdlib>

namespace tlv::fuzz {

// A broken invariant is a finding like a crash: libFuzzer keeps the input that caused it.
inline void Require(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

} // namespace tlv::fuzz
