#include "image/ImageCodec.h"

#include "dialogs/DialogState.h"
#include "dialogs/PriorityRules.h"
#include "editor/EditorOps.h"
#include "editor/ToneList.h"
#include "image/Conversions.h"
#include "image/ImageFields.h"
#include "image/ImageLayout.h"
#include "localisation/Messages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tlv {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

uint8_t clampByte(long long value) {
    return static_cast<uint8_t>(std::clamp<long long>(value, 0, 255));
}

uint8_t bandCodeByte(int index) {
    if (index < 0 || index >= static_cast<int>(kBands.size())) return 0xFF;
    const auto code = ImageTextToBytes(kBands[index].code);
    return code && code->size() == 1 ? (*code)[0] : 0xFF;
}

int bandIndexOfCode(uint8_t code) {
    for (int i = 0; i < static_cast<int>(kBands.size()); ++i)
        if (bandCodeByte(i) == code) return i;
    return -1;
}

class ImageWriter {
  public:
    void put(long long value) { bytes_.push_back(clampByte(value)); }
    void fill(int count, uint8_t value = 0xFF) { bytes_.insert(bytes_.end(), count, value); }
    void ascii(std::string_view text) {
        for (char c : text)
            put(static_cast<unsigned char>(c));
    }
    template <typename Range> void append(const Range& range) {
        bytes_.insert(bytes_.end(), std::begin(range), std::end(range));
    }
    void word(long long value) {
        auto clamped = static_cast<uint16_t>(std::clamp<long long>(value, 0, 65535));
        put(clamped & 0xFF);
        put(clamped >> 8);
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};

} // namespace

namespace imagefield {

uint16_t ToneValue(const CellListTexts& texts, std::string_view text) {
    if (text.empty() || IsToneOffText(texts, text)) return 0xFFFF;
    if (text.front() == 'D' && text.size() >= 2 && (text.back() == 'N' || text.back() == 'I')) {
        auto digit = [&](std::size_t i) {
            return i < text.size() && isDigit(text[i]) ? text[i] - '0' : 0;
        };
        int code = 64 * digit(1) + 8 * digit(2) + digit(3);
        int value = 0x800 | (code & 0x1FF);
        return static_cast<uint16_t>((text.back() == 'N' ? 0x2000 : 0xA000) | value);
    }
    double tenths = std::round(TextValue(text) * 10.0);
    if (!(tenths >= 0)) return 0;
    return static_cast<uint16_t>(std::min(tenths, 65535.0));
}

std::string ToneText(uint16_t value) {
    int discriminator = value >> 12;
    if (discriminator == 0x2 || discriminator == 0xA) {
        char octal[8];
        std::snprintf(octal, sizeof octal, "%o", value & 0xFFF);
        std::string_view digits(octal);
        if (digits.size() > 3) digits = digits.substr(digits.size() - 3);
        return "D" + std::string(digits) + (discriminator == 0x2 ? "N" : "I");
    }
    std::string digits = std::to_string(value);
    return digits.substr(0, digits.size() - 1) + "." + digits.back();
}

} // namespace imagefield

