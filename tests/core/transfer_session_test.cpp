// SPDX-License-Identifier: GPL-3.0-or-later
// A transfer session driven event by event: frames, progress, status, supervision, band
// question, images handed over, failure causes.
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "language/Messages.h"
#include "link/TransferSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tlv {
namespace {

using Bytes = std::vector<uint8_t>;

class RecordingHost : public TransferHost {
  public:
    bool open = true;
    std::vector<Bytes> sent;
    std::vector<std::string> statusTexts;
    std::vector<int> progressValues; // every value set while the bar is shown
    bool progressShown = false;
    std::vector<bool> controls;
    std::vector<TransferOutcome> outcomes;
    bool supervisionTimer = false;
    bool statusTimer = false;
    int bandFocus = 0;
    std::vector<Notice> told;
    int bandQuestions = 0;
    bool goOnWithBand = true;
    // Run while the band question or the next message is open, as a nested event loop would.
    std::function<void()> whileAsked;
    std::function<void()> whileTelling;
    std::vector<MemoryImage> imagesToWrite;
    std::vector<MemoryImage> imagesRead;

    bool portIsOpen() const override { return open; }
    void sendBytes(std::span<const uint8_t> frame) override {
        sent.emplace_back(frame.begin(), frame.end());
    }
    void setSupervisionTimer(bool on) override { supervisionTimer = on; }
    void setStatusTimer(bool on) override { statusTimer = on; }
    void tell(const Notice& notice) override {
        told.push_back(notice);
        if (whileTelling) std::exchange(whileTelling, nullptr)();
    }
    bool confirmBandMismatch() override {
        ++bandQuestions;
        if (whileAsked) std::exchange(whileAsked, nullptr)();
        return goOnWithBand;
    }
    void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void setProgress(bool visible, int value) override {
        if (visible && (!progressShown || progressValues.empty() || progressValues.back() != value))
            progressValues.push_back(value);
        progressShown = visible;
    }
    void setTransferControlsEnabled(bool enabled) override { controls.push_back(enabled); }
    void focusBandList() override { ++bandFocus; }
    void transferEnded(TransferOutcome outcome) override { outcomes.push_back(outcome); }
    void imageAboutToBeWritten(const MemoryImage& image) override {
        imagesToWrite.push_back(image);
    }
    void imageRead(const MemoryImage& image) override { imagesRead.push_back(image); }
};

const Bytes kIdent{0x50, 'L', 'K', '4', '7', '0', 0x00, 0x10};
const Bytes kAck{0x06};
const Bytes kEnd{0x45};
constexpr auto kRead = TransferDirection::Read;
constexpr auto kWrite = TransferDirection::Write;

Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

EditorState englishEditor() {
    return MakeStartupEditor(Language::English);
}

// The radio's memory for a read: the image of `editor` at 0x0010, then 0xFF.
Bytes radioMemory(const EditorState& editor) {
    Bytes memory(0x1000, 0xFF);
    const MemoryImage image = EncodeImage(editor.radio());
    std::copy(image.begin(), image.end(), memory.begin() + 0x10);
    return memory;
}

Bytes readReply(const Bytes& memory, int address) {
    Bytes reply(68);
    reply[0] = 0x57;
    reply[1] = static_cast<uint8_t>(address >> 8);
    reply[2] = static_cast<uint8_t>(address);
    reply[3] = 0x40;
    std::copy_n(memory.begin() + address, 64, reply.begin() + 4);
    return reply;
}

Notice communicationError(const std::string& detail) {
    return {&msg::CommunicationError, detail};
}

// A session of its own over a start-up editor, for the cases of a table.
struct FreshSession {
    EditorState editor = englishEditor();
    RecordingHost host;
    TransferSession session{editor, host};
};

class TransferSessionTest : public ::testing::Test {
  protected:
    EditorState editor = englishEditor();
    RecordingHost host;
    TransferSession session{editor, host};

    void feed(const Bytes& bytes) { session.onBytes(bytes); }
    const Bytes& last() const { return host.sent.back(); }
    bool identified() const { return session.protocol().phase() == RadioProtocol::Phase::Data; }

