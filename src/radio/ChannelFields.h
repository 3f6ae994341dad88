// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values of a channel by field, in the order the channel table shows them: the frequencies,
// the tones and the four options, each option as the list position (0 or 1) the radio stores.
#include "radio/RadioData.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tlv {

enum class ChannelField : uint8_t {
    RxFrequency,
    RxTone,
    TxFrequency,
    TxTone,
    Power,
    Forbid,
    Bandwidth,
    Scan,
};

inline constexpr std::array<ChannelField, 8> kChannelFields{
    ChannelField::RxFrequency, ChannelField::RxTone, ChannelField::TxFrequency,
    ChannelField::TxTone,      ChannelField::Power,  ChannelField::Forbid,
    ChannelField::Bandwidth,   ChannelField::Scan};

constexpr bool IsFrequencyField(ChannelField field) {
    return field == ChannelField::RxFrequency || field == ChannelField::TxFrequency;
}
constexpr bool IsToneField(ChannelField field) {
    return field == ChannelField::RxTone || field == ChannelField::TxTone;
}
constexpr bool IsOptionField(ChannelField field) {
    return field >= ChannelField::Power;
}

// The frequency of a frequency field, the tone of a tone field (the receive side for any other).
inline std::optional<Frequency>& FrequencyOf(Channel& channel, ChannelField field) {
    return field == ChannelField::TxFrequency ? channel.tx : channel.rx;
}
inline const std::optional<Frequency>& FrequencyOf(const Channel& channel, ChannelField field) {
    return field == ChannelField::TxFrequency ? channel.tx : channel.rx;
}
inline Tone& ToneOf(Channel& channel, ChannelField field) {
    return field == ChannelField::TxTone ? channel.txTone : channel.rxTone;
}
inline const Tone& ToneOf(const Channel& channel, ChannelField field) {
    return field == ChannelField::TxTone ? channel.txTone : channel.rxTone;
}

// The list position (0 or 1) of an option field, as the radio stores it; 0 for any other field.
constexpr int OptionPosition(const Channel& channel, ChannelField field) {
    switch (field) {
    case ChannelField::Power:
        return channel.power == Power::High;
    case ChannelField::Forbid:
        return channel.forbid == TransmitForbid::OnCarrier;
    case ChannelField::Bandwidth:
        return channel.bandwidth == Bandwidth::Wide;
    case ChannelField::Scan:
        return channel.scan;
    default:
        return 0;
    }
}

// Sets an option field to list position 0 or 1 (any other field is left as it is).
constexpr void SetOptionPosition(Channel& channel, ChannelField field, int position) {
    switch (field) {
    case ChannelField::Power:
        channel.power = position ? Power::High : Power::Low;
        break;
    case ChannelField::Forbid:
        channel.forbid = position ? TransmitForbid::OnCarrier : TransmitForbid::Off;
        break;
    case ChannelField::Bandwidth:
        channel.bandwidth = position ? Bandwidth::Wide : Bandwidth::Narrow;
        break;
    case ChannelField::Scan:
        channel.scan = position == 1;
        break;
    default:
        break;
    }
}

} // namespace tlv
