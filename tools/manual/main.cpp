// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-manual: builds the HTML user manual from its sources at build time.
//
//   tlv6200-manual SOURCE_FOLDER OUTPUT_FOLDER
//
// SOURCE_FOLDER holds "pages" (the page files in reading order, one a line), "manual.css",
// "index.html" (the choice of language), the frame of every page "page.html" and, for English
// ("en") and Simplified Chinese ("zh-CN"), a folder with each page's body. In the frame
// @LANGUAGE@ becomes the language's code, @MANUAL@ the first heading of the first page (the
// manual's name), @TITLE@ the page's first heading, @CONTENTS@ the list of all pages, @BODY@
// the body and @PAGE@ the page's file name (for the links to the other languages).
// The Traditional Chinese manual ("zh-TW") is the Simplified one converted with the program's
// own conversion; its screenshots are the Traditional ones ("NAME-traditional.png" for
// "NAME.png", while "NAME-english.png" stays).
#include "language/Traditional.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writeFile(const fs::path& path, const std::string& text) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return bool(out);
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The text of the page's first heading, without markup.
std::optional<std::string> headingOf(const std::string& body) {
    static const std::regex heading(R"(<h1[^>]*>([\s\S]*?)</h1>)");
    static const std::regex markup("<[^>]*>");
    std::smatch match;
    if (!std::regex_search(body, match, heading)) return std::nullopt;
    return std::regex_replace(match[1].str(), markup, "");
}

struct Page {
    std::string file;
    std::string title;
    std::string body;
};

class ManualBuilder {
  public:
    ManualBuilder(fs::path source, fs::path output)
        : source_(std::move(source)), output_(std::move(output)) {}

    bool build() {
        if (!readPageList()) return false;
        for (const char* file : {"manual.css", "index.html"})
            if (!copy(source_ / file, output_ / file)) return false;
        std::vector<std::string> simplified;
        if (!buildLanguage("en", nullptr) || !buildLanguage("zh-CN", &simplified)) return false;
        return writeTraditional(simplified);
    }

  private:
    bool fail(const std::string& what) const {
        std::fprintf(stderr, "tlv6200-manual: %s\n", what.c_str());
        return false;
    }

    bool readPageList() {
        const std::optional<std::string> list = readFile(source_ / "pages");
        if (!list) return fail("cannot read " + (source_ / "pages").string());
        std::istringstream lines(*list);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty() && line[0] != '#') files_.push_back(line);
        return files_.empty() ? fail("no pages listed in " + (source_ / "pages").string()) : true;
    }

    bool copy(const fs::path& from, const fs::path& to) const {
        const std::optional<std::string> text = readFile(from);
        if (!text) return fail("cannot read " + from.string());
        return writeFile(to, *text) ? true : fail("cannot write " + to.string());
    }

    // Writes the pages of one language; `pages`, when given, receives their texts in order.
    bool buildLanguage(const std::string& language, std::vector<std::string>* pages) const {
        const fs::path folder = source_ / language;
        const std::optional<std::string> frame = readFile(source_ / "page.html");
        if (!frame) return fail("cannot read " + (source_ / "page.html").string());
        std::vector<Page> read;
        for (const std::string& file : files_) {
            const std::optional<std::string> body = readFile(folder / file);
            if (!body) return fail("cannot read " + (folder / file).string());
            const std::optional<std::string> title = headingOf(*body);
            if (!title) return fail((folder / file).string() + " has no <h1> heading");
            read.push_back({file, *title, *body});
        }
        for (const Page& page : read) {
            std::string text = *frame;
            replaceAll(text, "@LANGUAGE@", language);
            replaceAll(text, "@MANUAL@", read.front().title);
            replaceAll(text, "@CONTENTS@", contents(read, page.file));
            replaceAll(text, "@TITLE@", page.title);
            replaceAll(text, "@PAGE@", page.file);
            replaceAll(text, "@BODY@", page.body);
            if (!writeFile(output_ / language / page.file, text))
                return fail("cannot write " + (output_ / language / page.file).string());
            if (pages) pages->push_back(std::move(text));
        }
        return true;
    }

    static std::string contents(const std::vector<Page>& pages, const std::string& current) {
        std::string list;
        for (const Page& page : pages) {
            list += page.file == current ? "<li aria-current=\"page\">" : "<li>";
            list += "<a href=\"" + page.file + "\">" + page.title + "</a></li>\n";
        }
        return list;
    }

    // The Traditional Chinese screenshot in place of each Simplified one; a screenshot of another
    // language ("-english", "-traditional") stays.
    static std::string traditionalScreenshots(const std::string& text) {
        static const std::regex screenshot(R"(src="\.\./images/([^"/]+)\.png")");
        std::string result;
        auto last = text.cbegin();
        for (std::sregex_iterator it(text.begin(), text.end(), screenshot), end; it != end; ++it) {
            const std::string name = (*it)[1];
            const bool otherLanguage = name.ends_with("-english") || name.ends_with("-traditional");
            result.append(last, (*it)[0].first);
            result += "src=\"../images/" + name + (otherLanguage ? "" : "-traditional") + ".png\"";
            last = (*it)[0].second;
        }
        result.append(last, text.cend());
        return result;
    }

    bool writeTraditional(const std::vector<std::string>& simplified) const {
        for (std::size_t i = 0; i < files_.size(); ++i) {
            std::string text = traditionalScreenshots(tlv::ToTraditional(simplified[i]));
            replaceAll(text, "<html lang=\"zh-CN\">", "<html lang=\"zh-TW\">");
            if (!writeFile(output_ / "zh-TW" / files_[i], text))
                return fail("cannot write " + (output_ / "zh-TW" / files_[i]).string());
        }
        return true;
    }

    fs::path source_;
    fs::path output_;
    std::vector<std::string> files_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("Usage: tlv6200-manual SOURCE_FOLDER OUTPUT_FOLDER\n", stderr);
        return 1;
    }
    return ManualBuilder(argv[1], argv[2]).build() ? 0 : 1;
}