    // Start and pass the handshake and identification.
    void identify(TransferDirection direction) {
        ASSERT_TRUE(session.start(direction));
        feed(kAck);
        feed(kIdent);
        ASSERT_TRUE(identified());
    }
    // A complete read of `memory`.
    void readAll(const Bytes& memory) {
        identify(kRead);
        for (int address = 0x10; address < 0x410; address += 64) {
            feed(kAck);
            ASSERT_EQ(last(), (Bytes{0x52, static_cast<uint8_t>(address >> 8),
                                     static_cast<uint8_t>(address), 0x40}));
            feed(readReply(memory, address));
            ASSERT_EQ(last(), kAck);
        }
        feed(kAck);
    }
    // Acknowledges write blocks until the session sends the end frame; returns the blocks.
    std::vector<Bytes> writeAll(int limit = 100) {
        std::vector<Bytes> blocks;
        for (int i = 0; i < limit; ++i) {
            feed(kAck);
            if (last() == kEnd) break;
            blocks.push_back(last());
        }
        return blocks;
    }
    void supervisionTicks(int n) {
        for (int i = 0; i < n; ++i)
            session.onSupervisionTick();
    }
    void statusTicks(int n) {
        for (int i = 0; i < n; ++i)
            session.onStatusTick();
    }
};

TEST_F(TransferSessionTest, StartSendsHandshakeDisablesControlsAndStartsTimers) {
    ASSERT_TRUE(session.start(kRead));
    EXPECT_EQ(host.sent, (std::vector<Bytes>{bytesOf("RB-PROG")}));
    EXPECT_EQ(host.controls, (std::vector<bool>{false}));
    EXPECT_EQ(host.statusTexts.back(), "Is communication, please later……");
    EXPECT_TRUE(host.supervisionTimer);
    EXPECT_TRUE(host.statusTimer);
    EXPECT_EQ(host.bandFocus, 1);
    EXPECT_FALSE(host.progressShown);
    EXPECT_FALSE(session.start(kWrite)) << "a second start while running";
}

TEST_F(TransferSessionTest, ClosedPortShowsMessageAndChangesNothing) {
    host.open = false;
    EXPECT_FALSE(session.start(kRead));
    EXPECT_EQ(host.told, (std::vector<Notice>{{&msg::PortNotOpen, {}}}));
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(host.controls.empty());
    EXPECT_FALSE(host.supervisionTimer);
}

TEST_F(TransferSessionTest, ReadFillsEditorWithProgressAndEndNotice) {
    EditorState radio = englishEditor();
    radio.radio().channel(1).rx = radio.radio().channel(1).tx = Frequency{44600625};
    radio.radio().functions.squelchLevel = 2;
    Bytes memory = radioMemory(radio);

    readAll(memory);
    EXPECT_EQ(last(), kEnd);
    EXPECT_EQ(session.memoryRead().size(), 1024u);
    EXPECT_EQ(EncodeImage(editor.radio()), EncodeImage(radio.radio()));
    EXPECT_EQ(editor.radio().channel(1).rx, Frequency{44600625});
    EXPECT_TRUE(host.told.empty());

    std::vector<int> expected{0};
    for (int v = 25; v <= 425; v += 25)
        expected.push_back(v);
    EXPECT_EQ(host.progressValues, expected);
    EXPECT_FALSE(host.progressShown);
    EXPECT_EQ(host.statusTexts.back(), "Read frequency success!");
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Success}));
    EXPECT_FALSE(host.supervisionTimer);
    EXPECT_TRUE(host.statusTimer);

    // The end text blinks for six status ticks, then the controls come back.
    statusTicks(5);
    EXPECT_EQ(host.controls, (std::vector<bool>{false}));
    EXPECT_TRUE(host.statusTimer);
    statusTicks(1);
    EXPECT_EQ(host.controls, (std::vector<bool>{false, true}));
    EXPECT_FALSE(host.statusTimer);
    EXPECT_FALSE(session.statusVisible());

    // Data after the end is not interpreted.
    std::size_t frames = host.sent.size();
    feed(kAck);
    EXPECT_EQ(host.sent.size(), frames);
}

TEST_F(TransferSessionTest, ReadKeepsTheBandOfTheRadiosImageAndShowsWhatTheImageTells) {
    EditorState radio = englishEditor();
    radio.radio().band = 5; // 136-174MHz
    Bytes memory = radioMemory(radio);
    const uint8_t damaged[] = {0x25, 0x06, 0x60, 0x4A}; // channel 1 receive: 4A6.00625
    std::copy_n(damaged, 4, memory.begin() + 0x10);
    // The cable is pulled while the message is open: the read has finished, nothing more is said.
    host.whileTelling = [&] { session.onPortLost("/dev/ttyUSB0"); };
    readAll(memory);
    EXPECT_EQ(editor.radio().band, 5);
    EXPECT_EQ(session.agreedBand(), 0);
    EXPECT_EQ(host.told,
              (std::vector<Notice>{{&msg::DamagedFrequencies, "channel 1 receive: 4A6.00625"}}));
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Success}));
}

