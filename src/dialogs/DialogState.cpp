#include "dialogs/DialogState.h"

#include "dialogs/Form5Logic.h"
#include "image/Conversions.h"
#include "image/ImageLayout.h"

#include <cstdio>

namespace tlv {

namespace {

// A message box for the start-up load, where the priority rules cannot find anything to say.
class SilentMessageBox : public MessageBoxService {
  public:
    int LocalMsgBox(const std::string&, int, const std::string&) override { return IdOk; }
};

int optionValue(const EditorState& state, int entry) {
    long long value = TextInteger(state.stores.options.entry[entry]);
    if (value < -1000000 || value > 1000000) return -2; // selectable by no list
    return static_cast<int>(value);
}

void selectOption(EditorState& state, int& list, int entry, int size) {
    SelectListPosition(list, optionValue(state, entry), size);
}

std::string twoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

} // namespace

int FirstDigitDelayPosition(int milliseconds) {
    if (milliseconds < 100 || milliseconds > 1000) return -1;
    return (milliseconds - 100) / 50;
}

void SelectListPosition(int& list, int position, int size) {
    if (position >= -1 && position < size) list = position;
}

void SelectCheckValue(int& check, int value) {
    if (value == 0 || value == 1) check = value;
}

void Form5Load(EditorState& state, MessageBoxService& box) {
    using E = OptionSettings::Entry;
    Form5Controls& form = state.form5;
    selectOption(state, form.combo4, E::PttIdMode, form5list::PttIdMode);
    selectOption(state, form.combo6, E::VoxEnable, form5list::VoxEnable);
    selectOption(state, form.combo7, E::VoxGain, form5list::VoxGain);
    selectOption(state, form.combo8, E::VoxDelay, form5list::VoxDelay);
    selectOption(state, form.combo9, E::VoxTone, form5list::VoxTone);
    selectOption(state, form.combo10, E::Duplicate, form5list::Duplicate);
    // Combo11 before Combo12: Fixed runs its search first, the stored channel is then checked.
    Form5SelectPriorityMode(state, box, optionValue(state, E::PriorityMode));
    Form5SelectPriorityChannel(state, box, optionValue(state, E::PriorityChannel) - 1);
    selectOption(state, form.combo13, E::RevertTimeA, form5list::RevertTime);
    selectOption(state, form.combo14, E::RevertTimeB, form5list::RevertTime);
    selectOption(state, form.combo15, E::ReturnChannel, form5list::ReturnChannel);
    form.text5 = state.stores.options.entry[E::ScanRxResumeDelay];
    form.text6 = state.stores.options.entry[E::ScanTxResumeDelay];
    SelectCheckValue(form.check3, optionValue(state, E::CancelOperation));
    SelectCheckValue(form.check4, optionValue(state, E::VoxOffOnReceive));

    form.dtmfMemory = state.stores.dtmfMemory;
    for (int i = 0; i < 8; ++i) {
        int value = state.stores.dtmf.value[i];
        if (i == DtmfSettings::FirstDigitDelay) value = FirstDigitDelayPosition(value);
        SelectListPosition(form.dtmf[i], value, form5list::Dtmf[i]);
    }
}

void Form5Load(EditorState& state) {
    SilentMessageBox box;
    Form5Load(state, box);
}

void Form5Ok(EditorState& state) {
    using E = OptionSettings::Entry;
    const Form5Controls& form = state.form5;
    auto& entry = state.stores.options.entry;
    entry[E::PttIdMode] = std::to_string(form.combo4);
    entry[E::VoxEnable] = std::to_string(form.combo6);
    entry[E::VoxGain] = std::to_string(form.combo7);
    entry[E::VoxDelay] = std::to_string(form.combo8);
    entry[E::VoxTone] = std::to_string(form.combo9);
    entry[E::Duplicate] = std::to_string(form.combo10);
    entry[E::PriorityMode] = std::to_string(form.combo11);
    entry[E::PriorityChannel] = std::to_string(form.combo12 + 1);
    entry[E::RevertTimeA] = std::to_string(form.combo13);
    entry[E::RevertTimeB] = std::to_string(form.combo14);
    entry[E::ReturnChannel] = std::to_string(form.combo15);
    entry[E::ScanRxResumeDelay] = form.text5;
    entry[E::ScanTxResumeDelay] = form.text6;
    entry[E::CancelOperation] = std::to_string(form.check3);
    entry[E::VoxOffOnReceive] = std::to_string(form.check4);
}

void Form6Load(EditorState& state) {
    auto keyPosition = [](int value) {
        return value >= 0 && value < kKeyFunctionCount ? value : 1;
    };
    state.form6.combo1 = keyPosition(state.stores.keyFunction1);
    state.form6.combo2 = keyPosition(state.stores.keyFunction2);
}

void Form6Ok(EditorState& state) {
    state.stores.keyFunction1 = static_cast<int16_t>(state.form6.combo1);
    state.stores.keyFunction2 = static_cast<int16_t>(state.form6.combo2);
}

void Form7Load(EditorState& state) {
    state.form7.text1 = state.stores.embeddedTexts[0];
    state.form7.text2 = state.stores.embeddedTexts[1];
}

void Form7Ok(EditorState& state) {
    state.stores.embeddedTexts[0] = state.form7.text1;
    state.stores.embeddedTexts[1] = state.form7.text2;
}

void Form2Load(EditorState& state) {
    Form2Controls& form = state.form2;
    form.slidersEnabled = state.serviceMode != 0;
    form.slider1 = state.stores.highPowerLevel;
    form.lblpower1 = std::to_string(form.slider1);
    form.slider3 = state.stores.lowPowerLevel;
    form.lblpower3 = std::to_string(form.slider3);
}

void Form2Ok(EditorState& state) {
    state.stores.highPowerLevel = static_cast<int16_t>(state.form2.slider1);
    state.stores.lowPowerLevel = static_cast<int16_t>(state.form2.slider3);
}

void Form4Load(EditorState& state) {
    auto& grid = state.form4.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        grid[row][0] = twoDigits(row);
        grid[row][1] = state.stores.testFrequencies[row - 1];
        grid[row][2] = state.stores.testFrequencies[row + 15];
    }
}

void Form4Ok(EditorState& state) {
    const auto& grid = state.form4.grid;
    for (int row = 1; row <= kChannelCount; ++row) {
        state.stores.testFrequencies[row - 1] = grid[row][1];
        state.stores.testFrequencies[row + 15] = grid[row][2];
    }
}

void LoadAllDialogs(EditorState& state) {
    Form5Load(state);
    Form6Load(state);
    Form7Load(state);
    Form2Load(state);
    Form4Load(state);
}

} // namespace tlv
