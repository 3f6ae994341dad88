// SPDX-License-Identifier: GPL-3.0-or-later
// The document's commands as every front end runs them: edits held by the lock and a transfer,
// the questions of a band change, a write, a read, an import and the end of the program, and
// the answers of a front end that reads and writes files itself (the web edition).
#include "GoldenImage.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "TemporaryFolder.h"
#include "document/Document.h"
#include "document/EditorImage.h"
#include "document/Flow.h"
#include "editor/DialogState.h"
#include "editor/Startup.h"
#include "exchange/ChannelCsv.h"
#include "image/DataFile.h"
#include "image/ImageCodec.h"
#include "image/ImageLayout.h"
#include "qt/QtJsonParser.h"
#include "radio/Bands.h"

#include <gtest/gtest.h>

using namespace tlv;

namespace {

struct DocumentTest : testing::Test {
    EditorState state = MakeStartupEditor(Language::English);
    QtJsonParser json;
    Document document{state, json};
    test::ScriptedMessageBox box;
    test::ScriptedFileDialog dialogs;
    test::TemporaryFolder folder;

    DocumentTest() { document.startHistory(); }

    void channel(int row, const char* frequency) {
        ASSERT_TRUE(document.commitFrequency({row, col::RxFrequency}, frequency).changed);
    }
    // Runs the flow up to its end or its transfer; the texts shown, in order.
    std::vector<std::string> run(Flow& flow) {
        box.shown.clear();
        RunFlow(flow, state.language(), box, dialogs);
        std::vector<std::string> texts;
        for (const auto& shown : box.shown)
            texts.push_back(shown.text.substr(0, shown.text.find('\n')));
        return texts;
    }
};

TEST_F(DocumentTest, TheLockAndATransferHoldTheTableButNotTheDialogs) {
    channel(1, "446.1");
    document.setEditingLock(true);
    EXPECT_FALSE(document.commitFrequency({2, col::RxFrequency}, "447").changed);
    EXPECT_FALSE(document.deleteChannels(std::vector<int>{1}).changed);
    EXPECT_FALSE(document.pasteRows(3, "03\t446.20000").changed);
    EXPECT_FALSE(document.selectBand(5)->completed());
    EXPECT_FALSE(document.undo());
    EXPECT_TRUE(state.radio().inUse(1));
    EXPECT_FALSE(state.radio().inUse(2));
    EXPECT_EQ(state.radio().band, 0);

    state.dialogs.keys.pf1 = 4;
    EXPECT_TRUE(document.confirmDialog(RadioDialogKind::Keys).changed);
    document.setEditingLock(false);
    document.setTransferRunning(true);
    state.dialogs.keys.pf1 = 5;
    EXPECT_FALSE(document.confirmDialog(RadioDialogKind::Keys).changed);
    EXPECT_EQ(state.radio().keys.pf1, 4);
}

TEST_F(DocumentTest, ABandChangeAsksOnlyWithChannelsInUseAndOkClearsThem) {
    EXPECT_TRUE(run(*document.selectBand(5)).empty()); // nothing to clear: no question
    EXPECT_EQ(state.radio().band, 5);

    channel(1, "146.1");
    const auto cancelled = document.selectBand(0);
    box.answers = {IdCancel};
    EXPECT_EQ(run(*cancelled),
              std::vector<std::string>{"Change frequency channel list will remove, sure?"});
    EXPECT_EQ(state.radio().band, 0);
    EXPECT_TRUE(state.radio().inUse(1)); // Cancel keeps the channels with the new band

    document.bandListOpened();
    box.answers = {IdOk};
    run(*document.selectBand(5));
    EXPECT_EQ(state.radio().band, 5);
    EXPECT_FALSE(state.radio().inUse(1)); // OK clears them
    EXPECT_TRUE(document.undo());
    EXPECT_TRUE(state.radio().inUse(1));
}

TEST_F(DocumentTest, AWriteListsTheChannelsOutsideTheBandAndAsksTheBandOnceABand) {
    channel(1, "446.1");
    state.radio().band = 5; // as the band list's Cancel leaves it: 446.1 outside 136-174
    box.answers = {IdCancel};
    auto flow = document.write();
    EXPECT_EQ(run(*flow), std::vector<std::string>{"These channels have frequencies outside the "
                                                   "chosen band. Write them to the radio anyway?"});
    EXPECT_EQ(box.shown[0].text.substr(box.shown[0].text.find('\n') + 1),
              "CH01 RX 446.10000 TX 446.10000 (136-174MHz)");
    EXPECT_FALSE(flow->completed());

    // OK, then No to the band question: declined, nothing to send.
    box.answers = {IdOk, IdNo};
    flow = document.write();
    EXPECT_EQ(run(*flow).size(), 2u);
    EXPECT_TRUE(flow->done() && flow->step().declined);

    // The band was settled: OK alone, then the editor's image goes out with the service mode.
    document.commitFrequency({1, col::RxFrequency}, "");
    state.session.serviceMode = true;
    flow = document.write();
    EXPECT_TRUE(run(*flow).empty());
    ASSERT_EQ(flow->step().kind, StepKind::Transfer);
    EXPECT_EQ(flow->step().transfer.direction, TransferDirection::Write);
    EXPECT_TRUE(flow->step().transfer.serviceMode);
    EXPECT_TRUE(flow->step().transfer.image == EncodeImage(state.radio()));

    TransferResult failed{TransferOutcome::CommunicationError, {}, std::nullopt};
    failed.failure.cause = FailureCause::NoAnswer;
    failed.failure.direction = TransferDirection::Write;
    flow->transferEnded(failed);
    const std::vector<std::string> shown = run(*flow);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].substr(0, 19), "Communication error");
    EXPECT_NE(box.shown[0].text.find('\n'), std::string::npos); // the cause follows
    EXPECT_FALSE(flow->completed());
}

