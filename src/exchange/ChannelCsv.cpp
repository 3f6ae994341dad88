#include "exchange/ChannelCsv.h"

#include "editor/ToneList.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/SettingNames.h"
#include "image/ImageLayout.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

namespace tlv {

namespace {

// Frequencies are handled as whole 10 Hz units; decimals beyond the fifth are dropped.
std::optional<long long> units(const std::string& text) {
    long long value = 0;
    int decimals = -1;
    bool digit = false;
    for (char c : text) {
        if (c == '.') {
            if (decimals >= 0) return std::nullopt;
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        digit = true;
        if (decimals >= 5) continue;
        value = value * 10 + (c - '0');
        if (value > 1000000000000LL) return std::nullopt;
        if (decimals >= 0) ++decimals;
    }
    if (!digit) return std::nullopt;
    for (int d = std::max(decimals, 0); d < 5; ++d)
        value *= 10;
    return value;
}

// MHz with `decimals` decimals (5 or 6) from 10 Hz units.
std::string mhz(long long value, int decimals) {
    std::string digits = std::to_string(value);
    if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - 5) + "." + digits.substr(digits.size() - 5);
    if (decimals == 6) text += "0";
    return text;
}

struct Tone {
    char kind = '-';     // '-' none, 'T' CTCSS, 'D' DCS
    std::string value;   // "88.5" or the DCS digits "023"
    char polarity = 'N'; // CHIRP polarity: N normal, R reversed
};

Tone toneOf(const EditorState& state, int row, int column) {
    const std::string& cell = state.table.at(row, column);
    Tone tone;
    if (cell.empty() || IsToneOffText(state.lists, cell)) return tone;
    if (cell.front() == 'D' && cell.size() >= 3) {
        tone.kind = 'D';
        tone.value = cell.substr(1, cell.size() - 2);
        tone.polarity = cell.back() == 'I' ? 'R' : 'N';
        return tone;
    }
    tone.kind = 'T';
    tone.value = cell;
    return tone;
}

std::string field(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string out = "\"";
    for (char c : value)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// Splits CSV text into records of fields (quotes with doubled quote characters; CR, LF or
// CRLF line ends). Returns false on an unbalanced quote.
bool splitCsv(const std::string& text,
              std::vector<std::pair<int, std::vector<std::string>>>& rows) {
    std::vector<std::string> fields;
    std::string current;
    bool quoted = false, fieldStarted = false;
    int line = 1, recordLine = 1;
    auto endRecord = [&] {
        fields.push_back(current);
        rows.emplace_back(recordLine, fields);
        fields.clear();
        current.clear();
        fieldStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    current += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                current += c;
            }
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == ',') {
            fields.push_back(current);
            current.clear();
            fieldStarted = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRecord();
            ++line;
            recordLine = line;
        } else {
            current += c;
            fieldStarted = true;
        }
    }
    if (quoted) return false;
    if (fieldStarted || !current.empty() || !fields.empty()) endRecord();
    return true;
}

std::string trim(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

std::string lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

std::string ExportCsv(const EditorState& state) {
    std::string out = std::string(kChirpHeader) + "\r\n";
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!state.table.inUse(row)) continue;
        const std::string& rxText = state.table.at(row, col::RxFrequency);
        const std::string& txText = state.table.at(row, col::TxFrequency);
        const auto rx = units(rxText);
        const auto tx = units(txText);

        std::string frequency = rx ? mhz(*rx, 6) : rxText;
        std::string duplex, offset = "0.000000";
        if (txText.empty()) {
            duplex = "off";
        } else if (!rx || !tx) {
            duplex = "split";
            offset = tx ? mhz(*tx, 6) : txText;
        } else if (*tx != *rx) {
            const long long difference = *tx > *rx ? *tx - *rx : *rx - *tx;
            // Within a band the transmit frequency is an offset; beyond 70 MHz (wider than
            // any band) it is given whole.
            if (difference < 7000000LL) {
                duplex = *tx > *rx ? "+" : "-";
                offset = mhz(difference, 6);
            } else {
                duplex = "split";
                offset = mhz(*tx, 6);
            }
        }

        const Tone txTone = toneOf(state, row, col::TxTone);
        const Tone rxTone = toneOf(state, row, col::RxTone);
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
            auto part = [](const Tone& t) {
                return t.kind == 'T' ? std::string("Tone") : t.kind == 'D' ? "DTCS" : "";
            };
            crossMode = part(txTone) + "->" + part(rxTone);
        }