TEST_F(TransferSessionTest, HandshakeVariants) {
    // Two 0x06 answers to the handshake each get an identification request.
    ASSERT_TRUE(session.start(kRead));
    feed(kAck);
    feed(kAck);
    EXPECT_EQ(host.sent, (std::vector<Bytes>{bytesOf("RB-PROG"), {0x02}, {0x02}}));
    // LK470 starting half a byte off is accepted.
    feed({0x04, 0xC4, 0xB3, 0x43, 0x73, 0x00, 0x00, 0x00});
    EXPECT_TRUE(identified());
    EXPECT_EQ(last(), kAck);
    EXPECT_EQ(session.protocol().nextBlockAddress(), 0x0010);
    EXPECT_TRUE(host.progressShown);
}

TEST_F(TransferSessionTest, IdentificationMustBeEightBytesWithLK470) {
    struct Case {
        Bytes ident;
        bool accepted;
    } cases[] = {
        {kIdent, true},
        {{'L', 'K', '4', '7', '0', 0, 0}, false},            // 7 bytes
        {{'L', 'K', '4', '7', '0', 0, 0, 0, 0}, false},      // 9 bytes
        {{0x50, 'L', 'K', '4', '6', '0', 0x00, 0x10}, false} // other model
    };
    for (const auto& c : cases) {
        FreshSession fresh;
        fresh.session.start(kRead);
        fresh.session.onBytes(kAck);
        fresh.session.onBytes(c.ident);
        EXPECT_EQ(fresh.session.protocol().phase() == RadioProtocol::Phase::Data, c.accepted)
            << c.ident.size();
    }
}

TEST_F(TransferSessionTest, SplitChunksAreJoinedButTwoAnswersInOneChunkStall) {
    Bytes memory = radioMemory(englishEditor());
    identify(kRead);
    feed(kAck);
    Bytes reply = readReply(memory, 0x10);
    feed(Bytes(reply.begin(), reply.begin() + 5));
    feed(Bytes(reply.begin() + 5, reply.begin() + 40));
    EXPECT_NE(last(), kAck);
    feed(Bytes(reply.begin() + 40, reply.end()));
    EXPECT_EQ(last(), kAck);
    EXPECT_EQ(session.memoryRead().size(), 64u);

    // 0x06 and the next reply in one notification match nothing.
    Bytes both = kAck;
    Bytes next = readReply(memory, 0x50);
    both.insert(both.end(), next.begin(), next.end());
    std::size_t frames = host.sent.size();
    feed(both);
    EXPECT_EQ(host.sent.size(), frames);
    supervisionTicks(6);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::CommunicationError}));
}

TEST_F(TransferSessionTest, BreakDropsFirstByteOfNextData) {
    ASSERT_TRUE(session.start(kRead));
    session.onBreak();
    feed({0x00, 0x06}); // the NUL the line delivered for the break, then the answer
    EXPECT_EQ(last(), Bytes{0x02});
    // Without a break the NUL stays and the answer does not match.
    const std::size_t frames = host.sent.size();
    feed({0x00, 0x06});
    EXPECT_EQ(host.sent.size(), frames);
    EXPECT_TRUE(std::ranges::equal(session.protocol().unconsumed(), Bytes{0x00, 0x06}));
}

