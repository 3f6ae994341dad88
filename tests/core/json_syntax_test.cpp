// SPDX-License-Identifier: GPL-3.0-or-later
// The syntax check every front end runs before its JSON parser: the first fault of a text with
// its line and column, whatever parser comes after.
#include "exchange/JsonValue.h"

#include <gtest/gtest.h>

using namespace tlv;

namespace {

std::string faultOf(std::string_view text) {
    const std::optional<JsonSyntaxError> fault = FindJsonSyntaxError(text);
    if (!fault) return "ok";
    return std::to_string(fault->line) + ":" + std::to_string(fault->column) + " " +
           fault->reason->en;
}

} // namespace

TEST(JsonSyntax, TheFirstFaultWithItsLineAndColumn) {
    const std::pair<std::string_view, const char*> cases[] = {
        {R"({"band": 0, "channels": [null, {"rx": "446"}]})", "ok"},
        {"\xEF\xBB\xBF [ ]\r\n", "ok"}, // a byte order mark, then blanks and line ends
        {R"([0, -0, 1.5e-3, 2E+2, 1e308, 4.9e-324, 0e999, "\u00e9\ud800\"\\\/\b\f\n\r\t"])", "ok"},
        {"", "1:1 the text ends too early"},
        {R"({"band": 0,)", "1:12 the text ends too early"},
        {"{\n  \"a\": 1\n  \"b\": 2\n}", "3:3 unexpected character"},
        {"{\r\n\"a\":\r1 2}", "3:3 unexpected character"}, // CR LF and CR end a line each
        {"5", "1:1 expected an object or an array"},
        {R"("text")", "1:1 expected an object or an array"},
        {"{} x", "1:4 unexpected character"},
        {R"({"a": 1,})", "1:9 unexpected character"},
        {"{'a': 1}", "1:2 unexpected character"},
        {R"({"a": tru})", "1:10 unexpected character"},
        {R"({"a": 01})", "1:7 invalid number"},
        {R"([1., -, 2])", "1:2 invalid number"},
        {R"([1e])", "1:2 invalid number"},
        {R"([+1])", "1:2 unexpected character"},
        {R"([NaN])", "1:2 unexpected character"},
        {R"([1, 1e309])", "1:5 number out of range"},
        {R"([2.4e-324])", "1:2 number out of range"},
        {R"(["caf\x"])", "1:6 invalid escape sequence"},
        {R"(["\u12G4"])", "1:3 invalid escape sequence"},
        {"[\"a\tb\"]", "1:4 control character in a text"},
        {"[\"\xC3\xA9\", \"\xC3\x28\"]", "1:8 not valid UTF-8"}, // é counts as one column
        {"[\"\xED\xA0\x80\"]", "1:3 not valid UTF-8"},           // a surrogate in UTF-8
        {"[\"\xC0\xAF\"]", "1:3 not valid UTF-8"},               // an overlong form
        {"[\"\xF4\x90\x80\x80\"]", "1:3 not valid UTF-8"},       // beyond U+10FFFF
        {std::string_view("[\"a\"]\0", 6), "1:6 unexpected character"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(faultOf(text), expected) << text;
    std::string deep(1024, '['); // as deep as Qt's parser reads
    deep += std::string(1024, ']');
    EXPECT_EQ(faultOf(deep), "ok");
    EXPECT_EQ(faultOf("[" + deep + "]"), "1:1025 nested more than 1024 levels deep");
}

TEST(JsonValue, AnObjectKeepsItsKeysInTheOrderOfTheirCodePoints) {
    std::vector<std::pair<std::string, JsonValue>> members;
    for (const char* key : {"b", "\xF0\x9F\x98\x80", "2", "\xEF\xBF\xBD", "a", "B"})
        members.emplace_back(key, JsonValue::Number(double(members.size())));
    const JsonValue object = JsonValue::Object(std::move(members));
    EXPECT_EQ(object.keys(),
              (std::vector<std::string>{"2", "B", "a", "b", "\xEF\xBF\xBD", "\xF0\x9F\x98\x80"}));
    EXPECT_EQ(object.items()[1].number(), 5); // each value stays with its key
}
