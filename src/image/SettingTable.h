// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's settings with a number value, each described once: its name in files (the JSON
// export and import, the units list, the comparison, the command line), where and how the memory
// image stores it, the values a file may give it, how many entries its list has, where the
// caption tables caption it, and the field of the radio data that holds it. The image layout,
// the exchange formats, the dialogs' lists and the texts all read this one table.
//
// The table's order is the order of the JSON export's "settings" object.
#include "image/ImageOffsets.h"
#include "radio/RadioData.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace tlv {

// How the memory image holds a setting.
enum class SettingStorage {
    List,            // the list position in one byte; a byte at or beyond the entries is not taken
    Check,           // a check box as 0 or 1
    TimeOut,         // the time-out list: position + 1, 1..40
    Duplicate,       // 0xFE + position
    RevertTime,      // position 1..91, position 0 as 0xFF
    PriorityChannel, // channel 1..16
    Delay,           // seconds 0..300 in two bytes
    FirstDigitDelay, // milliseconds, held in tens (10..100)
    GroupCallCode,   // 0x00 for none, else the ASCII digit
    Level,           // a byte taken as it is
};

// Where the caption tables name a setting: its window, its label and its list (empty where the
// window shows none).
struct SettingCaption {
    std::string_view window;
    std::string_view label;
    std::string_view list;
};

struct SettingField {
    std::string_view name;
    int offset;
    SettingStorage storage;
    int min; // the values a file may give it
    int max;
    int entries; // the entries of its list (0: no list)
    SettingCaption caption;
    int (*get)(const RadioData&);
    void (*set)(RadioData&, int);
};

namespace setting {

// A field as a number, and a number into a field: list positions are numbers already, a check
// box is 0 or 1, a resume delay without a value reads 0 (what the radio gets).
constexpr int numberOf(int value) {
    return value;
}
constexpr int numberOf(bool value) {
    return value ? 1 : 0;
}
constexpr int numberOf(const std::optional<uint16_t>& seconds) {
    return seconds.value_or(0);
}
constexpr void assign(int& field, int value) {
    field = value;
}
constexpr void assign(bool& field, int value) {
    field = value != 0;
}
constexpr void assign(std::optional<uint16_t>& seconds, int value) {
    seconds = static_cast<uint16_t>(value);
}

// The setting held by field `field` of the part `part` of the radio data.
template <auto part, auto field>
constexpr SettingField Field(std::string_view name, int offset, SettingStorage storage, int min,
                             int max, int entries, SettingCaption caption = {}) {
    return {name,
            offset,
            storage,
            min,
            max,
            entries,
            caption,
            [](const RadioData& radio) { return numberOf((radio.*part).*field); },
            [](RadioData& radio, int value) { assign((radio.*part).*field, value); }};
}

// A setting shown as a list of `entries` entries and stored as its position in one byte.
template <auto part, auto field>
constexpr SettingField List(std::string_view name, int offset, int entries,
                            SettingCaption caption = {}) {
    return Field<part, field>(name, offset, SettingStorage::List, 0, entries - 1, entries, caption);
}

using R = RadioData;
using F = FunctionSettings;
using O = OptionalFunctions;
using D = DtmfSettings;
using S = SettingStorage;

constexpr std::string_view kMain = "Form1", kOptions = "Form5", kKeys = "Form6", kLevels = "Form2";

} // namespace setting

