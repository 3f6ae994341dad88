// SPDX-License-Identifier: GPL-3.0-or-later
// The document's New, Open and Save of channel data files on real files in a temporary folder,
// their steps answered by scripted dialogs and message boxes as the window program answers them.
#include "GoldenImage.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "TemporaryFolder.h"
#include "Unprivileged.h"
#include "document/Document.h"
#include "document/EditorImage.h"
#include "document/FileNames.h"
#include "document/Flow.h"
#include "editor/CellTexts.h"
#include "editor/Startup.h"
#include "image/DataFile.h"
#include "image/ImageCodec.h"
#include "image/ImageLayout.h"
#include "qt/QtJsonParser.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

using namespace tlv;
using test::ReadBytes;
using test::TemporaryFolder;
using test::WriteBytes;

namespace {

std::string Golden() {
    std::vector<uint8_t> image = test::GoldenStartupImageBytes();
    return {image.begin(), image.end()};
}

// The golden start-up image with channel 1 and a few settings placed by hand.
std::string HandPlacedImage() {
    std::string image = Golden();
    auto put = [&](int offset, std::initializer_list<int> bytes) {
        for (int byte : bytes)
            image[offset++] = static_cast<char>(byte);
    };
    // Channel 1: RX and TX 446.00625 MHz, RX tone 67.0, TX tone D023N, transmit inhibit on
    // ("载波"), high power, narrow band.
    put(0, {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x9E, 0x02, 0x13, 0x28, 0xF8, 0xE0,
            0xFC, 0xFF});
    put(offset::ScanAddBits, {0x01});            // channel 1 in the scan list
    put(offset::KeyFunction2, {0x03});           // PF2 entry 3
    put(offset::BandCode, {0x21});               // 450-490MHz
    put(offset::EmbeddedTexts, {'H', 'I', '!'}); // text 1
    put(offset::Beep, {0x00});
    return image;
}

void ExpectHandPlacedEditor(const EditorState& state) {
    const std::array<const char*, 9> row1{"01", "446.00625", "67.0", "446.00625", "D023N",
                                          "高", "载波",      "窄带", "有"};
    for (int column = 0; column < kTableCols; ++column)
        EXPECT_EQ(CellText(state, 1, column), row1[column]) << "column " << column;
    EXPECT_FALSE(state.radio().inUse(2));
    EXPECT_EQ(state.radio().keys.pf2, 3);
    EXPECT_EQ(state.radio().band, 1);
    EXPECT_EQ(state.radio().embeddedTexts[0], "HI!");
    EXPECT_EQ(state.radio().functions.beep, 0);
    EXPECT_EQ(state.radio().dtmf.memories[7], "8");
}

// Everything the editor holds, for "unchanged" and "reproduced" checks.
void ExpectSameEditor(const EditorState& actual, const EditorState& expected) {
    EXPECT_EQ(actual.radio(), expected.radio());
    EXPECT_EQ(actual.dialogs, expected.dialogs);
    EXPECT_EQ(actual.session, expected.session);
}

struct Fixture : testing::Test {
    TemporaryFolder folder;
    EditorState state = MakeStartupEditor();
    QtJsonParser json;
    Document document{state, json};
    test::ScriptedMessageBox box;
    test::ScriptedFileDialog dialogs;

    Fixture() { document.startHistory(); }

