#include "localisation/Traditional.h"

namespace tlv {

// Placeholder until the conversion tables are wired in: returns the text unchanged.
std::string ToTraditional(const std::string& text) { return text; }

} // namespace tlv
