// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The terminal side of the command-line program: messages on standard error, the answer to
// the band question, progress bars when standard error is a terminal, and Ctrl+C.
#include "language/LocalMsgBox.h"
#include "language/Messages.h"

#include <optional>
#include <string>
#include <vector>

namespace tlv::cli {

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFile = 2;
inline constexpr int kExitCommunication = 3;
inline constexpr int kExitInvalidImport = 4;
inline constexpr int kExitDifferent = 1; // diff: the files differ

bool StdinIsTerminal();
bool StderrIsTerminal();

// Writes one line to standard error (clearing a progress line first).
void ErrorLine(const std::string& text);

// Every message box of the core, shown as lines on standard error. Questions (Yes/No or
// OK/Cancel) are answered with `answer` when set; otherwise asked on the terminal when standard
// input is one, and answered No (Cancel) when it is not.
class ConsoleMessageBox : public MessageBoxService {
  public:
    explicit ConsoleMessageBox(std::string prefix = {}) : prefix_(std::move(prefix)) {}
    std::optional<bool> answer;
    int LocalMsgBox(const std::string& text, int flags, const std::string& title) override;
    const std::vector<std::string>& shown() const { return shown_; }

  private:
    std::string prefix_;
    std::vector<std::string> shown_;
};

// Asks a yes/no question on the terminal (standard error / standard input); false on anything
// but y/yes, and on end of input.
bool AskYesNo(const std::string& question);

// The band question of a write of a list set to `band`, settled once before any radio is
// touched: Yes with --yes (`yes`), asked on the terminal when standard input is one, No
// otherwise. `answer` stays empty for the first band, which asks nothing. After a No it says
// that nothing was written and returns false.
bool SettleBandQuestion(int band, bool yes, Language language, std::optional<bool>& answer);

// Ctrl+C (SIGINT) or SIGTERM from now on is noted, for the verb to stop what it does (the
// transfers stopped as the window's stop does: the end frame sent, the ports closed and their
// lock files removed); a second signal ends the program at once.
void CatchInterrupts();
// The signal noted, or 0.
int InterruptingSignal();
// The exit code of an interrupted program, as the shell reports a program the signal ended.
int InterruptedExitCode();

// One progress line on standard error for several transfers: "COM1 [####    ]  40%  ...".
// Draws nothing when standard error is not a terminal.
class ProgressLine {
  public:
    explicit ProgressLine(std::vector<std::string> names);
    void set(std::size_t index, int value, int maximum);
    void finish();

  private:
    void draw();
    std::vector<std::string> names_;
    std::vector<int> percent_;
    bool enabled_;
    bool drawn_ = false;
};

} // namespace tlv::cli
