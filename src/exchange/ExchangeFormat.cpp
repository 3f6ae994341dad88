// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExchangeFormat.h"

#include "exchange/ChannelCsv.h"
#include "exchange/JsonExport.h"

#include <cctype>
#include <cerrno>

namespace tlv {

ExchangeFormat ExchangeFormatOf(const std::string& path) {
    if (path == "-") return ExchangeFormat::Json;
    std::string extension;
    if (auto dot = path.rfind('.');
        dot != std::string::npos && path.find('/', dot) == std::string::npos)
        extension = path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "json") return ExchangeFormat::Json;
    if (extension == "csv") return ExchangeFormat::Csv;
    return ExchangeFormat::Unknown;
}

FileStatus ReadImportFile(const std::string& path, std::string& text) {
    FileStatus status = ReadFileHead(path, kImportFileLimit + 1, text);
    if (status.ok && text.size() > kImportFileLimit) {
        text.clear();
        return FileStatus::Failure(EFBIG);
    }
    return status;
}

std::string ExportText(const RadioData& radio, ExchangeFormat format) {
    switch (format) {
    case ExchangeFormat::Json:
        return ExportJson(radio);
    case ExchangeFormat::Csv:
        return ExportCsv(radio);
    case ExchangeFormat::Unknown:
        break;
    }
    return {};
}

} // namespace tlv