TEST_F(TransferSessionTest, WriteSendsTheImageBlocksInOrder) {
    for (bool serviceMode : {false, true}) {
        SCOPED_TRACE(serviceMode);
        FreshSession fresh;
        auto& [e, h, s] = fresh;
        e.radio().channel(2).rx = Frequency{45050000};
        e.session.serviceMode = serviceMode;
        s.start(kWrite);
        s.onBytes(kAck);
        s.onBytes(kIdent);
        ASSERT_TRUE(s.imageWritten());
        const MemoryImage image = *s.imageWritten();
        EXPECT_EQ(image, EncodeImage(e.radio()));
        // The editor changes after the identification do not reach the radio.
        e.radio().channel(2).rx = Frequency{46000000};

        std::vector<int> addresses;
        for (int i = 0; i < 60; ++i) {
            s.onBytes(kAck);
            const Bytes& frame = h.sent.back();
            if (frame == kEnd) break;
            ASSERT_EQ(frame.size(), 20u);
            ASSERT_EQ(frame[0], 0x57);
            ASSERT_EQ(frame[3], 0x10);
            int address = frame[1] << 8 | frame[2];
            addresses.push_back(address);
            EXPECT_TRUE(std::equal(frame.begin() + 4, frame.end(), image.begin() + address - 16))
                << address;
        }
        std::vector<int> expected;
        for (int a = 0x10; a <= 0x170; a += 16)
            expected.push_back(a);
        if (serviceMode) expected.push_back(0x180);
        expected.push_back(0x1B0);
        for (int a = 0x200; a <= 0x350; a += 16)
            expected.push_back(a);
        EXPECT_EQ(addresses, expected);
        EXPECT_EQ(addresses.size(), serviceMode ? 47u : 46u);
        EXPECT_EQ(h.sent.back(), kEnd);
        EXPECT_EQ(h.statusTexts.back(), "Write frequency success!");
        EXPECT_EQ(h.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Success}));
        // Progress 0, 10, ... 450, and there it stays.
        std::vector<int> progress{0};
        for (int v = 10; v <= 450; v += 10)
            progress.push_back(v);
        EXPECT_EQ(h.progressValues, progress);
        EXPECT_FALSE(h.progressShown);
        EXPECT_TRUE(h.told.empty());
    }
}

TEST_F(TransferSessionTest, BandQuestionComesBeforeAnyByteOncePerBand) {
    editor.radio().band = 2;
    std::size_t sentWhileAsked = 99;
    host.whileAsked = [&] {
        sentWhileAsked = host.sent.size();
        supervisionTicks(12); // however long the user reads, nothing times out
    };
    identify(kWrite);
    EXPECT_EQ(sentWhileAsked, 0u);
    EXPECT_EQ(host.bandQuestions, 1);
    EXPECT_TRUE(host.told.empty());
    EXPECT_EQ(writeAll().size(), 46u);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Success}));
    EXPECT_EQ(session.agreedBand(), 2);

    statusTicks(6);
    identify(kWrite);
    writeAll();
    EXPECT_EQ(host.bandQuestions, 1) << "the same band does not ask again";
}

TEST_F(TransferSessionTest, BandQuestionDeclinedSendsNothing) {
    editor.radio().band = 1;
    host.goOnWithBand = false;
    EXPECT_FALSE(session.start(kWrite));
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(host.statusTexts.back(), msg::BandMismatch.text.en);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Declined}));
    EXPECT_EQ(session.direction(), kWrite);
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(host.supervisionTimer);
    EXPECT_EQ(session.agreedBand(), 1);
    statusTicks(6);
    EXPECT_EQ(host.controls, (std::vector<bool>{false, true}));
    feed(kAck);
    EXPECT_TRUE(host.sent.empty()) << "a stray byte starts nothing";
}

TEST_F(TransferSessionTest, StopPartWaySendsTheEndFrameAndNothingAfter) {
    identify(kWrite);
    feed(kAck);
    feed(kAck);
    session.stop();
    EXPECT_EQ(last(), kEnd);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Stopped}));
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(host.supervisionTimer);
    EXPECT_FALSE(host.statusTimer);
    EXPECT_EQ(host.controls.back(), true);
    EXPECT_EQ(DescribeFailure(session.lastFailure(), Language::English),
              "The write stopped after block 1 of 46.\nThe radio now holds only part of the new "
              "memory: write it again!");
    const std::size_t sent = host.sent.size();
    feed(kAck);
    supervisionTicks(6);
    session.stop();
    EXPECT_EQ(host.sent.size(), sent);
    EXPECT_EQ(host.outcomes.size(), 1u);
    EXPECT_TRUE(host.told.empty()) << "no communication error after a stop";
}

TEST_F(TransferSessionTest, ImagesHandedOverBeforeTheFirstBlockAndBeforeLoading) {
    editor.radio().channel(3).rx = Frequency{44600625};
    identify(kWrite);
    EXPECT_EQ(host.imagesToWrite, std::vector<MemoryImage>{EncodeImage(editor.radio())});
    EXPECT_EQ(last(), kAck) << "no block has gone out yet";

    EditorState radio = englishEditor();
    radio.radio().channel(5).rx = Frequency{43812500};
    writeAll();
    statusTicks(6);
    readAll(radioMemory(radio));
    EXPECT_EQ(host.imagesRead, std::vector<MemoryImage>{EncodeImage(radio.radio())});
    EXPECT_EQ(host.imagesToWrite.size(), 1u) << "a read hands over no image to write";
}

