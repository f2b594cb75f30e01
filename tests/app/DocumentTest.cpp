#include <gtest/gtest.h>

#include <deque>

#include "Fixtures.h"
#include "app/AppState.h"
#include "app/CloneEditorDoc.h"
#include "image/FileUtil.h"
#include "image/RadioImagePrep.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"

namespace fs = std::filesystem;

namespace {

// Answers messages from a queue (then with `answer`).
class ScriptedHost : public TestHost {
  public:
    std::deque<int> answers;
    int Message(int rid, std::string_view builtin, std::string_view suffix, unsigned style) override {
        TestHost::Message(rid, builtin, suffix, style);
        if (answers.empty()) return answer;
        const int next = answers.front();
        answers.pop_front();
        return next;
    }
    std::vector<int> Rids() const {
        std::vector<int> rids;
        for (const auto& m : messages) rids.push_back(m.rid);
        return rids;
    }
};

class FakeView : public DocumentView {
  public:
    std::deque<std::optional<std::string>> openAnswers, saveAnswers;
    int refreshes = 0;
    std::vector<std::string> titles, recent;

    std::optional<std::string> AskOpenPath(const std::string&) override { return Next(openAnswers); }
    std::optional<std::string> AskSavePath(const std::string&) override { return Next(saveAnswers); }
    void RefreshAllPanes() override { ++refreshes; }
    void TitleChanged(const std::string& title) override { titles.push_back(title); }
    void AddToRecentFiles(const std::string& path) override { recent.push_back(path); }

  private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto next = queue.front();
        queue.pop_front();
        return next;
    }
};

class DocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(program);
        fs::create_directories(work);
        SetProfilePath(dir.path() / "pardex.xml");
        AppState::ServiceMode() = 0;
        AppState::Link() = {};
        AppState::ClearEditStateFlags();
    }
    void TearDown() override { SetProfilePath({}); }

    CCloneEditorDoc MakeDoc(DocumentImageRules rules = {}) {
        return CCloneEditorDoc(view, {program}, program, rules);
    }

    std::string UserFile(const std::string& name, std::uint8_t mark) {
        const auto path = work / name;
        Fixtures::WriteImage(path, Fixtures::VariantImage(4, mark));
        return path.string();
    }

    ScriptedHost host;
    TempDir dir;
    fs::path program = dir.path() / "bin";
    fs::path work = dir.path() / "work";
    FakeView view;
};

}  // namespace

TEST_F(DocumentTest, StartsOnTheCommandLineFileWithItsPath) {
    Fixtures::WriteDefaults(program, {5});
    const auto file = UserFile("radio.PDX", 0x77);
    auto doc = MakeDoc();
    ASSERT_TRUE(doc.LoadStartupImage(file));
    EXPECT_EQ(doc.PathName(), file);
    EXPECT_EQ(doc.Title(), file);
    EXPECT_EQ(doc.CurrentImage[0x3FF], 0x77);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.recent, std::vector<std::string>{file});
    EXPECT_EQ(AppState::CurrentFileName(), "radio");
}

