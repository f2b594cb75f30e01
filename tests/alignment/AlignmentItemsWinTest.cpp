// Every item of the alignment main dialog with real mouse input against the
// simulated radio: each button opens its dialog, the squelch and automatic
// tuning runs from "Start"/"Auto" to the stored value, a second OK without
// edits changes nothing, a failed write keeps the dialog open.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>

#include "AlignmentFixture.h"
#include "AlignmentScript.h"
#include "alignment/ui/CHBaseRXTune.h"
#include "alignment/ui/CHBaseSQL.h"
#include "alignment/ui/CHBaseSingle.h"
#include "alignment/ui/CHBaseSixteen.h"
#include "alignment/ui/CHBaselineADJ.h"
#include "image/Model.h"
#include "language/Language.h"
#include "language/LanguageFixtures.h"
#include "language/SettingsFile.h"
#include "ui/MessageService.h"
#include "ui/WinTestUtil.h"

namespace {

using RadioSim::Fault;
using RadioSim::FaultKind;

std::string Label(wxWindow* dialog, int id) {
    auto* text = dynamic_cast<wxStaticText*>(dialog->FindWindow(id));
    return text ? std::string(text->GetLabel().utf8_str()) : std::string();
}

class AlignmentItemsWin : public AlignedLinkTest {
  protected:
    // Counts the operations begun and ended.
    class CountingView : public RecordingView {
      public:
        explicit CountingView(int& ended) : ended_(ended) {}
        ~CountingView() override { ++ended_; }

