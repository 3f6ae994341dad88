// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ChannelCsv.h"

#include "exchange/ExchangeTexts.h"
#include "radio/RadioData.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace tlv {

namespace {

std::optional<long long> units(const std::string& text) {
    const std::optional<uint64_t> tens = FrequencyTens(text);
    return tens ? std::optional<long long>(static_cast<long long>(*tens)) : std::nullopt;
}

// MHz with `decimals` decimals (5 or 6) from 10 Hz units.
std::string mhz(long long value, int decimals) {
    return TensText(static_cast<uint64_t>(value)) + (decimals == 6 ? "0" : "");
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

std::string field(const std::string& value) {
    return CsvField(value);
}

} // namespace

std::string CsvField(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string out = "\"";
    for (char c : value)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

bool SplitCsv(const std::string& text,
              std::vector<std::pair<int, std::vector<std::string>>>& rows) {
    std::vector<std::string> fields;
    std::string current;
    bool quoted = false, fieldStarted = false;
    int line = 1, recordLine = 1;
    auto endRecord = [&] {
        fields.push_back(current);
        rows.emplace_back(recordLine, std::move(fields));
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

namespace {

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

// A power in CHIRP's forms "5.0W", "50W", "0.5 W", "5": milliwatts; nullopt for anything else.
std::optional<long long> milliwatts(const std::string& text) {
    std::string number = text;
    if (!number.empty() && (number.back() == 'W' || number.back() == 'w')) number.pop_back();
    number = trim(number);
    const auto value = units(number); // 10 Hz units are 1e-5 of the unit: watts * 100000
    if (!value) return std::nullopt;
    return *value / 100;
}

// The header's column names with their positions; looked up by a name of the program's
// without making a string of it.
using ColumnMap = std::map<std::string, std::size_t, std::less<>>;

// One channel row of the file, before its values are read.
struct CsvRow {
    int line;
    long long location;
    std::vector<std::string> fields;
};

// CHIRP's File > New keeps a memory at Location 0: 146.010 MHz, power never set (50 W), no
// name, no tone. It is not one of the user's memories.
bool isChirpNewFileMemory(const CsvRow& row, const ColumnMap& columns) {
    auto get = [&](const char* name) {
        auto it = columns.find(name);
        return it != columns.end() && it->second < row.fields.size() ? trim(row.fields[it->second])
                                                                     : std::string();
    };
    return row.location == 0 && units(get("Frequency")) == 14601000LL && get("Name").empty() &&
           get("Comment").empty() && get("Tone").empty() && get("Duplex").empty() &&
           (get("Power").empty() || lower(get("Power")) == "50w");
}

class CsvReader {
  public:
    CsvReader(bool renumber, Language language, ImportReport& report)
        : renumber_(renumber), language_(language), report_(report) {}

    ImportPatch read(const std::string& input) {
        std::string text = input;
        if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
        std::vector<std::pair<int, std::vector<std::string>>> records;
        if (!SplitCsv(text, records)) {
            error(Localise(language_, text::AtCsvFile), text::UnbalancedQuote);
            return patch_;
        }
        std::vector<CsvRow> rows;
        bool haveHeader = false;
        for (auto& [line, fields] : records) {
            // Skipped: a row of blank fields, and a comment (a first field starting with #).
            const auto firstSign = [](const std::string& f) { return f.find_first_not_of(" \t"); };
            const bool blank = std::all_of(fields.begin(), fields.end(), [&](const std::string& f) {
                return firstSign(f) == std::string::npos;
            });
            if (blank) continue;
            if (const auto sign = firstSign(fields[0]);
                sign != std::string::npos && fields[0][sign] == '#')
                continue;
            if (!haveHeader) {
                haveHeader = true;
                for (std::size_t i = 0; i < fields.size(); ++i)
                    columns_[trim(fields[i])] = i;
                for (const char* required : {"Location", "Frequency"}) {
                    if (!columns_.count(required)) {
                        error(Localise(language_, text::AtLine, std::to_string(line)),
                              text::MissingColumn, required);
                        return patch_;
                    }
                }
                continue;
            }
            rows.push_back({line, -1, std::move(fields)});
        }
        if (!haveHeader) {
            error(Localise(language_, text::AtCsvFile), text::MissingColumn, "Location");
            return patch_;
        }
        if (!placeRows(rows)) return patch_;
        for (const CsvRow& row : rows)
            if (row.location >= 0) readRow(row);
        assignPower();
        return patch_;
    }

  private:
    void error(const std::string& where, const LocalText& message, const std::string& a = {},
               const std::string& b = {}, ImportHint hint = ImportHint::None) {
        report_.errors.push_back({where, Localise(language_, message, a, b), hint});
    }
    void note(const std::string& where, const LocalText& message, const std::string& a = {},
              const std::string& b = {}) {
        report_.notes.push_back({where, Localise(language_, message, a, b)});
    }

    // Finds each row's channel: its Location, or with renumbering its place in Location order.
    // A row left with location -1 is not read.
    bool placeRows(std::vector<CsvRow>& rows) {
        std::map<long long, int> lineOfLocation;
        bool ok = true;
        for (CsvRow& row : rows) {
            // The place of a finding, made only for a finding.
            const auto at = [&] {
                return Localise(language_, text::AtLine, std::to_string(row.line)) + " Location";
            };
            const std::string location = field(row, "Location");
            if (location.empty() || location.size() > 9 ||
                !std::all_of(location.begin(), location.end(),
                             [](char c) { return c >= '0' && c <= '9'; })) {
                error(at(), text::NotANumber);
                ok = false;
                continue;
            }
            row.location = std::stoll(location);
            if (isChirpNewFileMemory(row, columns_)) {
                note(Localise(language_, text::AtLine, std::to_string(row.line)),
                     text::ChirpNewFileMemory);
                row.location = -1;
                continue;
            }
            if (!renumber_ && (row.location < 1 || row.location > kChannelCount)) {
                error(at(), text::BadLocation, {}, {}, ImportHint::Renumber);
                ok = false;
                continue;
            }
            if (lineOfLocation.count(row.location)) {
                error(at(), text::DuplicateLocation);
                ok = false;
                continue;
            }
            lineOfLocation[row.location] = row.line;
        }
        if (!ok) return false;
        if (!renumber_) {
            for (CsvRow& row : rows)
                if (row.location >= 0) channelOf_[row.line] = static_cast<int>(row.location);
            return true;
        }
        if (lineOfLocation.size() > static_cast<std::size_t>(kChannelCount)) {
            error(Localise(language_, text::AtCsvFile), text::TooManyRows,
                  std::to_string(lineOfLocation.size()), std::to_string(kChannelCount));
            return false;
        }
        int channel = 0;
        for (const auto& [location, line] : lineOfLocation)
            channelOf_[line] = ++channel;
        return true;
    }

    // " (column N)" for the column at `index`, made once a column.
    const std::string& columnText(std::size_t index) {
        std::string& text = columnTexts_[index];
        if (text.empty())
            text = " (" + Localise(language_, text::AtColumn, std::to_string(index + 1)) + ")";
        return text;
    }

    std::string field(const CsvRow& row, const char* name) const {
        const auto it = columns_.find(name);
        return it != columns_.end() && it->second < row.fields.size() ? trim(row.fields[it->second])
                                                                      : std::string();
    }
    bool has(const CsvRow& row, const char* name) const {
        auto it = columns_.find(name);
        return it != columns_.end() && it->second < row.fields.size();
    }
    bool column(const char* name) const { return columns_.count(name) > 0; }

    void readRow(const CsvRow& row) {
        const int number = channelOf_.at(row.line);
        const std::string at = Localise(language_, text::AtChannelLine, std::to_string(number),
                                        std::to_string(row.line));
        auto get = [&](const char* name) { return field(row, name); };
        auto unknown = [&](const char* name) {
            error(at + " " + name, text::UnknownValue, get(name));
        };
        // A frequency as the radio keeps it: 10 Hz units, with a note for finer digits.
        auto frequency = [&](const char* name, const std::string& value) {
            const auto tenHertz = units(value);
            if (tenHertz && FinerThanTenHertz(value))
                note(at + " " + name, text::FinerThanTenHertz, value, mhz(*tenHertz, 5));
            return tenHertz;
        };

        ChannelPatch channel;
        // Where a value of the channel stands: its line, the column's name and number.
        const auto place = [&](const char* name) {
            const auto it = columns_.find(name);
            return at + " " + name +
                   (it == columns_.end() ? std::string() : columnText(it->second));
        };
        channel.places["rx"] = place("Frequency");
        channel.places["tx"] =
            place(has(row, "Duplex") && !get("Duplex").empty() ? "Offset" : "Frequency");
        channel.places["bandwidth"] = place("Mode");
        channel.places["scan"] = place("Skip");
        channel.places["power"] = place("Power");
        const std::string rx = get("Frequency");
        const auto rxUnits = frequency("Frequency", rx);
        channel.rx = rxUnits ? mhz(*rxUnits, 5) : rx;

        if (has(row, "Duplex")) {
            const std::string duplex = lower(get("Duplex"));
            const std::string offset = get("Offset");
            if (duplex.empty()) {
                channel.tx = channel.rx;
            } else if (duplex == "off") {
                channel.tx = "";
            } else if (duplex == "+" || duplex == "-" || duplex == "split") {
                const auto offsetUnits = frequency("Offset", offset.empty() ? "0" : offset);
                if (!offsetUnits) {
                    error(at + " Offset", text::NotANumber);
                } else if (duplex == "split") {
                    channel.tx = mhz(*offsetUnits, 5);
                } else if (rxUnits) {
                    const long long tx =
                        duplex == "+" ? *rxUnits + *offsetUnits : *rxUnits - *offsetUnits;
                    if (tx <= 0)
                        error(at + " Offset", msg::OutOfBand.text);
                    else
                        channel.tx = mhz(tx, 5);
                }
            } else {
                unknown("Duplex");
            }
        }

        if (has(row, "Tone")) readTones(row, at, channel, place);

        if (has(row, "Mode")) {
            const std::string mode = get("Mode");
            if (mode == "FM")
                channel.bandwidth = 1;
            else if (mode == "NFM")
                channel.bandwidth = 0;
            else if (!mode.empty())
                error(at + " Mode", text::ModeNotPossible, mode);
        }
        if (has(row, "Skip")) {
            const std::string skip = get("Skip");
            if (skip.empty() || skip == "P")
                channel.scan = 1;
            else if (skip == "S")
                channel.scan = 0;
            else
                unknown("Skip");
            if (skip == "P") note(at + " Skip", text::PriorityScanNotKept);
        }
        if (has(row, "Power")) {
            const std::string power = get("Power");
            if (lower(power) == "high") {
                channel.power = 1;
            } else if (lower(power) == "low") {
                channel.power = 0;
            } else if (const auto watts = milliwatts(power)) {
                powerOf_[number] = *watts;
            } else if (!power.empty()) {
                unknown("Power");
            }
        }
        for (const char* unkept : {"Name", "Comment"}) {
            const std::string value = get(unkept);
            if (!value.empty()) note(at + " " + unkept, text::NameNotKept, value);
        }
        patch_.channels[number - 1] = channel;
    }

    // The tone columns as CHIRP defines them: Tone transmits rToneFreq and receives without
    // tone; TSQL uses cToneFreq both ways; DTCS uses DtcsCode both ways with DtcsPolarity
    // (transmit, receive); Cross gives each direction by CrossMode, the receive side from
    // cToneFreq or RxDtcsCode. As in CHIRP, a file with only one of rToneFreq and cToneFreq
    // uses it for both, and a missing column has CHIRP's default value.
    template <typename Place>
    void readTones(const CsvRow& row, const std::string& at, ChannelPatch& channel,
                   const Place& place) {
        const char* transmitTone = column("rToneFreq") ? "rToneFreq" : "cToneFreq";
        const char* receiveTone = column("cToneFreq") ? "cToneFreq" : "rToneFreq";
        auto value = [&](const char* name, const char* fallback) -> std::optional<std::string> {
            if (!column(name)) return std::string(fallback);
            std::string v = field(row, name);
            if (v.empty()) {
                error(at + " " + name, text::UnknownValue, v);
                return std::nullopt;
            }
            return v;
        };
        // Each tone is placed at the column it was read from.
        const char* txColumn = "Tone";
        const char* rxColumn = "Tone";
        auto ctcss = [&](const char* name) { return value(name, "88.5"); };
        auto dcs = [&](const char* name, std::size_t direction) -> std::optional<std::string> {
            auto code = value(name, "023");
            if (!code) return std::nullopt;
            if (code->size() > 3 || !std::all_of(code->begin(), code->end(),
                                                 [](char c) { return c >= '0' && c <= '9'; })) {
                error(at + " " + name, text::UnknownValue, *code);
                return std::nullopt;
            }
            code->insert(0, 3 - code->size(), '0');
            const std::string polarity = column("DtcsPolarity") ? field(row, "DtcsPolarity") : "NN";
            if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos) {
                error(at + " DtcsPolarity", text::UnknownValue, polarity);
                return std::nullopt;
            }
            return "D" + *code + (polarity[direction] == 'R' ? "I" : "N");
        };

        const std::string mode = field(row, "Tone");
        std::optional<std::string> txTone = "Off", rxTone = "Off";
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
            error(at + " Tone", text::ReverseSquelch, mode);
            return;
        } else if (mode == "Cross") {
            const std::string cross = column("CrossMode") ? field(row, "CrossMode") : "Tone->Tone";
            const auto arrow = cross.find("->");
            const std::string txPart = arrow == std::string::npos ? "?" : cross.substr(0, arrow);
            const std::string rxPart = arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
            auto known = [](const std::string& part) {
                return part.empty() || part == "Tone" || part == "DTCS";
            };
            if (!known(txPart) || !known(rxPart) || (txPart.empty() && rxPart.empty())) {
                error(at + " CrossMode", text::UnknownValue, cross);
                return;
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
            error(at + " Tone", text::UnknownValue, mode);
            return;
        }
        if (!txTone || !rxTone) return;
        channel.places["rxTone"] = place(rxColumn);
        channel.places["txTone"] = place(txColumn);
        channel.rxTone = *rxTone;
        // A channel without transmit frequency keeps no transmit tone unless it has one.
        channel.txTone = (channel.tx && channel.tx->empty() && *txTone == "Off") ? "" : *txTone;
    }

    // Power given as watts. Several values: the file's highest is high, anything lower low,
    // whatever figures the radio that wrote it has. One value only: the nearer of this radio's
    // nominal levels (5.0 W high, 1.0 W low; high at equal distance), so that an export whose
    // channels are all low comes back low.
    void assignPower() {
        if (powerOf_.empty()) return;
        long long highest = powerOf_.begin()->second, lowest = highest;
        for (const auto& [channel, watts] : powerOf_) {
            highest = std::max(highest, watts);
            lowest = std::min(lowest, watts);
        }
        static const long long nominalHigh = *milliwatts(kHighPowerWatts);
        static const long long nominalLow = *milliwatts(kLowPowerWatts);
        for (const auto& [channel, watts] : powerOf_) {
            if (!patch_.channels[channel - 1]) continue;
            const bool high = highest != lowest ? watts == highest
                                                : std::llabs(watts - nominalHigh) <=
                                                      std::llabs(watts - nominalLow);
            patch_.channels[channel - 1]->power = high;
        }
    }

    bool renumber_;
    Language language_;
    ImportReport& report_;
    ImportPatch patch_;
    ColumnMap columns_;
    std::map<std::size_t, std::string> columnTexts_;
    std::map<int, int> channelOf_;     // line -> channel
    std::map<int, long long> powerOf_; // channel -> milliwatts
};

} // namespace

std::string ExportCsv(const RadioData& radio) {
    std::string out = std::string(kChirpHeader) + "\r\n";
    for (int number = 1; number <= kChannelCount; ++number) {
        const Channel& channel = radio.channel(number);
        if (!channel.inUse()) continue;
        const long long rx = channel.rx->tens;

        const std::string frequency = mhz(rx, 6);
        std::string duplex, offset = "0.000000";
        if (!channel.tx) {
            duplex = "off";
        } else if (const long long tx = channel.tx->tens; tx != rx) {
            const long long difference = tx > rx ? tx - rx : rx - tx;
            // Within a band the transmit frequency is an offset; beyond 70 MHz (wider than
            // any band) it is given whole.
            if (difference < 7000000LL) {
                duplex = tx > rx ? "+" : "-";
                offset = mhz(difference, 6);
            } else {
                duplex = "split";
                offset = mhz(tx, 6);
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
            out += field(fields[i]);
        }
        out += "\r\n";
    }
    return out;
}

ImportPatch ParseCsv(const std::string& text, bool renumber, Language language,
                     ImportReport& report) {
    return CsvReader(renumber, language, report).read(text);
}

} // namespace tlv
