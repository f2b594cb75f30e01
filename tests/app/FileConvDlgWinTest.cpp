// File Convert driven with real clicks and keys: a 610ua image converted to
// 640ua keeping only the signalling settings takes its channels from the
// 640ua default data file and keeps its own signalling, compared by area;
// Return goes back to step 1; Cancel leaves the image byte for byte.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>

#include <algorithm>
#include <filesystem>

#include "Fixtures.h"
#include "app/FileConvDlg.h"
#include "image/ChannelOps.h"
#include "image/FileUtil.h"
#include "image/TestHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/MessageService.h"
#include "ui/RealInput.h"
#include "ui/UiHooks.h"
#include "ui/WinTestUtil.h"

using namespace RealInput;

namespace {

constexpr int kVariant610ua = 1, kVariant640ua = 4;

class FileConvWin : public ::testing::Test {
  protected:
    void SetUp() override {
        SetProfilePath(dir.path() / "pardex.xml");
        SetMessageService(&messages);
        user = Fixtures::VariantImage(kVariant610ua);
        Fill(user, 0x0400, 0x2400, 0x11);  // channels
        Fill(user, 0x2800, 0x3C00, 0x12);  // signalling
        Fill(user, 0x3C00, 0x3E80, 0x13);  // groups and scan lists
        defaults = Fixtures::VariantImage(kVariant640ua);
        Fill(defaults, 0x0400, 0x2400, 0x21);
        Fill(defaults, 0x2800, 0x3C00, 0x22);
        Fill(defaults, 0x3C00, 0x3E80, 0x23);
        Fixtures::WriteImage(dir.path() / Model::VariantTable[kVariant640ua].fileName, defaults);
    }
    void TearDown() override { SetMessageService(nullptr); }

    static void Fill(CloneImage& image, std::size_t begin, std::size_t end, std::uint8_t value) {
        std::fill(image.data() + begin, image.data() + end, value);
    }
    static bool AreaEqual(const CloneImage& a, const CloneImage& b, std::size_t begin, std::size_t end) {
        return std::equal(a.data() + begin, a.data() + end, b.data() + begin);
    }

    bool Run(CloneImage& working) {
        return CFileConvModelDlg::Run(frame.frame, working, [this](const std::string& name, CloneImage& image) {
            return FileUtil::OpenRead(image, (dir.path() / name).string()) == 1;
        });
    }

    // Step 1: the 640ua display and key type chosen with the arrow keys.
    static void ChooseZT640(CFileConvModelDlg& model) {
        Settle();
        wxChoice* display = model.Combo(CFileConvModelDlg::IDC_DISPLAY);
        ASSERT_TRUE(PickRow(display, display->FindString("LCD")));
        wxChoice* key = model.Combo(CFileConvModelDlg::IDC_KEY);
        ASSERT_TRUE(PickRow(key, key->FindString(" 4 Key")));
    }