      private:
        int& ended_;
    };
    CCHBaselineADJ::ViewFactory Views() {
        return [this](wxWindow*) -> std::unique_ptr<OperationView> {
            ++views;
            return std::make_unique<CountingView>(viewsEnded);
        };
    }
    int views = 0, viewsEnded = 0;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
    TestFrame top;
};

TEST_F(AlignmentItemsWin, EveryItemButtonOpensItsDialogAndCancelKeepsTheImage) {
    const CloneImage before = working;
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    const std::pair<int, const char*> items[] = {
        {2403, "RX Sensitivity Alignment"},
        {2420, "SQL Alignment"},
        {2405, "TX Power Alignment (High)"},
        {2406, "TX Power Alignment (Low3)"},
        {2407, "TX Power Alignment (Low)"},
        {2408, "TX Power Alignment (Low1)"},
        {2409, "Max Deviation Alignment (Wide)"},
        {2410, "Max Deviation Alignment (Narrow)"},
        {2413, "CTCSS Deviation Alignment (Wide)"},
        {2414, "CTCSS Deviation Alignment (Narrow)"},
        {2415, "DCS Deviation Alignment (Wide)"},
        {2416, "DCS Deviation Alignment (Narrow)"},
        {2423, "Frequency Alignment"},
        {2424, "Sequential Tone Deviation Alignment"},
        {2425, "DTMF Alignment"},
    };
    std::vector<std::string> titles;
    std::vector<std::function<bool()>> steps;
    for (const auto& [id, title] : items) {
        steps.push_back([&, id = id] {
            if (Top() != &dialog) return false;
            Click(dialog.Button(id));
            return true;
        });
        steps.push_back([&] {
            wxDialog* sub = Top();
            if (!sub || sub == &dialog) return false;
            titles.push_back(std::string(sub->GetTitle().utf8_str()));
            Click(sub->FindWindow(wxID_CANCEL));
            return true;
        });
    }
    steps.push_back([&] {
        if (Top() != &dialog) return false;
        dialog.EndModal(wxID_CANCEL);
        return true;
    });
    Script script(steps);
    dialog.ShowModal();
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    std::vector<std::string> expected;
    for (const auto& item : items) expected.push_back(item.second);
    EXPECT_EQ(titles, expected);
    EXPECT_EQ(dialog.Image(), before);
    EXPECT_EQ(views, 0);
    EXPECT_FALSE(sim.Alignment().transmitting);
}

TEST_F(AlignmentItemsWin, MaxDeviationOkTwiceWithoutEditsChangesNothingTheSecondTime) {
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    CloneImage afterFirst;
    auto openAndOk = [&](std::vector<std::function<bool()>>& steps) {
        steps.push_back([&] {
            if (Top() != &dialog) return false;
            Click(dialog.Button(2409));
            return true;
        });
        steps.push_back([&] {
            auto* maxDev = Top<CCHBaseMaxDev>();
            if (!maxDev) return false;
            Click(maxDev->FindWindow(wxID_OK));
            return true;
        });
    };
    std::vector<std::function<bool()>> steps;
    openAndOk(steps);
    steps.push_back([&] {
        if (Top() != &dialog) return false;
        afterFirst = dialog.Image();
        return true;
    });
    openAndOk(steps);
    steps.push_back([&] {
        if (Top() != &dialog) return false;
        dialog.EndModal(wxID_CANCEL);
        return true;
    });
    Script script(steps);
    dialog.ShowModal();
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    EXPECT_EQ(views, 2);
    EXPECT_EQ(dialog.Image(), afterFirst);
}

TEST_F(AlignmentItemsWin, SquelchStartMeasuresStoresTheLevelAndOkWritesIt) {
    std::vector<std::array<std::uint8_t, 6>> readings;
    for (int i = 0; i < 20; ++i)
        readings.push_back({0, static_cast<std::uint8_t>(i == 0 ? 90 : i == 1 ? 10 : 50), 77, 0, 0, 0});
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    std::string current, measured, shown;
    Script script({
        [&] {
            if (Top() != &dialog) return false;
            Click(dialog.Button(2420));
            return true;
        },
        [&] {  // "Start" of TI NSQ(W)
            auto* sql = Top<CCHBaseSQL>();
            if (!sql) return false;
            Click(sql->FindWindow(CCHBaseSQL::IDC_START));
            return true;
        },
        [&] {  // the generator settings: OK measures
            auto* sg = Top<CCHBaseSQL2>();
            if (!sg) return false;
            EXPECT_EQ(sim.Alignment().point, 7);
            sim.QueueStatus(readings);
            Click(sg->FindWindow(wxID_OK));
            return true;
        },
        [&] {
            auto* result = Top<CCHBaseSQL3>();
            if (!result) return false;
            current = Label(result, ResultDlg::IDC_CURRENT);
            measured = Label(result, ResultDlg::IDC_NEW);
            Click(result->FindWindow(wxID_OK));
            return true;
        },
        [&] {
            auto* sql = Top<CCHBaseSQL>();
            if (!sql) return false;
            shown = std::string(sql->Data(0)->GetLabel().utf8_str());
            Click(sql->FindWindow(wxID_OK));
            return true;
        },
        EndStep(dialog),
    });
    dialog.ShowModal();
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    EXPECT_EQ(current, std::to_string(working[0x3C]));
    EXPECT_EQ(measured, "50");
    EXPECT_EQ(shown, "50");
    EXPECT_EQ(dialog.Image()[0x3C], 50);
    EXPECT_EQ(sim.Memory()[0x3C], 50);  // operation 21
    EXPECT_EQ(views, 1);
}

TEST_F(AlignmentItemsWin, AFailedSquelchReadReportsAndStoresNothing) {
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    Script script({
        [&] {
            if (Top() != &dialog) return false;
            Click(dialog.Button(2420));
            return true;
        },
        [&] {
            auto* sql = Top<CCHBaseSQL>();
            if (!sql) return false;
            Click(sql->FindWindow(CCHBaseSQL::IDC_START + 5));
            return true;
        },
        [&] {
            auto* sg = Top<CCHBaseSQL2>();
            if (!sg) return false;
            sim.SetFaults({Fault{FaultKind::Nak, 3, -1, 0x31}});
            Click(sg->FindWindow(wxID_OK));
            return true;
        },
        [&] {  // the error, and the generator dialog still open
            if (messages.Count() < 1) return false;
            EXPECT_EQ(messages.Last().text, "Cmd Request Error!");
            EXPECT_EQ(Top<CCHBaseSQL3>(), nullptr);
            auto* sg = Top<CCHBaseSQL2>();
            if (!sg) return false;
            sim.ClearFaults();
            Click(sg->FindWindow(wxID_CANCEL));
            return true;
        },
        CancelStep<CCHBaseSQL>(),
        EndStep(dialog),
    });
    const CloneImage before = working;
    dialog.ShowModal();
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    EXPECT_EQ(dialog.Image(), before);
}

TEST_F(AlignmentItemsWin, AutoTuneOffersThePeakAndTheRowTakesIt) {
    sim.SetRssiCurve({120, 200, 1, 90});
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    int row0 = -1;
    std::string current, offered;
    Script script({
        [&] {
            if (Top() != &dialog) return false;
            Click(dialog.Button(2403));
            return true;
        },
        [&] {  // "Auto" on row 0, step 10
            auto* rx = Top<CCHBaseRXTune1>();
            if (!rx) return false;
            dynamic_cast<wxTextCtrl*>(rx->FindWindow(CCHBaseSixteen::IDC_STEP))->ChangeValue("10");
            Click(rx->Ptt(0));
            return true;
        },
        [&] {
            auto* search = Top<CCHBaseRXTune2>();
            if (!search) return false;
            Click(search->FindWindow(wxID_OK));
            return true;
        },
        [&] {
            auto* confirm = Top<CCHBaseRXTune3>();
            if (messages.Count() > 0) ADD_FAILURE() << messages.Last().text;
            if (!confirm) return false;
            current = Label(confirm, ResultDlg::IDC_CURRENT);
            offered = Label(confirm, ResultDlg::IDC_NEW);
            Click(confirm->FindWindow(wxID_OK));
            return true;
        },
        [&] {
            auto* rx = Top<CCHBaseRXTune1>();
            if (!rx) return false;
            row0 = rx->Frame().Value(0);
            Click(rx->FindWindow(wxID_CANCEL));
            return true;
        },
        EndStep(dialog),
    });
    dialog.ShowModal();
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    EXPECT_EQ(offered, "120");
    EXPECT_EQ(row0, 120);
    EXPECT_EQ(sim.Alignment().adjustValue, 120);  // the row's new value went out
}

// The transmit indicator and the frequency unit are common words: a loaded
// language names them.
TEST_F(AlignmentItemsWin, TheIndicatorAndTheFrequencyUnitSpeakTheLoadedLanguage) {
    SetProfilePath(folder.path() / "settings.xml");
    const auto language = folder.path() / "ja.xml";
    std::ofstream(language) << R"(<?xml version="1.0" encoding="utf-8"?>
<Language xml:lang="ja">
  <Common>
    <RID_70008><base>MHz</base><string>メガヘルツ</string></RID_70008>
    <RID_70015><base>RX</base><string>受信</string></RID_70015>
    <RID_70016><base>TX</base><string>送信</string></RID_70016>
  </Common>
</Language>
)";
    ASSERT_TRUE(Lang::LoadLanguage(language));
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    CCHBaseMaxDev* maxDev = nullptr;
    std::vector<std::string> indicator;
    std::string frequency;
    Script script({
        [&] {
            if (Top() != &dialog) return false;
            Click(dialog.Button(2409));  // "Max Dev(W)"
            return true;
        },
        [&] {
            maxDev = Top<CCHBaseMaxDev>();
            if (!maxDev) return false;
            indicator.push_back(Label(maxDev, CCHBaseSixteen::IDC_INDICATOR));
            Click(maxDev->FindWindow(CCHBaseMaxDev::IDC_SINGLE));
            return true;
        },
        [&] {
            if (maxDev->Frame().Type() != AlignmentFrame::AdjType::Single) return false;
            Click(maxDev->Ptt(3));
            return true;
        },
        [&] {
            if (!maxDev->Frame().Transmitting()) return false;
            indicator.push_back(Label(maxDev, CCHBaseSixteen::IDC_INDICATOR));
            Click(maxDev->Ptt(3));
            return true;
        },
        [&] {
            if (maxDev->Frame().Transmitting()) return false;
            indicator.push_back(Label(maxDev, CCHBaseSixteen::IDC_INDICATOR));
            Click(maxDev->FindWindow(wxID_CANCEL));
            return true;
        },
        [&] {
            if (Top() != &dialog) return false;
            Click(dialog.Button(2403));  // "RX Sensitivity"
            return true;
        },
        [&] {  // "Auto" on row 0 opens the generator settings
            auto* rx = Top<CCHBaseRXTune1>();
            if (!rx) return false;
            Click(rx->Ptt(0));
            return true;
        },
        [&] {
            auto* search = Top<CCHBaseRXTune2>();
            if (!search) return false;
            frequency = Label(search, SgSettingDlg::IDC_FREQUENCY);
            Click(search->FindWindow(wxID_CANCEL));
            return true;
        },
        CancelStep<CCHBaseRXTune1>(),
        EndStep(dialog),
    });
    dialog.ShowModal();
    Lang::LoadLanguage({});
    SetProfilePath({});
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    EXPECT_EQ(indicator, (std::vector<std::string>{"受信", "送信", "受信"}));
    EXPECT_TRUE(frequency.size() > 17 && frequency.substr(frequency.size() - 16) == " メガヘルツ") << frequency;
}