    // Runs the flow to its end; whether the command was carried out.
    bool run(std::unique_ptr<Flow> flow) {
        EXPECT_TRUE(RunFlow(*flow, state.language(), box, dialogs));
        return flow->completed();
    }
    bool open(const std::string& path) {
        dialogs.openAnswers = {path};
        return run(document.open());
    }
    std::optional<std::string> save() {
        if (!run(document.save())) return std::nullopt;
        return document.path();
    }
    std::optional<std::string> save(const std::string& path) {
        dialogs.saveAnswers = {path};
        return save();
    }
};

// ---------------------------------------------------------------------------------------------
// Open

class OpenOfALength : public Fixture, public testing::WithParamInterface<std::size_t> {};

TEST_P(OpenOfALength, FillsTheTableAndTheStores) {
    std::string bytes = "QDM74" + HandPlacedImage() + std::string(60, '\x55');
    bytes.resize(GetParam());
    WriteBytes(folder.file("a.DAT"), bytes);
    EXPECT_TRUE(open(folder.file("a.DAT")));
    EXPECT_TRUE(box.shown.empty());
    ExpectHandPlacedEditor(state);
    EXPECT_EQ(document.path(), folder.file("a.DAT"));
    EXPECT_FALSE(document.modified());
}

// The shortest file with all decoded bytes, the file as written, two extra bytes as read, more.
INSTANTIATE_TEST_SUITE_P(Lengths, OpenOfALength, testing::Values(821u, 853u, 855u, 900u),
                         [](const auto& info) {
                             return std::string("Bytes").append(std::to_string(info.param));
                         });

struct RefusedFile {
    const char* name;
    std::string bytes;
};

class OpenOfANonDataFile : public Fixture, public testing::WithParamInterface<RefusedFile> {};

TEST_P(OpenOfANonDataFile, ShowsTheWrongTypeMessageAndChangesNothing) {
    WriteBytes(folder.file("in.DAT"), "QDM74" + HandPlacedImage());
    ASSERT_TRUE(open(folder.file("in.DAT")));
    const EditorState before = state;

    WriteBytes(folder.file("a.DAT"), GetParam().bytes);
    EXPECT_FALSE(open(folder.file("a.DAT")));
    EXPECT_EQ(document.path(), folder.file("in.DAT"));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "文件类型不对，无法打开。");
    EXPECT_EQ(box.shown[0].flags, 0);
    EXPECT_EQ(box.shown[0].title, "");
    ExpectSameEditor(state, before);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenOfANonDataFile,
                         testing::Values(RefusedFile{"Empty", ""},
                                         RefusedFile{"Text", "a text file\r\nline 2\r\n"},
                                         RefusedFile{"WrongMagic", "QDM75" + Golden()},
                                         RefusedFile{"LowerCaseMagic", "qdm74" + Golden()},
                                         RefusedFile{"MagicOnly", "QDM74"},
                                         RefusedFile{"Short", "QDM74" + Golden().substr(0, 815)}),
                         [](const auto& info) { return info.param.name; });

TEST_F(Fixture, OpenFailuresAreReportedWithTheReason) {
    std::filesystem::create_directory(folder.path() / "sub");
    struct Case {
        std::string path;
        int error;
    };
    for (const Case& c :
         {Case{folder.file("none.DAT"), ENOENT}, Case{folder.file("sub"), EISDIR}}) {
        SCOPED_TRACE(c.path);
        box.shown.clear();
        EXPECT_FALSE(open(c.path));
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].text, std::string("文件读取失败！\n") + std::strerror(c.error));
        EXPECT_EQ(box.shown[0].flags, 16);
    }
    ExpectSameEditor(state, MakeStartupEditor());
}

TEST_F(Fixture, UnreadableFileIsReported) {
    test::ExpectUnprivileged(
        [&] {
            WriteBytes(folder.file("a.DAT"), "QDM74" + HandPlacedImage());
            ::chmod(folder.file("a.DAT").c_str(), 0);
            EXPECT_FALSE(open(folder.file("a.DAT")));
            ASSERT_EQ(box.shown.size(), 1u);
            EXPECT_EQ(box.shown[0].text, std::string("文件读取失败！\n") + std::strerror(EACCES));
        },
        {folder.path()});
}

TEST_F(Fixture, CancelledOrEmptyOpenDoesNothing) {
    dialogs.openAnswers = {std::nullopt, std::string()};
    EXPECT_FALSE(run(document.open()));
    EXPECT_FALSE(run(document.open()));
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(Fixture, MessagesFollowTheLanguage) {
    state = MakeStartupEditor(Language::English);
    document.startHistory();
    WriteBytes(folder.file("a.DAT"), "");
    open(folder.file("a.DAT"));
    open(folder.file("none.DAT"));
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].text, "Document type not to open.");
    EXPECT_EQ(box.shown[1].text,
              std::string("The file could not be read!\n") + std::strerror(ENOENT));
}

