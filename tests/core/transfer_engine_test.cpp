// The transfer engine driven tick by tick: frames, progress, supervision, band question.
#include "ScriptedMessageBox.h"
#include "editor/Startup.h"
#include "image/ImageCodec.h"
#include "image/ImageFields.h"
#include "image/ImageLayout.h"
#include "link/TransferEngine.h"
#include "localisation/Messages.h"

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
    bool timer1 = false;
    bool timer2 = false;
    int bandFocus = 0;

    bool portIsOpen() const override { return open; }
    void sendBytes(std::span<const uint8_t> frame) override {
        sent.emplace_back(frame.begin(), frame.end());
    }
    void setSupervisionTimer(bool on) override { timer1 = on; }
    void setStatusTimer(bool on) override { timer2 = on; }
    void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void setProgress(bool visible, int value) override {
        if (visible && (!progressShown || progressValues.empty() || progressValues.back() != value))
            progressValues.push_back(value);
        progressShown = visible;
    }
    void setTransferControlsEnabled(bool enabled) override { controls.push_back(enabled); }
    void focusBandList() override { ++bandFocus; }
    void transferEnded(TransferOutcome outcome) override { outcomes.push_back(outcome); }
    std::vector<std::string> imagesToWrite;
    std::vector<std::string> imagesRead;
    void imageAboutToBeWritten(std::string_view image) override {
        imagesToWrite.emplace_back(image);
    }
    void imageRead(std::string_view image) override { imagesRead.emplace_back(image); }
};

// A message box that can run code while it is "open" (as a nested event loop would).
class HookedMessageBox : public test::ScriptedMessageBox {
  public:
    std::function<void()> whileOpen;
    int LocalMsgBox(const std::string& text, int flags, const std::string& title) override {
        if (whileOpen) {
            auto hook = std::move(whileOpen);
            whileOpen = nullptr;
            hook();
        }
        return ScriptedMessageBox::LocalMsgBox(text, flags, title);
    }
};

const Bytes kIdent{0x50, 'L', 'K', '4', '7', '0', 0x00, 0x10};
const Bytes kAck{0x06};
const Bytes kEnd{0x45};

Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// The radio's memory for a read: the image of `editor` at 0x0010, then 0xFF.
Bytes radioMemory(const EditorState& editor) {
    Bytes memory(0x1000, 0xFF);
    auto image = ImageTextToBytes(EncodeImage(editor));
    std::copy(image->begin(), image->end(), memory.begin() + 0x10);
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

// An engine of its own over a start-up editor, for the cases of a table.
struct FreshEngine {
    EditorState editor = MakeStartupEditor(1);
    RecordingHost host;
    test::ScriptedMessageBox box;
    TransferEngine engine{editor, box, host};
};

class TransferEngineTest : public ::testing::Test {
  protected:
    EditorState editor = MakeStartupEditor(1);
    HookedMessageBox box;
    RecordingHost host;
    TransferEngine engine{editor, box, host};

    void feed(const Bytes& bytes) { engine.onBytes(bytes); }
    const Bytes& last() const { return host.sent.back(); }

    // Start and pass the handshake and identification.
    void identify(char direction) {
        ASSERT_TRUE(engine.StartTransfer(direction));
        feed(kAck);
        feed(kIdent);
        ASSERT_EQ(engine.state().handshakePending, 0);
    }
    // A complete read of `memory`; returns false if it stalled.
    void readAll(const Bytes& memory) {
        identify('R');
        for (int address = 0x10; address < 0x410; address += 64) {
            feed(kAck);
            ASSERT_EQ(last(), (Bytes{0x52, static_cast<uint8_t>(address >> 8),
                                     static_cast<uint8_t>(address), 0x40}));
            feed(readReply(memory, address));
            ASSERT_EQ(last(), kAck);
        }
        feed(kAck);
    }
    // Acknowledges write blocks until the engine sends the end frame; returns the blocks.
    std::vector<Bytes> writeAll(int limit = 100) {
        std::vector<Bytes> blocks;
        for (int i = 0; i < limit; ++i) {
            feed(kAck);
            if (last() == kEnd) break;
            blocks.push_back(last());
        }
        return blocks;
    }
    void ticks1(int n) {
        for (int i = 0; i < n; ++i)
            engine.onSupervisionTick();
    }
    void ticks2(int n) {
        for (int i = 0; i < n; ++i)
            engine.onStatusTick();
    }
};

TEST_F(TransferEngineTest, StartSendsHandshakeDisablesControlsAndStartsTimers) {
    ASSERT_TRUE(engine.StartTransfer('R'));
    EXPECT_EQ(host.sent, (std::vector<Bytes>{bytesOf("RB-PROG")}));
    EXPECT_EQ(host.controls, (std::vector<bool>{false}));
    EXPECT_EQ(host.statusTexts.back(), "Is communication, please later……");
    EXPECT_TRUE(host.timer1);
    EXPECT_TRUE(host.timer2);
    EXPECT_EQ(host.bandFocus, 1);
    EXPECT_FALSE(host.progressShown);
    EXPECT_FALSE(engine.StartTransfer('W')) << "a second start while running";
}

TEST_F(TransferEngineTest, ClosedPortShowsMessageAndChangesNothing) {
    host.open = false;
    EXPECT_FALSE(engine.StartTransfer('R'));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].flags, 64);
    EXPECT_EQ(box.shown[0].text, msg::PortNotOpen.text.en);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(host.controls.empty());
    EXPECT_FALSE(host.timer1);
}