// OK and Cancel carry the toolkit's ids; their texts are those the
// language gives the template's OK (1) and Cancel (2) of each dialog's text
// number.
TEST_F(AlignmentItemsWin, OkAndCancelSpeakTheLanguageOfTheirDialogNumber) {
    using Open = std::function<std::unique_ptr<wxDialog>()>;
    const Tuning::Request request{};
    const struct {
        const char* dialog;
        int number;
        Open open;
    } cases[] = {
        {"alignment main", 205,
         [&] { return std::make_unique<CCHBaselineADJ>(top.frame, working, backup, shared.get(), Views()); }},
        {"DTMF (single point)", 298,
         [&] { return std::make_unique<CCHBaseDTMF>(top.frame, working, shared.get(), Views()); }},
        {"Max Dev narrow (sixteen points)", 276,
         [&] { return std::make_unique<CCHBaseMaxDev>(top.frame, working, 1, shared.get(), Views()); }},
        {"SQL", 233, [&] { return std::make_unique<CCHBaseSQL>(top.frame, working, shared.get(), Views()); }},
        {"SQL generator settings, TI NSQ(N)", 286,
         [&] { return std::make_unique<CCHBaseSQL2>(top.frame, working, 1, shared.get()); }},
        {"Auto Tuning result", 307, [&] { return std::make_unique<CCHBaseRXTune3>(top.frame, request); }},
    };
    const std::pair<int, std::string> buttons[] = {{1, "OK"}, {2, "Cancel"}};
    std::string entries;
    for (const auto& c : cases)
        for (const auto& [id, base] : buttons) {
            const std::string rid = "RID_" + std::to_string(MakeRID(0, c.number, id));
            entries += "    <" + rid + "><base>" + base + "</base><string>" + base + " " +
                       std::to_string(c.number) + "</string></" + rid + ">\n";
        }
    const LanguageFixtures::ScopedLanguage language("  <Alignment>\n" + entries + "  </Alignment>\n");
    ASSERT_TRUE(language.Loaded());
    for (const auto& c : cases) {
        const auto dialog = c.open();
        const auto caption = [&](int id) {
            wxWindow* button = dialog->FindWindow(id);
            return button ? std::string(button->GetLabel().utf8_str()) : std::string("(none)");
        };
        const std::string number = std::to_string(c.number);
        EXPECT_EQ(caption(wxID_OK), "OK " + number) << c.dialog;
        EXPECT_EQ(caption(wxID_CANCEL), "Cancel " + number) << c.dialog;
    }
}

