// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File dialogs that never block: each call takes the next scripted answer (a path, or nothing
// for Cancel) and counts how often each dialog was shown.
#include "document/FileDialogService.h"

#include <deque>

namespace tlv::test {

class ScriptedFileDialog : public FileDialogService {
  public:
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    int opensShown = 0;
    int savesShown = 0;

    std::optional<std::string> ShowOpen() override {
        ++opensShown;
        return next(openAnswers);
    }
    std::optional<std::string> ShowSave() override {
        ++savesShown;
        return next(saveAnswers);
    }

  private:
    static std::optional<std::string> next(std::deque<std::optional<std::string>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace tlv::test