TEST_F(TransferEngineTest, ReadFillsEditorWithProgressAndEndNotice) {
    EditorState radio = MakeStartupEditor(1);
    radio.table.at(1, col::RxFrequency) = "446.00625";
    radio.table.at(1, col::TxFrequency) = "446.00625";
    radio.squelchLevel = 2;
    Bytes memory = radioMemory(radio);

    readAll(memory);
    EXPECT_EQ(last(), kEnd);
    EXPECT_EQ(engine.state().readImageText.size(), 2048u);
    EXPECT_EQ(EncodeImage(editor), EncodeImage(radio));
    EXPECT_EQ(editor.table.at(1, col::RxFrequency), "446.00625");

    std::vector<int> expected{0};
    for (int v = 25; v <= 425; v += 25)
        expected.push_back(v);
    EXPECT_EQ(host.progressValues, expected);
    EXPECT_FALSE(host.progressShown);
    EXPECT_EQ(host.statusTexts.back(), "Read frequency success!");
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Success}));
    EXPECT_FALSE(host.timer1);
    EXPECT_TRUE(host.timer2);

    // The end text blinks for six status ticks, then the controls come back.
    ticks2(5);
    EXPECT_EQ(host.controls, (std::vector<bool>{false}));
    EXPECT_TRUE(host.timer2);
    ticks2(1);
    EXPECT_EQ(host.controls, (std::vector<bool>{false, true}));
    EXPECT_FALSE(host.timer2);
    EXPECT_FALSE(engine.statusVisible());

    // Data after the end is kept but not interpreted.
    std::size_t frames = host.sent.size();
    feed(kAck);
    EXPECT_EQ(host.sent.size(), frames);
}

TEST_F(TransferEngineTest, ReadKeepsTheBandOfTheRadiosImage) {
    EditorState radio = MakeStartupEditor(1);
    radio.currentBand = radio.previousBand = 5; // 136-174MHz
    readAll(radioMemory(radio));
    EXPECT_EQ(editor.currentBand, 5);
    EXPECT_EQ(engine.state().linkBand, 0);
}

