// SPDX-License-Identifier: GPL-3.0-or-later
// A transfer session driven event by event: frames, supervision, images handed over and back,
// the end and what ended a failure.
#include "TransferScript.h"
#include "document/TransferFailureText.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "link/TransferSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace tlv {
namespace {

using test::Bytes;
using test::kAck;
using test::kEnd;
using test::kIdent;
using test::radioMemory;
using test::readReply;
using RecordingHost = test::RecordingTransferHost;
constexpr auto kRead = TransferDirection::Read;
constexpr auto kWrite = TransferDirection::Write;

RadioData startupRadio() {
    return MakeStartupEditor(Language::English).radio();
}

// A session of its own, for the cases of a table.
struct FreshSession {
    RecordingHost host;
    TransferSession session{host};
};

class TransferSessionTest : public ::testing::Test {
  protected:
    RecordingHost host;
    TransferSession session{host};
    const MemoryImage image = EncodeImage(startupRadio());

    void feed(const Bytes& bytes) { session.onBytes(bytes); }
    const Bytes& last() const { return host.sent.back(); }

    // Start and pass the handshake and identification.
    void identify(TransferDirection direction, bool serviceMode = false) {
        ASSERT_TRUE(session.start(direction, image, serviceMode));
        feed(kAck);
        feed(kIdent);
        ASSERT_EQ(session.status(), TransferStatus::Transferring);
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
    void supervisionTicks(int n) {
        for (int i = 0; i < n; ++i)
            session.onSupervisionTick();
    }
};

TEST_F(TransferSessionTest, StartSendsHandshakeAndStartsTheSupervision) {
    EXPECT_EQ(session.status(), TransferStatus::Idle);
    ASSERT_TRUE(session.start(kRead));
    EXPECT_EQ(host.sent, (std::vector<Bytes>{{'R', 'B', '-', 'P', 'R', 'O', 'G'}}));
    EXPECT_TRUE(host.supervisionTimer);
    EXPECT_EQ(session.status(), TransferStatus::Connecting);
    EXPECT_FALSE(session.identified());
    EXPECT_FALSE(session.outcome());
    EXPECT_FALSE(session.start(kWrite, image)) << "a second start while running";
    EXPECT_EQ(host.sent.size(), 1u);
}

TEST_F(TransferSessionTest, ReadHandsBackTheImageAndEndsBeforeTheEndFrame) {
    RadioData radio = startupRadio();
    radio.channel(1).rx = radio.channel(1).tx = Frequency{44600625};
    radio.functions.squelchLevel = 2;
    const MemoryImage held = EncodeImage(radio);
    readAll(radioMemory(held));
    EXPECT_EQ(last(), kEnd);
    EXPECT_EQ(host.sentAtEnd, host.sent.size() - 1) << "the end frame goes out after the end";
    EXPECT_EQ(session.memoryRead().size(), 1024u);
    EXPECT_EQ(session.imageRead(), held);
    EXPECT_EQ(host.imagesRead, std::vector<MemoryImage>{held});
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Success}));
    EXPECT_EQ(session.outcome(), TransferOutcome::Success);
    EXPECT_EQ(session.status(), TransferStatus::Ended);
    EXPECT_EQ(session.acknowledgements(), 17);
    EXPECT_EQ(session.blocksDone(), 16);
    EXPECT_EQ(session.blocksTotal(), 16);
    EXPECT_FALSE(host.supervisionTimer);
    EXPECT_FALSE(session.running());

    // Data after the end is not interpreted; the next start forgets the image read.
    const std::size_t frames = host.sent.size();
    feed(kAck);
    EXPECT_EQ(host.sent.size(), frames);
    ASSERT_TRUE(session.start(kRead));
    EXPECT_FALSE(session.imageRead());
}

TEST_F(TransferSessionTest, HandshakeVariants) {
    // Two 0x06 answers to the handshake each get an identification request.
    ASSERT_TRUE(session.start(kRead));
    feed(kAck);
    feed(kAck);
    EXPECT_EQ(host.sent, (std::vector<Bytes>{{'R', 'B', '-', 'P', 'R', 'O', 'G'}, {0x02}, {0x02}}));
    // LK470 starting half a byte off is accepted.
    feed({0x04, 0xC4, 0xB3, 0x43, 0x73, 0x00, 0x00, 0x00});
    EXPECT_TRUE(session.identified());
    EXPECT_EQ(last(), kAck);
    EXPECT_EQ(session.protocol().nextBlockAddress(), 0x0010);
    EXPECT_EQ(session.acknowledgements(), 0);
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
        EXPECT_EQ(fresh.session.status() == TransferStatus::Transferring, c.accepted)
            << c.ident.size();
    }
}

