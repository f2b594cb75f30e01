#include "tone/TwoToneSettingDlg.h"

#include <wx/listbox.h>
#include <wx/window.h>

#include <string>

#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "image/ItemsTone.h"
#include "image/ToneRegisters.h"
#include "settings/SettingsDlg.h"
#include "settings/SettingsPrint.h"
#include "tone/ToneTables.h"
#include "language/Language.h"
#include "ui/PopupDlg.h"

using namespace Settings;
using namespace ToneTables;

namespace {

constexpr PageControlSpec kDelaySpec(int id) {
    return {static_cast<std::uint32_t>(id), 4, 0, 2550, EditKind::Decimal, 0};
}
constexpr PageControlSpec kToneSpec(int id) {
    return {static_cast<std::uint32_t>(id), 6, 288.5, 3000.0, EditKind::DecimalNumber, 0};
}

// Every control shown in every variant and mode.
constexpr std::uint8_t kShown[15] = {};
constexpr ControlRuleRow kRules[] = {
    {2001, 0, kShown}, {C2ToneSettingDlg::IDC_PRECISION, 1, kShown},
    {2004, 0, kShown}, {C2ToneSettingDlg::IDC_LEAD_IN, 1, kShown},
    {2005, 0, kShown}, {C2ToneSettingDlg::IDC_LEAD_OUT, 1, kShown},
    {2007, 0, kShown}, {C2ToneSettingDlg::IDC_BEEP_INTERVAL, 1, kShown},
    {2008, 0, kShown}, {C2ToneSettingDlg::IDC_BEEP_LEVEL, 1, kShown},
    {2009, 0, kShown}, {C2ToneSettingDlg::IDC_CALL_CODE, 1, kShown},
    {2010, 0, kShown}, {C2ToneSettingDlg::IDC_RESET_BEEP, 1, kShown},
    {2011, 0, kShown}, {C2ToneSettingDlg::IDC_RESET_TIME, 1, kShown},
    {-1, 0, nullptr},
};

constexpr std::uint32_t SystemStride = 16;

Getter Byte(const ImageItemDescriptor& d) {
    return [&d](const CloneImage& image) { return static_cast<std::int32_t>(ItemMap::ReadImageField(d, image)); };
}
Setter ByteSet(const ImageItemDescriptor& d) {
    return [&d](CloneImage& image, std::int32_t v) { ItemMap::WriteImageField(d, image, 0, 0, static_cast<std::uint32_t>(v)); };
}

}  // namespace

std::unique_ptr<SettingsDialogModel> C2ToneSettingDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::unique_ptr<SettingsPage>(new C2ToneSettingDlg));
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, false}, std::move(pages));
}

bool C2ToneSettingDlg::Edit(wxWindow* parent, CloneImage& working) {
    auto model = MakeDialog();
    auto* page = static_cast<C2ToneSettingDlg*>(&model->Page(0));
    SettingsDlg dialog(parent, std::move(model), working);
    Attach(dialog, *page);
    return dialog.ShowModal() == wxID_OK;
}

void C2ToneSettingDlg::ApplyCodePlan(int row, int edit) {
    TwoToneSetting::ToneTexts tones = Tones();
    TwoToneSetting::ApplyCodePlanRow(row, edit, tones);
    for (int k = 0; k < TwoToneSetting::ToneCount; ++k) {
        Form().SetText(IDC_TONE0 + k, tones[static_cast<std::size_t>(k)]);
        Edited(IDC_TONE0 + k);
    }
}