TEST_F(TransferEngineTest, ReadStoppingAfterTenBlocksLeavesEditorUnchanged) {
    EditorState radio = MakeStartupEditor(1);
    radio.table.at(3, col::RxFrequency) = "440.12500";
    Bytes memory = radioMemory(radio);
    std::string before = EncodeImage(editor);
    identify('R');
    for (int address = 0x10; address < 0x10 + 10 * 64; address += 64) {
        feed(kAck);
        feed(readReply(memory, address));
    }
    ticks1(5);
    EXPECT_TRUE(box.shown.empty());
    ticks1(1);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].flags, 16);
    EXPECT_EQ(EncodeImage(editor), before);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::CommunicationError}));
}

TEST_F(TransferEngineTest, HandshakeVariants) {
    // Two 0x06 answers to the handshake each get an identification request.
    ASSERT_TRUE(engine.StartTransfer('R'));
    feed(kAck);
    feed(kAck);
    EXPECT_EQ(host.sent, (std::vector<Bytes>{bytesOf("RB-PROG"), {0x02}, {0x02}}));
    // LK470 starting at an odd hex position (across byte boundaries) is accepted.
    feed({0x04, 0xC4, 0xB3, 0x43, 0x73, 0x00, 0x00, 0x00});
    EXPECT_EQ(engine.state().handshakePending, 0);
    EXPECT_EQ(last(), kAck);
    EXPECT_EQ(engine.state().blockAddress, 0x0010);
    EXPECT_TRUE(host.progressShown);
}

TEST_F(TransferEngineTest, IdentificationMustBeEightBytesWithLK470) {
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
        EditorState e = MakeStartupEditor(1);
        RecordingHost h;
        test::ScriptedMessageBox b;
        TransferEngine eng(e, b, h);
        eng.StartTransfer('R');
        eng.onBytes(kAck);
        eng.onBytes(c.ident);
        EXPECT_EQ(eng.state().handshakePending == 0, c.accepted) << c.ident.size();
    }
}

TEST_F(TransferEngineTest, SplitChunksAreJoinedButTwoAnswersInOneChunkStall) {
    EditorState radio = MakeStartupEditor(1);
    Bytes memory = radioMemory(radio);
    identify('R');
    feed(kAck);
    Bytes reply = readReply(memory, 0x10);
    feed(Bytes(reply.begin(), reply.begin() + 5));
    feed(Bytes(reply.begin() + 5, reply.begin() + 40));
    EXPECT_NE(last(), kAck);
    feed(Bytes(reply.begin() + 40, reply.end()));
    EXPECT_EQ(last(), kAck);
    EXPECT_EQ(engine.state().readImageText.size(), 128u);

    // "06" and the next reply in one notification match nothing.
    Bytes both = kAck;
    Bytes next = readReply(memory, 0x50);
    both.insert(both.end(), next.begin(), next.end());
    std::size_t frames = host.sent.size();
    feed(both);
    EXPECT_EQ(host.sent.size(), frames);
    ticks1(6);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::CommunicationError}));
}

TEST_F(TransferEngineTest, BreakDropsFirstByteOfNextData) {
    ASSERT_TRUE(engine.StartTransfer('R'));
    engine.onBreak();
    feed({0x00, 0x06}); // the NUL the line delivered for the break, then the answer
    EXPECT_EQ(last(), Bytes{0x02});
    EXPECT_FALSE(engine.state().breakPending);
    // Without a break the NUL stays and the answer does not match.
    feed({0x00, 0x06});
    EXPECT_EQ(last(), Bytes{0x02});
    EXPECT_EQ(engine.state().receiveText, "0006");
}

