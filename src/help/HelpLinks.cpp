#include "help/HelpLinks.h"

namespace tlv {

std::string HelpFilePath(const std::string& programFolder) {
    if (programFolder.empty()) return kHelpFileName;
    const char last = programFolder.back();
    if (last == '/' || last == '\\') return programFolder + kHelpFileName;
    return programFolder + "/" + kHelpFileName;
}

} // namespace tlv
