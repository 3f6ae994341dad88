// SPDX-License-Identifier: GPL-3.0-or-later
// tlv6200-cli's arguments: every fault named on the first line of standard error with the usage
// of its verb, the program's usage listing every verb as its own help shows it, and the options'
// other spellings.
#include "CliProcess.h"
#include "TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tlv::test;

namespace {

constexpr int kExitUsage = 1;

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

TEST(CliUsage, EachFaultIsNamedWithTheUsageOfItsVerb) {
    struct Case {
        std::vector<std::string> args;
        std::string fault;
        std::string usage; // the first line of the usage that follows
    } cases[] = {
        {{}, "no command given", "Usage: tlv6200-cli COMMAND [OPTIONS]"},
        {{"frobnicate"}, "unknown command 'frobnicate'", "Usage: tlv6200-cli COMMAND [OPTIONS]"},
        {{"new", "-o", "a.DAT", "--output", "b.DAT"}, "-o given twice", "Usage: tlv6200-cli new"},
        {{"new", "-o"}, "option '-o' needs a value", "Usage: tlv6200-cli new"},
        {{"new", "--output="}, "option '--output' needs a value", "Usage: tlv6200-cli new"},
        {{"new", "-o=x.DAT"}, "unknown option '-o=x.DAT' for new", "Usage: tlv6200-cli new"},
        {{"new", "-o", "-"}, "\"-o -\" is only for export", "Usage: tlv6200-cli new"},
        {{"new", "-o", "x.DAT", "--", "-y"}, "unexpected operand '-y'", "Usage: tlv6200-cli new"},
        {{"show", "--lang", "fr", "x.DAT"},
         "unknown language 'fr' (en, zh-CN or zh-TW)",
         "Usage: tlv6200-cli show"},
        {{"show", "-y", "x.DAT"}, "unknown option '-y' for show", "Usage: tlv6200-cli show"},
        {{"import", "a.json"}, "import needs -o FILE", "Usage: tlv6200-cli import"},
        {{"import", "a.json", "-o", "x.DAT", "--band", "7"},
         "--band takes a band number 0..6",
         "Usage: tlv6200-cli import"},
        {{"import", "a.json", "-o", "x.DAT", "--renumber=1"},
         "option '--renumber' takes no value",
         "Usage: tlv6200-cli import"},
        {{"diff", "a.DAT"}, "missing file operand", "Usage: tlv6200-cli diff"},
        {{"read", "-o", "x.DAT"}, "read needs exactly one --port", "Usage: tlv6200-cli read"},
        {{"write", "x.DAT"}, "write needs at least one --port", "Usage: tlv6200-cli write"},
        {{"line", "b.DAT", "--port", "COM1"},
         "line needs --units UNITS.csv",
         "Usage: tlv6200-cli line"},
        {{"line", "b.DAT", "--units", "u.csv"},
         "line needs at least one --port, or --watch",
         "Usage: tlv6200-cli line"},
        {{"line", "b.DAT", "--units", "u.csv", "--watch", "--start-at", "0"},
         "--start-at takes a row number from 1",
         "Usage: tlv6200-cli line"},
    };
    for (const Case& c : cases) {
        const ProcessResult result = RunCli(c.args);
        EXPECT_EQ(result.exitCode, kExitUsage) << c.fault;
        EXPECT_EQ(firstLine(result.err), "tlv6200-cli: usage error: " + c.fault);
        const std::string usage = result.err.substr(result.err.find('\n') + 1);
        EXPECT_TRUE(usage.starts_with(c.usage)) << usage;
    }
    const ProcessResult chinese = RunCli({"new", "--lang", "zh-CN", "-o"});
    EXPECT_EQ(firstLine(chinese.err), "tlv6200-cli: 用法错误：option '-o' needs a value");
}

// The program's usage lists every verb with the first line of its own help; help and version
// come before any check of what a verb needs.
TEST(CliUsage, TheProgramsUsageListsEveryVerbAsItsHelpShowsIt) {
    const ProcessResult program = RunCli({"--help"});
    ASSERT_EQ(program.exitCode, 0);
    std::size_t at = 0;
    for (const std::string verb :
         {"new", "show", "export", "import", "diff", "read", "write", "ports", "line"}) {
        const ProcessResult help = RunCli({verb, "--help", "extra"});
        EXPECT_EQ(help.exitCode, 0) << verb;
        const std::string synopsis = firstLine(help.out).substr(std::string("Usage: ").size());
        at = program.out.find("  " + synopsis + "\n", at);
        EXPECT_NE(at, std::string::npos) << verb << " in its place";
        EXPECT_NE(help.out.find("\nOptions:\n  --lang en|zh-CN|zh-TW"), std::string::npos);
    }
    EXPECT_EQ(RunCli({"write", "--help", "--version"}).out.rfind("tlv6200-cli ", 0), 0u);
}

TEST(CliUsage, OptionsTakeTheirOtherSpellings) {
    TemporaryFolder folder;
    const std::string file = folder.file("a.DAT");
    ASSERT_EQ(RunCli({"new", "--output=" + file, "--lang=zh-TW"}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(file));
    const ProcessResult unplugged = RunCli({"write", "--port=/nonexistent/tty", "-y", file});
    EXPECT_NE(unplugged.err.find("cannot open the port: /nonexistent/tty"), std::string::npos)
        << unplugged.err;
}

} // namespace