TEST_F(DocumentTest, DefaultSelectionFollowsTheHardwareSettings) {
    Fixtures::WriteDefaults(program, {0, 1, 2, 3, 4, 5});
    struct Case {
        int freqBand, productType, keyType, lcdType;
        std::uint8_t expectedMark;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0x15},    // no settings: no variant matches, the fallback default640ud
        {98, 2, 0, 0, 0x10},   // VHF ZT-610
        {128, 2, 0, 0, 0x11},  // UHF A ZT-610
        {131, 2, 1, 2, 0x15},  // UHF D ZT-640
        {128, 2, 1, 2, 0x14},  // UHF A ZT-640
        {7, 2, 1, 2, 0x13},    // unknown band: the first row (VHF)
    };
    for (const auto& c : cases) {
        WriteProfileInt("Hardware", "FreqBand", c.freqBand);
        WriteProfileInt("Hardware", "ProductType", c.productType);
        WriteProfileInt("Hardware", "KeyType", c.keyType);
        WriteProfileInt("Hardware", "LCDType", c.lcdType);
        auto doc = MakeDoc();
        ASSERT_TRUE(doc.LoadStartupImage(""));
        EXPECT_EQ(doc.CurrentImage[0x3FF], c.expectedMark) << c.freqBand << "/" << c.keyType;
        // A shipped default is never the document's file, but it is not a
        // change of the user's either.
        EXPECT_EQ(doc.PathName(), "");
        EXPECT_EQ(doc.Title(), "<none>");
        EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DocumentTest, UnreadableCommandLineFileIsReportedThenTheDefaultLoads) {
    Fixtures::WriteDefaults(program, {5});
    std::ofstream(work / "short.PDX") << "too short";
    fs::create_directories(work / "folder.PDX");
    std::ofstream(work / "long.PDX") << std::string(CloneImage::Size + 1, 'x');
    const struct {
        fs::path file;
        const char* why;
    } cases[] = {
        {work / "short.PDX", "The file holds 9 bytes; a data file holds exactly 17664 bytes."},
        {work / "long.PDX", "The file holds 17665 bytes; a data file holds exactly 17664 bytes."},
        {work / "folder.PDX", "It is a folder, not a data file."},
        {work / "missing.PDX", "The file does not exist."},
    };
    for (const auto& c : cases) {
        host.messages.clear();
        auto doc = MakeDoc();
        ASSERT_TRUE(doc.LoadStartupImage(c.file.string()));
        EXPECT_EQ(doc.CurrentImage[0x3FF], 0x15) << c.file;
        EXPECT_EQ(doc.Title(), "<none>");
        ASSERT_EQ(host.messages.size(), 1u) << c.file;
        EXPECT_EQ(host.messages[0].text,
                  "The file cannot be opened.\nFile Name = " + c.file.string() + "\n" + c.why);
        EXPECT_EQ(host.messages[0].style, MsgStyle::Ok | MsgStyle::IconError);
    }
}

TEST_F(DocumentTest, FailedOpenAndHandOverSayWhy) {
    Fixtures::WriteDefaults(program, {5});
    const auto good = UserFile("good.PDX", 3);
    const auto missing = (work / "gone.PDX").string();
    auto doc = MakeDoc();
    ASSERT_EQ(doc.LoadFile(good, true), 1);

    view.openAnswers = {missing};
    doc.OnFileOpen();
    EXPECT_EQ(doc.PathName(), good);
    EXPECT_EQ(doc.OpenDocument(missing), 0);
    EXPECT_FALSE(doc.HandOver(missing, true));
    EXPECT_EQ(doc.PathName(), good);
    ASSERT_EQ(host.messages.size(), 3u);
    for (const auto& m : host.messages)
        EXPECT_EQ(m.text, "The file cannot be opened.\nFile Name = " + missing + "\nThe file does not exist.");
}

TEST_F(DocumentTest, DefaultDataFileIsUnmodifiedUntilEdited) {
    Fixtures::WriteDefaults(program, {0, 1, 2, 3, 4, 5});
    auto doc = MakeDoc();
    ASSERT_TRUE(doc.LoadStartupImage(""));
    EXPECT_FALSE(doc.IsModified());
    // New, Open, Exit and the hand-over ask nothing before an edit.
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(doc.HandOver(UserFile("x.PDX", 1), true));
    EXPECT_TRUE(host.messages.empty());

    ASSERT_EQ(doc.LoadDefaultFile("default610v.PDX"), 1);
    EXPECT_FALSE(doc.IsModified());
    doc.CurrentImage[0x100] ^= 0xFF;
    EXPECT_TRUE(doc.IsModified());
    doc.CurrentImage[0x100] ^= 0xFF;
    EXPECT_FALSE(doc.IsModified());
    // An image from the radio has no file: it is worth saving.
    doc.ClearPath();
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, AnotherDefaultPresentStartsErasedWithoutMessage) {
    Fixtures::WriteDefaults(program, {0});
    auto doc = MakeDoc();
    ASSERT_TRUE(doc.LoadStartupImage(""));
    EXPECT_TRUE(doc.IsUsable());
    EXPECT_EQ(doc.CurrentImage, CloneImage());
    EXPECT_EQ(doc.Title(), "<none>");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DocumentTest, NoDefaultFileAtAllIsReportedAndUnusable) {
    auto doc = MakeDoc();
    EXPECT_FALSE(doc.LoadStartupImage(""));
    EXPECT_FALSE(doc.IsUsable());
    EXPECT_EQ(host.Rids(), std::vector<int>{33304});
    EXPECT_EQ(host.messages[0].text,
              "There is no corresponding default file.\nIt needs to update the Pardex programming software.");
}

