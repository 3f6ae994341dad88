// SPDX-License-Identifier: GPL-3.0-or-later
// The status line of a transfer, driven as the window and the page drive it: over a session's
// steps, its ticks and its ends.
#include "TransferScript.h"
#include "document/BandAgreement.h"
#include "document/TransferFailureText.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "texts/TransferStatusLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tlv {
namespace {

// The line's view records what it shows, and the order of everything as one log.
struct Recorder : test::RecordingTransferHost, TransferLineView {
    std::vector<std::string> log;
    std::vector<int> progressValues; // every value shown while the bar is visible
    bool progress = false, visible = false, timer = false, controls = true;
    std::string text;

    void setStatusTimer(bool on) override {
        timer = on;
        log.push_back(on ? "timer on" : "timer off");
    }
    void setStatusText(const LocalText& shown) override {
        text = shown.en;
        log.push_back(text);
    }
    void setStatusVisible(bool on) override {
        visible = on;
        log.push_back(on ? "shown" : "hidden");
    }
    void setProgress(bool on, int value) override {
        if (on) progressValues.push_back(value);
        progress = on;
        log.push_back(on ? "bar " + std::to_string(value) : "bar hidden");
    }
    void setTransferControlsEnabled(bool enabled) override {
        controls = enabled;
        log.push_back(enabled ? "controls on" : "controls off");
    }
};

using test::kAck;
using test::kIdent;

class TransferStatusLineTest : public ::testing::Test {
  protected:
    Recorder view;
    TransferSession session{view};
    TransferStatusLine line{view};

    void start(TransferDirection direction) {
        ASSERT_TRUE(session.start(direction, EncodeImage(MakeStartupEditor().radio())));
        line.started();
    }
    // The radio's acknowledgements of the data phase, followed after each as the front ends do.
    void acknowledge(int n) {
        for (int i = 0; i < n; ++i) {
            session.onBytes(kAck);
            line.follow(session);
            if (session.direction() == TransferDirection::Read && session.running()) {
                const int address = session.protocol().nextBlockAddress() - 64;
                session.onBytes(test::readReply(test::radioMemory({}), address));
                line.follow(session);
            }
        }
    }
    void identify(TransferDirection direction) {
        start(direction);
        session.onBytes(kAck);
        session.onBytes(kIdent);
        line.follow(session);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            line.tick();
    }
};

TEST_F(TransferStatusLineTest, StartHoldsTheControlsAndTheTextBlinks) {
    start(TransferDirection::Read);
    EXPECT_EQ(view.log, (std::vector<std::string>{"controls off",
                                                  "Is communication, please later……", "timer on"}));
    std::vector<bool> seen;
    for (int i = 0; i < 4; ++i) {
        line.tick();
        seen.push_back(line.statusVisible());
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));
    session.onBytes(kAck);
    line.follow(session);
    EXPECT_FALSE(view.progress) << "no bar before the radio identifies itself";
}

// A read shows 0, 25, ... 425 of 460; a write 0, 10, ... 450, where it stays.
TEST_F(TransferStatusLineTest, ProgressStepsOfAReadAndAWrite) {
    identify(TransferDirection::Read);
    acknowledge(17);
    std::vector<int> read{0};
    for (int v = 25; v <= 425; v += 25)
        read.push_back(v);
    EXPECT_EQ(view.progressValues, read);
    EXPECT_EQ(session.outcome(), TransferOutcome::Success);

    Recorder writeView;
    TransferSession write{writeView};
    TransferStatusLine writeLine{writeView};
    write.start(TransferDirection::Write, EncodeImage(MakeStartupEditor().radio()));
    writeLine.started();
    write.onBytes(kAck);
    write.onBytes(kIdent);
    writeLine.follow(write);
    while (write.running()) {
        write.onBytes(kAck);
        writeLine.follow(write);
    }
    std::vector<int> written{0};
    for (int v = 10; v <= 450; v += 10)
        written.push_back(v);
    EXPECT_EQ(writeView.progressValues, written);
    EXPECT_EQ(TransferProgressValue(TransferDirection::Write, 48), 450);
}

