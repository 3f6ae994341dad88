// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool of the web edition: writes the Traditional Chinese form of every Chinese text
// the core can show, converted with the program's own conversion (OpenCC), as a C++ table. The
// WebAssembly core looks texts up in that table instead of carrying OpenCC.
//
//   tlv6200-traditional-table OUTPUT.h SOURCE...
//
// The texts are the string literals of the given sources that hold a non-ASCII character;
// literals written next to each other (split over lines) are joined as the compiler joins them.
// The caption tables' rows are added as the program builds them. Each character of those texts
// is also converted on its own, for texts put together at run time.
#include "language/Traditional.h"
#include "texts/CaptionTables.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool hasNonAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

// The literals of one source, adjacent ones joined; comments and character literals skipped.
std::vector<std::string> literalsOf(const std::string& source) {
    std::vector<std::string> found;
    std::string current;
    bool open = false; // a literal was read and only blanks followed since
    size_t i = 0;
    const auto flush = [&] {
        if (open) found.push_back(current);
        current.clear();
        open = false;
    };
    while (i < source.size()) {
        const char c = source[i];
        if (c == '/' && i + 1 < source.size() && source[i + 1] == '/') {
            i = source.find('\n', i);
            if (i == std::string::npos) break;
            continue;
        }
        if (c == '/' && i + 1 < source.size() && source[i + 1] == '*') {
            i = source.find("*/", i + 2);
            if (i == std::string::npos) break;
            i += 2;
            continue;
        }
        if (c == '\'') {
            flush();
            for (++i; i < source.size() && source[i] != '\''; ++i)
                if (source[i] == '\\') ++i;
            ++i;
            continue;
        }
        if (c == '"') {
            for (++i; i < source.size() && source[i] != '"'; ++i) {
                if (source[i] == '\\' && i + 1 < source.size()) {
                    const char e = source[++i];
                    current += e == 'n' ? '\n' : e == 't' ? '\t' : e;
                } else {
                    current += source[i];
                }
            }
            ++i;
            open = true;
            continue;
        }
        if (c != ' ' && c != '\n' && c != '\t' && c != '\r') flush();
        ++i;
    }
    flush();
    return found;
}

std::string cLiteral(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

std::vector<std::string> charactersOf(const std::string& text) {
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size();) {
        size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        if (length > 1) characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: tlv6200-traditional-table OUTPUT.h SOURCE...\n";
        return 2;
    }
    std::set<std::string> texts;
    for (int a = 2; a < argc; ++a) {
        std::ifstream in(argv[a], std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << argv[a] << "\n";
            return 1;
        }
        const std::string source{std::istreambuf_iterator<char>(in), {}};
        for (auto& literal : literalsOf(source))
            if (hasNonAscii(literal)) texts.insert(literal);
    }
    // The caption tables' rows as the program builds them (some are put together in code).
    for (const auto& row : tlv::CaptionTable())
        if (hasNonAscii(row.zh)) texts.insert(row.zh);
    std::map<std::string, std::string> table;
    std::set<std::string> characters;
    for (const auto& text : texts) {
        const std::string converted = tlv::ToTraditional(text);
        if (converted != text) table.emplace(text, converted);
        for (auto& character : charactersOf(text))
            characters.insert(character);
    }
    std::map<std::string, std::string> characterTable;
    for (const auto& character : characters) {
        const std::string converted = tlv::ToTraditional(character);
        if (converted != character) characterTable.emplace(character, converted);
    }
    std::ostringstream out;
    out << "// Generated by tlv6200-traditional-table: do not edit.\n#pragma once\n\n"
        << "namespace tlv::traditional {\n\nstruct Pair {\n    const char* simplified;\n"
        << "    const char* traditional;\n};\n\n";
    const auto writeTable = [&](const char* name, const std::map<std::string, std::string>& t) {
        out << "inline constexpr Pair " << name << "[] = {\n";
        for (const auto& [from, to] : t)
            out << "    {" << cLiteral(from) << ", " << cLiteral(to) << "},\n";
        if (t.empty()) out << "    {\"\", \"\"},\n";
        out << "};\n\n";
    };
    writeTable("kTexts", table);
    writeTable("kCharacters", characterTable);
    out << "} // namespace tlv::traditional\n";
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}