    TempDir dir;
    TestFrame frame;
    ScriptedMessageService messages;
    CloneImage user, defaults;
};

TEST_F(FileConvWin, SignalingKeptTakesChannelsFromTheTargetDefault) {
    bool returned = false;
    WhenModal<CFileConvModelDlg>([&](CFileConvModelDlg& model) {
        ChooseZT640(model);
        // Step 2, first visit: no box checked keeps OK disabled; Return goes back.
        WhenModal<CFileConvDataDlg>([&](CFileConvDataDlg& data) {
            Settle();
            EXPECT_FALSE(data.FindWindow(wxID_OK)->IsEnabled());
            EXPECT_TRUE(data.Box(CFileConvDataDlg::IDC_CHANNELS)->IsEnabled());
            Click(data.FindWindow(CFileConvDataDlg::IDC_RETURN));
            returned = true;
        });
        Click(model.FindWindow(wxID_OK));
        WaitFor([&] { return returned; });
        EXPECT_TRUE(model.IsModal());
        EXPECT_EQ(model.ChosenText(CFileConvModelDlg::IDC_DISPLAY), "LCD") << "the choice survives Return";
        // Second visit: only "Signaling Settings".
        WhenModal<CFileConvDataDlg>([&](CFileConvDataDlg& data) {
            Settle();
            EXPECT_EQ(data.ChangeLevel(), 1);
            Click(data.Box(CFileConvDataDlg::IDC_SIGNALING));
            EXPECT_TRUE(data.FindWindow(wxID_OK)->IsEnabled());
            Click(data.FindWindow(wxID_OK));
        });
        Click(model.FindWindow(wxID_OK));
    });
    CloneImage working = user;
    ASSERT_TRUE(Run(working));
    EXPECT_EQ(Model::VariantCodeFromImage(working), kVariant640ua);
    // The channels are the default's: their name tags as they stand, the
    // rest as the model fix-up leaves the default's records.
    for (std::size_t c = 0; c < 128; ++c)
        EXPECT_TRUE(AreaEqual(working, defaults, 0x0400 + 64 * c + 48, 0x0400 + 64 * c + 56)) << "tag of " << c;
    CloneImage expected = user;
    FileConvert::ModelChoice target = FileConvert::CurrentChoice(user);
    target.display = 0x32;
    target.keyType = 1;
    FileConvert::WriteChoice(expected, target);
    FileConvert::ApplyRegions(expected, defaults, {false, true, false}, 1);
    FileConvert::WriteChoice(expected, target);
    CloneImageOps::FixUpAfterModelConversion(expected, user);
    EXPECT_TRUE(working == expected);
    EXPECT_TRUE(AreaEqual(working, defaults, 0x3C00, 0x3E80)) << "groups and scan lists from the default";
    EXPECT_TRUE(AreaEqual(working, user, 0x2800, 0x3C00)) << "signalling stays the user's";
    EXPECT_TRUE(AreaEqual(working, defaults, 0x0000, 0x0030)) << "radio information of the new model";
    EXPECT_EQ(messages.Last().text, "File Convert is Completed.");
}

TEST_F(FileConvWin, CancelAndAMissingDefaultLeaveTheImage) {
    // Cancel in step 2 ends the conversion.
    WhenModal<CFileConvModelDlg>([&](CFileConvModelDlg& model) {
        ChooseZT640(model);
        WhenModal<CFileConvDataDlg>([&](CFileConvDataDlg& data) {
            Settle();
            Click(data.Box(CFileConvDataDlg::IDC_COMMON));
            Click(data.FindWindow(wxID_CANCEL));
        });
        Click(model.FindWindow(wxID_OK));
    });
    CloneImage working = user;
    EXPECT_FALSE(Run(working));

    // No default data file for the chosen variant: "File Not Found", Cancel.
    std::filesystem::remove(dir.path() / Model::VariantTable[kVariant640ua].fileName);
    messages.Clear();
    WhenModal<CFileConvModelDlg>([&](CFileConvModelDlg& model) {
        ChooseZT640(model);
        Click(model.FindWindow(wxID_OK));
    });
    working = user;
    EXPECT_FALSE(Run(working));
    EXPECT_EQ(messages.Last().text, "File Not Found");
}

TEST_F(FileConvWin, ANewBandDisablesTheChannelBox) {
    WhenModal<CFileConvModelDlg>([&](CFileConvModelDlg& model) {
        Settle();
        wxChoice* band = model.Combo(CFileConvModelDlg::IDC_BAND);
        ASSERT_TRUE(PickRow(band, band->FindString("VHF")));
        WhenModal<CFileConvDataDlg>([&](CFileConvDataDlg& data) {
            Settle();
            EXPECT_EQ(data.ChangeLevel(), 3);
            EXPECT_FALSE(data.Box(CFileConvDataDlg::IDC_CHANNELS)->IsEnabled());
            Click(data.FindWindow(wxID_CANCEL));
        });
        Click(model.FindWindow(wxID_OK));
    });
    // The VHF default exists for this run.
    Fixtures::WriteImage(dir.path() / Model::VariantTable[0].fileName, Fixtures::VariantImage(0));
    CloneImage working = user;
    EXPECT_FALSE(Run(working));
}

// F1 in the first step asks for the focused control's topic.
TEST_F(FileConvWin, F1AsksForTheFocusedControlsTopic) {
    auto& hooks = UiHooks::Current();
    const UiHooks::Hooks saved = hooks;
    std::vector<int> asked;
    hooks.hasHelpTopic = [](int rid) { return rid == MakeRID(0, 616, 2101); };
    hooks.openHelp = [&asked](wxWindow*, int rid) { asked.push_back(rid); };
    WhenModal<CFileConvModelDlg>([&](CFileConvModelDlg& model) {
        Settle();
        ASSERT_TRUE(Focus(model.Combo(CFileConvModelDlg::IDC_BAND)));
        Key(WXK_F1);
        Click(model.FindWindow(wxID_CANCEL));
    });
    CloneImage working = user;
    EXPECT_FALSE(Run(working));
    hooks = saved;
    EXPECT_EQ(asked, std::vector<int>{MakeRID(0, 616, 2101)});
}

}  // namespace

namespace {
TEST_F(FileConvWin, AnUntouchedDisplayChoiceKeepsTheImagesSelectorNibble) {
    // The shipped files carry selector nibble 0xF, which no display row has:
    // the combo shows the display type and, left so, writes nothing new.
    CloneImage working = defaults;
    ASSERT_EQ(working[0x2407], 0xF2);
    WhenModal<CFileConvModelDlg>([&](CFileConvModelDlg& model) {
        Settle();
        EXPECT_EQ(model.ChosenText(CFileConvModelDlg::IDC_DISPLAY), "LCD");
        WhenModal<CFileConvDataDlg>([&](CFileConvDataDlg& data) {
            Settle();
            Click(data.Box(CFileConvDataDlg::IDC_COMMON));
            Click(data.FindWindow(wxID_OK));
        });
        Click(model.FindWindow(wxID_OK));
    });
    ASSERT_TRUE(Run(working));
    EXPECT_EQ(working[0x2407], 0xF2);
}
}  // namespace
