// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: title, version, issue date and the developer line, which opens the maker's
// web page. Shown modeless; OK and the close box hide it.
#include <QDialog>

namespace tlv {

class EditorModel;

// The designer's names of the about box and its controls (their objectNames).
namespace about_names {
inline constexpr char Window[] = "frmAbout";
inline constexpr char RadioPicture[] = "Picture1";
inline constexpr char TitleLabel[] = "lblTitle";
inline constexpr char VersionLabel[] = "lblVersion";
inline constexpr char IssueLabel[] = "Label2";
inline constexpr char DeveloperLink[] = "lblDescription";
inline constexpr char OkButton[] = "cmdOK";
} // namespace about_names

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    // The developer line opens the web page and tells a failure in the model's language.
    AboutDialog(EditorModel& model, QWidget* parent);

  private:
    EditorModel& model_;
};

} // namespace tlv