std::string EncodeImage(const EditorState& state) {
    using E = OptionSettings::Entry;
    using namespace imagefield;
    const ChannelTable& table = state.table;
    const CellListTexts& lists = state.lists;
    const SettingsStores& stores = state.stores;
    auto option = [&](int entry) { return TextInteger(stores.options.entry[entry]); };
    auto isEntry0 = [&](int row, int column) {
        return table.at(row, column) == lists.optionText(column, 0);
    };

    ImageWriter out;
    for (int row = 1; row <= kChannelCount; ++row) {
        out.append(FrequencyBytes(table.at(row, col::RxFrequency)));
        out.append(FrequencyBytes(table.at(row, col::TxFrequency)));
        for (int column : {col::RxTone, col::TxTone})
            out.word(ToneValue(lists, table.at(row, column)));
        out.put(isEntry0(row, col::Forbid) ? 0xF0 : 0xF8);
        out.put(0xC0 | (isEntry0(row, col::Power) ? 0 : 0x20) |
                (isEntry0(row, col::Bandwidth) ? 0 : 0x10));
        out.put(0xFC);
        out.put(0xFF);
    }

    const auto& dtmf = stores.dtmf.value;
    out.put(dtmf[DtmfSettings::DtmfRate]);
    out.put(dtmf[DtmfSettings::FirstDigitTime]);
    out.put(dtmf[DtmfSettings::FirstDigitDelay] / 10);
    out.put(dtmf[DtmfSettings::StarHashTone]);
    out.put(dtmf[DtmfSettings::DKeySetting]);
    out.put(dtmf[DtmfSettings::DtmfSidetone]);
    int groupCall = dtmf[DtmfSettings::GroupCallCode];
    out.put(groupCall == 0 ? 0 : static_cast<unsigned char>(std::to_string(groupCall)[0]));
    out.put(dtmf[DtmfSettings::AutoResetTimer]);
    out.fill(5);
    out.put(stores.keyFunction1);
    out.put(stores.keyFunction2);
    out.fill(1);
    out.append(TextBytes(stores.options.entry[E::IdCode], 10));
    out.fill(5);
    out.put(state.voicePrompt);
    out.put(static_cast<long long>(state.timeOutTimer) + 1);
    out.put(state.timeOutWarning);
    out.put(option(E::PttIdMode));
    out.put(0);
    out.put(state.squelchLevel);
    out.put(state.batterySave);
    out.put(state.beep);
    for (int entry : {E::CancelOperation, E::VoxOffOnReceive, E::VoxEnable, E::VoxGain, E::VoxDelay,
                      E::VoxTone})
        out.put(option(entry));
    out.fill(1);
    out.put(option(E::Duplicate) == 1 ? 0xFF : 0xFE);
    out.fill(1);
    out.append(TextBytes(stores.options.entry[E::PttIdStartCode], 16));
    out.append(TextBytes(stores.options.entry[E::PttIdEndCode], 16));
    out.put(option(E::PriorityMode));
    out.put(option(E::PriorityChannel));
    for (int entry : {E::RevertTimeA, E::RevertTimeB}) {
        long long value = option(entry);
        out.put(value == 0 ? 0xFF : value);
    }
    out.put(option(E::ReturnChannel));
    out.word(option(E::ScanRxResumeDelay));
    out.word(option(E::ScanTxResumeDelay));
    out.fill(21);
    for (int first : {1, 9}) {
        int bits = 0;
        for (int n = 0; n < 8; ++n) {
            const std::string& cell = table.at(first + n, col::Scan);
            if (!cell.empty() && cell != lists.optionText(col::Scan, 0)) bits |= 1 << n;
        }
        out.put(bits);
    }
    out.fill(3);
    out.put(stores.highPowerLevel);
    out.fill(4);
    out.put(stores.lowPowerLevel);
    out.fill(47);
    out.ascii(kModelTag);
    out.put(bandCodeByte(state.currentBand));
    out.put(0xF8);
    out.put(0xFF);
    out.fill(64);

    for (const std::string& memory : stores.dtmfMemory) {
        std::vector<uint8_t> bytes = TextBytes(memory, 16);
        std::replace(bytes.begin(), bytes.end(), uint8_t{'0'}, uint8_t{0x3A});
        out.append(bytes);
    }
    for (int entry = 0; entry < kChannelCount; ++entry) {
        out.append(FrequencyBytes(stores.testFrequencies[entry]));
        out.append(FrequencyBytes(stores.testFrequencies[entry + 16]));
    }
    out.append(TextBytes(stores.embeddedTexts[0], 32));
    out.append(TextBytes(stores.embeddedTexts[1], 32));
    out.ascii(kModelId);
    out.fill(5);
    out.put(bandCodeByte(state.currentBand));
    out.fill(3);
    out.ascii(kTrailerCode);
    out.fill(8, 0x88);
    return BytesToImageText(out.bytes());
}

namespace {

class ImageDecoder {
  public:
    ImageDecoder(EditorState& state, const std::vector<uint8_t>& image, MessageBoxService& box)
        : state_(state), image_(image), box_(box) {}

    void run() {
        state_.serviceMode = 0;
        for (int row = 1; row <= kChannelCount; ++row)
            channel(row);
        dtmfSettings();
        keys();
        options();
        scanColumn();
        powerLevels();
        band();
        tables();
        if (!damaged_.empty())
            ShowMessage(box_, state_.languageState, msg::DamagedFrequencies, damaged_);
    }

  private:
    using E = OptionSettings::Entry;

