// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ChirpTones.h"

#include "exchange/ExchangeTexts.h"

#include <algorithm>

namespace tlv {

namespace {

// A DCS code of three decimal digits with its polarity. A digit 8 or 9 is refused when the
// change is applied, naming the code as "D089N".
ToneChange dcsChange(const std::string& digits, bool inverted) {
    ToneChange change{"D" + digits + (inverted ? "I" : "N"), {}, {}};
    uint16_t code = 0;
    for (char c : digits) {
        if (c > '7') {
            change.entry.kind = ToneEntry::Kind::Refused;
            return change;
        }
        code = static_cast<uint16_t>(code * 8 + (c - '0'));
    }
    change.entry = ToneEntryOf(Tone::Dcs(code, inverted));
    return change;
}

} // namespace

// The tone columns as CHIRP defines them: Tone transmits rToneFreq and receives without
// tone; TSQL uses cToneFreq both ways; DTCS uses DtcsCode both ways with DtcsPolarity
// (transmit, receive); Cross gives each direction by CrossMode, the receive side from
// cToneFreq or RxDtcsCode. As in CHIRP, a file with only one of rToneFreq and cToneFreq
// uses it for both, and a missing column has CHIRP's default value.
std::optional<ChirpTones> ReadChirpTones(const ChirpRow& row) {
    const char* transmitTone = row.has("rToneFreq") ? "rToneFreq" : "cToneFreq";
    const char* receiveTone = row.has("cToneFreq") ? "cToneFreq" : "rToneFreq";
    // A column's value, or CHIRP's default for a column the file does not have.
    auto value = [&](const char* name, const char* fallback) -> std::optional<std::string> {
        if (!row.has(name)) return std::string(fallback);
        std::string v = row.value(name);
        if (v.empty()) {
            row.refuse(name, text::UnknownValue, v);
            return std::nullopt;
        }
        return v;
    };
    // Each tone is placed at the column it was read from.
    const char* txColumn = "Tone";
    const char* rxColumn = "Tone";
    const ToneChange off{"Off", ToneEntryOf(Tone::Off()), {}};
    auto ctcss = [&](const char* name) -> std::optional<ToneChange> {
        const auto text = value(name, "88.5");
        if (!text) return std::nullopt;
        return ToneChangeOf(*text);
    };
    auto dcs = [&](const char* name, std::size_t direction) -> std::optional<ToneChange> {
        auto code = value(name, "023");
        if (!code) return std::nullopt;
        if (code->size() > 3 ||
            !std::all_of(code->begin(), code->end(), [](char c) { return c >= '0' && c <= '9'; })) {
            row.refuse(name, text::UnknownValue, *code);
            return std::nullopt;
        }
        code->insert(0, 3 - code->size(), '0');
        const std::string polarity = row.has("DtcsPolarity") ? row.value("DtcsPolarity") : "NN";
        if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos) {
            row.refuse("DtcsPolarity", text::UnknownValue, polarity);
            return std::nullopt;
        }
        return dcsChange(*code, polarity[direction] == 'R');
    };

    const std::string mode = row.value("Tone");
    std::optional<ToneChange> txTone = off, rxTone = off;
    if (mode.empty()) {
    } else if (mode == "Tone") {
        txTone = ctcss(transmitTone);
        txColumn = transmitTone;
    } else if (mode == "TSQL") {
        txTone = rxTone = ctcss(receiveTone);
        txColumn = rxColumn = receiveTone;
    } else if (mode == "DTCS") {
        txTone = dcs("DtcsCode", 0);
        rxTone = dcs("DtcsCode", 1);
        txColumn = rxColumn = "DtcsCode";
    } else if (mode == "TSQL-R" || mode == "DTCS-R") {
        row.refuse("Tone", text::ReverseSquelch, mode);
        return std::nullopt;
    } else if (mode == "Cross") {
        const std::string cross = row.has("CrossMode") ? row.value("CrossMode") : "Tone->Tone";
        const auto arrow = cross.find("->");
        const std::string txPart = arrow == std::string::npos ? "?" : cross.substr(0, arrow);
        const std::string rxPart = arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
        auto known = [](const std::string& part) {
            return part.empty() || part == "Tone" || part == "DTCS";
        };
        if (!known(txPart) || !known(rxPart) || (txPart.empty() && rxPart.empty())) {
            row.refuse("CrossMode", text::UnknownValue, cross);
            return std::nullopt;
        }
        if (txPart == "Tone") txColumn = transmitTone;
        if (txPart == "DTCS") txColumn = "DtcsCode";
        if (rxPart == "Tone") rxColumn = receiveTone;
        if (rxPart == "DTCS") rxColumn = "RxDtcsCode";
        if (txPart == "Tone") txTone = ctcss(transmitTone);
        if (txPart == "DTCS") txTone = dcs("DtcsCode", 0);
        if (rxPart == "Tone") rxTone = ctcss(receiveTone);
        if (rxPart == "DTCS") rxTone = dcs("RxDtcsCode", 1);
    } else {
        row.refuse("Tone", text::UnknownValue, mode);
        return std::nullopt;
    }
    if (!txTone || !rxTone) return std::nullopt;
    return ChirpTones{*rxTone, *txTone, rxColumn, txColumn};
}

} // namespace tlv