TEST_F(AlignmentItemsWin, TheAutoStepIsClampedWhenItsFieldIsLeft) {
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    std::vector<std::string> left;
    wxTextCtrl* step = nullptr;
    auto typeThenLeave = [&](const char* text) {
        return [&, text] {
            auto* rx = Top<CCHBaseRXTune1>();
            if (!rx) return false;
            step = dynamic_cast<wxTextCtrl*>(rx->FindWindow(CCHBaseSixteen::IDC_STEP));
            Click(step);
            step->ChangeValue(text);
            return true;
        };
    };
    auto leave = [&] {
        return [&] {
            if (wxWindow::FindFocus() != step) return false;
            Click(Top<CCHBaseRXTune1>()->Edit(0));
            return true;
        };
    };
    auto read = [&] {
        return [&] {
            if (wxWindow::FindFocus() == step) return false;
            left.push_back(std::string(step->GetValue().utf8_str()));
            return true;
        };
    };
    Script script({
        [&] {
            if (Top() != &dialog) return false;
            Click(dialog.Button(2403));
            return true;
        },
        typeThenLeave("11"), leave(), read(), typeThenLeave("0"), leave(), read(),
        [&] {
            auto* rx = Top<CCHBaseRXTune1>();
            Click(rx->FindWindow(wxID_CANCEL));
            return true;
        },
        EndStep(dialog),
    });
    dialog.ShowModal();
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    EXPECT_EQ(left, (std::vector<std::string>{"10", "1"}));
}