    int byte(int offset) const { return image_[offset]; }

    std::string& entry(int index) { return state_.stores.options.entry[index]; }
    int entryValue(int index) { return static_cast<int>(TextInteger(entry(index))); }

    // The store takes the byte when it passes; the control follows the store either way.
    void optionByte(int index, int value, bool passes, int& control, int listSize) {
        if (passes) entry(index) = std::to_string(value);
        SelectListPosition(control, entryValue(index), listSize);
    }

    std::string text(int offset, int width, bool stopAtFF) const {
        std::string result;
        for (int i = offset; i < offset + width; ++i) {
            if (byte(i) == 0xFF) {
                if (stopAtFF) break;
                continue;
            }
            result += imagefield::CharacterText(static_cast<uint8_t>(byte(i)));
        }
        return result;
    }

    bool isNoFrequency(int offset) const {
        return byte(offset) == 0xFF && byte(offset + 1) == 0xFF && byte(offset + 2) == 0xFF &&
               byte(offset + 3) == 0xFF;
    }

    // The frequency text of the code at `offset`. A code with a digit that is not decimal (a
    // damaged file or memory) cannot be written back as it is; it is shown as no frequency and
    // named in the message at the end, so that a save gives the same file as the next one.
    std::string frequency(int offset, const LocalText& field, int number) {
        std::string text = imagefield::FrequencyText(&image_[offset]);
        if (text.find_first_not_of("0123456789.") == std::string::npos) return text;
        damaged_ += (damaged_.empty() ? "" : "\n") +
                    Localise(state_.languageState, field, std::to_string(number), text);
        return {};
    }

    std::string toneText(int row, int column, int offset) {
        int value = byte(offset) | (byte(offset + 1) << 8);
        int frequencyColumn = column == col::RxTone ? col::RxFrequency : col::TxFrequency;
        if (value == 0xFFFF) {
            if (state_.table.at(row, frequencyColumn).empty()) return {};
            state_.optionIndex.at(row, column) = 0;
            return state_.lists.toneOff;
        }
        std::string tone = imagefield::ToneText(static_cast<uint16_t>(value));
        // The cell's list position follows the decoded tone: its entry in the tone list, or 0
        // (off) for a tone the list does not hold, so that invalid typing later restores this
        // cell's own tone or turns it off, never a tone left over from an earlier load.
        int position = ToneListPosition(state_.lists, tone);
        state_.optionIndex.at(row, column) = static_cast<int16_t>(position > 0 ? position : 0);
        return tone;
    }

    void optionCell(int row, int column, int bit) {
        state_.table.at(row, column) = state_.lists.optionText(column, bit);
        state_.optionIndex.at(row, column) = static_cast<int16_t>(bit);
    }

    void channel(int row) {
        int b = kChannelRecordBytes * (row - 1);
        ChannelTable& table = state_.table;
        std::string receive =
            isNoFrequency(b) ? std::string() : frequency(b, damaged::ChannelReceive, row);
        if (receive.empty()) {
            for (int column = 1; column < kTableCols; ++column)
                table.at(row, column).clear();
            return;
        }
        table.at(row, col::RxFrequency) = receive;
        table.at(row, col::TxFrequency) = frequency(b + 4, damaged::ChannelTransmit, row);
        table.at(row, col::RxTone) = toneText(row, col::RxTone, b + 8);
        table.at(row, col::TxTone) = toneText(row, col::TxTone, b + 10);
        optionCell(row, col::Forbid, (byte(b + 12) >> 3) & 1);
        optionCell(row, col::Bandwidth, (byte(b + 13) >> 4) & 1);
        optionCell(row, col::Power, (byte(b + 13) >> 5) & 1);
    }