TEST_F(DocumentTest, ModifiedAndTitleRules) {
    Fixtures::WriteDefaults(program, {5});
    const auto file = UserFile("a.b.PDX", 1);
    auto doc = MakeDoc();
    ASSERT_TRUE(doc.LoadStartupImage(""));
    // No path (and not a default file) counts as modified even with equal images.
    doc.ClearPath();
    EXPECT_EQ(doc.CurrentImage, doc.SavedImage);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(AppState::CurrentFileName(), "");

    ASSERT_EQ(doc.LoadFile(file, true), 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(AppState::CurrentFileName(), "a");
    doc.CurrentImage[0x100] ^= 0xFF;
    EXPECT_TRUE(doc.IsModified());
    doc.CurrentImage[0x100] ^= 0xFF;
    EXPECT_FALSE(doc.IsModified());

    doc.SetTitle("");
    EXPECT_EQ(doc.Title(), "<none>");
    doc.SetTitle("anything");
    EXPECT_EQ(doc.Title(), file);  // the title shows the full path
    EXPECT_EQ(view.titles.back(), file);
}

TEST_F(DocumentTest, FailedLoadLeavesTheDocumentAsItWas) {
    Fixtures::WriteDefaults(program, {5});
    const auto good = UserFile("good.PDX", 3);
    std::ofstream(work / "long.PDX") << std::string(CloneImage::Size + 1, 'x');
    auto doc = MakeDoc();
    ASSERT_EQ(doc.LoadFile(good, true), 1);
    const CloneImage before = doc.CurrentImage;
    for (const auto& bad : {work / "long.PDX", work, work / "none.PDX"}) {
        EXPECT_NE(doc.LoadFile(bad.string(), true), 1) << bad;
        EXPECT_EQ(doc.CurrentImage, before);
        EXPECT_EQ(doc.PathName(), good);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DocumentTest, SaveWithoutPathRunsSaveAsAndNeverWritesADefaultFile) {
    Fixtures::WriteDefaults(program, {5});
    const auto defaultFile = program / "default640ud.PDX";
    const std::string shipped = Fixtures::ReadBytes(defaultFile);
    auto doc = MakeDoc();
    ASSERT_TRUE(doc.LoadStartupImage(""));
    doc.CurrentImage[0x100] = 0x42;

    // Save As onto the shipped file is refused, saying what the file is.
    view.saveAnswers = {defaultFile.string()};
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(Fixtures::ReadBytes(defaultFile), shipped);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "This is a default data file of the program; it is never overwritten.\nSave the data under "
              "another name.\nFile Name = " +
                  defaultFile.string());
    EXPECT_EQ(doc.PathName(), "");

    // Cancelled Save As.
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(doc.SaveAsResult, 2);

    const auto target = (work / "mine.PDX").string();
    view.saveAnswers = {target};
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(doc.SaveAsResult, 1);
    EXPECT_EQ(doc.PathName(), target);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Fixtures::ReadBytes(target),
              std::string(reinterpret_cast<const char*>(doc.CurrentImage.data()), CloneImage::Size));

    // With a path, Save writes there without asking.
    doc.CurrentImage[0x101] = 0x43;
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(static_cast<std::uint8_t>(Fixtures::ReadBytes(target)[0x101]), 0x43);
    EXPECT_EQ(AppState::EditStateFlags(), (std::array<int, 4>{}));
}