        const bool wide = OptionValue(state, row, col::Bandwidth) == 1;
        const bool scan = OptionValue(state, row, col::Scan) == 1;
        const bool high = OptionValue(state, row, col::Power) == 1;
        const std::vector<std::string> fields{std::to_string(row),
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
                                              scan ? "" : "S",
                                              high ? "High" : "Low",
                                              "",
                                              "",
                                              "",
                                              "",
                                              ""};
        for (std::size_t i = 0; i < fields.size(); ++i)
            out += (i ? "," : "") + field(fields[i]);
        out += "\r\n";
    }
    return out;
}

ImportPatch ParseCsv(const std::string& input, int languageState, ImportReport& report) {
    ImportPatch patch;
    auto fail = [&](const std::string& where, const std::string& message) {
        report.errors.push_back({where, message});
    };
    std::string text = input;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);

    std::vector<std::pair<int, std::vector<std::string>>> records;
    if (!splitCsv(text, records)) {
        fail("csv", Localise(languageState, text::UnbalancedQuote));
        return patch;
    }
    std::map<std::string, std::size_t> columns;
    bool haveHeader = false;
    std::array<bool, 16> seen{};
    for (const auto& [line, fields] : records) {
        const bool blank = std::all_of(fields.begin(), fields.end(),
                                       [](const std::string& f) { return trim(f).empty(); });
        if (blank || (!fields.empty() && trim(fields[0]).rfind('#', 0) == 0)) continue;
        const std::string at = "line " + std::to_string(line);
        if (!haveHeader) {
            for (std::size_t i = 0; i < fields.size(); ++i)
                columns[trim(fields[i])] = i;
            haveHeader = true;
            for (const char* required : {"Location", "Frequency"}) {
                if (!columns.count(required)) {
                    fail(at, Localise(languageState, text::MissingColumn, required));
                    return patch;
                }
            }
            continue;
        }
        auto has = [&](const char* name) {
            auto it = columns.find(name);
            return it != columns.end() && it->second < fields.size();
        };
        auto get = [&](const char* name) {
            return has(name) ? trim(fields[columns.at(name)]) : std::string();
        };
        auto unknown = [&](const char* name) {
            fail(at + " " + name, Localise(languageState, text::UnknownValue, get(name)));
        };

        const std::string location = get("Location");
        int row = 0;
        if (location.empty() || location.size() > 2 ||
            !std::all_of(location.begin(), location.end(),
                         [](char c) { return c >= '0' && c <= '9'; }) ||
            (row = std::stoi(location)) < 1 || row > kChannelCount) {
            fail(at + " Location", Localise(languageState, text::BadLocation));
            continue;
        }
        if (seen[row - 1]) {
            fail(at + " Location", Localise(languageState, text::DuplicateLocation));
            continue;
        }
        seen[row - 1] = true;

        ChannelPatch channel;
        const std::string rx = get("Frequency");
        channel.rx = rx;
        const auto rxUnits = units(rx);

        if (has("Duplex")) {
            const std::string duplex = lower(get("Duplex"));
            const std::string offset = get("Offset");
            const auto offsetUnits = units(offset.empty() ? "0" : offset);
            if (duplex.empty()) {
                channel.tx = rx;
            } else if (duplex == "off") {
                channel.tx = "";
            } else if (duplex == "+" || duplex == "-" || duplex == "split") {
                if (!offsetUnits) {
                    fail(at + " Offset", Localise(languageState, text::NotANumber));
                } else if (duplex == "split") {
                    channel.tx = mhz(*offsetUnits, 5);
                } else if (rxUnits) {
                    const long long tx =
                        duplex == "+" ? *rxUnits + *offsetUnits : *rxUnits - *offsetUnits;
                    if (tx <= 0)
                        fail(at + " Offset", Localise(languageState, msg::OutOfBand.text));
                    else
                        channel.tx = mhz(tx, 5);
                }
            } else {
                unknown("Duplex");
            }
        }

        if (has("Tone")) {
            const std::string mode = get("Tone");
            auto ctcss = [&](const char* name) { return get(name); };
            auto dcs = [&](const char* name, std::size_t polarityIndex) {
                std::string code = get(name);
                if (code.size() < 3) code.insert(0, 3 - code.size(), '0');
                const std::string polarity = get("DtcsPolarity");
                const char p = polarity.size() > polarityIndex ? polarity[polarityIndex] : 'N';
                if (p != 'N' && p != 'R') unknown("DtcsPolarity");
                return "D" + code + (p == 'R' ? "I" : "N");
            };
            std::string txTone = "Off", rxTone = "Off";
            if (mode.empty()) {
            } else if (mode == "Tone") {
                txTone = ctcss("rToneFreq");
            } else if (mode == "TSQL") {
                txTone = rxTone = ctcss(has("cToneFreq") ? "cToneFreq" : "rToneFreq");
            } else if (mode == "TSQL-R") {
                rxTone = ctcss("rToneFreq");
            } else if (mode == "DTCS") {
                txTone = dcs("DtcsCode", 0);
                rxTone = dcs("DtcsCode", 1);
            } else if (mode == "DTCS-R") {
                rxTone = dcs("DtcsCode", 1);
            } else if (mode == "Cross") {
                const std::string cross = get("CrossMode");
                const auto arrow = cross.find("->");
                const std::string txPart =
                    arrow == std::string::npos ? "?" : cross.substr(0, arrow);
                const std::string rxPart =
                    arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
                bool ok = true;
                if (txPart == "Tone")
                    txTone = ctcss("rToneFreq");
                else if (txPart == "DTCS")
                    txTone = dcs("DtcsCode", 0);
                else if (!txPart.empty())
                    ok = false;
                if (rxPart == "Tone")
                    rxTone = ctcss("cToneFreq");
                else if (rxPart == "DTCS")
                    rxTone = dcs("RxDtcsCode", 1);
                else if (!rxPart.empty())
                    ok = false;
                if (!ok) unknown("CrossMode");
            } else {
                unknown("Tone");
            }
            channel.rxTone = rxTone;
            // A channel without transmit frequency keeps no transmit tone unless it has one.
            channel.txTone = (channel.tx && channel.tx->empty() && txTone == "Off") ? "" : txTone;
        }

        if (has("Mode")) {
            const std::string mode = get("Mode");
            if (mode == "FM")
                channel.bandwidth = 1;
            else if (mode == "NFM")
                channel.bandwidth = 0;
            else if (!mode.empty())
                unknown("Mode");
        }
        if (has("Skip")) {
            const std::string skip = get("Skip");
            if (skip.empty() || skip == "P")
                channel.scan = 1;
            else if (skip == "S")
                channel.scan = 0;
            else
                unknown("Skip");
        }
        if (has("Power")) {
            const std::string power = lower(get("Power"));
            if (power == "high")
                channel.power = 1;
            else if (power == "low")
                channel.power = 0;
            else if (!power.empty())
                unknown("Power");
        }
        patch.channels[row - 1] = channel;
    }
    if (!haveHeader) fail("csv", Localise(languageState, text::MissingColumn, "Location"));
    return patch;
}

} // namespace tlv
