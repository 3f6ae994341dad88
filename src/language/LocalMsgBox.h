// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box of the system goes through this interface: the program shows a real
// modal box, tests answer from a script.
#include <string>

namespace tlv {

// Flag values in use (buttons, icon, default button, modality).
namespace mb {
inline constexpr int Ok = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNo = 4;
// Save, Discard and Cancel (no counterpart among the classic codes 0..6).
inline constexpr int SaveDiscardCancel = 7;
inline constexpr int IconStop = 16;
inline constexpr int IconQuestion = 32;
inline constexpr int IconWarning = 48;
inline constexpr int IconInformation = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int SystemModal = 4096;
} // namespace mb

// Item ids of the pressed button.
enum MsgResult : int {
    IdOk = 1,
    IdCancel = 2,
    IdAbort = 3,
    IdRetry = 4,
    IdIgnore = 5,
    IdYes = 6,
    IdNo = 7,
    IdSave = 12,
    IdDiscard = 13,
};

inline constexpr const char* kAppTitle = "TLV6200";

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    // Shows text with the flags; an empty title stands for the application title.
    // Returns the id of the button pressed.
    virtual int LocalMsgBox(const std::string& text, int flags, const std::string& title) = 0;
};

} // namespace tlv