// Random contents, with and without the magic, never crash Open and never half-load.
TEST_F(Fixture, RandomContentsAreLoadedWholeOrRefused) {
    std::mt19937 random(6200);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 900);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(static_cast<std::size_t>(length(random)), '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random));
        if (round % 2 == 0) bytes.replace(0, std::min<std::size_t>(5, bytes.size()), "QDM74");
        WriteBytes(folder.file("r.DAT"), bytes);
        const RadioData before = state.radio();
        const bool loaded = open(folder.file("r.DAT"));
        if (bytes.size() >= kDataFileMinBytes && bytes.compare(0, 5, "QDM74") == 0) {
            EXPECT_TRUE(loaded);
            // What was loaded saves as it reads after one save: the image is a fixed point.
            const MemoryImage saved = EncodeImage(state.radio());
            LoadImage(state, saved);
            EXPECT_TRUE(EncodeImage(state.radio()) == saved) << round;
        } else {
            EXPECT_FALSE(loaded);
            EXPECT_TRUE(state.radio() == before) << round;
        }
        document.matchFile({}); // no "Save changes?" in the next round
    }
}

// ---------------------------------------------------------------------------------------------
// Save

TEST_F(Fixture, SaveThenOpenReproducesTheEditor) {
    WriteBytes(folder.file("in.DAT"), "QDM74" + HandPlacedImage());
    ASSERT_TRUE(open(folder.file("in.DAT")));
    state.radio().channel(5) = {
        Frequency{44012500}, Frequency{44599375}, Tone::Dcs(0754, true), Tone::Off(),
        Power::Low,          TransmitForbid::Off, Bandwidth::Wide,       false};
    state.radio().embeddedTexts[1] = "SECOND";
    state.radio().functions.squelchLevel = 9;
    state.dialogs.embeddedTexts.second = "SECOND"; // as the dialog's OK leaves it
    const EditorState edited = state;
    ASSERT_TRUE(save(folder.file("out.DAT")).has_value());

    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.path(), folder.file("out.DAT"));
    state = MakeStartupEditor();
    box.answers = {IdDiscard}; // "Save changes?": the start-up editor differs from the file
    ASSERT_TRUE(open(folder.file("out.DAT")));
    ExpectSameEditor(state, edited);
}

TEST_F(Fixture, SaveAddsTheExtensionOnlyWhenTheNameHasNone) {
    EXPECT_EQ(save(folder.file("plain")), folder.file("plain.DAT"));
    EXPECT_EQ(save(folder.file("lower.dat")), folder.file("lower.dat"));
    EXPECT_EQ(save(folder.file("other.bin")), folder.file("other.bin"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "plain"));
    EXPECT_EQ(WithDataExtension("/a.b/name"), "/a.b/name.DAT");
    EXPECT_EQ(WithDataExtension("/a/.hidden"), "/a/.hidden.DAT");
    // The overwrite question is about the file that is written.
    box.answers = {IdNo};
    EXPECT_EQ(save(folder.file("plain")), std::nullopt);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].flags, 36);
}