TEST_F(DocumentTest, SaveChangesQuestionGoesOnOnlyWhenTheImageWasWritten) {
    Fixtures::WriteDefaults(program, {5});
    struct Case {
        const char* name;
        std::vector<int> answers;
        std::optional<std::string> saveAs;
        bool expectGoOn;
        bool expectWritten;
    };
    const auto target = (work / "saved.PDX").string();
    const Case cases[] = {
        {"cancel", {MsgAnswer::Cancel}, std::nullopt, false, false},
        {"no", {MsgAnswer::No}, std::nullopt, true, false},
        {"yes, save as cancelled", {MsgAnswer::Yes}, std::nullopt, false, false},
        {"yes, save failed", {MsgAnswer::Yes}, (work / "no-such-folder" / "x.PDX").string(), false, false},
        {"yes, saved", {MsgAnswer::Yes}, target, true, true},
    };
    for (const auto& c : cases) {
        fs::remove(target);
        host.messages.clear();
        host.answers.assign(c.answers.begin(), c.answers.end());
        view.saveAnswers.clear();
        if (c.saveAs) view.saveAnswers.push_back(c.saveAs);
        auto doc = MakeDoc();
        ASSERT_TRUE(doc.LoadStartupImage(""));
        doc.CurrentImage[0x100] = 0x42;
        const CloneImage edited = doc.CurrentImage;
        EXPECT_EQ(doc.SaveModified(), c.expectGoOn) << c.name;
        EXPECT_EQ(fs::exists(target), c.expectWritten) << c.name;
        EXPECT_EQ(doc.CurrentImage, edited) << c.name;
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages[0].rid, 33061);
        EXPECT_EQ(host.messages[0].text, "Save changes to <none>");
    }
}

TEST_F(DocumentTest, SaveChangesWarnsToSwitchTheRadioOffForTheSerialCables) {
    Fixtures::WriteDefaults(program, {5});
    const auto file = UserFile("p0.PDX", 1);
    for (int cable : {1, 2, 3, 4}) {
        AppState::Link().cableType = cable;
        host.messages.clear();
        host.answers = {MsgAnswer::No};
        auto doc = MakeDoc();
        ASSERT_EQ(doc.LoadFile(file, false), 1);
        doc.CurrentImage[CloneImage::BlockOffset(8)] &= ~0x30;  // product type 0
        EXPECT_TRUE(doc.SaveModified());
        const bool warned = host.Rids().back() == 114;
        EXPECT_EQ(warned, cable == 2 || cable == 3) << cable;
    }
}

TEST_F(DocumentTest, OpenAsksBeforeReplacingAModifiedDocument) {
    Fixtures::WriteDefaults(program, {5});
    const auto first = UserFile("first.PDX", 1);
    const auto second = UserFile("second.PDX", 2);
    auto doc = MakeDoc();
    ASSERT_EQ(doc.LoadFile(first, true), 1);

    // Unmodified: no question.
    view.openAnswers = {second};
    doc.OnFileOpen();
    EXPECT_EQ(doc.PathName(), second);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(doc.LastFolder(), second);

    // Modified and the question cancelled: nothing is replaced.
    doc.CurrentImage[0x100] = 0x55;
    host.answers = {MsgAnswer::Cancel};
    view.openAnswers = {first};
    doc.OnFileOpen();
    EXPECT_EQ(doc.PathName(), second);
    EXPECT_EQ(doc.CurrentImage[0x100], 0x55);

    // Answered No: the other file replaces the changes.
    host.answers = {MsgAnswer::No};
    view.openAnswers = {first};
    doc.OnFileOpen();
    EXPECT_EQ(doc.PathName(), first);
    EXPECT_EQ(doc.CurrentImage[0x3FF], 1);

    // The dialog cancelled: nothing asked, nothing changed.
    host.messages.clear();
    doc.CurrentImage[0x100] = 0x56;
    doc.OnFileOpen();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(doc.CurrentImage[0x100], 0x56);
}

TEST_F(DocumentTest, NewLoadsTheStartupDefaultAfterTheQuestion) {
    Fixtures::WriteDefaults(program, {5});
    const auto file = UserFile("mine.PDX", 9);
    auto doc = MakeDoc();
    ASSERT_EQ(doc.LoadFile(file, true), 1);
    doc.OnFileNew();
    EXPECT_EQ(doc.CurrentImage[0x3FF], 0x15);
    EXPECT_EQ(doc.Title(), "<none>");
    EXPECT_TRUE(host.messages.empty());

    // A modified document whose save is cancelled stays.
    doc.CurrentImage[0x100] = 0x99;
    host.answers = {MsgAnswer::Yes};
    doc.OnFileNew();
    EXPECT_EQ(doc.CurrentImage[0x100], 0x99);
}

