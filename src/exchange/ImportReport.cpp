// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ImportReport.h"

#include "exchange/ExchangeTexts.h"

namespace tlv {

ImportPlace KeyPathPlace(std::string key, int channel) {
    ImportPlace place;
    place.channel = channel;
    place.key = std::move(key);
    return place;
}

std::string PlaceText(const ImportPlace& place, Language language) {
    if (place.csvFile) return Localise(language, text::AtCsvFile);
    std::string text;
    if (place.channel && place.line) {
        text = Localise(language, text::AtChannelLine, std::to_string(place.channel),
                        std::to_string(place.line));
    } else if (place.channel) {
        // A JSON key path stands in brackets after the channel.
        text = Localise(language, text::AtChannel, std::to_string(place.channel));
        return place.key.empty() ? text : text + " (" + place.key + ")";
    } else if (place.line) {
        text = Localise(language, text::AtLine, std::to_string(place.line));
    }
    if (!place.key.empty()) text += (text.empty() ? "" : " ") + place.key;
    if (place.column)
        text += " (" + Localise(language, text::AtColumn, std::to_string(place.column)) + ")";
    return text;
}

ImportIssue IssueAt(const ImportPlace& place, std::string message, Language language,
                    ImportHint hint) {
    return {PlaceText(place, language), std::move(message), hint, place};
}

std::string IssueText(const ImportIssue& issue) {
    return issue.where.empty() ? issue.message : issue.where + ": " + issue.message;
}

std::string IssueLines(const std::vector<ImportIssue>& issues, Language language,
                       std::size_t maxLines) {
    std::string lines;
    for (std::size_t i = 0; i < issues.size() && i < maxLines; ++i) {
        if (i > 0) lines += '\n';
        lines += IssueText(issues[i]);
    }
    if (issues.size() > maxLines)
        lines +=
            '\n' + Localise(language, text::MoreIssues, std::to_string(issues.size() - maxLines));
    return lines;
}

bool ImportReport::hinted(ImportHint hint) const {
    for (const auto& error : errors)
        if (error.hint == hint) return true;
    return false;
}

} // namespace tlv