TEST_F(DocumentTest, AReadAsksToSaveChangesThenLoadsTheImageAndItsNotices) {
    channel(1, "446.1");
    box.answers = {IdCancel};
    auto flow = document.read();
    run(*flow);
    EXPECT_FALSE(flow->completed()); // "Save changes?" cancelled: no transfer

    box.answers = {IdDiscard};
    flow = document.read();
    run(*flow);
    ASSERT_EQ(flow->step().kind, StepKind::Transfer);
    EXPECT_EQ(flow->step().transfer.direction, TransferDirection::Read);
    MemoryImage image = test::GoldenStartupImage();
    image[0] = 0xAB; // channel 1's receive frequency damaged
    image[offset::BandCode] = kBands[1].code;
    flow->transferEnded({TransferOutcome::Success, {}, image});
    const std::vector<std::string> shown = run(*flow);
    EXPECT_TRUE(flow->completed());
    EXPECT_EQ(shown, std::vector<std::string>{"These frequencies are damaged (not decimal digits) "
                                              "and are shown empty:"});
    EXPECT_EQ(state.radio().band, 1);
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.path(), "");
}

TEST_F(DocumentTest, AnImportRenumbersCsvRowsBeyondTheTableAndRefusesAFileWithErrors) {
    const std::string csv = "Location,Frequency\n0,446.00625\n20,446.1\n";
    test::WriteBytes(folder.file("plan.csv"), csv);
    dialogs.openAnswers = {folder.file("plan.csv")};
    auto flow = document.importFile();
    const std::vector<std::string> shown = run(*flow);
    EXPECT_TRUE(flow->completed());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Imported. Please note:");
    EXPECT_EQ(FrequencyText(*state.radio().channel(2).rx), "446.10000");
    EXPECT_TRUE(document.modified());

    const EditorData before = state.data;
    test::WriteBytes(folder.file("bad.csv"), "Location,Frequency\n1,ABC\n");
    test::WriteBytes(folder.file("plan.txt"), csv);
    test::WriteBytes(folder.file("big.csv"), std::string(kImportFileLimit + 1, 'x'));
    for (const char* name : {"bad.csv", "plan.txt", "big.csv"}) {
        dialogs.openAnswers = {folder.file(name)};
        flow = document.importFile();
        EXPECT_EQ(run(*flow).size(), 1u) << name;
        EXPECT_FALSE(flow->completed()) << name;
    }
    EXPECT_TRUE(state.data == before);
}

TEST_F(DocumentTest, AFrontEndThatReadsAndWritesFilesItselfAnswersWithContentAndNames) {
    auto flow = document.openContent("backup.DAT", test::DataFile(test::GoldenStartupImage()) +
                                                       std::string(100, '\x55'));
    EXPECT_TRUE(run(*flow).empty()); // bytes beyond a data file are left aside, as Open reads
    EXPECT_TRUE(flow->completed());
    EXPECT_EQ(document.path(), "backup.DAT");

    channel(1, "446.1");
    flow = document.save();
    ASSERT_EQ(flow->step().kind, StepKind::ChooseFileToSave);
    EXPECT_EQ(flow->step().suggestedName, "backup.DAT");
    EXPECT_EQ(flow->contentToSave("x.DAT"), BuildDataFile(state.radio()));
    flow->fileNotSaved("disk full");
    EXPECT_EQ(run(*flow), std::vector<std::string>{"The file could not be saved!"});
    EXPECT_FALSE(flow->completed());
    EXPECT_TRUE(document.modified());

    flow = document.save();
    flow->fileSaved("plan.DAT");
    EXPECT_TRUE(flow->completed());
    EXPECT_EQ(document.path(), "plan.DAT");
    EXPECT_FALSE(document.modified());

    flow = document.exportFile(FileKind::Exchange);
    EXPECT_EQ(flow->step().suggestedName, "plan.csv");
    EXPECT_EQ(flow->contentToSave("plan.json").front(), '{');
    EXPECT_EQ(flow->contentToSave("plan.csv").substr(0, 8), "Location");
}

TEST_F(DocumentTest, QuittingDuringAWriteAsksFirstThenAboutTheChanges) {
    channel(1, "446.1");
    box.answers = {IdNo};
    auto flow = document.quit(TransferDirection::Write);
    EXPECT_EQ(run(*flow).size(), 1u);
    EXPECT_FALSE(flow->completed());

    box.answers = {IdYes, IdDiscard};
    flow = document.quit(TransferDirection::Write);
    EXPECT_EQ(run(*flow).size(), 2u);
    EXPECT_TRUE(flow->completed());
}

} // namespace
