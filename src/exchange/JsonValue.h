// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A JSON value as the import and the units list read it, made by the front end's own JSON
// parser (Qt's in the window program and the command line, the browser's in the web edition)
// after the one syntax check they all share, so that every front end reads the same values and
// reports the same faults at the same places.
#include "language/Messages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlv {

class JsonValue {
  public:
    enum class Kind : uint8_t { Null, Bool, Number, String, Array, Object };

    JsonValue() = default; // null
    static JsonValue Bool(bool value);
    static JsonValue Number(double value);
    static JsonValue String(std::string value);
    static JsonValue Array(std::vector<JsonValue> items);
    // An object of (key, value) members. Its members are kept sorted by key, in the order of
    // UTF-16 code units: neither front end's parser keeps the order of the file (Qt sorts its
    // keys, the browser puts keys that are numbers first), so the readers visit them in Qt's
    // order everywhere.
    static JsonValue Object(std::vector<std::pair<std::string, JsonValue>> members);

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    bool isNumber() const { return kind_ == Kind::Number; }
    bool isString() const { return kind_ == Kind::String; }
    bool isArray() const { return kind_ == Kind::Array; }
    bool isObject() const { return kind_ == Kind::Object; }

    bool boolean() const { return boolean_; }
    double number() const { return number_; }
    const std::string& string() const { return text_; }
    // An array's items, or an object's values (in the order of keys()).
    const std::vector<JsonValue>& items() const { return items_; }
    // An object's keys, sorted.
    const std::vector<std::string>& keys() const { return keys_; }

  private:
    Kind kind_ = Kind::Null;
    bool boolean_ = false;
    double number_ = 0;
    std::string text_;
    std::vector<JsonValue> items_;
    std::vector<std::string> keys_;
};

// The JSON parser of a front end.
class JsonParser {
  public:
    virtual ~JsonParser() = default;
    // The value of a text that FindJsonSyntaxError found well-formed, without its byte order
    // mark.
    virtual JsonValue parse(std::string_view text) const = 0;
};

// Where a JSON text first breaks the syntax: its line and column (in characters, from 1) and
// what is wrong there.
struct JsonSyntaxError {
    int line = 1;
    int column = 1;
    const LocalText* reason = nullptr;
};

// The first syntax error of a JSON text, by the strict grammar of JSON (RFC 8259) with an
// object or an array at the root, UTF-8 text (a byte order mark allowed at the start), at most
// 1024 levels deep (as Qt reads) and numbers a double holds (not rounded to infinity or to zero);
// nothing for a well-formed text. Every front end runs it before its own parser, whose texts for
// faults differ.
std::optional<JsonSyntaxError> FindJsonSyntaxError(std::string_view text);

// A JSON text read by `parser` after the syntax check; nothing for a text that is not
// well-formed JSON, with `error` set to the finding ("not valid JSON: line 3, column 7:
// unexpected character").
std::optional<JsonValue> ReadJson(std::string_view text, const JsonParser& parser,
                                  Language language, std::string& error);

} // namespace tlv
