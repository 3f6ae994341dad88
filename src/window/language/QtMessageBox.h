// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's message box: a modal QMessageBox whose button texts follow the language in
// force, whatever the language of the system.
#include "language/Language.h"
#include "language/LocalMsgBox.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QMessageBox;
class QAbstractButton;

namespace tlv {

class QtMessageBox : public MessageBoxService {
  public:
    // `language` is asked at every box.
    explicit QtMessageBox(std::function<Language()> language, QWidget* owner = nullptr);

    // The main window, which owns every box.
    void setOwner(QWidget* owner) { owner_ = owner; }

    int LocalMsgBox(const std::string& text, int flags, const std::string& title) override;

    // The box as LocalMsgBox would show it, not yet shown.
    std::unique_ptr<QMessageBox> buildBox(const std::string& text, int flags,
                                          const std::string& title) const;
    // The item id for the button that closed `box` (its escape button when none was clicked).
    static int resultOf(const QMessageBox& box, const QAbstractButton* clicked);

  private:
    std::function<Language()> language_;
    QPointer<QWidget> owner_;
};

} // namespace tlv