    void dtmfSettings() {
        auto& value = state_.stores.dtmf.value;
        auto take = [&](int field, int offset, int limit) {
            if (byte(offset) < limit) value[field] = static_cast<int16_t>(byte(offset));
        };
        take(DtmfSettings::DtmfRate, offset::DtmfRate, 4);
        take(DtmfSettings::FirstDigitTime, offset::DtmfRate + 1, 4);
        int delay = byte(offset::DtmfRate + 2);
        if (delay >= 10 && delay <= 100)
            value[DtmfSettings::FirstDigitDelay] = static_cast<int16_t>(delay * 10);
        take(DtmfSettings::StarHashTone, offset::DtmfRate + 3, 4);
        take(DtmfSettings::DKeySetting, offset::DtmfRate + 4, 17);
        take(DtmfSettings::DtmfSidetone, offset::DtmfRate + 5, 2);
        // GroupCallCode: 00 and FF mean none, an ASCII digit its value; any other byte fails
        // its test like every out-of-range value and leaves the setting as it was.
        int group = byte(offset::DtmfRate + 6);
        if (group == 0x00 || group == 0xFF)
            value[DtmfSettings::GroupCallCode] = 0;
        else if (group >= '0' && group <= '9')
            value[DtmfSettings::GroupCallCode] = static_cast<int16_t>(group - '0');
        take(DtmfSettings::AutoResetTimer, offset::DtmfRate + 7, 16);
    }

    void keys() {
        SettingsStores& stores = state_.stores;
        if (byte(offset::KeyFunction1) < kKeyFunctionCount)
            stores.keyFunction1 = static_cast<int16_t>(byte(offset::KeyFunction1));
        SelectListPosition(state_.keyFunctions.keyFunction1, stores.keyFunction1,
                           kKeyFunctionCount);
        if (byte(offset::KeyFunction2) < kKeyFunctionCount)
            stores.keyFunction2 = static_cast<int16_t>(byte(offset::KeyFunction2));
        SelectListPosition(state_.keyFunctions.keyFunction2, stores.keyFunction2,
                           kKeyFunctionCount);
    }

    void options() {
        OptionalFunctions& form = state_.optionalFunctions;
        entry(E::IdCode) = text(offset::IdCode, 10, true);

        if (byte(offset::VoicePrompt) < 3) state_.voicePrompt = byte(offset::VoicePrompt);
        if (byte(offset::TimeOutTimer) < 41) state_.timeOutTimer = byte(offset::TimeOutTimer) - 1;
        if (byte(offset::TimeOutWarning) < 11) state_.timeOutWarning = byte(offset::TimeOutWarning);

        int ptt = byte(offset::PttIdMode);
        optionByte(E::PttIdMode, ptt, ptt < 3, form.pttIdMode, optionListSize::PttIdMode);
        if (byte(offset::SquelchLevel) < 10) state_.squelchLevel = byte(offset::SquelchLevel);
        if (byte(offset::BatterySave) < 2) state_.batterySave = byte(offset::BatterySave);
        if (byte(offset::Beep) < 2) state_.beep = byte(offset::Beep);

        int cancel = byte(offset::CancelOperation);
        if (cancel < 2) entry(E::CancelOperation) = std::to_string(cancel);
        SelectCheckValue(form.cancelOperation, entryValue(E::CancelOperation));
        int voxOff = byte(offset::VoxOffOnReceive);
        if (voxOff < 2) entry(E::VoxOffOnReceive) = std::to_string(voxOff);
        SelectCheckValue(form.voxOffOnReceive, entryValue(E::VoxOffOnReceive));

        int v = byte(offset::VoxEnable);
        optionByte(E::VoxEnable, v, v < 2, form.voxEnable, optionListSize::VoxEnable);
        v = byte(offset::VoxGain);
        optionByte(E::VoxGain, v, v < 11, form.voxGain, optionListSize::VoxGain);
        v = byte(offset::VoxDelay);
        optionByte(E::VoxDelay, v, v < 6, form.voxDelay, optionListSize::VoxDelay);
        v = byte(offset::VoxTone);
        optionByte(E::VoxTone, v, v < 2, form.voxTone, optionListSize::VoxTone);
        optionByte(E::Duplicate, byte(offset::Duplicate) & 1, true, form.duplicate,
                   optionListSize::Duplicate);

        entry(E::PttIdStartCode) = text(offset::PttIdStartCode, 16, false);
        entry(E::PttIdEndCode) = text(offset::PttIdEndCode, 16, false);

        v = byte(offset::PriorityMode);
        if (v < 3) entry(E::PriorityMode) = std::to_string(v);
        SelectPriorityMode(state_, box_, entryValue(E::PriorityMode));
        v = byte(offset::PriorityChannel);
        if (v >= 1 && v <= 16) entry(E::PriorityChannel) = std::to_string(v);
        SelectPriorityChannel(state_, box_, entryValue(E::PriorityChannel) - 1);

        auto revertTime = [&](int index, int at, int& control) {
            int revert = byte(at);
            bool passes = revert < optionListSize::RevertTime || revert == 0xFF;
            optionByte(index, revert == 0xFF ? 0 : revert, passes, control,
                       optionListSize::RevertTime);
        };
        revertTime(E::RevertTimeA, offset::RevertTimeA, form.revertTimeA);
        revertTime(E::RevertTimeB, offset::RevertTimeB, form.revertTimeB);
        v = byte(offset::ReturnChannel);
        optionByte(E::ReturnChannel, v, v < 4, form.returnChannel, optionListSize::ReturnChannel);

        // The resume delays: unsigned 16-bit values, taken when at most 300 (FF FF never is).
        auto resumeDelay = [&](int index, int at, std::string& control) {
            int delay = byte(at) | (byte(at + 1) << 8);
            if (delay <= 300) entry(index) = std::to_string(delay);
            control = entry(index);
        };
        resumeDelay(E::ScanRxResumeDelay, offset::ScanRxResumeDelay, form.scanRxResumeDelay);
        resumeDelay(E::ScanTxResumeDelay, offset::ScanTxResumeDelay, form.scanTxResumeDelay);
    }