TEST_F(DocumentTest, HandOverOpensTheFileUnlessRefused) {
    Fixtures::WriteDefaults(program, {5});
    const auto first = UserFile("first.PDX", 1);
    const auto second = UserFile("second.PDX", 2);
    auto doc = MakeDoc();
    ASSERT_EQ(doc.LoadFile(first, true), 1);
    AppState::EditStateFlags()[0] = 1;

    EXPECT_FALSE(doc.HandOver("", true));
    EXPECT_FALSE(doc.HandOver(second, false));  // a modal dialog is open
    EXPECT_EQ(doc.PathName(), first);

    EXPECT_TRUE(doc.HandOver(second, true));  // no changes: no question
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(doc.PathName(), second);
    EXPECT_EQ(AppState::EditStateFlags()[0], 0);

    doc.CurrentImage[0x100] = 0x11;
    host.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(doc.HandOver(first, true));
    EXPECT_EQ(host.Rids(), std::vector<int>{102});
    EXPECT_EQ(doc.PathName(), second);

    // Yes saves first; the file then opens.
    host.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(doc.HandOver(first, true));
    EXPECT_EQ(doc.PathName(), first);
    EXPECT_EQ(static_cast<std::uint8_t>(Fixtures::ReadBytes(second)[0x100]), 0x11);
}

TEST_F(DocumentTest, NarrowbandRuleAtSave) {
    Fixtures::WriteDefaults(program, {5});
    const auto file = UserFile("nb.PDX", 1);
    const std::size_t maxChannel = CloneImage::BlockOffset(8, 0x005);
    const std::size_t wideAllowed = CloneImage::BlockOffset(8, 0x105);
    auto channelByte = [](int ch, std::size_t offset) {
        return CloneImage::BlockOffset(ch / 16, (ch % 16) * 64 + offset);
    };
    // Channels 0 and 2 transmit in a narrowband band; channel 1 does not.
    DocumentImageRules rules;
    rules.txInNarrowband = [](const CloneImage&, int ch) { return ch == 0 || ch == 2; };

    struct Case {
        const char* name;
        int year, serviceMode;
        std::uint8_t wideAllowedByte;
        bool expectNarrowed;
    };
    const Case cases[] = {
        {"2026", 2026, 0, 0, true},
        {"2012", 2012, 0, 0, false},
        {"wide band allowed", 2026, 0, 1, false},
        {"engineer mode", 2026, 1, 0, false},
    };
    for (const auto& c : cases) {
        host.now = TestHost::MakeTime(c.year, 6, 1, 12, 0);
        AppState::ServiceMode() = c.serviceMode;
        host.messages.clear();
        auto doc = MakeDoc(rules);
        ASSERT_EQ(doc.LoadFile(file, false), 1);
        doc.CurrentImage[maxChannel] = 1;  // 8 channels
        doc.CurrentImage[wideAllowed] = c.wideAllowedByte;
        for (int ch = 0; ch < 3; ++ch) {
            doc.CurrentImage[channelByte(ch, 0)] = 0x20;     // wide/narrow code 1
            doc.CurrentImage[channelByte(ch, 0x0A)] = 0x01;  // wide transmit filter
        }
        ASSERT_TRUE(doc.OnFileSave()) << c.name;
        const auto saved = Fixtures::ReadBytes(file);
        for (int ch = 0; ch < 3; ++ch) {
            const bool narrowed = c.expectNarrowed && ch != 1;
            EXPECT_EQ(static_cast<std::uint8_t>(saved[channelByte(ch, 0)]), narrowed ? 0x40 : 0x20)
                << c.name << ch;
            EXPECT_EQ(static_cast<std::uint8_t>(saved[channelByte(ch, 0x0A)]), narrowed ? 0 : 1)
                << c.name << ch;
        }
        EXPECT_EQ(host.messages.size(), c.expectNarrowed ? 1u : 0u) << c.name;
        if (c.expectNarrowed) {
            EXPECT_EQ(host.messages[0].rid, 33025);
        }
    }

    // Save As narrows only once its dialog was confirmed.
    host.now = TestHost::MakeTime(2026, 6, 1, 12, 0);
    AppState::ServiceMode() = 0;
    host.messages.clear();
    auto doc = MakeDoc(rules);
    ASSERT_EQ(doc.LoadFile(file, false), 1);
    doc.CurrentImage[wideAllowed] = 0;
    doc.CurrentImage[channelByte(0, 0)] = 0x20;
    const CloneImage edited = doc.CurrentImage;
    EXPECT_FALSE(doc.OnFileSaveAs());  // cancelled
    EXPECT_EQ(doc.CurrentImage, edited);
    EXPECT_TRUE(host.messages.empty());
    view.saveAnswers = {(work / "nb2.PDX").string()};
    EXPECT_TRUE(doc.OnFileSaveAs());
    EXPECT_EQ(host.Rids(), std::vector<int>{33025});
    EXPECT_EQ(doc.CurrentImage[channelByte(0, 0)], 0x40);
}