TEST_F(TransferEngineTest, WriteSendsTheImageBlocksInOrder) {
    for (int serviceMode : {0, 1}) {
        SCOPED_TRACE(serviceMode);
        EditorState e = MakeStartupEditor(1);
        e.table.at(2, col::RxFrequency) = "450.50000";
        e.serviceMode = serviceMode;
        RecordingHost h;
        test::ScriptedMessageBox b;
        TransferEngine eng(e, b, h);
        eng.StartTransfer('W');
        eng.onBytes(kAck);
        eng.onBytes(kIdent);
        auto image = ImageTextToBytes(eng.state().writeImageText);
        ASSERT_TRUE(image && image->size() == 848u);
        // The editor changes after the identification do not reach the radio.
        e.table.at(2, col::RxFrequency) = "460.00000";

        std::vector<int> addresses;
        for (int i = 0; i < 60; ++i) {
            eng.onBytes(kAck);
            const Bytes& frame = h.sent.back();
            if (frame == kEnd) break;
            ASSERT_EQ(frame.size(), 20u);
            ASSERT_EQ(frame[0], 0x57);
            ASSERT_EQ(frame[3], 0x10);
            int address = frame[1] << 8 | frame[2];
            addresses.push_back(address);
            EXPECT_TRUE(std::equal(frame.begin() + 4, frame.end(), image->begin() + address - 16))
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
        EXPECT_TRUE(b.shown.empty());
    }
}

TEST_F(TransferEngineTest, BandQuestionComesBeforeAnyByteOncePerBand) {
    editor.currentBand = 2;
    box.answers = {IdYes};
    std::size_t sentWhileAsked = 99;
    box.whileOpen = [&] {
        sentWhileAsked = host.sent.size();
        ticks1(12); // however long the user reads, nothing times out
    };
    identify('W');
    EXPECT_EQ(sentWhileAsked, 0u);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, msg::BandMismatch.text.en);
    EXPECT_EQ(box.shown[0].flags, 68);
    EXPECT_EQ(writeAll().size(), 46u);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Success}));
    EXPECT_EQ(engine.state().linkBand, 2);

    ticks2(6);
    identify('W');
    writeAll();
    EXPECT_EQ(box.shown.size(), 1u) << "the same band does not ask again";
}

TEST_F(TransferEngineTest, BandQuestionDeclinedSendsNothing) {
    editor.currentBand = 1;
    box.answers = {IdNo};
    EXPECT_FALSE(engine.StartTransfer('W'));
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(host.statusTexts.back(), msg::BandMismatch.text.en);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Declined}));
    EXPECT_FALSE(engine.running());
    EXPECT_FALSE(host.timer1);
    EXPECT_EQ(engine.state().linkBand, 1);
    ticks2(6);
    EXPECT_EQ(host.controls, (std::vector<bool>{false, true}));
    feed(kAck);
    EXPECT_TRUE(host.sent.empty()) << "a stray byte starts nothing";
}

TEST_F(TransferEngineTest, StopPartWaySendsTheEndFrameAndNothingAfter) {
    identify('W');
    feed(kAck);
    feed(kAck);
    engine.StopTransfer();
    EXPECT_EQ(last(), kEnd);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::Stopped}));
    EXPECT_FALSE(engine.running());
    EXPECT_FALSE(host.timer1);
    EXPECT_FALSE(host.timer2);
    EXPECT_EQ(host.controls.back(), true);
    const std::size_t sent = host.sent.size();
    feed(kAck);
    ticks1(6);
    engine.StopTransfer();
    EXPECT_EQ(host.sent.size(), sent);
    EXPECT_EQ(host.outcomes.size(), 1u);
    EXPECT_TRUE(box.shown.empty()) << "no communication error after a stop";
}

TEST_F(TransferEngineTest, ImagesHandedOverBeforeTheFirstBlockAndBeforeDecoding) {
    editor.table.at(3, col::RxFrequency) = "446.00625";
    identify('W');
    EXPECT_EQ(host.imagesToWrite, std::vector<std::string>{EncodeImage(editor)});
    EXPECT_EQ(last(), kAck) << "no block has gone out yet";

    EditorState radio = MakeStartupEditor(1);
    radio.table.at(5, col::RxFrequency) = "438.12500";
    writeAll();
    ticks2(6);
    readAll(radioMemory(radio));
    EXPECT_EQ(host.imagesRead, std::vector<std::string>{EncodeImage(radio)});
    EXPECT_EQ(host.imagesToWrite.size(), 1u) << "a read hands over no image to write";
}

