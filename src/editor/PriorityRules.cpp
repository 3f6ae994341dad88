// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PriorityRules.h"

namespace tlv {

const Message* SelectPriorityMode(EditorState& state, int index) {
    if (index < -1 || index > 2) return nullptr;
    OptionalFunctionsDraft& draft = state.dialogs.optionalFunctions;
    draft.priorityMode = index;
    if (index != 1) return nullptr;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (state.radio().inUse(channel)) {
            draft.priorityFallbackChannel = channel;
            return SelectPriorityChannel(state, channel - 1);
        }
    }
    draft.priorityMode = 0;
    return &msg::FixedNeedsChannel;
}

const Message* SelectPriorityChannel(EditorState& state, int index) {
    if (index < -1 || index >= kChannelCount) return nullptr;
    OptionalFunctionsDraft& draft = state.dialogs.optionalFunctions;
    draft.priorityChannel = index;
    if (draft.priorityMode != 1 || index == -1) return nullptr;
    if (state.radio().inUse(index + 1)) return nullptr;
    // The fallback is set without running the check again: a fallback channel that has been
    // emptied since the Fixed search must not loop back into the message.
    const int fallback = draft.priorityFallbackChannel - 1;
    draft.priorityChannel = (fallback >= 0 && fallback < kChannelCount) ? fallback : -1;
    return &msg::EmptyChannelChosen;
}

} // namespace tlv
