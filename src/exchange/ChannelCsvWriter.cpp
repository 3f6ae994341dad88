// SPDX-License-Identifier: GPL-3.0-or-later
// The channel list written as CHIRP's memory CSV (ExportCsv).
#include "exchange/ChannelCsv.h"

#include "radio/RadioData.h"

#include <vector>

namespace tlv {

namespace {

// MHz with six decimals, as CHIRP writes them, from 10 Hz units.
std::string mhz(uint64_t tens) {
    return TensText(tens) + "0";
}

// A tone as CHIRP's columns give it.
struct ChirpTone {
    char kind = '-';     // '-' none, 'T' CTCSS, 'D' DCS
    std::string value;   // "88.5" or the DCS digits "023"
    char polarity = 'N'; // CHIRP polarity: N normal, R reversed
};

ChirpTone chirpTone(Tone tone) {
    ChirpTone chirp;
    switch (tone.kind) {
    case Tone::Kind::Off:
        break;
    case Tone::Kind::Ctcss:
        chirp.kind = 'T';
        chirp.value = ToneValueText(tone);
        break;
    case Tone::Kind::Dcs: {
        const std::string text = ToneValueText(tone); // "D023N"
        chirp.kind = 'D';
        chirp.value = text.substr(1, 3);
        chirp.polarity = tone.inverted ? 'R' : 'N';
        break;
    }
    }
    return chirp;
}

} // namespace

std::string ExportCsv(const RadioData& radio) {
    std::string out = std::string(kChirpHeader) + "\r\n";
    for (int number = 1; number <= kChannelCount; ++number) {
        const Channel& channel = radio.channel(number);
        if (!channel.inUse()) continue;
        const uint64_t rx = channel.rx->tens;

        const std::string frequency = mhz(rx);
        std::string duplex, offset = "0.000000";
        if (!channel.tx) {
            duplex = "off";
        } else if (const uint64_t tx = channel.tx->tens; tx != rx) {
            const uint64_t difference = tx > rx ? tx - rx : rx - tx;
            // Within a band the transmit frequency is an offset; beyond 70 MHz (wider than
            // any band) it is given whole.
            if (difference < 7000000) {
                duplex = tx > rx ? "+" : "-";
                offset = mhz(difference);
            } else {
                duplex = "split";
                offset = mhz(tx);
            }
        }

        const ChirpTone txTone = chirpTone(channel.txTone);
        const ChirpTone rxTone = chirpTone(channel.rxTone);
        std::string mode, rTone = "88.5", cTone = "88.5", dtcs = "023", rxDtcs = "023";
        std::string crossMode = "Tone->Tone";
        if (txTone.kind == 'T') rTone = txTone.value;
        if (rxTone.kind == 'T') cTone = rxTone.value;
        if (txTone.kind == 'D') dtcs = txTone.value;
        if (rxTone.kind == 'D') rxDtcs = rxTone.value;
        const std::string polarity{txTone.polarity, rxTone.polarity};
        if (txTone.kind == '-' && rxTone.kind == '-') {
            mode = "";
        } else if (txTone.kind == 'T' && rxTone.kind == '-') {
            mode = "Tone";
        } else if (txTone.kind == 'T' && rxTone.kind == 'T' && txTone.value == rxTone.value) {
            mode = "TSQL";
        } else if (txTone.kind == 'D' && rxTone.kind == 'D' && txTone.value == rxTone.value) {
            mode = "DTCS";
        } else {
            mode = "Cross";
            auto part = [](const ChirpTone& t) {
                return t.kind == 'T' ? std::string("Tone") : t.kind == 'D' ? "DTCS" : "";
            };
            crossMode = part(txTone) + "->" + part(rxTone);
        }

        const bool wide = channel.bandwidth == Bandwidth::Wide;
        const bool high = channel.power == Power::High;
        const std::vector<std::string> fields{std::to_string(number),
                                              "",
                                              frequency,
                                              duplex,
                                              offset,
                                              mode,
                                              rTone,
                                              cTone,
                                              dtcs,
                                              polarity,
                                              rxDtcs,
                                              crossMode,
                                              wide ? "FM" : "NFM",
                                              "5.00",
                                              channel.scan ? "" : "S",
                                              high ? kHighPowerWatts : kLowPowerWatts,
                                              "",
                                              "",
                                              "",
                                              "",
                                              ""};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i) out += ',';
            out += CsvField(fields[i]);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace tlv