TEST_F(DocumentTest, FailedSaveAtCloseOffersSaveAs) {
    Fixtures::WriteDefaults(program, {5});
    const auto file = UserFile("locked.PDX", 1);
    const auto other = (work / "other.PDX").string();
    struct Case {
        const char* name;
        std::optional<std::string> saveAs;
        bool expectGoOn;
    };
    const Case cases[] = {
        {"save as cancelled", std::nullopt, false},
        {"save as failed", (work / "no-such-folder" / "x.PDX").string(), false},
        {"saved elsewhere", other, true},
    };
    for (const auto& c : cases) {
        fs::remove(other);
        fs::permissions(file, fs::perms::owner_read);
        host.messages.clear();
        host.answers = {MsgAnswer::Yes};
        view.saveAnswers.clear();
        view.saveAnswers.push_back(c.saveAs);
        auto doc = MakeDoc();
        ASSERT_EQ(doc.LoadFile(file, true), 1);
        doc.CurrentImage[0x100] = 0x42;
        doc.SetModifiedFlag(true);  // the question asked at close
        EXPECT_EQ(doc.SaveModified(), c.expectGoOn) << c.name;
        EXPECT_EQ(host.Rids().at(1), FileUtil::RidReadOnly) << c.name;
        EXPECT_TRUE(view.saveAnswers.empty()) << c.name << ": Save As was not offered";
        EXPECT_EQ(fs::exists(other), c.expectGoOn) << c.name;
        EXPECT_EQ(doc.IsModified(), !c.expectGoOn) << c.name;
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    }
}

TEST_F(DocumentTest, GroupValidityIsRecomputedAtLoadAndSave) {
    Fixtures::WriteDefaults(program, {5});
    const auto file = UserFile("g.PDX", 1);
    int calls = 0;
    DocumentImageRules rules;
    rules.refreshGroupValid = [&](CloneImage& image) {
        ++calls;
        image[0x3D90] = 0x7F;
    };
    auto doc = MakeDoc(rules);
    ASSERT_EQ(doc.LoadFile(file, false), 1);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(doc.CurrentImage[0x3D90], 0x7F);
    EXPECT_FALSE(doc.IsModified());  // the recomputed image is the saved one
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(calls, 2);
}

TEST_F(DocumentTest, NewAndOpenClearTheMdc1200OverWriteFlags) {
    Fixtures::WriteDefaults(program, {5});
    const auto file = UserFile("mine.PDX", 9);
    auto doc = MakeDoc();
    ASSERT_EQ(doc.LoadFile(file, true), 1);
    auto& flags = CloneImageOps::Mdc1200OverWriteFlags();
    flags[0] = 1;
    flags[1] = 1;
    doc.OnFileNew();
    EXPECT_EQ(flags[0], 0);
    EXPECT_EQ(flags[1], 0);

    flags[1] = 1;
    view.openAnswers = {file};
    doc.OnFileOpen();
    EXPECT_EQ(doc.PathName(), file);
    EXPECT_EQ(flags[1], 0);
}
