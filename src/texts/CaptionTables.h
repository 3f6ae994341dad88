// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The caption tables: every fixed text of the windows in Simplified Chinese and English, one
// row per text, written into the windows by ApplyLanguageCaptions. Traditional Chinese has no
// table: the Simplified one is written and the windows are then converted.
//
// Addressing: a row names its window and control by the names the windows give them
// (Qt objectName). Element e of a control array is the control named "Name_e", e.g. the
// option list of column 5 is "Combo5_5". Controls of the dialogs without a name of their
// own are named here: in OptionalFunctionsDialog the VOX frame is "Frame1", the scan frame "Frame2"
// and the hidden DTMF frame "Frame3".
#include "editor/CellTexts.h"
#include "language/Messages.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

// What a row sets.
enum class CaptionItem {
    WindowTitle,   // the window's title
    Caption,       // caption of a menu item, label, frame, button or check box
    ListEntry,     // entry `index` of a drop-down list, written in place
    GridHeader,    // cell (0, `index`) of a grid's header row
    ToolbarButton, // caption of toolbar button `index` (1-based, separators counted)
};

struct CaptionRow {
    std::string window;
    std::string control; // empty for the window title
    CaptionItem item;
    int index; // list entry, header column or toolbar button; 0 otherwise
    std::string zh;
    std::string en;

    // The English text for English, the Simplified one otherwise (Traditional Chinese is
    // converted from it).
    const std::string& text(Language language) const {
        return language == Language::English ? en : zh;
    }
};

// The windows that carry captions, in the order they are written and converted.
inline constexpr std::array<std::string_view, 8> kCaptionWindows{
    "Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "frmAbout"};

namespace caption {
// The about box texts that Traditional Chinese start-up and switching write themselves.
inline constexpr const char* AboutTitle = "TLV6200 对讲机编程软件";
inline constexpr const char* TraditionalVersion = "繁体中文版 V1.0";
} // namespace caption

// Every row of both tables, window by window in kCaptionWindows order and within a window in
// the order the texts are written. Generated entries (the time-out and squelch lists) are
// made by loops when the table is first used.
const std::vector<CaptionRow>& CaptionTable();

// The rows of one window (empty for a window without captions).
std::span<const CaptionRow> CaptionRowsOf(std::string_view window);

// The row of `window` that sets `item` (entry, column or button `index`) of `control`; null when
// the table has none. For a window title the control is empty.
const CaptionRow* FindCaption(std::string_view window, std::string_view control, CaptionItem item,
                              int index = 0);

// The text a row sets in a language (Traditional converted from the Simplified text); empty
// when the table has no such row.
std::string CaptionText(Language language, std::string_view window, std::string_view control,
                        CaptionItem item = CaptionItem::Caption, int index = 0);

// Where the captions are written. Every call names a window and a control by name; a target
// ignores writes to windows, controls, list entries, header cells or buttons it does not have.
class CaptionTarget {
  public:
    virtual ~CaptionTarget() = default;
    virtual void setWindowTitle(std::string_view window, const std::string& text) = 0;
    virtual void setCaption(std::string_view window, std::string_view control,
                            const std::string& text) = 0;
    virtual void setListEntry(std::string_view window, std::string_view control, int entry,
                              const std::string& text) = 0;
    virtual void setGridHeader(std::string_view window, std::string_view control, int column,
                               const std::string& text) = 0;
    virtual void setToolbarButton(std::string_view window, std::string_view control, int button,
                                  const std::string& text) = 0;
};

// Writes one row in the given language's table (CaptionTableOf).
void WriteCaptionRow(CaptionTarget& target, const CaptionRow& row, Language language);

// ApplyLanguageCaptions: writes the Simplified table for Simplified Chinese, the English table
// for English, nothing for Traditional Chinese (whose windows are converted).
void ApplyLanguageCaptions(CaptionTarget& target, Language language);

} // namespace tlv
