// The ship mode's result box: the kind of each result text, its colour and
// picture (one picture of its own for each kind that has one), OK and Cancel
// with real clicks, and the box closing by itself while a model information
// file is being processed.
#include <gtest/gtest.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <map>
#include <tuple>

#include "app/HShipMessageBox.h"
#include "app/ShipMode.h"
#include "image/TestHost.h"
#include "ui/RealInput.h"
#include "ui/WinTestUtil.h"

using namespace RealInput;

namespace {

class HShipMessageBoxWin : public ::testing::Test {
  protected:
    void TearDown() override { ShipMode::WatcherState() = ShipMode::Stopped; }

    std::filesystem::path WatchFile() const { return dir.path() / "Model_info.txt"; }

    TestHost host;
    TempDir dir;
    TestFrame frame;
};

TEST_F(HShipMessageBoxWin, EachResultKindHasItsColourAndItsOwnPicture) {
    struct Case {
        const char* text;
        int kind;
        bool red, picture;
    };
    const Case cases[] = {
        {"Serial No.: 24AC34BEEF\nDownload is Completed!", 183, false, true},
        {"Time Out Error", 182, true, true},
        {"Product Type mismatched", 181, true, true},
        {"Port Open Error!", 118, true, false},
        {"Communication Error", 118, true, false},
        {"Frequency Band Mismatched", 118, true, false},
        {"Canceled", 0, false, false},
    };
    std::map<int, wxImage> pictures;
    for (const Case& c : cases) {
        HShipMessageBox box(frame.frame, "", c.text, WatchFile());
        EXPECT_EQ(box.Kind(), c.kind) << c.text;
        const wxColour colour = box.FindWindow(HShipMessageBox::IDC_TEXT)->GetForegroundColour();
        EXPECT_EQ(colour == *wxRED, c.red) << c.text;
        auto* picture = dynamic_cast<wxStaticBitmap*>(box.FindWindow(HShipMessageBox::IDC_PICTURE));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->IsShown(), c.picture) << c.text;
        if (c.picture) pictures[c.kind] = picture->GetBitmap().ConvertToImage();
    }
    ASSERT_EQ(pictures.size(), 3u);
    for (const auto& [kind, image] : pictures) {
        ASSERT_TRUE(image.IsOk()) << kind;
        // Something is drawn: the centre is not the background of the corner.
        const int c = image.GetWidth() / 2;
        EXPECT_NE(std::tuple(image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0)),
                  std::tuple(image.GetRed(c, c - 8), image.GetGreen(c, c - 8), image.GetBlue(c, c - 8)))
            << kind;
        for (const auto& [other, otherImage] : pictures)
            if (other != kind) {
                const auto bytes = static_cast<std::size_t>(image.GetWidth() * image.GetHeight() * 3);
                EXPECT_NE(std::memcmp(image.GetData(), otherImage.GetData(), bytes), 0) << kind << " " << other;
            }
    }
}

TEST_F(HShipMessageBoxWin, OkAndCancelAnswerWhileNothingIsProcessed) {
    for (const int button : {wxID_OK, wxID_CANCEL}) {
        WhenModal<HShipMessageBox>([button](HShipMessageBox& box) { Click(box.FindWindow(button)); });
        HShipMessageBox box(frame.frame, "", "Time Out Error", WatchFile());
        EXPECT_EQ(box.ShowModal(), button);
    }
}

// On the line nobody answers: the box goes after two seconds, or after one
// when the next radio's model information file is already there.
TEST_F(HShipMessageBoxWin, WhileAFileIsProcessedTheBoxClosesByItself) {
    using Clock = std::chrono::steady_clock;
    ShipMode::WatcherState() = ShipMode::Processing;
    for (const bool nextFile : {false, true}) {
        if (nextFile) std::ofstream(WatchFile()) << "next";
        HShipMessageBox box(frame.frame, "", "Download is Completed!", WatchFile());
        const auto start = Clock::now();
        EXPECT_EQ(box.ShowModal(), wxID_OK) << nextFile;
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        EXPECT_GE(ms, nextFile ? 950.0 : 1950.0) << nextFile;
        EXPECT_LT(ms, 10000.0) << nextFile;
    }
}

}  // namespace