inline constexpr auto kSettingTable = [] {
    using namespace setting;
    return std::array{
        List<&R::functions, &F::voicePrompt>("VoicePrompt", offset::VoicePrompt, 3,
                                             {kMain, "Label4", "Combo2"}),
        // The decoder leaves the time-out list without a selection for a byte 0.
        Field<&R::functions, &F::timeOutTimer>("TimeOutTimer", offset::TimeOutTimer, S::TimeOut, -1,
                                               39, 40, {kMain, "Label5", "Combo3"}),
        List<&R::functions, &F::timeOutWarning>("TimeOutWarning", offset::TimeOutWarning, 11,
                                                {kMain, "Label1", "Combo4"}),
        List<&R::functions, &F::squelchLevel>("SquelchLevel", offset::SquelchLevel, 10,
                                              {kMain, "Label6", "Combo9"}),
        List<&R::functions, &F::batterySave>("BatterySave", offset::BatterySave, 2,
                                             {kMain, "Label7", "Combo6"}),
        List<&R::functions, &F::beep>("Beep", offset::Beep, 2, {kMain, "Label8", "Combo7"}),
        List<&R::options, &O::pttIdMode>("PttIdMode", offset::PttIdMode, 3,
                                         {kOptions, "Label4", "Combo4"}),
        List<&R::options, &O::voxEnable>("VoxEnable", offset::VoxEnable, 2,
                                         {kOptions, "Label8", "Combo6"}),
        List<&R::options, &O::voxGain>("VoxGain", offset::VoxGain, 11,
                                       {kOptions, "Label10", "Combo7"}),
        List<&R::options, &O::voxDelay>("VoxDelay", offset::VoxDelay, 6,
                                        {kOptions, "Label9", "Combo8"}),
        List<&R::options, &O::voxTone>("VoxTone", offset::VoxTone, 2,
                                       {kOptions, "Label7", "Combo9"}),
        Field<&R::options, &O::duplicate>("Duplicate", offset::Duplicate, S::Duplicate, 0, 1, 2,
                                          {kOptions, "Label11", "Combo10"}),
        List<&R::options, &O::priorityMode>("PriorityMode", offset::PriorityMode, 3,
                                            {kOptions, "Label14", "Combo11"}),
        // 1..16: a 0 would be written, but no editor takes it back from the image.
        Field<&R::options, &O::priorityChannel>("PriorityChannel", offset::PriorityChannel,
                                                S::PriorityChannel, 1, 16, 16,
                                                {kOptions, "Label15", "Combo12"}),
        Field<&R::options, &O::revertTimeA>("RevertTimeA", offset::RevertTimeA, S::RevertTime, 0,
                                            91, 92, {kOptions, "Label17", "Combo13"}),
        Field<&R::options, &O::revertTimeB>("RevertTimeB", offset::RevertTimeB, S::RevertTime, 0,
                                            91, 92, {kOptions, "Label16", "Combo14"}),
        List<&R::options, &O::returnChannel>("ReturnChannel", offset::ReturnChannel, 4,
                                             {kOptions, "Label18", "Combo15"}),
        Field<&R::options, &O::scanRxResumeDelay>("ScanRxResumeDelay", offset::ScanRxResumeDelay,
                                                  S::Delay, 0, 300, 0, {kOptions, "Label19", ""}),
        Field<&R::options, &O::scanTxResumeDelay>("ScanTxResumeDelay", offset::ScanTxResumeDelay,
                                                  S::Delay, 0, 300, 0, {kOptions, "Label20", ""}),
        Field<&R::options, &O::cancelOperation>("CancelOperation", offset::CancelOperation,
                                                S::Check, 0, 1, 0, {kOptions, "Check3", ""}),
        Field<&R::options, &O::voxOffOnReceive>("VoxOffOnReceive", offset::VoxOffOnReceive,
                                                S::Check, 0, 1, 0, {kOptions, "Check4", ""}),
        List<&R::dtmf, &D::dtmfRate>("DtmfRate", offset::DtmfRate, 4),
        List<&R::dtmf, &D::firstDigitTime>("FirstDigitTime", offset::FirstDigitTime, 4),
        // Milliseconds; the image holds tens of milliseconds from 10 to 100 (0: none).
        Field<&R::dtmf, &D::firstDigitDelay>("FirstDigitDelay", offset::FirstDigitDelay,
                                             S::FirstDigitDelay, 0, 1000, 0),
        List<&R::dtmf, &D::starHashTone>("StarHashTone", offset::StarHashTone, 4),
        List<&R::dtmf, &D::dKeySetting>("DKeySetting", offset::DKeySetting, 17),
        List<&R::dtmf, &D::dtmfSidetone>("DtmfSidetone", offset::DtmfSidetone, 2),
        Field<&R::dtmf, &D::groupCallCode>("GroupCallCode", offset::GroupCallCode, S::GroupCallCode,
                                           0, 6, 0),
        List<&R::dtmf, &D::autoResetTimer>("AutoResetTimer", offset::AutoResetTimer, 16),
        List<&R::keys, &KeyFunctions::pf1>("KeyFunction1", offset::KeyFunction1, 12,
                                           {kKeys, "Label1", "Combo1"}),
        List<&R::keys, &KeyFunctions::pf2>("KeyFunction2", offset::KeyFunction2, 12,
                                           {kKeys, "Label2", "Combo2"}),
        Field<&R::powerLevels, &PowerLevels::high>("HighPowerLevel", offset::HighPowerLevel,
                                                   S::Level, 0, 255, 0, {kLevels, "Frame1", ""}),
        Field<&R::powerLevels, &PowerLevels::low>("LowPowerLevel", offset::LowPowerLevel, S::Level,
                                                  0, 255, 0, {kLevels, "Frame2", ""}),
    };
}();

// The setting of that name, for a name of the program's own: a name of no setting does not
// compile.
consteval const SettingField& Setting(std::string_view name) {
    for (const SettingField& field : kSettingTable)
        if (field.name == name) return field;
    throw "no such setting";
}

// The setting of a name read from a file; none for a name of no setting.
constexpr const SettingField* FindSetting(std::string_view name) {
    for (const SettingField& field : kSettingTable)
        if (field.name == name) return &field;
    return nullptr;
}

} // namespace tlv
