// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message box that never blocks: records every call and answers from a script.
#include "language/LocalMsgBox.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tlv::test {

struct ShownMessage {
    std::string text;
    int flags;
    std::string title;
};

class ScriptedMessageBox : public MessageBoxService {
  public:
    // Answers given in order; when the script is empty the box answers `fallback`.
    std::deque<int> answers;
    int fallback = IdOk;
    std::vector<ShownMessage> shown;
    // Run while each message is shown, as the user looks at the window behind it.
    std::function<void()> whileShown;

    int LocalMsgBox(const std::string& text, int flags, const std::string& title) override {
        shown.push_back({text, flags, title});
        if (whileShown) whileShown();
        if (answers.empty()) return fallback;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace tlv::test