TEST_F(Fixture, OverwriteNoReopensTheDialogYesReplacesTheFileCancelKeepsIt) {
    const std::string path = folder.file("old.DAT");
    WriteBytes(path, std::string(2000, 'o')); // longer than a data file
    dialogs.saveAnswers = {path, path};
    box.answers = {IdNo, IdYes};
    EXPECT_EQ(save(), path);
    EXPECT_EQ(dialogs.savesShown, 2);
    ASSERT_EQ(box.shown.size(), 2u);
    for (const auto& shown : box.shown) {
        EXPECT_EQ(shown.text, "该文件已存在，是否覆盖？");
        EXPECT_EQ(shown.flags, 36);
        EXPECT_EQ(shown.title, "");
    }
    EXPECT_EQ(ReadBytes(path), "QDM74" + Golden()); // replaced whole, no stale tail

    // No, then Cancel in the dialog: nothing is written, nothing is left behind.
    WriteBytes(path, "keep");
    dialogs.saveAnswers = {path, std::nullopt};
    box.answers = {IdNo};
    EXPECT_EQ(save(), std::nullopt);
    EXPECT_EQ(dialogs.savesShown, 4);
    EXPECT_EQ(ReadBytes(path), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(Fixture, SaveFailuresAreReportedWithTheReason) {
    std::filesystem::create_directory(folder.path() / "sub.DAT");
    struct Case {
        std::string path;
        int error;
    };
    for (const Case& c :
         {Case{folder.file("none/a.DAT"), ENOENT}, Case{folder.file("sub.DAT"), EISDIR}}) {
        SCOPED_TRACE(c.path);
        box.shown.clear();
        EXPECT_EQ(save(c.path), std::nullopt);
        ASSERT_EQ(box.shown.size(), 1u); // a folder is not offered for overwriting
        EXPECT_EQ(box.shown[0].text, std::string("文件保存失败！\n") + std::strerror(c.error));
        EXPECT_EQ(box.shown[0].flags, 16);
        EXPECT_EQ(box.shown[0].title, "");
    }
}

TEST_F(Fixture, SaveIntoAReadOnlyFolderIsReported) {
    test::ExpectUnprivileged(
        [&] {
            ::chmod(folder.path().c_str(), 0555);
            EXPECT_EQ(save(folder.file("a.DAT")), std::nullopt);
            ASSERT_EQ(box.shown.size(), 1u);
            EXPECT_EQ(box.shown[0].text, std::string("文件保存失败！\n") + std::strerror(EACCES));
        },
        {folder.path()});
}

TEST_F(Fixture, SaveInterruptedBeforeTheRenameLeavesTheOldFile) {
    const std::string path = folder.file("old.DAT");
    WriteBytes(path, "QDM74" + HandPlacedImage());
    document.writeFault = [](WriteStep step) { return step == WriteStep::Rename ? EIO : 0; };
    box.answers = {IdYes};
    EXPECT_EQ(save(path), std::nullopt);
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[1].text, std::string("文件保存失败！\n") + std::strerror(EIO));
    EXPECT_EQ(ReadBytes(path), "QDM74" + HandPlacedImage());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

// ---------------------------------------------------------------------------------------------
// New

TEST_F(Fixture, NewCancelKeepsEveryChannelAndOkClearsThem) {
    WriteBytes(folder.file("in.DAT"), "QDM74" + HandPlacedImage());
    ASSERT_TRUE(open(folder.file("in.DAT")));
    const EditorState loaded = state;

    box.answers = {IdCancel};
    EXPECT_FALSE(run(document.newDocument()));
    ExpectSameEditor(state, loaded);
    EXPECT_EQ(box.shown.back().text, "所有信道的数据将被清除！");

    box.answers = {IdOk};
    EXPECT_TRUE(run(document.newDocument()));
    EXPECT_FALSE(state.radio().inUse(1));
    EXPECT_EQ(document.path(), "");
    EXPECT_FALSE(document.modified());
    EXPECT_TRUE(document.history().canUndo());
    // Settings and band stay.
    EXPECT_EQ(state.radio().keys.pf2, 3);
    EXPECT_EQ(state.radio().band, 1);
    EXPECT_EQ(state.radio().embeddedTexts[0], "HI!");
}

} // namespace

namespace {

// A data file's image: the bytes after the magic; a short file is filled with FF (the erased
// state of the radio's memory), bytes past the image are dropped, too short a file is refused.
TEST(DataFileImage, ShortFilesAreFilledWithFfAndLongOnesCut) {
    auto counting = [](std::size_t bytes) {
        std::string image;
        for (std::size_t k = 0; k < bytes; ++k)
            image += static_cast<char>(k & 0xFF);
        return image;
    };
    EXPECT_FALSE(DataFileImage("QDM74" + counting(815)).has_value());
    EXPECT_FALSE(DataFileImage("QDM75" + counting(848)).has_value());
    for (std::size_t bytes : {816u, 850u}) {
        SCOPED_TRACE(bytes);
        const auto image = DataFileImage("QDM74" + counting(bytes));
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ((*image)[815], 0x2F);
        EXPECT_EQ((*image)[847], bytes < 848 ? 0xFF : 0x4F);
    }
}

} // namespace