TEST_F(TransferSessionTest, SilenceEndsAtSixthTickWithCommunicationError) {
    ASSERT_TRUE(session.start(kWrite));
    supervisionTicks(3);
    feed(kAck); // an accepted answer resets the count
    supervisionTicks(5);
    EXPECT_TRUE(host.told.empty());
    EXPECT_TRUE(host.supervisionTimer);
    session.onStatusTick();
    EXPECT_TRUE(session.statusVisible());
    supervisionTicks(1);
    EXPECT_EQ(host.told, (std::vector<Notice>{communicationError(
                             "The radio did not identify itself as this model (received: 06).")}));
    EXPECT_EQ(last(), kEnd);
    EXPECT_FALSE(host.supervisionTimer);
    EXPECT_FALSE(host.statusTimer);
    EXPECT_FALSE(session.statusVisible());
    EXPECT_FALSE(host.progressShown);
    EXPECT_EQ(host.controls, (std::vector<bool>{false, true}));
    EXPECT_EQ(session.protocol().phase(), RadioProtocol::Phase::Finished);
    EXPECT_TRUE(session.protocol().unconsumed().empty());
    EXPECT_FALSE(session.running());
    // A late identification is not interpreted.
    std::size_t frames = host.sent.size();
    feed(kIdent);
    EXPECT_EQ(host.sent.size(), frames);
}

TEST_F(TransferSessionTest, StatusLabelBlinksWhileRunning) {
    ASSERT_TRUE(session.start(kRead));
    std::vector<bool> seen;
    for (int i = 0; i < 4; ++i) {
        session.onStatusTick();
        seen.push_back(session.statusVisible());
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(host.statusTimer);
}

TEST_F(TransferSessionTest, UnconsumedBytesAreCappedAndFloodEndsByTimeOut) {
    ASSERT_TRUE(session.start(kRead));
    Bytes flood(10000, 0x06);
    feed(flood);
    feed(flood);
    EXPECT_LE(session.protocol().unconsumed().size(), RadioProtocol::kUnconsumedCap);
    EXPECT_EQ(host.sent.size(), 1u);
    supervisionTicks(6);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::CommunicationError}));
}

TEST_F(TransferSessionTest, TextsInTheLanguageInForce) {
    editor.session.language = Language::Traditional;
    ASSERT_TRUE(session.start(kRead));
    EXPECT_EQ(host.statusTexts.back(), Localise(Language::Traditional, status::Communicating));
    editor.session.language = Language::Simplified;
    supervisionTicks(6);
    EXPECT_EQ(host.told, (std::vector<Notice>{communicationError(cause::NoAnswer.zh)}));
}

// A read takes exactly the reply to the request it sent, once: a reply before the first
// request, a repeated block, another block's reply or an acknowledgement in place of the reply
// is not an answer, and the read ends by the supervision with its block count.
TEST_F(TransferSessionTest, ReadTakesOnlyTheReplyItAskedFor) {
    const Bytes memory = radioMemory(englishEditor());
    struct Case {
        const char* name;
        int blocksBefore;  // blocks read normally first
        bool requestFirst; // the hostile bytes come after the next request
        Bytes hostile;
    } cases[] = {
        {"reply before the first request", 0, false, readReply(memory, 0x10)},
        {"block 6 repeated", 6, false, readReply(memory, 0x10 + 5 * 64)},
        {"another block's reply", 2, true, readReply(memory, 0x10 + 7 * 64)},
        {"acknowledgement instead of the reply", 3, true, kAck},
    };
    cases[0].hostile[1] = 0xFF, cases[0].hostile[2] = 0xD0; // the address before 0x0010
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FreshSession fresh;
        auto& [e, h, s] = fresh;
        s.start(kRead);
        s.onBytes(kAck);
        s.onBytes(kIdent);
        for (int i = 0; i < c.blocksBefore; ++i) {
            s.onBytes(kAck);
            s.onBytes(readReply(memory, 0x10 + 64 * i));
        }
        if (c.requestFirst) s.onBytes(kAck);
        const std::size_t frames = h.sent.size();
        s.onBytes(c.hostile);
        EXPECT_EQ(h.sent.size(), frames) << "nothing answered";
        EXPECT_EQ(s.memoryRead().size(), 64u * c.blocksBefore);
        for (int i = 0; i < kSilenceTicksLimit; ++i)
            s.onSupervisionTick();
        EXPECT_EQ(h.told, (std::vector<Notice>{communicationError("The read stopped after block " +
                                                                  std::to_string(c.blocksBefore) +
                                                                  " of 16.")}));
        EXPECT_EQ(e.radio(), englishEditor().radio());
    }
}