// After a success the bar goes, the user is told, then the end text blinks for six ticks before
// the controls come back; the progress stops being followed.
TEST_F(TransferStatusLineTest, SuccessTellsTheUserThenTheEndTextBlinks) {
    identify(TransferDirection::Write);
    view.log.clear();
    line.ended(TransferOutcome::Success, TransferDirection::Write,
               [&] { view.log.push_back("told"); });
    EXPECT_EQ(view.log,
              (std::vector<std::string>{"bar hidden", "told", "Write frequency success!"}));
    line.follow(session);
    EXPECT_FALSE(view.progress);
    ticks(5);
    EXPECT_FALSE(view.controls);
    EXPECT_TRUE(line.ticking());
    ticks(1);
    EXPECT_TRUE(view.controls);
    EXPECT_FALSE(line.ticking());
    EXPECT_FALSE(line.statusVisible());
    line.ended(TransferOutcome::Success, TransferDirection::Read);
    EXPECT_EQ(view.text, "Read frequency success!");
}

// A failure's message is modal in the window: the text stops blinking before it, the controls
// and the bar come back after it.
TEST_F(TransferStatusLineTest, FailureStopsTheBlinkingBeforeTheMessage) {
    identify(TransferDirection::Read);
    line.tick();
    view.log.clear();
    line.ended(TransferOutcome::CommunicationError, TransferDirection::Read,
               [&] { view.log.push_back("told"); });
    EXPECT_EQ(view.log, (std::vector<std::string>{"hidden", "timer off", "told", "controls on",
                                                  "bar hidden"}));
    view.log.clear();
    ticks(6);
    EXPECT_TRUE(view.log.empty()) << "no tick after a failure";

    session.stop();
    start(TransferDirection::Write);
    view.log.clear();
    line.ended(TransferOutcome::Stopped, TransferDirection::Write);
    EXPECT_EQ(view.log, (std::vector<std::string>{"timer off", "hidden", "controls on"}));
}

// No to the band question: the question's text blinks as an end text, then the controls come
// back; a start during an end text keeps the controls held.
TEST_F(TransferStatusLineTest, DeclinedWriteBlinksTheQuestion) {
    line.declined();
    EXPECT_EQ(view.text, msg::BandMismatch.text.en);
    EXPECT_FALSE(view.controls);
    ticks(6);
    EXPECT_TRUE(view.controls);

    line.declined();
    ticks(3);
    start(TransferDirection::Read);
    ticks(6);
    EXPECT_FALSE(view.controls) << "the declined text's count ended with the start";
}

// The failure's lines come in the language asked for.
TEST(TransferFailureText, InEachLanguage) {
    TransferFailure failure;
    EXPECT_EQ(DescribeFailure(failure, Language::English), "");
    failure.cause = FailureCause::NoAnswer;
    EXPECT_EQ(DescribeFailure(failure, Language::Simplified), cause::NoAnswer.zh);
    EXPECT_EQ(DescribeFailure(failure, Language::Traditional),
              Localise(Language::Traditional, cause::NoAnswer));
}

// The band question is asked once for each band the list is set to: the agreed band is the band
// of the last answer, Yes or No.
TEST(BandAgreementTest, AskedOncePerBandWhateverTheAnswer) {
    BandAgreement agreement;
    int asked = 0;
    const auto ask = [&](bool answer) {
        return [&asked, answer] {
            ++asked;
            return answer;
        };
    };
    EXPECT_TRUE(agreement.settle(0, ask(false))) << "the first band asks nothing";
    EXPECT_FALSE(agreement.settle(2, ask(false)));
    EXPECT_TRUE(agreement.settle(2, ask(false))) << "No agreed to the band as well";
    EXPECT_TRUE(agreement.settle(5, ask(true)));
    EXPECT_TRUE(agreement.settle(5, ask(false)));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(agreement.band, 5);
}

} // namespace
} // namespace tlv