    void scanColumn() {
        for (int row = 1; row <= kChannelCount; ++row) {
            int bits = byte(offset::ScanAddBits + (row - 1) / 8);
            if (state_.table.inUse(row))
                optionCell(row, col::Scan, (bits >> ((row - 1) % 8)) & 1);
            else
                state_.table.at(row, col::Scan).clear();
        }
    }

    void powerLevels() {
        SettingsStores& stores = state_.stores;
        stores.highPowerLevel = static_cast<int16_t>(byte(offset::HighPowerLevel));
        stores.lowPowerLevel = static_cast<int16_t>(byte(offset::LowPowerLevel));
        state_.powerLevels.highLevel = stores.highPowerLevel;
        state_.powerLevels.highLevelText = std::to_string(stores.highPowerLevel);
        state_.powerLevels.lowLevel = stores.lowPowerLevel;
        state_.powerLevels.lowLevelText = std::to_string(stores.lowPowerLevel);
    }

    void band() {
        int index = bandIndexOfCode(static_cast<uint8_t>(byte(offset::BandCode)));
        if (index >= 0) SelectBandWithoutQuestion(state_, index);
    }

    void tables() {
        SettingsStores& stores = state_.stores;
        for (int i = 0; i < 8; ++i) {
            std::string memory;
            for (int k = 0; k < 16; ++k) {
                int value = byte(offset::DtmfMemory + 16 * i + k);
                if (value == 0xFF) continue;
                memory += value == 0x3A ? std::string("0")
                                        : imagefield::CharacterText(static_cast<uint8_t>(value));
            }
            stores.dtmfMemory[i] = memory;
        }
        for (int n = 1; n <= kChannelCount; ++n) {
            int at = offset::TestFrequencyTable + 8 * (n - 1);
            stores.testFrequencies[n - 1] = frequency(at, damaged::TestReceive, n);
            stores.testFrequencies[n + 15] = frequency(at + 4, damaged::TestTransmit, n);
            state_.testFrequencies.grid[n][1] = stores.testFrequencies[n - 1];
            state_.testFrequencies.grid[n][2] = stores.testFrequencies[n + 15];
        }
        stores.embeddedTexts[0] = text(offset::EmbeddedTexts, 32, false);
        stores.embeddedTexts[1] = text(offset::EmbeddedTexts + 32, 32, false);
        state_.embeddedTexts.firstText = stores.embeddedTexts[0];
        state_.embeddedTexts.secondText = stores.embeddedTexts[1];
    }

    EditorState& state_;
    const std::vector<uint8_t>& image_;
    MessageBoxService& box_;
    std::string damaged_; // the fields shown empty for a damaged frequency, one a line
};

} // namespace

bool DecodeImage(EditorState& state, std::string_view imageText, MessageBoxService& box) {
    if (imageText.size() < static_cast<std::size_t>(kMinDecodeDigits)) return false;
    std::optional<std::vector<uint8_t>> image =
        ImageTextToBytes(imageText.substr(0, kMinDecodeDigits));
    if (!image) return false;
    ImageDecoder(state, *image, box).run();
    return true;
}

} // namespace tlv