TEST_F(TransferSessionTest, WriteTakesOnlyAnExactAcknowledgement) {
    for (const Bytes& other : {Bytes{0x15}, Bytes{0x00}, Bytes{0x06, 0x06}}) {
        FreshSession fresh;
        auto& [e, h, s] = fresh;
        s.start(kWrite);
        s.onBytes(kAck);
        s.onBytes(kIdent);
        s.onBytes(kAck);
        ASSERT_EQ(h.sent.back()[0], 0x57);
        const std::size_t frames = h.sent.size();
        s.onBytes(other);
        EXPECT_EQ(h.sent.size(), frames) << int(other[0]) << " taken as the acknowledgement";
    }
}

// The communication error's second lines say what happened.
TEST_F(TransferSessionTest, FailureNamesItsCause) {
    struct Case {
        const char* name;
        std::function<void(TransferSession&)> run;
        std::string detail;
    };
    auto acks = [](TransferSession& s, int n) {
        for (int i = 0; i < n; ++i)
            s.onBytes(kAck);
    };
    auto silence = [](TransferSession& s) {
        for (int i = 0; i < kSilenceTicksLimit; ++i)
            s.onSupervisionTick();
    };
    const std::string partly = "\nThe radio now holds only part of the new memory: write it again!";
    const Case cases[] = {
        {"silent radio", [&](TransferSession& s) { silence(s); },
         "The radio gave no answer at all."},
        {"other model",
         [&](TransferSession& s) {
             s.onBytes(kAck);
             s.onBytes(Bytes{0x50, 'L', 'K', '4', '6', '0', 0x00, 0x10});
             silence(s);
         },
         "The radio did not identify itself as this model (received: 06 50 4C 4B 34 36 30 00 "
         "10)."},
        {"write stalled after 10 blocks",
         [&](TransferSession& s) {
             acks(s, 1);
             s.onBytes(kIdent);
             acks(s, 11);
             silence(s);
         },
         "The write stopped after block 10 of 46." + partly},
        {"port lost after 3 blocks",
         [&](TransferSession& s) {
             acks(s, 1);
             s.onBytes(kIdent);
             acks(s, 4);
             s.onPortLost("/dev/ttyUSB0");
         },
         "The port was lost: /dev/ttyUSB0\nThe write stopped after block 3 of 46." + partly},
        {"handshake answered for ever",
         [&](TransferSession& s) {
             for (int tick = 1; tick < kTransferLimitTicks; ++tick) {
                 s.onSupervisionTick();
                 if (tick % 2 == 0) s.onBytes(kAck);
             }
             EXPECT_TRUE(s.running()) << "not before the limit";
             s.onSupervisionTick();
         },
         "The transfer did not finish within 60 seconds and was stopped."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FreshSession fresh;
        auto& [e, h, s] = fresh;
        ASSERT_TRUE(s.start(kWrite));
        c.run(s);
        EXPECT_FALSE(s.running());
        EXPECT_EQ(h.outcomes, (std::vector<TransferOutcome>{TransferOutcome::CommunicationError}));
        EXPECT_EQ(h.told, (std::vector<Notice>{communicationError(c.detail)}));
        EXPECT_EQ(DescribeFailure(s.lastFailure(), Language::English), c.detail);
        s.onPortLost("/dev/ttyUSB0");
        EXPECT_EQ(h.told.size(), 1u) << "a loss after the end adds nothing";
    }
}

// What a write --verify compares: the written blocks only, byte by byte.
TEST(WrittenBlocks, FirstDifferingWrittenAddress) {
    const MemoryImage written = EncodeImage(englishEditor().radio());
    Bytes readBack(written.begin(), written.end());
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, false), std::nullopt);
    readBack[0x0180 - 0x10] ^= 1; // the power-level block, written in service mode only
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, false), std::nullopt);
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, true), 0x0180);
    readBack[0x012F - 0x10] ^= 1;
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, false), 0x012F);
    readBack.resize(0x40); // a read-back that stopped after the first block
    EXPECT_EQ(FirstDifferingWrittenAddress(written, readBack, false), 0x0050);
}

} // namespace
} // namespace tlv
