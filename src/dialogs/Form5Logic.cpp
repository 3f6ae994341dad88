#include "dialogs/Form5Logic.h"

#include "image/ImageLayout.h"
#include "localisation/Messages.h"

namespace tlv {

void Form5SelectPriorityMode(EditorState& state, MessageBoxService& box, int index) {
    if (index < -1 || index > 2) return;
    Form5Controls& form = state.form5;
    form.combo11 = index;
    if (index != 1) return;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (state.table.inUse(channel)) {
            form.priorityFallbackChannel = channel;
            Form5SelectPriorityChannel(state, box, channel - 1);
            return;
        }
    }
    ShowMessage(box, state.languageState, msg::FixedNeedsChannel);
    form.combo11 = 0;
}

void Form5SelectPriorityChannel(EditorState& state, MessageBoxService& box, int index) {
    if (index < -1 || index >= kChannelCount) return;
    Form5Controls& form = state.form5;
    form.combo12 = index;
    if (form.combo11 != 1 || index == -1) return;
    if (state.table.inUse(index + 1)) return;
    ShowMessage(box, state.languageState, msg::EmptyChannelChosen);
    // The fallback is set without running the check again: a fallback channel that has been
    // emptied since the Fixed search must not loop back into the message.
    int fallback = form.priorityFallbackChannel - 1;
    form.combo12 = (fallback >= 0 && fallback < kChannelCount) ? fallback : -1;
}

} // namespace tlv