TEST_F(TransferEngineTest, SilenceEndsAtSixthTickWithCommunicationError) {
    ASSERT_TRUE(engine.StartTransfer('W'));
    ticks1(3);
    feed(kAck); // an accepted answer resets the count
    ticks1(5);
    EXPECT_TRUE(box.shown.empty());
    EXPECT_TRUE(host.timer1);
    engine.onStatusTick();
    EXPECT_TRUE(engine.statusVisible());
    ticks1(1);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, std::string(msg::CommunicationError.text.en) +
                                     "\nThe radio did not identify itself as this model "
                                     "(received: 06).");
    EXPECT_EQ(box.shown[0].flags, 16);
    EXPECT_EQ(last(), kEnd);
    EXPECT_FALSE(host.timer1);
    EXPECT_FALSE(host.timer2);
    EXPECT_FALSE(engine.statusVisible());
    EXPECT_FALSE(host.progressShown);
    EXPECT_EQ(host.controls, (std::vector<bool>{false, true}));
    EXPECT_EQ(engine.state().silenceTicks, 0);
    EXPECT_EQ(engine.state().transferFinished, 1);
    EXPECT_TRUE(engine.state().receiveText.empty());
    EXPECT_FALSE(engine.running());
    // A late identification is not interpreted.
    std::size_t frames = host.sent.size();
    feed(kIdent);
    EXPECT_EQ(host.sent.size(), frames);
}

TEST_F(TransferEngineTest, StatusLabelBlinksWhileRunning) {
    ASSERT_TRUE(engine.StartTransfer('R'));
    std::vector<bool> seen;
    for (int i = 0; i < 4; ++i) {
        engine.onStatusTick();
        seen.push_back(engine.statusVisible());
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(host.timer2);
}

TEST_F(TransferEngineTest, ReceiveTextIsCappedAndFloodEndsByTimeOut) {
    ASSERT_TRUE(engine.StartTransfer('R'));
    Bytes flood(10000, 0x06);
    feed(flood);
    feed(flood);
    EXPECT_LE(engine.state().receiveText.size(), kReceiveTextCap);
    EXPECT_EQ(host.sent.size(), 1u);
    ticks1(6);
    EXPECT_EQ(host.outcomes, (std::vector<TransferOutcome>{TransferOutcome::CommunicationError}));
}

TEST_F(TransferEngineTest, TraditionalChineseStatusTexts) {
    editor.languageState = 2;
    ASSERT_TRUE(engine.StartTransfer('R'));
    EXPECT_EQ(host.statusTexts.back(), Localise(2, status::Communicating));
    editor.languageState = 0;
    ticks1(6);
    EXPECT_EQ(box.shown.back().text,
              std::string(msg::CommunicationError.text.zh) + "\n" + cause::NoAnswer.zh);
}

// A read takes exactly the reply to the request it sent, once: a reply before the first
// request, a repeated block, another block's reply or an acknowledgement in place of the reply
// is not an answer, and the read ends by the supervision with its block count.
TEST_F(TransferEngineTest, ReadTakesOnlyTheReplyItAskedFor) {
    const Bytes memory = radioMemory(MakeStartupEditor(1));
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
        FreshEngine fresh;
        auto& [e, h, b, eng] = fresh;
        eng.StartTransfer('R');
        eng.onBytes(kAck);
        eng.onBytes(kIdent);
        for (int i = 0; i < c.blocksBefore; ++i) {
            eng.onBytes(kAck);
            eng.onBytes(readReply(memory, 0x10 + 64 * i));
        }
        if (c.requestFirst) eng.onBytes(kAck);
        const std::size_t frames = h.sent.size();
        eng.onBytes(c.hostile);
        EXPECT_EQ(h.sent.size(), frames) << "nothing answered";
        EXPECT_EQ(eng.state().readImageText.size(), 128u * c.blocksBefore);
        for (int i = 0; i < kSilenceTicksLimit; ++i)
            eng.onSupervisionTick();
        ASSERT_EQ(b.shown.size(), 1u);
        EXPECT_EQ(b.shown[0].text, std::string(msg::CommunicationError.text.en) +
                                       "\nThe read stopped after block " +
                                       std::to_string(c.blocksBefore) + " of 16.");
        EXPECT_EQ(EncodeImage(e), EncodeImage(MakeStartupEditor(1)));
    }
}

