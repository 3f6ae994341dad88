// SPDX-License-Identifier: GPL-3.0-or-later
// The core for the page: the document (RadioDocument, WebDocument.h) with its flows (Flow) and
// the transfer (Transfer), and the few values the page needs beside them. web/src/core-api.ts
// declares them for the page.
#include "WebDocument.h"
#include "WebFlow.h"
#include "WebValues.h"

#include "document/Document.h"
#include "editor/DialogState.h"
#include "image/DataFile.h"
#include "language/ButtonTexts.h"
#include "texts/TransferStatusLine.h"

#include <emscripten/bind.h>

using emscripten::val;

namespace tlv::web {

// The .DAT file of a memory image (a backup to download or reopen); empty for a wrong size.
val dataFile(const val& image) {
    const std::vector<uint8_t> content = BytesOf(image);
    MemoryImage memory{};
    if (content.size() != memory.size()) return Bytes(std::string());
    std::copy(content.begin(), content.end(), memory.begin());
    return Bytes(DataFileContent(memory));
}

// The buttons, icon and default of a message box's flags.
val msgBoxLayout(int flags) {
    const MsgBoxLayout layout = DecodeMsgBoxFlags(flags);
    static constexpr const char* kIcons[] = {"none", "stop", "question", "warning", "information"};
    val out = val::object();
    val buttons = val::array();
    for (int id : layout.buttons)
        buttons.call<void>("push", id);
    out.set("buttons", buttons);
    out.set("icon", std::string(kIcons[static_cast<int>(layout.icon)]));
    out.set("defaultButton", layout.defaultButton);
    out.set("escapeButton", layout.escapeButton);
    return out;
}

// The numbers the page needs; web/core/pre.js puts them on the module as `constants`.
val coreConstants() {
    val constants = val::object();
    constants.set("tableRows", kTableRows);
    constants.set("tableColumns", kTableCols);
    constants.set("progressMaximum", kProgressMaximum);
    constants.set("supervisionIntervalMs", kSupervisionIntervalMs);
    constants.set("statusIntervalMs", kStatusIntervalMs);
    constants.set("imageBytes", static_cast<int>(kImageBytes));
    constants.set("frequencyEditorMaxLength", kFrequencyEditorMaxLength);
    constants.set("keyEnter", kKeyEnter);
    constants.set("keyBackspace", kKeyBackspace);
    constants.set("powerLevelMinimum", kPowerLevelMinimum);
    constants.set("powerLevelMaximum", kPowerLevelMaximum);
    return constants;
}

} // namespace tlv::web

EMSCRIPTEN_BINDINGS(tlv6200_core) {
    using namespace emscripten;
    using tlv::web::WebDocument;
    class_<WebDocument>("RadioDocument")
        .constructor<std::string>()
        .function("setLanguage", &WebDocument::setLanguage)
        .function("language", &WebDocument::languageCode)
        .function("editingLock", &WebDocument::editingLock)
        .function("setEditingLock", &WebDocument::setEditingLock)
        .function("transferRunning", &WebDocument::transferRunning)
        .function("setTransferRunning", &WebDocument::setTransferRunning)
        .function("dataMayChange", &WebDocument::dataMayChange)
        .function("cellEditor", &WebDocument::cellEditor)
        .function("typingOpensEditor", &WebDocument::typingOpensEditor)
        .function("filterKey", &WebDocument::filterKey)
        .function("commitFrequency", &WebDocument::commitFrequency)
        .function("commitTone", &WebDocument::commitTone)
        .function("pickTone", &WebDocument::pickTone)
        .function("pickOption", &WebDocument::pickOption)
        .function("listPosition", &WebDocument::listPosition)
        .function("bandListOpened", &WebDocument::bandListOpened)
        .function("selectBand", &WebDocument::selectBand, allow_raw_pointers())
        .function("pickPanel", &WebDocument::pickPanel)
        .function("deleteChannels", &WebDocument::deleteChannels)
        .function("insertEmptyChannel", &WebDocument::insertEmptyChannel)
        .function("moveChannels", &WebDocument::moveChannels)
        .function("pasteRows", &WebDocument::pasteRows)
        .function("copyRows", &WebDocument::copyRows)
        .function("undo", &WebDocument::undo)
        .function("redo", &WebDocument::redo)
        .function("canUndo", &WebDocument::canUndo)
        .function("canRedo", &WebDocument::canRedo)
        .function("modified", &WebDocument::modified)
        .function("path", &WebDocument::path)
        .function("newDocument", &WebDocument::newDocument, allow_raw_pointers())
        .function("open", &WebDocument::open, allow_raw_pointers())
        .function("openContent", &WebDocument::openContent, allow_raw_pointers())
        .function("save", &WebDocument::save, allow_raw_pointers())
        .function("importFile", &WebDocument::importFile, allow_raw_pointers())
        .function("exportFile", &WebDocument::exportFile, allow_raw_pointers())
        .function("read", &WebDocument::read, allow_raw_pointers())
        .function("write", &WebDocument::write, allow_raw_pointers())
        .function("image", &WebDocument::image)
        .function("draft", &WebDocument::draft)
        .function("setDraft", &WebDocument::setDraft)
        .function("confirm", &WebDocument::confirm)
        .function("selectPriorityMode", &WebDocument::selectPriorityMode)
        .function("selectPriorityChannel", &WebDocument::selectPriorityChannel)
        .function("testFrequencyCellEditable", &WebDocument::testFrequencyCellEditable)
        .function("commitTestFrequency", &WebDocument::commitTestFrequency)
        .function("serviceMode", &WebDocument::serviceMode)
        .function("serviceCaptionClicked", &WebDocument::serviceCaptionClicked)
        .function("serviceButtonClicked", &WebDocument::serviceButtonClicked)
        .function("captions", &WebDocument::captions)
        .function("caption", &WebDocument::caption)
        .function("message", &WebDocument::message)
        .function("statusText", &WebDocument::statusText)
        .function("noSerialText", &WebDocument::noSerialText)
        .function("header", &WebDocument::header)
        .function("columnTooltip", &WebDocument::columnTooltip)
        .function("cellText", &WebDocument::cellText)
        .function("tableTexts", &WebDocument::tableTexts)
        .function("toneList", &WebDocument::toneList)
        .function("optionList", &WebDocument::optionList)
        .function("bandList", &WebDocument::bandList)
        .function("bandLabel", &WebDocument::bandLabel)
        .function("bandFrameCaption", &WebDocument::bandFrameCaption)
        .function("band", &WebDocument::band)
        .function("bandLimitsHint", &WebDocument::bandLimitsHint)
        .function("bandTooltip", &WebDocument::bandTooltip)
        .function("functionPanelCaption", &WebDocument::functionPanelCaption)
        .function("panelLists", &WebDocument::panelLists)
        .function("buttonText", &WebDocument::buttonText)
        .function("channelCard", &WebDocument::channelCard)
        .function("dialogTitle", &WebDocument::dialogTitle)
        .function("listEntries", &WebDocument::listEntries);
    function("coreConstants", &tlv::web::coreConstants);
    function("dataFile", &tlv::web::dataFile);
    function("msgBoxLayout", &tlv::web::msgBoxLayout);
}
