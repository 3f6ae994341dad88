// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// tlv6200-cli's file tests: a temporary folder with files put into it, the export read back as
// JSON, and a JSON with something in every part of the image.
#include "CliProcess.h"
#include "GoldenImage.h"
#include "TemporaryFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <gtest/gtest.h>

namespace tlv::test {

inline constexpr int kExitUsage = 1, kExitFile = 2, kExitInvalid = 4;

inline std::string goldenFile() {
    const auto image = GoldenStartupImageBytes();
    return "QDM74" + std::string(image.begin(), image.end());
}

// A JSON with something in every part of the image.
inline const char* kRichJson = R"({
  "band": 0,
  "channels": [
    {"rx": "446.00625", "rxTone": "D023N", "tx": "446.00625", "txTone": "67.0",
     "power": 1, "forbid": 0, "bandwidth": 1, "scan": 1},
    null,
    {"rx": "438.12500", "rxTone": "Off", "tx": "", "power": 0, "forbid": 1, "bandwidth": 0,
     "scan": 0},
    {"rx": "450.00000", "rxTone": "88.5", "tx": "455.50000", "txTone": "88.5"},
    {"rx": "460.00000", "rxTone": "D754I", "tx": "440.00000", "txTone": "D754N"},
    {"rx": "401.00000", "rxTone": "100.0", "tx": "402.00000", "txTone": "D023I"}
  ],
  "settings": {"VoicePrompt": 2, "TimeOutTimer": 39, "SquelchLevel": 9, "VoxGain": 10,
               "PriorityMode": 2, "PriorityChannel": 16, "RevertTimeA": 0, "RevertTimeB": 91,
               "ScanRxResumeDelay": 300, "ScanTxResumeDelay": 17, "IdCode": "ID12",
               "PttIdStartCode": "1234567890ABCDEF", "PttIdEndCode": "#*", "DtmfRate": 3,
               "FirstDigitDelay": 550, "GroupCallCode": 6, "AutoResetTimer": 15,
               "KeyFunction1": 11, "KeyFunction2": 3, "HighPowerLevel": 255,
               "LowPowerLevel": 0},
  "dtmfMemory": ["1203", "", "ABCD", "*#", "5", "6", "7", "0123456789ABCD*#"],
  "testFrequencies": [{"rx": "446.10000", "tx": "446.20000"}, {"rx": "", "tx": "136.00000"}],
  "embeddedTexts": ["Hello, radio!", "0123456789012345678901234567890X"]
})";

class CliFiles : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    std::string path(const std::string& name) const { return folder.file(name); }
    std::string put(const std::string& name, const std::string& content) const {
        WriteBytes(path(name), content);
        return path(name);
    }
    QJsonObject exportJson(const std::string& file) const {
        const ProcessResult result = RunCli({"export", file, "-o", "-"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
    }
};

} // namespace tlv::test