void C2ToneSettingDlg::Attach(SettingsDlg& dialog, C2ToneSettingDlg& page) {
    for (int k = 0; k < TwoToneSetting::ToneCount; ++k) {
        wxWindow* edit = dialog.Control(IDC_TONE0 + k);
        if (!edit) continue;
        auto open = [&dialog, &page, k] {
            const int start = TwoToneSetting::CodePlanStartRow(page.Form().Text(IDC_TONE0 + k));
            const std::string caption = TextByRid(MakeRID(0, IDD, 3202), "2-Tone Table");
            CPopupDlg popup(&dialog, caption, TwoToneCodePlan, TwoToneCodePlan[static_cast<std::size_t>(start)].value,
                            wxSize(375, 425), MakeRID(0, IDD, IDC_TONE0 + k));
            // The plan opens on the row of the edit's tone.
            popup.List()->SetSelection(start);
            popup.List()->EnsureVisible(start);
            if (popup.ShowModal() != wxID_OK || popup.Chosen() < 0) return;
            const int chosen = popup.Chosen();
            page.ApplyCodePlan(chosen, k);
            dialog.ShowForm();
        };
        // Seen before the dialog's own Enter handling, which never confirms.
        edit->Bind(wxEVT_CHAR_HOOK, [open](wxKeyEvent& e) {
            if (e.GetKeyCode() == WXK_RETURN || e.GetKeyCode() == WXK_NUMPAD_ENTER) return open();
            e.Skip();
        });
        edit->Bind(wxEVT_LEFT_DCLICK, [open](wxMouseEvent&) { open(); });
    }
    page.onMarks = [&dialog, &page] {
        for (int k = 0; k < TwoToneSetting::ToneCount; ++k) {
            wxWindow* edit = dialog.Control(IDC_TONE0 + k);
            if (!edit) continue;
            edit->SetForegroundColour(page.Marks()[static_cast<std::size_t>(k)] ? *wxRED : wxNullColour);
            edit->Refresh();
        }
    };
}

std::unique_ptr<PrintableScreen> C2ToneSettingDlg::Print(const CloneImage& image) {
    return std::make_unique<SettingsPrint>(MakeDialog(), image);
}

void C2ToneSettingDlg::Build() {
    using namespace ItemMap;
    SetRuleRows(kRules);
    AddCombo(2001, "2-Tone Decode &Precision", IDC_PRECISION, TwoToneDecodePrecisionList, Byte(Tone2Items[0]),
             ByteSet(Tone2Items[0]));
    AddEdit(2004, "Lead &In Delay Time (msec)", kDelaySpec(IDC_LEAD_IN));
    AddEdit(2005, "Lead &Out Delay Time (msec)", kDelaySpec(IDC_LEAD_OUT));
    AddCombo(2007, "Beep Repeat In&terval", IDC_BEEP_INTERVAL, TwoToneBeepRepeatIntervalList, Byte(Tone2Items[3]),
             ByteSet(Tone2Items[3]));
    AddCombo(2008, "Call Beep Le&vel", IDC_BEEP_LEVEL, TwoToneCallBeepLevelList, Byte(Tone2Items[4]),
             ByteSet(Tone2Items[4]));
    AddCombo(2009, "&Call 1 Key Encode Code", IDC_CALL_CODE, TwoToneCallEncodeCodeList, Byte(Tone2Items[5]),
             ByteSet(Tone2Items[5]));
    // Auto reset beep and time belong to each of the eight systems: system
    // 0's value is shown, a change goes into all eight.
    auto perSystem = [](int ordinal) {
        return std::make_pair(
            Getter([ordinal](const CloneImage& image) {
                return static_cast<std::int32_t>(ReadImageField(Tone2Items[ordinal], image, 0, SystemStride));
            }),
            Setter([ordinal](CloneImage& image, std::int32_t v) {
                for (std::uint32_t s = 0; s < 8; ++s)
                    WriteImageField(Tone2Items[ordinal], image, s, SystemStride, static_cast<std::uint32_t>(v));
            }));
    };
    auto beep = perSystem(9);
    AddCombo(2010, "&Auto Reset Beep", IDC_RESET_BEEP, TwoToneAutoResetBeepList, beep.first, beep.second);
    auto time = perSystem(10);
    AddCombo(2011, "A&uto Reset Time", IDC_RESET_TIME, TwoToneAutoResetTimeList, time.first, time.second);
    AddLabel(3202, "2-Tone Table  Tone / Freq.(Hz)");
    for (int k = 0; k < TwoToneSetting::ToneCount; ++k)
        AddEdit(2014 + k, "&" + std::to_string(k), kToneSpec(IDC_TONE0 + k));
}