TEST_F(AlignmentItemsWin, AFailedItemWriteKeepsTheSinglePointDialogOpenAndTheImage) {
    const CloneImage before = working;
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    bool stayedOpen = false;
    int initial = -1;
    Script script({
        [&] {
            if (Top() != &dialog) return false;
            Click(dialog.Button(2425));  // DTMF
            return true;
        },
        [&] {  // a click in the trough moves the value
            auto* dtmf = Top<CCHBaseDTMF>();
            if (!dtmf) return false;
            initial = dtmf->Model().Value();
            const wxRect r = dtmf->ScrollBar()->GetScreenRect();
            wxUIActionSimulator input;
            input.MouseMove(r.x + (initial > 7 ? r.width / 10 : r.width * 9 / 10), r.y + r.height / 2);
            input.MouseClick();
            return true;
        },
        [&] {
            auto* dtmf = Top<CCHBaseDTMF>();
            if (!dtmf || dtmf->Model().Value() == initial) return false;
            sim.SetFaults({Fault{FaultKind::Nak, 0, -1, 0xF1}});
            Click(dtmf->FindWindow(wxID_OK));
            return true;
        },
        [&] {  // the write has failed
            if (viewsEnded < 1) return false;
            auto* dtmf = Top<CCHBaseDTMF>();
            stayedOpen = dtmf != nullptr;
            sim.ClearFaults();
            if (dtmf) Click(dtmf->FindWindow(wxID_CANCEL));
            return true;
        },
        EndStep(dialog),
    });
    dialog.ShowModal();
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialog.Image(), before);
}

TEST_F(AlignmentItemsWin, TheSpecialVariantOffersNoPowerLevelItCannotStore) {
    CloneImage special = working;
    special[0x2400] = static_cast<std::uint8_t>(special[0x2400] & ~0x30);
    special[0x2402] = 0x83;
    special[0x03] = 2;
    special[0x2406] = static_cast<std::uint8_t>((special[0x2406] & 0x0F) | 0x50);
    ASSERT_TRUE(Model::IsSpecialVariant(special));
    CCHBaselineADJ onSpecial(top.frame, special, backup, shared.get(), Views());
    CCHBaselineADJ onOther(top.frame, working, backup, shared.get(), Views());
    const std::pair<int, bool> cases[] = {{2405, false}, {2406, false}, {2407, true}, {2408, false}};
    for (const auto& [id, enabled] : cases) {
        EXPECT_EQ(onSpecial.Button(id)->IsEnabled(), enabled) << id;
        EXPECT_TRUE(onOther.Button(id)->IsEnabled()) << id;
    }
}

}  // namespace
