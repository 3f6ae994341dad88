// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/StartupLanguage.h"

#include <gtest/gtest.h>

#include <optional>

using namespace tlv;

namespace {

// A request store held in memory: nullopt = no value at all.
class MemoryRequestStore : public LanguageRequestStore {
  public:
    explicit MemoryRequestStore(std::optional<std::string> value) : value(std::move(value)) {}
    std::string readRequest() override {
        ++reads;
        return value.value_or("");
    }
    void clearRequest() override {
        ++clears;
        value.reset();
    }
    std::optional<std::string> value;
    int reads = 0;
    int clears = 0;
};

struct Case {
    const char* name;
    std::optional<std::string> request;
    int saved;
    int expected;
    bool cleared;
};

} // namespace

TEST(LoadStartupLanguage, RequestDecidesOnceAndSavedStateOtherwise) {
    const Case cases[] = {
        {"english", "english", 0, 1, true},
        {"chinesetrad", "chinesetrad", 1, 2, true},
        {"capital English", "English", 1, 0, true},
        {"other text", "french", 2, 0, true},
        {"decimal text of a number", "-1", 1, 0, true},
        {"empty value kept", "", 2, 2, false},
        {"no value", std::nullopt, 2, 2, false},
        {"no value, English saved", std::nullopt, 1, 1, false},
        {"text up to the first NUL", std::string("english\0x", 9), 0, 1, true},
        {"only a NUL", std::string("\0english", 8), 1, 1, false},
        {"saved byte out of range", std::nullopt, 7, 0, false},
    };
    for (const Case& c : cases) {
        MemoryRequestStore store(c.request);
        EXPECT_EQ(LanguageCode(LoadStartupLanguage(store, c.saved)), c.expected) << c.name;
        EXPECT_EQ(store.reads, 1) << c.name;
        EXPECT_EQ(store.clears, c.cleared ? 1 : 0) << c.name;
    }
}