TEST_F(TransferSessionTest, SplitChunksAreJoinedButTwoAnswersInOneChunkStall) {
    const Bytes memory = radioMemory(image);
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

TEST_F(TransferSessionTest, WriteSendsTheImageItWasGivenBlockByBlock) {
    for (bool serviceMode : {false, true}) {
        SCOPED_TRACE(serviceMode);
        FreshSession fresh;
        auto& [h, s] = fresh;
        RadioData radio = startupRadio();
        radio.channel(2).rx = Frequency{45050000};
        const MemoryImage given = EncodeImage(radio);
        s.start(kWrite, given, serviceMode);
        s.onBytes(kAck);
        s.onBytes(kIdent);
        EXPECT_EQ(s.imageWritten(), given);
        EXPECT_EQ(h.imagesToWrite, std::vector<MemoryImage>{given});
        EXPECT_EQ(h.sent.back(), kAck) << "no block has gone out yet";

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
            EXPECT_TRUE(std::equal(frame.begin() + 4, frame.end(), given.begin() + address - 16))
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
        EXPECT_EQ(s.blocksDone(), serviceMode ? 47 : 46);
        EXPECT_EQ(s.blocksTotal(), serviceMode ? 47 : 46);
        EXPECT_EQ(s.acknowledgements(), serviceMode ? 48 : 47);
        EXPECT_EQ(h.sent.back(), kEnd);
        EXPECT_EQ(h.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Success}));
        EXPECT_TRUE(h.imagesRead.empty());
        EXPECT_FALSE(s.imageRead());
    }
}

TEST_F(TransferSessionTest, StopPartWayEndsAndThenSendsTheEndFrame) {
    identify(kWrite);
    feed(kAck);
    feed(kAck);
    session.stop();
    EXPECT_EQ(last(), kEnd);
    EXPECT_EQ(host.sentAtEnd, host.sent.size() - 1);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Stopped}));
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(host.supervisionTimer);
    EXPECT_EQ(DescribeFailure(session.failure(), Language::English),
              "The write stopped after block 1 of 46.\nThe radio now holds only part of the new "
              "memory: write it again!");
    const std::size_t sent = host.sent.size();
    feed(kAck);
    supervisionTicks(6);
    session.stop();
    EXPECT_EQ(host.sent.size(), sent);
    EXPECT_EQ(host.outcomes.size(), 1u);
}

// While the end is told (a message open in the window), nothing ends it twice and no transfer
// starts before the end frame has gone out.
TEST_F(TransferSessionTest, NothingInterferesWhileTheEndIsTold) {
    ASSERT_TRUE(session.start(kWrite, image));
    bool started = true;
    host.whileEnding = [&] {
        supervisionTicks(12);
        feed(kAck);
        session.onPortLost("/dev/ttyUSB0");
        session.stop();
        started = session.start(kRead);
    };
    supervisionTicks(3);
    feed(kAck); // an accepted answer resets the count
    supervisionTicks(5);
    EXPECT_TRUE(host.outcomes.empty());
    supervisionTicks(1);
    EXPECT_FALSE(started);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::CommunicationError}));
    EXPECT_EQ(host.sentAtEnd, host.sent.size() - 1);
    EXPECT_EQ(last(), kEnd);
    EXPECT_EQ(DescribeFailure(session.failure(), Language::English),
              "The radio did not identify itself as this model (received: 06).");
    EXPECT_EQ(session.protocol().phase(), RadioProtocol::Phase::Finished);
    EXPECT_TRUE(session.protocol().unconsumed().empty());
    // A late identification is not interpreted.
    const std::size_t frames = host.sent.size();
    feed(kIdent);
    EXPECT_EQ(host.sent.size(), frames);
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

// A read takes exactly the reply to the request it sent, once: a reply before the first
// request, a repeated block, another block's reply or an acknowledgement in place of the reply
// is not an answer, and the read ends by the supervision with its block count.
TEST_F(TransferSessionTest, ReadTakesOnlyTheReplyItAskedFor) {
    const Bytes memory = radioMemory(image);
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
        auto& [h, s] = fresh;
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
        EXPECT_EQ(DescribeFailure(s.failure(), Language::English),
                  "The read stopped after block " + std::to_string(c.blocksBefore) + " of 16.");
        EXPECT_FALSE(s.imageRead()) << "a failed read hands back no image";
        EXPECT_TRUE(h.imagesRead.empty());
    }
}

TEST_F(TransferSessionTest, WriteTakesOnlyAnExactAcknowledgement) {
    for (const Bytes& other : {Bytes{0x15}, Bytes{0x00}, Bytes{0x06, 0x06}}) {
        FreshSession fresh;
        auto& [h, s] = fresh;
        s.start(kWrite, image);
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
        auto& [h, s] = fresh;
        ASSERT_TRUE(s.start(kWrite, image));
        c.run(s);
        EXPECT_FALSE(s.running());
        EXPECT_EQ(h.outcomes, (std::vector<TransferOutcome>{TransferOutcome::CommunicationError}));
        EXPECT_EQ(DescribeFailure(s.failure(), Language::English), c.detail);
        s.onPortLost("/dev/ttyUSB0");
        EXPECT_EQ(h.outcomes.size(), 1u) << "a loss after the end adds nothing";
    }
}

} // namespace
} // namespace tlv
