// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include "CliTexts.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace tlv::cli {

namespace {

bool progressOnScreen = false;

volatile std::sig_atomic_t interruptingSignal = 0;

void onInterrupt(int signal) {
    interruptingSignal = signal;
    std::signal(signal, SIG_DFL);
}

} // namespace

bool StdinIsTerminal() {
    return isatty(STDIN_FILENO) == 1;
}
bool StderrIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

void ErrorLine(const std::string& text) {
    if (progressOnScreen) {
        std::fputs("\r\033[K", stderr);
        progressOnScreen = false;
    }
    std::fputs(text.c_str(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

bool AskYesNo(const std::string& question) {
    std::fprintf(stderr, "%s [y/N] ", question.c_str());
    std::fflush(stderr);
    std::string reply;
    if (!std::getline(std::cin, reply)) return false;
    return reply == "y" || reply == "Y" || reply == "yes" || reply == "Yes" || reply == "YES";
}

bool SettleBandQuestion(int band, bool yes, Language language, std::optional<bool>& answer) {
    if (band == 0) return true;
    const std::string question = Localise(language, msg::BandMismatch.text);
    answer = yes ? true : StdinIsTerminal() ? AskYesNo(question) : false;
    if (*answer) return true;
    if (!yes && !StdinIsTerminal()) ErrorLine(question + " -> No");
    ErrorLine(Localise(language, text::BandQuestionDeclined));
    return false;
}

void CatchInterrupts() {
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
}

int InterruptingSignal() {
    return interruptingSignal;
}

int InterruptedExitCode() {
    return 128 + interruptingSignal;
}

int ConsoleMessageBox::LocalMsgBox(const std::string& text, int flags, const std::string&) {
    shown_.push_back(text);
    const int buttons = flags & 0x0F;
    const bool question = buttons == mb::YesNo || buttons == mb::OkCancel;
    if (!question) {
        // Every line of a message carries the port's prefix.
        std::string lines = prefix_ + text;
        for (std::size_t at = lines.find('\n'); at != std::string::npos && !prefix_.empty();
             at = lines.find('\n', at + 1 + prefix_.size()))
            lines.insert(at + 1, prefix_);
        ErrorLine(lines);
        return IdOk;
    }
    bool yes = false;
    if (answer) {
        yes = *answer;
        ErrorLine(prefix_ + text + (yes ? " -> Yes" : " -> No"));
    } else if (StdinIsTerminal()) {
        yes = AskYesNo(prefix_ + text);
    } else {
        ErrorLine(prefix_ + text + " -> No");
    }
    if (buttons == mb::YesNo) return yes ? IdYes : IdNo;
    return yes ? IdOk : IdCancel;
}

ProgressLine::ProgressLine(std::vector<std::string> names)
    : names_(std::move(names)), percent_(names_.size(), -1), enabled_(StderrIsTerminal()) {}

void ProgressLine::set(std::size_t index, int value, int maximum) {
    if (index >= percent_.size() || maximum <= 0) return;
    const int percent = std::clamp(value * 100 / maximum, 0, 100);
    if (percent == percent_[index]) return;
    percent_[index] = percent;
    draw();
}

void ProgressLine::draw() {
    if (!enabled_) return;
    std::string line = "\r";
    for (std::size_t i = 0; i < names_.size(); ++i) {
        const int percent = std::max(percent_[i], 0);
        const int filled = percent / 5;
        line += names_[i] + " [" + std::string(filled, '#') + std::string(20 - filled, ' ') + "] " +
                std::to_string(percent) + "%  ";
    }
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    progressOnScreen = true;
    drawn_ = true;
}

void ProgressLine::finish() {
    if (drawn_ && progressOnScreen) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        progressOnScreen = false;
    }
}

} // namespace tlv::cli
