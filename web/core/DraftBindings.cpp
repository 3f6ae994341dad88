// SPDX-License-Identifier: GPL-3.0-or-later
// The five dialogs' drafts for the page: what each dialog shows until its OK, read as a plain
// object and written back from the dialog's controls.
#include "WebDocument.h"
#include "WebValues.h"

using emscripten::val;

namespace tlv::web {

val WebDocument::draft(const std::string& dialog) const {
    const DialogDrafts& d = state_.dialogs;
    val out = val::object();
    if (dialog == "optionalFunctions") {
        const OptionalFunctionsDraft& o = d.optionalFunctions;
        out.set("pttIdMode", o.pttIdMode);
        out.set("cancelOperation", o.cancelOperation);
        out.set("voxOffOnReceive", o.voxOffOnReceive);
        out.set("voxEnable", o.voxEnable);
        out.set("voxGain", o.voxGain);
        out.set("voxDelay", o.voxDelay);
        out.set("voxTone", o.voxTone);
        out.set("duplicate", o.duplicate);
        out.set("priorityMode", o.priorityMode);
        out.set("priorityChannel", o.priorityChannel);
        out.set("revertTimeA", o.revertTimeA);
        out.set("revertTimeB", o.revertTimeB);
        out.set("returnChannel", o.returnChannel);
        out.set("scanRxResumeDelay", o.scanRxResumeDelay);
        out.set("scanTxResumeDelay", o.scanTxResumeDelay);
        out.set("priorityFallbackChannel", o.priorityFallbackChannel);
    } else if (dialog == "keys") {
        out.set("pf1", d.keys.pf1);
        out.set("pf2", d.keys.pf2);
    } else if (dialog == "powerLevels") {
        const PowerLevelsDraft& p = d.powerLevels;
        out.set("high", p.high);
        out.set("low", p.low);
        out.set("highText", p.highText);
        out.set("lowText", p.lowText);
        out.set("slidersEnabled", p.slidersEnabled);
    } else if (dialog == "testFrequencies") {
        val grid = val::array();
        for (const auto& row : d.testFrequencies.grid)
            grid.call<void>("push", Texts({row[0], row[1], row[2]}));
        out.set("grid", grid);
    } else if (dialog == "embeddedTexts") {
        out.set("first", d.embeddedTexts.first);
        out.set("second", d.embeddedTexts.second);
    }
    return out;
}
void WebDocument::setDraft(const std::string& dialog, const val& in) {
    DialogDrafts& d = state_.dialogs;
    const auto number = [&](const char* key, int& target) {
        if (in[key].isNumber()) target = in[key].as<int>();
    };
    const auto flag = [&](const char* key, bool& target) {
        if (!in[key].isUndefined()) target = in[key].as<bool>();
    };
    const auto text = [&](const char* key, std::string& target) {
        if (in[key].isString()) target = in[key].as<std::string>();
    };
    if (dialog == "optionalFunctions") {
        OptionalFunctionsDraft& o = d.optionalFunctions;
        number("pttIdMode", o.pttIdMode);
        flag("cancelOperation", o.cancelOperation);
        flag("voxOffOnReceive", o.voxOffOnReceive);
        number("voxEnable", o.voxEnable);
        number("voxGain", o.voxGain);
        number("voxDelay", o.voxDelay);
        number("voxTone", o.voxTone);
        number("duplicate", o.duplicate);
        number("priorityMode", o.priorityMode);
        number("priorityChannel", o.priorityChannel);
        number("revertTimeA", o.revertTimeA);
        number("revertTimeB", o.revertTimeB);
        number("returnChannel", o.returnChannel);
        text("scanRxResumeDelay", o.scanRxResumeDelay);
        text("scanTxResumeDelay", o.scanTxResumeDelay);
        number("priorityFallbackChannel", o.priorityFallbackChannel);
    } else if (dialog == "keys") {
        number("pf1", d.keys.pf1);
        number("pf2", d.keys.pf2);
    } else if (dialog == "powerLevels") {
        PowerLevelsDraft& p = d.powerLevels;
        // The sliders move only in service mode, as in the window program.
        if (p.slidersEnabled) {
            number("high", p.high);
            number("low", p.low);
            text("highText", p.highText);
            text("lowText", p.lowText);
        }
    } else if (dialog == "testFrequencies") {
        const val grid = in["grid"];
        if (!grid.isArray()) return;
        auto& target = d.testFrequencies.grid;
        for (std::size_t r = 0; r < target.size() && r < grid["length"].as<std::size_t>(); ++r)
            for (std::size_t c = 0; c < 3; ++c)
                if (grid[r][c].isString()) target[r][c] = grid[r][c].as<std::string>();
    } else if (dialog == "embeddedTexts") {
        text("first", d.embeddedTexts.first);
        text("second", d.embeddedTexts.second);
    }
}

} // namespace tlv::web
