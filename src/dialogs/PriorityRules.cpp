#include "dialogs/PriorityRules.h"

#include "image/ImageLayout.h"
#include "localisation/Messages.h"

namespace tlv {

void SelectPriorityMode(EditorState& state, MessageBoxService& box, int index) {
    if (index < -1 || index > 2) return;
    OptionalFunctions& form = state.optionalFunctions;
    form.priorityMode = index;
    if (index != 1) return;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (state.table.inUse(channel)) {
            form.priorityFallbackChannel = channel;
            SelectPriorityChannel(state, box, channel - 1);
            return;
        }
    }
    ShowMessage(box, state.languageState, msg::FixedNeedsChannel);
    form.priorityMode = 0;
}

void SelectPriorityChannel(EditorState& state, MessageBoxService& box, int index) {
    if (index < -1 || index >= kChannelCount) return;
    OptionalFunctions& form = state.optionalFunctions;
    form.priorityChannel = index;
    if (form.priorityMode != 1 || index == -1) return;
    if (state.table.inUse(index + 1)) return;
    ShowMessage(box, state.languageState, msg::EmptyChannelChosen);
    // The fallback is set without running the check again: a fallback channel that has been
    // emptied since the Fixed search must not loop back into the message.
    int fallback = form.priorityFallbackChannel - 1;
    form.priorityChannel = (fallback >= 0 && fallback < kChannelCount) ? fallback : -1;
}

} // namespace tlv
