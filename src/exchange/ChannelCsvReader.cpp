// SPDX-License-Identifier: GPL-3.0-or-later
// CHIRP's memory CSV read into the typed changes of an import (ParseCsv).
#include "exchange/ChannelCsv.h"

#include "exchange/ChirpTones.h"
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

// A frequency (or another decimal number) in 10 Hz units (1e-5 of its unit), signed for sums.
std::optional<long long> units(const std::string& text) {
    const std::optional<uint64_t> tens = FrequencyTens(text);
    return tens ? std::optional<long long>(static_cast<long long>(*tens)) : std::nullopt;
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
    CsvReader(bool renumber, Language language, ImportReport& report, ImportChanges& changes)
        : renumber_(renumber), language_(language), report_(report), changes_(changes) {}

    void read(const std::string& input) {
        std::string text = input;
        if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
        std::vector<std::pair<int, std::vector<std::string>>> records;
        if (!SplitCsv(text, records)) {
            error(wholeFile(), text::UnbalancedQuote);
            return;
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
                        error(atLine(line), text::MissingColumn, required);
                        return;
                    }
                }
                continue;
            }
            rows.push_back({line, -1, std::move(fields)});
        }
        if (!haveHeader) {
            error(wholeFile(), text::MissingColumn, "Location");
            return;
        }
        if (!placeRows(rows)) return;
        for (const CsvRow& row : rows)
            if (row.location >= 0) readRow(row);
        assignPower();
    }

  private:
    void error(const ImportPlace& place, const LocalText& message, const std::string& a = {},
               const std::string& b = {}, ImportHint hint = ImportHint::None) {
        report_.errors.push_back(
            IssueAt(place, Localise(language_, message, a, b), language_, hint));
    }
    void note(const ImportPlace& place, const LocalText& message, const std::string& a = {},
              const std::string& b = {}) {
        report_.notes.push_back(IssueAt(place, Localise(language_, message, a, b), language_));
    }

    static ImportPlace wholeFile() {
        ImportPlace place;
        place.csvFile = true;
        return place;
    }
    static ImportPlace atLine(int line, std::string key = {}) {
        ImportPlace place;
        place.line = line;
        place.key = std::move(key);
        return place;
    }

    // Finds each row's channel: its Location, or with renumbering its place in Location order.
    // A row left with location -1 is not read.
    bool placeRows(std::vector<CsvRow>& rows) {
        std::map<long long, int> lineOfLocation;
        bool ok = true;
        for (CsvRow& row : rows) {
            const auto at = [&] { return atLine(row.line, "Location"); };
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
                note(atLine(row.line), text::ChirpNewFileMemory);
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
            error(wholeFile(), text::TooManyRows, std::to_string(lineOfLocation.size()),
                  std::to_string(kChannelCount));
            return false;
        }
        int channel = 0;
        for (const auto& [location, line] : lineOfLocation)
            channelOf_[line] = ++channel;
        return true;
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

    // Where a value of channel `number` stands: its line and the column's name; `numbered` adds
    // the column's number, which the findings of the editor's checks tell.
    ImportPlace placeOf(const CsvRow& row, int number, const char* name,
                        bool numbered = false) const {
        ImportPlace place;
        place.channel = number;
        place.line = row.line;
        place.key = name;
        const auto it = columns_.find(name);
        if (numbered && it != columns_.end()) place.column = static_cast<int>(it->second) + 1;
        return place;
    }

    void readRow(const CsvRow& row) {
        const int number = channelOf_.at(row.line);
        const auto at = [&](const char* name, bool numbered = false) {
            return placeOf(row, number, name, numbered);
        };
        auto get = [&](const char* name) { return field(row, name); };
        auto unknown = [&](const char* name) { error(at(name), text::UnknownValue, get(name)); };
        // A frequency as the radio keeps it: 10 Hz units, with a note for finer digits.
        auto frequency = [&](const char* name, const std::string& value) {
            const auto tenHertz = units(value);
            if (tenHertz && FinerThanTenHertz(value))
                note(at(name), text::FinerThanTenHertz, value, TensText(uint64_t(*tenHertz)));
            return tenHertz;
        };
        // A frequency of the channel in 10 Hz units, placed at a column.
        auto change = [&](long long tens, const char* name) {
            return FrequencyChangeOf(TensText(uint64_t(tens)), at(name, true));
        };

        ChannelChanges channel;
        const std::string rx = get("Frequency");
        const auto rxUnits = frequency("Frequency", rx);
        channel.rx =
            rxUnits ? change(*rxUnits, "Frequency") : FrequencyChangeOf(rx, at("Frequency", true));

        if (has(row, "Duplex")) {
            const std::string duplex = lower(get("Duplex"));
            const std::string offset = get("Offset");
            if (duplex.empty()) {
                channel.tx = channel.rx;
            } else if (duplex == "off") {
                channel.tx = FrequencyChangeOf("", at("Offset", true));
            } else if (duplex == "+" || duplex == "-" || duplex == "split") {
                const auto offsetUnits = frequency("Offset", offset.empty() ? "0" : offset);
                if (!offsetUnits) {
                    error(at("Offset"), text::NotANumber);
                } else if (duplex == "split") {
                    channel.tx = change(*offsetUnits, "Offset");
                } else if (rxUnits) {
                    const long long tx =
                        duplex == "+" ? *rxUnits + *offsetUnits : *rxUnits - *offsetUnits;
                    if (tx <= 0)
                        error(at("Offset"), msg::OutOfBand.text);
                    else
                        channel.tx = change(tx, "Offset");
                }
            } else {
                unknown("Duplex");
            }
        }

        if (has(row, "Tone")) readTones(row, number, channel);

        if (has(row, "Mode")) {
            const std::string mode = get("Mode");
            if (mode == "FM")
                channel.bandwidth = {Bandwidth::Wide, at("Mode", true)};
            else if (mode == "NFM")
                channel.bandwidth = {Bandwidth::Narrow, at("Mode", true)};
            else if (!mode.empty())
                error(at("Mode"), text::ModeNotPossible, mode);
        }
        if (has(row, "Skip")) {
            const std::string skip = get("Skip");
            if (skip.empty() || skip == "P")
                channel.scan = {true, at("Skip", true)};
            else if (skip == "S")
                channel.scan = {false, at("Skip", true)};
            else
                unknown("Skip");
            if (skip == "P") note(at("Skip"), text::PriorityScanNotKept);
        }
        if (has(row, "Power")) {
            const std::string power = get("Power");
            if (lower(power) == "high") {
                channel.power = {Power::High, at("Power", true)};
            } else if (lower(power) == "low") {
                channel.power = {Power::Low, at("Power", true)};
            } else if (const auto watts = milliwatts(power)) {
                powerOf_[number] = {*watts, at("Power", true)};
            } else if (!power.empty()) {
                unknown("Power");
            }
        }
        for (const char* unkept : {"Name", "Comment"}) {
            const std::string value = get(unkept);
            if (!value.empty()) note(at(unkept), text::NameNotKept, value);
        }
        changes_.channels[number - 1] = channel;
    }

    // The tones, each placed at the column it was read from (ChirpTones.cpp).
    void readTones(const CsvRow& row, int number, ChannelChanges& channel) {
        struct Columns final : ChirpRow {
            CsvReader& reader;
            const CsvRow& row;
            int number;
            Columns(CsvReader& r, const CsvRow& w, int n) : reader(r), row(w), number(n) {}
            bool has(const char* name) const override { return reader.column(name); }
            std::string value(const char* name) const override { return reader.field(row, name); }
            void refuse(const char* name, const LocalText& message,
                        const std::string& value) const override {
                reader.error(reader.placeOf(row, number, name), message, value);
            }
        };
        std::optional<ChirpTones> tones = ReadChirpTones(Columns(*this, row, number));
        if (!tones) return;
        tones->rx.place = placeOf(row, number, tones->rxColumn, true);
        tones->tx.place = placeOf(row, number, tones->txColumn, true);
        // A channel without transmit frequency keeps no transmit tone unless it has one.
        if (channel.tx && channel.tx->text.empty() && tones->tx.text == "Off")
            tones->tx = ToneChange{"", ToneEntry{}, tones->tx.place};
        channel.rxTone = tones->rx;
        channel.txTone = tones->tx;
    }

    // Power given as watts. Several values: the file's highest is high, anything lower low,
    // whatever figures the radio that wrote it has. One value only: the nearer of this radio's
    // nominal levels (5.0 W high, 1.0 W low; high at equal distance), so that an export whose
    // channels are all low comes back low.
    void assignPower() {
        if (powerOf_.empty()) return;
        long long highest = powerOf_.begin()->second.first, lowest = highest;
        for (const auto& [channel, watts] : powerOf_) {
            highest = std::max(highest, watts.first);
            lowest = std::min(lowest, watts.first);
        }
        static const long long nominalHigh = *milliwatts(kHighPowerWatts);
        static const long long nominalLow = *milliwatts(kLowPowerWatts);
        for (const auto& [channel, watts] : powerOf_) {
            if (!changes_.channels[channel - 1]) continue;
            const bool high = highest != lowest ? watts.first == highest
                                                : std::llabs(watts.first - nominalHigh) <=
                                                      std::llabs(watts.first - nominalLow);
            changes_.channels[channel - 1]->power = {high ? Power::High : Power::Low, watts.second};
        }
    }

    bool renumber_;
    Language language_;
    ImportReport& report_;
    ImportChanges& changes_;
    ColumnMap columns_;
    std::map<int, int> channelOf_; // line -> channel
    // channel -> milliwatts and the place of the Power value
    std::map<int, std::pair<long long, ImportPlace>> powerOf_;
};

} // namespace

ImportChanges ParseCsv(const std::string& text, bool renumber, Language language,
                       ImportReport& report) {
    ImportChanges changes;
    CsvReader(renumber, language, report, changes).read(text);
    return changes;
}

} // namespace tlv
