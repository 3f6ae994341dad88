// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/Traditional.h"

#include "language/OpenccCharactersConfig.h"

#include <opencc.h>

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <regex>
#include <sstream>
#include <system_error>
#include <type_traits>
#include <unordered_map>

#include <stdlib.h>

namespace tlv {

namespace {

const opencc_t kNoConverter = reinterpret_cast<opencc_t>(-1);

// OpenCC is loaded when the first text is converted, not at the start of the program: a program
// that never shows Traditional Chinese never maps OpenCC and its dictionary library. It stays
// loaded to the end, as the converters opened with it do.
struct Opencc {
    decltype(&opencc_open) open = nullptr;
    decltype(&opencc_close) close = nullptr;
    decltype(&opencc_convert_utf8) convertUtf8 = nullptr;
    decltype(&opencc_convert_utf8_free) convertUtf8Free = nullptr;

    bool loaded() const { return open && close && convertUtf8 && convertUtf8Free; }

    // The library the program was built with, by its soname; none when it is not installed.
    static const Opencc& library() {
        static const Opencc loaded = [] {
            Opencc functions;
            void* handle = dlopen(TLV_OPENCC_LIBRARY, RTLD_NOW | RTLD_LOCAL);
            if (handle == nullptr) return functions;
            const auto symbol = [handle](auto& function, const char* name) {
                function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                    dlsym(handle, name));
            };
            symbol(functions.open, "opencc_open");
            symbol(functions.close, "opencc_close");
            symbol(functions.convertUtf8, "opencc_convert_utf8");
            symbol(functions.convertUtf8Free, "opencc_convert_utf8_free");
            return functions.loaded() ? functions : Opencc{};
        }();
        return loaded;
    }
};

// opencc_open through the loaded library; no converter when OpenCC is not there.
opencc_t openConverter(const char* config) {
    const Opencc& opencc = Opencc::library();
    return opencc.loaded() ? opencc.open(config) : kNoConverter;
}

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that cannot start one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Byte length of the valid UTF-8 character at `pos`, 0 when the bytes there are not one.
size_t characterAt(const std::string& text, size_t pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const int length = sequenceLength(byte(pos));
    if (length == 0 || pos + length > text.size()) return 0;
    for (int i = 1; i < length; ++i)
        if ((byte(pos + i) & 0xC0) != 0x80) return 0;
    if (length == 3) {
        const unsigned second = byte(pos + 1);
        if (byte(pos) == 0xE0 && second < 0xA0) return 0;  // overlong
        if (byte(pos) == 0xED && second >= 0xA0) return 0; // surrogate
    }
    if (length == 4) {
        const unsigned second = byte(pos + 1);
        if (byte(pos) == 0xF0 && second < 0x90) return 0;  // overlong
        if (byte(pos) == 0xF4 && second >= 0x90) return 0; // beyond U+10FFFF
    }
    return static_cast<size_t>(length);
}

bool isAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// One conversion through OpenCC; false when OpenCC reports an error.
bool runConverter(opencc_t converter, const std::string& text, std::string& out) {
    const Opencc& opencc = Opencc::library();
    char* converted = opencc.convertUtf8(converter, text.data(), text.size());
    if (converted == nullptr) return false;
    out = converted;
    opencc.convertUtf8Free(converted);
    return true;
}

// OpenCC's own data folder, when it is where the build found it.
std::filesystem::path systemDataFolder() {
    std::error_code error;
    const std::filesystem::path folder = TLV_OPENCC_SYSTEM_DIR;
    return std::filesystem::is_directory(folder, error) ? folder : std::filesystem::path();
}

// Every dictionary named by a bare file name ("file": "STCharacters.ocd2") is named by its
// absolute path in OpenCC's data folder instead. OpenCC looks for a bare name in the working
// folder first, so a stray file of that name there would otherwise be taken.
std::string withAbsoluteDictionaries(const std::string& json, const std::filesystem::path& folder) {
    static const std::regex kFile(R"re("file"\s*:\s*"([^"/\\]+)")re");
    if (folder.empty() || folder.string().find_first_of("\"\\") != std::string::npos) return json;
    std::string result;
    auto last = json.cbegin();
    for (std::sregex_iterator it(json.begin(), json.end(), kFile), end; it != end; ++it) {
        const std::smatch& match = *it;
        result.append(last, match[0].first);
        std::error_code error;
        const std::filesystem::path path = folder / match[1].str();
        if (std::filesystem::is_regular_file(path, error))
            result += "\"file\": \"" + path.string() + "\"";
        else
            result.append(match[0].first, match[0].second);
        last = match[0].second;
    }
    result.append(last, json.cend());
    return result;
}

// Opens a configuration given as text. OpenCC reads a configuration only from a file, so the
// text is written into a fresh private folder, opened, and removed again: the dictionaries
// are loaded by then.
opencc_t openConfigText(const std::string& json) {
    std::error_code error;
    std::string folderTemplate =
        (std::filesystem::temp_directory_path(error) / "tlv6200-opencc-XXXXXX").string();
    if (error) return kNoConverter;
    if (mkdtemp(folderTemplate.data()) == nullptr) return kNoConverter;
    const std::filesystem::path folder = folderTemplate;
    const std::filesystem::path file = folder / "config.json";
    opencc_t converter = kNoConverter;
    {
        std::ofstream out(file, std::ios::binary);
        out << json;
    }
    if (std::filesystem::exists(file, error)) converter = openConverter(file.c_str());
    std::filesystem::remove_all(folder, error);
    return converter;
}

// Opens one of OpenCC's own configurations by name, with its dictionaries by absolute path;
// by bare name (OpenCC's own lookup) when its data folder is elsewhere.
opencc_t openSystemConfig(const std::string& name) {
    const std::filesystem::path folder = systemDataFolder();
    if (!folder.empty()) {
        std::ifstream in(folder / name, std::ios::binary);
        if (in) {
            std::ostringstream json;
            json << in.rdbuf();
            return openConfigText(withAbsoluteDictionaries(json.str(), folder));
        }
    }
    return openConverter(name.c_str());
}

// Opens the bundled character-only configuration.
opencc_t openBundledCharacterConfig() {
    return openConfigText(withAbsoluteDictionaries(opencc_config::kCharacters, systemDataFolder()));
}

} // namespace

long Utf8Length(const std::string& text) {
    long count = 0;
    for (size_t pos = 0; pos < text.size(); ++count) {
        const size_t length = characterAt(text, pos);
        if (length == 0) return -1;
        pos += length;
    }
    return count;
}

struct TraditionalConverter::Handles {
    opencc_t phrases = kNoConverter;
    opencc_t characters = kNoConverter;
    // OpenCC converters are used by one thread at a time.
    mutable std::mutex mutex;

    ~Handles() {
        // A converter exists only when the library was loaded.
        if (phrases != kNoConverter) Opencc::library().close(phrases);
        if (characters != kNoConverter) Opencc::library().close(characters);
    }

    std::string byCharacter(const std::string& text) const {
        const opencc_t converter = characters != kNoConverter ? characters : phrases;
        if (converter == kNoConverter) return text;
        std::string result;
        result.reserve(text.size());
        std::string converted;
        for (size_t pos = 0; pos < text.size();) {
            const size_t length = characterAt(text, pos);
            const std::string character = text.substr(pos, length);
            pos += length;
            if (length > 1 && runConverter(converter, character, converted) &&
                Utf8Length(converted) == 1)
                result += converted;
            else
                result += character;
        }
        return result;
    }
};

TraditionalConverter::TraditionalConverter(const std::string& phraseConfig,
                                           const std::string& characterConfig)
    : handles_(std::make_unique<Handles>()) {
    handles_->phrases = openConverter(phraseConfig.c_str());
    handles_->characters = openConverter(characterConfig.c_str());
}

TraditionalConverter::TraditionalConverter() : handles_(std::make_unique<Handles>()) {
    handles_->phrases = openSystemConfig("s2tw.json");
    handles_->characters = openBundledCharacterConfig();
}

TraditionalConverter::~TraditionalConverter() = default;

bool TraditionalConverter::hasPhraseConverter() const {
    return handles_->phrases != kNoConverter;
}

bool TraditionalConverter::hasCharacterConverter() const {
    return handles_->characters != kNoConverter;
}

std::string TraditionalConverter::convert(const std::string& text) const {
    if (isAscii(text)) return text; // the empty text included
    const long length = Utf8Length(text);
    if (length < 0) return text;

    std::lock_guard lock(handles_->mutex);
    std::string converted;
    if (handles_->phrases != kNoConverter && runConverter(handles_->phrases, text, converted) &&
        Utf8Length(converted) == length)
        return converted;
    return handles_->byCharacter(text);
}

std::string ToTraditional(const std::string& text) {
    if (isAscii(text)) return text;
    // The same few hundred texts of the tables are converted again and again (every cell of
    // the table in every refresh): each is converted once and kept. The memory stays bounded
    // for texts that do come from outside.
    static std::mutex mutex;
    static std::unordered_map<std::string, std::string> converted;
    constexpr std::size_t kKept = 4096;
    {
        std::lock_guard lock(mutex);
        if (const auto found = converted.find(text); found != converted.end()) return found->second;
    }
    static const TraditionalConverter converter; // opened once, thread-safe
    std::string result = converter.convert(text);
    std::lock_guard lock(mutex);
    if (converted.size() >= kKept) converted.clear();
    converted.emplace(text, result);
    return result;
}

} // namespace tlv