void C2ToneSettingDlg::LoadOwn(const CloneImage& image) {
    loaded_ = TwoToneSetting::Load(image);
    Form().SetText(IDC_LEAD_IN, std::to_string(loaded_.leadIn));
    Form().SetText(IDC_LEAD_OUT, std::to_string(loaded_.leadOut));
    for (int k = 0; k < TwoToneSetting::ToneCount; ++k)
        Form().SetText(IDC_TONE0 + k, loaded_.tones[static_cast<std::size_t>(k)]);
    marks_ = {};
}

TwoToneSetting::ToneTexts C2ToneSettingDlg::Tones() const {
    TwoToneSetting::ToneTexts tones;
    for (int k = 0; k < TwoToneSetting::ToneCount; ++k) tones[static_cast<std::size_t>(k)] = Form().Text(IDC_TONE0 + k);
    return tones;
}

bool C2ToneSettingDlg::Validate() {
    const std::int32_t precision = Form().Value(IDC_PRECISION);
    marks_ = TwoToneSetting::OverlappingBands(Tones(), static_cast<std::uint32_t>(precision < 0 ? 0 : precision));
    if (onMarks) onMarks();
    for (bool m : marks_)
        if (m) {
            ShowRidMessage(61206, {}, MsgStyle::Ok | MsgStyle::IconWarning);
            return false;
        }
    return true;
}

void C2ToneSettingDlg::Edited(int controlId) {
    const int k = controlId - IDC_TONE0;
    if (k >= 0 && k < TwoToneSetting::ToneCount && marks_[static_cast<std::size_t>(k)]) {
        marks_[static_cast<std::size_t>(k)] = false;
        if (onMarks) onMarks();
    }
}

void C2ToneSettingDlg::Left(int controlId) {
    const std::string text = Form().Text(controlId);
    if (controlId == IDC_LEAD_IN || controlId == IDC_LEAD_OUT) {
        Form().SetText(controlId, std::to_string(TwoToneSetting::CommitLeadDelay(text)));
    } else if (controlId >= IDC_TONE0 && controlId < IDC_TONE0 + TwoToneSetting::ToneCount) {
        const std::string shown = TwoToneSetting::CommitToneText(text);
        if (shown != text) Form().SetText(controlId, shown);
    }
}

void C2ToneSettingDlg::SaveOwn(CloneImage& image) {
    using namespace ItemMap;
    const int leadIn = TwoToneSetting::CommitLeadDelay(Form().Text(IDC_LEAD_IN));
    const int leadOut = TwoToneSetting::CommitLeadDelay(Form().Text(IDC_LEAD_OUT));
    if (leadIn != loaded_.leadIn) WriteImageField(Tone2Items[1], image, 0, 0, static_cast<std::uint32_t>(leadIn / 10));
    if (leadOut != loaded_.leadOut) WriteImageField(Tone2Items[2], image, 0, 0, static_cast<std::uint32_t>(leadOut / 10));
    bool recalc = Form().Value(IDC_PRECISION) != LoadedValue(IDC_PRECISION) && Form().Value(IDC_PRECISION) != -1;
    const std::uint32_t reference = GetTone2ReferenceValue(image);
    const auto tones = Tones();
    for (int k = 0; k < TwoToneSetting::ToneCount; ++k) {
        const std::string text = TwoToneSetting::CommitToneText(tones[static_cast<std::size_t>(k)]);
        const std::uint32_t word = TwoToneSetting::ToneWord(text);
        // An unchanged tone: neither its word nor its register is rewritten.
        if (word == TwoToneSetting::ToneWord(loaded_.tones[static_cast<std::size_t>(k)])) continue;
        WriteImageFieldLE(Tone2TableItems[0], image, static_cast<std::uint32_t>(k), 2,
                          TwoToneSetting::ToneRegister(word == 0xFFFF ? 0 : word, reference));
        SetPackBytesLE(image, k, word);
        recalc = true;
    }
    if (recalc) TwoTone::RecalcToneRegisters(image);
}