TEST_F(TransferEngineTest, WriteTakesOnlyAnExactAcknowledgement) {
    identify('W');
    feed(kAck);
    ASSERT_EQ(last()[0], 0x57);
    const std::size_t frames = host.sent.size();
    for (const Bytes& other : {Bytes{0x15}, Bytes{0x00}, Bytes{0x06, 0x06}}) {
        engine.state().receiveText.clear();
        feed(other);
        EXPECT_EQ(host.sent.size(), frames) << int(other[0]) << " taken as the acknowledgement";
    }
}

// The communication error's second lines say what happened.
TEST_F(TransferEngineTest, FailureNamesItsCause) {
    struct Case {
        const char* name;
        std::function<void(TransferEngine&)> run;
        std::string detail;
    };
    auto acks = [](TransferEngine& eng, int n) {
        for (int i = 0; i < n; ++i)
            eng.onBytes(kAck);
    };
    auto silence = [](TransferEngine& eng) {
        for (int i = 0; i < kSilenceTicksLimit; ++i)
            eng.onSupervisionTick();
    };
    const std::string partly = "\nThe radio now holds only part of the new memory: write it again!";
    const Case cases[] = {
        {"silent radio", [&](TransferEngine& eng) { silence(eng); },
         "The radio gave no answer at all."},
        {"other model",
         [&](TransferEngine& eng) {
             eng.onBytes(kAck);
             eng.onBytes(Bytes{0x50, 'L', 'K', '4', '6', '0', 0x00, 0x10});
             silence(eng);
         },
         "The radio did not identify itself as this model (received: 06 50 4C 4B 34 36 30 00 "
         "10)."},
        {"write stalled after 10 blocks",
         [&](TransferEngine& eng) {
             acks(eng, 1);
             eng.onBytes(kIdent);
             acks(eng, 11);
             silence(eng);
         },
         "The write stopped after block 10 of 46." + partly},
        {"port lost after 3 blocks",
         [&](TransferEngine& eng) {
             acks(eng, 1);
             eng.onBytes(kIdent);
             acks(eng, 4);
             eng.onPortLost("/dev/ttyUSB0");
         },
         "The port was lost: /dev/ttyUSB0\nThe write stopped after block 3 of 46." + partly},
        {"handshake answered for ever",
         [&](TransferEngine& eng) {
             for (int tick = 1; tick < kTransferLimitTicks; ++tick) {
                 eng.onSupervisionTick();
                 if (tick % 2 == 0) eng.onBytes(kAck);
             }
             EXPECT_TRUE(eng.running()) << "not before the limit";
             eng.onSupervisionTick();
         },
         "The transfer did not finish within 60 seconds and was stopped."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FreshEngine fresh;
        auto& [e, h, b, eng] = fresh;
        ASSERT_TRUE(eng.StartTransfer('W'));
        c.run(eng);
        EXPECT_FALSE(eng.running());
        EXPECT_EQ(h.outcomes, (std::vector<TransferOutcome>{TransferOutcome::CommunicationError}));
        ASSERT_EQ(b.shown.size(), 1u);
        EXPECT_EQ(b.shown[0].text, std::string(msg::CommunicationError.text.en) + "\n" + c.detail);
        EXPECT_EQ(DescribeFailure(eng.lastFailure(), 1), c.detail);
        eng.onPortLost("/dev/ttyUSB0");
        EXPECT_EQ(b.shown.size(), 1u) << "a loss after the end adds nothing";
    }
    EXPECT_EQ(Localise(0, cause::WriteStopped), "写频在第 %1 块后中断（共 %2 块）。");
}

} // namespace
} // namespace tlv
