#include "tone/FiveToneViews.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "image/ItemMap.h"
#include "image/ItemsTone.h"
#include "image/Model.h"
#include "image/RadioImagePrep.h"
#include "image/TagCharRule.h"
#include "image/UiUtil.h"
#include "tone/FiveToneLists.h"
#include "tone/ToneTables.h"
#include "tone/TwoToneViews.h"

namespace FiveToneViews {

using namespace GridView;
using namespace FiveToneLists;
using ToneTables::CheckMarkList;
using ToneTables::CheckMarkListActiveLow;

namespace {

constexpr std::uint32_t SystemStride = 16, DecodeStride = 32, EncodeStride = 16;

// Fields of a system record (stride 16).
namespace Sys {
constexpr int MoniSw = 0, ChSw = 1, PttSw = 2, CdComp = 3, SprImp = 4, IdFlow = 5, AniTrans = 6, Backup = 7,
              Duty = 8, AutoResetBeep = 9, RepeaterFormat = 10, CallIdFormat = 11, RepeaterCode = 12,
              CallCode = 13, IdCode = 14, DecodeCode1 = 15, AutoResetTime = 23;
}
// Fields of a decode record (stride 32) and of an encode record (stride 16).
namespace Dec {
constexpr int Count = 0, Digit1 = 1, DecIdDisp = 9, CallDisp = 10, MuteMode = 11, Scan = 12, Stun = 13,
              AutoTx = 14, EmgOff = 15, LedMode = 16, LedColorHigh = 17, LedColorLow = 18, AlertMode = 20,
              AlertRepeat = 21, Beep = 22, Acc1 = 23, TranspondType = 27, Type7Low = 28, Type7High = 29,
              TranspondTxLed = 30, TranspondEncode = 31;
}
namespace Enc {
constexpr int Count = 64, Digit1 = 65, InputDigit1 = 73, Ext1st = 81, Sel = 82, MuteMode = 83, OverWrt = 84,
              GrpDgt = 85, TransDec = 86, TransBeep = 87;
}

std::uint32_t ReadSys(int field, const CloneImage& image, int r) {
    return ItemMap::ReadImageField(ItemMap::Tone5SystemItems[field], image, static_cast<std::uint32_t>(r),
                                   SystemStride);
}
void WriteSys(int field, CloneImage& image, int r, std::uint32_t v) {
    ItemMap::WriteImageField(ItemMap::Tone5SystemItems[field], image, static_cast<std::uint32_t>(r), SystemStride, v);
}
std::uint32_t ReadCode(int field, const CloneImage& image, int r, std::uint32_t stride) {
    return ItemMap::ReadImageField(ItemMap::Tone5CodeItems[field], image, static_cast<std::uint32_t>(r), stride);
}
void WriteCode(int field, CloneImage& image, int r, std::uint32_t stride, std::uint32_t v) {
    ItemMap::WriteImageField(ItemMap::Tone5CodeItems[field], image, static_cast<std::uint32_t>(r), stride, v);
}

CellValue ListText(ItemList list, std::uint32_t value) {
    const std::string text = FindNameByIdOrEmpty(ListRows(list), static_cast<std::int32_t>(value));
    if (text.empty()) return {{}, true};
    return {text, false};
}

ColumnBinding SysField(ItemList list, int field) {
    ColumnBinding b;
    b.format = [list, field](const CloneImage& image, int r) { return ListText(list, ReadSys(field, image, r)); };
    b.write = [field](CloneImage& image, int r, std::uint32_t v) { WriteSys(field, image, r, v); };
    return b;
}

ColumnBinding CodeField(ItemList list, int field, std::uint32_t stride) {
    ColumnBinding b;
    b.format = [list, field, stride](const CloneImage& image, int r) {
        return ListText(list, ReadCode(field, image, r, stride));
    };
    b.write = [field, stride](CloneImage& image, int r, std::uint32_t v) { WriteCode(field, image, r, stride, v); };
    return b;
}

ColumnBinding Number(std::string groupText = {}, int groupRecord = -1) {
    ColumnBinding b;
    b.format = [groupText, groupRecord](const CloneImage&, int r) {
        if (r == groupRecord) return CellValue{groupText, false};
        return CellValue{std::to_string(r + 1), false};
    };
    return b;
}

// The digit code of a decode or encode record.
ColumnBinding DigitCode(int countField, int digit1, std::uint32_t stride) {
    ColumnBinding b;
    b.format = [=](const CloneImage& image, int r) {
        std::array<std::uint32_t, 8> digits{};
        for (int k = 0; k < 8; ++k) digits[static_cast<std::size_t>(k)] = ReadCode(digit1 + k, image, r, stride);
        return CellValue{CodeText(ReadCode(countField, image, r, stride), digits), false};
    };
    b.store = [=](CloneImage& image, int r, std::string_view text) {
        const auto digits = ParseCode(text);
        if (!digits) return false;
        WriteCode(countField, image, r, stride, static_cast<std::uint32_t>(digits->size()));
        for (std::size_t k = 0; k < digits->size(); ++k)
            WriteCode(digit1 + static_cast<int>(k), image, r, stride, (*digits)[k]);
        return true;
    };
    return b;
}

char32_t CodeKey(char32_t key) {
    if (key >= 'a' && key <= 'e') return key - 'a' + 'A';
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'E')) return key;
    return 0;
}
char32_t TagKey(char32_t key) {
    return CurrentTagCharRule().NormalizeChar(key);
}

constexpr ColumnStates AllStates(std::uint8_t s) {
    ColumnStates a{};
    for (auto& x : a) x = s;
    return a;
}
constexpr ColumnStates Variant0(std::uint8_t s) {
    ColumnStates a{};
    a[0] = a[1] = a[2] = s;
    return a;
}

HeaderSpanRows Covered(int rows, int cols) {
    return HeaderSpanRows(static_cast<std::size_t>(rows),
                          std::vector<HeaderSpan>(static_cast<std::size_t>(cols), HeaderSpan{0, 0}));
}

bool HiddenState(int state) {
    return state == 1 || state == 3 || state == 4;
}

std::string Sprintf(const char* format, double value, const char* unit = "") {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value, unit);
    return buf;
}

// ---- the system view ------------------------------------------------------------------
// clang-format off
constexpr GridColumn kSystemColumns[] = {
    {0, 0, 510, {}, CellKind::ReadOnly, 0, 0, 0, 0, 0},
    {1, 0, 720, {}, CellKind::ListValue, 0, 0, 6, 6, 0},
    {2, 0, 615, {}, CellKind::ListValue, 0, 0, 6, 6, 0},
    {3, 0, 720, {}, CellKind::ListValue, 0, 0, 6, 6, 0},
    {4, 0, 615, {}, CellKind::ListValue, 0, 0, 6, 6, 0},
    {5, 0, 405, {}, CellKind::ListValue, 0, 0, 6, 6, 0},
    {6, 0, 615, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {7, 0, 720, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {8, 0, 510, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {9, 0, 615, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {10, 0, 930, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {11, 0, 615, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {12, 0, 510, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {13, 0, 615, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {14, 0, 615, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {15, 0, 1140, {}, CellKind::Typed, 5, 2, 2, 2, 0},
    {16, 0, 615, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {17, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {18, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {19, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {20, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {21, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {22, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {23, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {24, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
};
// clang-format on

std::vector<GridColumn> SystemColumns(ItemList formats) {
    std::vector<GridColumn> out(std::begin(kSystemColumns), std::end(kSystemColumns));
    const ItemList lists[] = {{},
                              formats,
                              FiveToneRepeaterCodeList,
                              formats,
                              FiveToneEncodeCodeList,
                              FiveToneEncodeCodeList,
                              FiveToneMonitorSwitchList,
                              FiveToneChannelSwitchList,
                              CheckMarkList,
                              FiveToneIdFlowList,
                              FiveToneAniTransmitList,
                              CheckMarkListActiveLow,
                              CheckMarkListActiveLow,
                              CheckMarkList,
                              CheckMarkListActiveLow,
                              FiveToneAutoResetTimeList,
                              CheckMarkListActiveLow};
    for (std::size_t i = 0; i < out.size(); ++i) out[i].list = i < std::size(lists) ? lists[i] : CheckMarkListActiveLow;
    return out;
}

bool HasRepeaterCode(const CloneImage& image, int r) {
    const std::uint32_t code = ReadSys(Sys::RepeaterCode, image, r);
    return code != 255 && code <= 31;
}

ViewSpec MakeSystemSpec(bool tp40) {
    static const std::vector<GridColumn> withTp40 = SystemColumns(FiveToneFormatList);
    static const std::vector<GridColumn> withoutTp40 = SystemColumns(FiveToneFormatListNoTp40);
    static const std::vector<ColumnStates> states = [] {
        std::vector<ColumnStates> s(SystemCol::Count, ColumnStates{});
        s[SystemCol::Backup] = AllStates(3);
        s[22] = s[23] = s[24] = Variant0(3);
        return s;
    }();
    const ItemList formats = tp40 ? FiveToneFormatList : FiveToneFormatListNoTp40;
    ViewSpec v;
    v.columns = tp40 ? withTp40 : withoutTp40;
    v.states = states;
    v.headerRows = 3;
    std::vector<std::string> r0(SystemCol::Count, "5-Tone System"), r1, r2;
    r0[0] = "";
    r1 = {"Sys\nNo.", "Repeater", "Repeater", "Call/ID Code", "Call/ID Code", "Call/ID Code", "Moni\nSW",
          "CH\nSW", "PTT\nSW", "ID\nFlow", "ANI\nTrans", "C/D\nComp", "Spr\nimp", "Duty", "Back\nup",
          "Auto Reset", "Auto Reset"};
    r2 = {"Sys\nNo.", "Table", "Code", "Table", "Call", "ID", "Moni\nSW", "CH\nSW", "PTT\nSW", "ID\nFlow",
          "ANI\nTrans", "C/D\nComp", "Spr\nimp", "Duty", "Back\nup", "Time", "Beep"};
    for (int k = 1; k <= 8; ++k) {
        r1.push_back("Decode Code");
        r2.push_back(std::to_string(k));
    }
    v.headers = {r0, r1, r2};
    HeaderSpanRows spans = Covered(3, SystemCol::Count);
    spans[0][0] = {1, 1};
    spans[0][1] = {1, 24};
    spans[1][0] = {2, 1};
    spans[1][1] = {1, 2};
    spans[1][3] = {1, 3};
    for (int c = 6; c <= 14; ++c) spans[1][static_cast<std::size_t>(c)] = {2, 1};
    spans[1][15] = {1, 2};
    spans[1][17] = {1, 8};
    for (int c : {1, 2, 3, 4, 5}) spans[2][static_cast<std::size_t>(c)] = {1, 1};
    for (int c = 15; c < SystemCol::Count; ++c) spans[2][static_cast<std::size_t>(c)] = {1, 1};
    v.headerSpans = spans;

    v.bindings.resize(SystemCol::Count);
    v.bindings[0] = Number();
    auto& repeaterTable = v.bindings[1];
    repeaterTable.format = [formats](const CloneImage& image, int r) {
        if (!HasRepeaterCode(image, r)) return CellValue{};
        return ListText(formats, ReadSys(Sys::RepeaterFormat, image, r));
    };
    repeaterTable.write = [](CloneImage& image, int r, std::uint32_t v) {
        if (HasRepeaterCode(image, r)) WriteSys(Sys::RepeaterFormat, image, r, v);
    };
    v.bindings[2] = SysField(FiveToneRepeaterCodeList, Sys::RepeaterCode);
    v.bindings[3] = SysField(formats, Sys::CallIdFormat);
    v.bindings[4] = SysField(FiveToneEncodeCodeList, Sys::CallCode);
    v.bindings[5] = SysField(FiveToneEncodeCodeList, Sys::IdCode);
    v.bindings[6] = SysField(FiveToneMonitorSwitchList, Sys::MoniSw);
    v.bindings[7] = SysField(FiveToneChannelSwitchList, Sys::ChSw);
    v.bindings[8] = SysField(CheckMarkList, Sys::PttSw);
    auto& idFlow = v.bindings[9];
    idFlow = SysField(FiveToneIdFlowList, Sys::IdFlow);
    // With TP40 the radio always sends call and ID: the cell says so and
    // stepping it changes nothing; the stored bits stay as they are.
    idFlow.format = [](const CloneImage& image, int r) {
        const bool tp40 = ReadSys(Sys::CallIdFormat, image, r) == 11;
        return ListText(FiveToneIdFlowList, tp40 ? 1u : ReadSys(Sys::IdFlow, image, r));
    };
    idFlow.cycle = [](CloneImage& image, int r, std::string_view text) {
        if (ReadSys(Sys::CallIdFormat, image, r) == 11) return;
        if (auto next = NextListValue(FiveToneIdFlowList, text))
            WriteSys(Sys::IdFlow, image, r, static_cast<std::uint32_t>(*next));
    };
    v.bindings[10] = SysField(FiveToneAniTransmitList, Sys::AniTrans);
    v.bindings[11] = SysField(CheckMarkListActiveLow, Sys::CdComp);
    auto& sprImp = v.bindings[12];
    sprImp = SysField(CheckMarkListActiveLow, Sys::SprImp);
    // Complement needs superimpose: unticking it unticks C/D Comp too.
    sprImp.cycle = [](CloneImage& image, int r, std::string_view text) {
        const auto next = NextListValue(CheckMarkListActiveLow, text);
        if (!next) return;
        WriteSys(Sys::SprImp, image, r, static_cast<std::uint32_t>(*next));
        if (*next == 1) WriteSys(Sys::CdComp, image, r, 1);
    };
    v.bindings[13] = SysField(CheckMarkList, Sys::Duty);
    v.bindings[14] = SysField(CheckMarkListActiveLow, Sys::Backup);
    auto& resetTime = v.bindings[15];
    resetTime.format = [](const CloneImage& image, int r) {
        const std::uint32_t v = ReadSys(Sys::AutoResetTime, image, r);
        const ItemList rows = ListRows(FiveToneAutoResetTimeList);
        if (v == 0) return CellValue{rows[0].text, false};
        return CellValue{Sprintf("%.1f %s", v * 0.5, rows[1].text), false};
    };
    resetTime.parse = [](const CloneImage&, std::string_view text) -> std::optional<std::uint32_t> {
        const ItemList rows = ListRows(FiveToneAutoResetTimeList);
        if (text == rows[0].text) return 0u;
        std::string t(text);
        for (char& c : t)
            if (c == ',') c = '.';
        const double steps = std::trunc(std::strtod(t.c_str(), nullptr) * 2.0);
        if (!(steps > 0)) return 0u;  // also NaN
        return steps > 255 ? 255u : static_cast<std::uint32_t>(steps);
    };
    resetTime.write = [](CloneImage& image, int r, std::uint32_t v) { WriteSys(Sys::AutoResetTime, image, r, v); };
    v.bindings[16] = SysField(CheckMarkListActiveLow, Sys::AutoResetBeep);
    for (int k = 0; k < 8; ++k)
        v.bindings[static_cast<std::size_t>(SystemCol::DecodeCode1 + k)] =
            SysField(CheckMarkListActiveLow, Sys::DecodeCode1 + k);

    v.printListOf = ToneTables::CheckPrintTwin;
    v.keyFilter = [](int col, char32_t key) -> char32_t {
        if (col == SystemCol::AutoResetTime) return (key >= '0' && key <= '9') || key == '.' || key == ',' ? key : 0;
        return key < 0x80 ? key : 0;
    };
    // The repeater format is written only while the system has a repeater
    // code: a pasted row sets the code first.
    v.pasteLastColumn = SystemCol::RepeaterTable;
    return v;
}

// ---- the encode view ------------------------------------------------------------------
// clang-format off
constexpr GridColumn kEncodeColumns[] = {
    {0, 0, 510, {}, CellKind::ReadOnly, 0, 0, 0, 0, 0},
    {1, 0, 825, {}, CellKind::Typed, 8, 2, 2, 2, 0},
    {2, 0, 1035, {}, CellKind::Typed, 8, 2, 2, 2, 0},
    {3, 0, 615, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {4, 0, 510, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {5, 0, 510, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {6, 0, 615, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {7, 0, 510, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {8, 0, 615, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {9, 0, 510, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {10, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {11, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {12, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {13, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {14, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {15, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {16, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {17, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
};
// clang-format on

ViewSpec MakeEncodeSpec() {
    static const std::vector<GridColumn> columns = [] {
        std::vector<GridColumn> out(std::begin(kEncodeColumns), std::end(kEncodeColumns));
        out[3].list = FiveToneEncodeMuteModeList;
        for (int c = 4; c <= 9; ++c) out[static_cast<std::size_t>(c)].list = CheckMarkListActiveLow;
        for (int c = 10; c <= 17; ++c) out[static_cast<std::size_t>(c)].list = CheckMarkList;
        return out;
    }();
    static const std::vector<ColumnStates> states = [] {
        std::vector<ColumnStates> s(EncodeCol::Count, ColumnStates{});
        for (int c : {2, 5, 10, 11, 12, 13, 14, 15, 16, 17}) s[static_cast<std::size_t>(c)] = AllStates(5);
        s[6] = Variant0(3);
        return s;
    }();
    ViewSpec v;
    v.columns = columns;
    v.states = states;
    v.records = 32;
    std::vector<std::string> r0(EncodeCol::Count, "5-Tone Encode"), r1, r2;
    r0[0] = "";
    r1 = {"Enc\nNo.", "Encode\nCode", "TAG", "Mute\nMode", "Ext\n1st", "Sel", "Over\nWrt", "Trans", "Trans",
          "Grp\nDgt"};
    r2 = {"Enc\nNo.", "Encode\nCode", "TAG", "Mute\nMode", "Ext\n1st", "Sel", "Over\nWrt", "Dec", "Beep",
          "Grp\nDgt"};
    for (int k = 1; k <= 8; ++k) {
        r1.push_back("Input Digit");
        r2.push_back(std::to_string(k));
    }
    v.headers = {r0, r1, r2};
    HeaderSpanRows spans = Covered(3, EncodeCol::Count);
    spans[0][0] = {1, 1};
    spans[0][1] = {1, 17};
    for (int c : {0, 1, 2, 3, 4, 5, 6, 9}) spans[1][static_cast<std::size_t>(c)] = {2, 1};
    spans[1][7] = {1, 2};
    spans[1][10] = {1, 8};
    for (int c : {7, 8, 10, 11, 12, 13, 14, 15, 16, 17}) spans[2][static_cast<std::size_t>(c)] = {1, 1};
    v.headerSpans = spans;

    v.bindings.resize(EncodeCol::Count);
    v.bindings[0] = Number();
    v.bindings[1] = DigitCode(Enc::Count, Enc::Digit1, EncodeStride);
    v.bindings[2].format = [](const CloneImage& image, int r) {
        return CellValue{ItemMap::GetTone5EncodeTag(image, r), false};
    };
    v.bindings[2].store = [](CloneImage& image, int r, std::string_view text) {
        return ItemMap::SetTone5EncodeTag(image, r, text) != 0;
    };
    v.bindings[3] = CodeField(FiveToneEncodeMuteModeList, Enc::MuteMode, EncodeStride);
    v.bindings[4] = CodeField(CheckMarkListActiveLow, Enc::Ext1st, EncodeStride);
    v.bindings[5] = CodeField(CheckMarkListActiveLow, Enc::Sel, EncodeStride);
    v.bindings[6] = CodeField(CheckMarkListActiveLow, Enc::OverWrt, EncodeStride);
    v.bindings[7] = CodeField(CheckMarkListActiveLow, Enc::TransDec, EncodeStride);
    v.bindings[8] = CodeField(CheckMarkListActiveLow, Enc::TransBeep, EncodeStride);
    v.bindings[9] = CodeField(CheckMarkListActiveLow, Enc::GrpDgt, EncodeStride);
    for (int k = 0; k < 8; ++k)
        v.bindings[static_cast<std::size_t>(EncodeCol::InputDigit1 + k)] =
            CodeField(CheckMarkList, Enc::InputDigit1 + k, EncodeStride);
    v.shown = [](const CloneImage& image, int col, int state) {
        if (HiddenState(state)) return false;
        if (state == 2 || state == 5)
            if (col == EncodeCol::Tag || col == EncodeCol::Sel || col >= EncodeCol::InputDigit1)
                return !Model::IsPlainKind(image);
        return true;
    };
    v.printListOf = ToneTables::CheckPrintTwin;
    v.keyFilter = [](int col, char32_t key) -> char32_t {
        if (col == EncodeCol::Code) return CodeKey(key);
        if (col == EncodeCol::Tag) return TagKey(key);
        return key;
    };
    return v;
}

// ---- the decode view ------------------------------------------------------------------
// clang-format off
constexpr GridColumn kDecodeColumns[] = {
    {0, 0, 510, {}, CellKind::ReadOnly, 0, 0, 0, 0, 0},
    {1, 0, 825, {}, CellKind::Typed, 8, 2, 2, 2, 0},
    {2, 0, 1035, {}, CellKind::Typed, 8, 2, 2, 2, 0},
    {3, 0, 825, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {4, 0, 1245, {}, CellKind::ListValue, 0, 0, 6, 6, 0},
    {5, 0, 825, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {6, 0, 720, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {7, 0, 720, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {8, 0, 720, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {9, 0, 825, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {10, 0, 615, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {11, 0, 510, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {12, 0, 1290, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {13, 0, 825, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {14, 0, 825, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {15, 0, 825, {}, CellKind::DropDown, 0, 3, 3, 3, 0},
    {16, 0, 615, {}, CellKind::DropDown, 0, 3, 3, 3, 3},
    {17, 0, 615, {}, CellKind::ListValue, 0, 1, 1, 1, 0},
    {18, 0, 615, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {19, 0, 615, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {20, 0, 615, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {21, 0, 615, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
};
// clang-format on

std::uint32_t LedColour(const CloneImage& image, int rec) {
    return 2 * ReadCode(Dec::LedColorHigh, image, rec, DecodeStride) + ReadCode(Dec::LedColorLow, image, rec, DecodeStride);
}
void WriteLedColour(CloneImage& image, int rec, std::uint32_t colour) {
    WriteCode(Dec::LedColorHigh, image, rec, DecodeStride, (colour >> 1) & 1);
    WriteCode(Dec::LedColorLow, image, rec, DecodeStride, colour & 1);
}
void WriteLedMode(CloneImage& image, int rec, std::uint32_t v) {
    if (v == 255) {
        WriteLedColour(image, rec, 0);
        WriteCode(Dec::LedMode, image, rec, DecodeStride, 0);
    } else {
        WriteCode(Dec::LedMode, image, rec, DecodeStride, v);
    }
}
// In the one-group mode a stored "Start" means "Group": the cell shows it so,
// and a "Start" chosen there is stored as "Drop".
std::uint32_t ScanShown(const CloneImage& image, std::uint32_t stored) {
    return Version::HasFeatureFlag(image) && stored == 2 ? 3u : stored;
}
std::uint32_t ScanStored(const CloneImage& image, std::uint32_t chosen) {
    return Version::HasFeatureFlag(image) && chosen == 2 ? 1u : chosen;
}
// Beeps H-J only where the firmware plays them: elsewhere a stored H-J shows
// and is written as no beep.
std::uint32_t BeepShown(const CloneImage& image, std::uint32_t stored) {
    return !TwoToneViews::AllBeepsAllowed(image) && stored >= 8 && stored <= 10 ? 0u : stored;
}

std::uint32_t TranspondValue(const CloneImage& image, int rec) {
    const std::uint32_t type = ReadCode(Dec::TranspondType, image, rec, DecodeStride);
    if (type == 3) return 0x300 + ReadCode(Dec::TranspondEncode, image, rec, DecodeStride);
    if (type == 7)
        return 0x700 + 16 * ReadCode(Dec::Type7High, image, rec, DecodeStride) +
               ReadCode(Dec::Type7Low, image, rec, DecodeStride);
    return type * 256;
}
void WriteTranspond(CloneImage& image, int rec, std::uint32_t v) {
    const std::uint32_t type = (v >> 8) & 7, low = v & 0xFF;
    WriteCode(Dec::TranspondType, image, rec, DecodeStride, type);
    if (type == 3) WriteCode(Dec::TranspondEncode, image, rec, DecodeStride, low);
    if (type == 7) {
        WriteCode(Dec::Type7High, image, rec, DecodeStride, low >> 4);
        WriteCode(Dec::Type7Low, image, rec, DecodeStride, low & 0xF);
    }
}

bool GroupHides(int col) {
    return col == DecodeCol::Code || col == DecodeCol::TranspondTxLed || col == DecodeCol::TranspondCode ||
           col == DecodeCol::AutoTx;
}

// Maps the row's record index to the decode record (the last row is the
// group record) and keeps the group row's hidden cells empty and unwritten.
ColumnBinding ForDecodeRow(ColumnBinding b, int col, int rows) {
    auto rec = [rows](int r) { return r == rows - 1 ? GroupRecord : r; };
    auto hidden = [col, rec](int r) { return rec(r) == GroupRecord && GroupHides(col); };
    ColumnBinding out;
    if (b.format)
        out.format = [=](const CloneImage& image, int r) { return hidden(r) ? CellValue{} : b.format(image, rec(r)); };
    out.parse = b.parse;
    if (b.write)
        out.write = [=](CloneImage& image, int r, std::uint32_t v) {
            if (!hidden(r)) b.write(image, rec(r), v);
        };
    if (b.cycle)
        out.cycle = [=](CloneImage& image, int r, std::string_view text) {
            if (!hidden(r)) b.cycle(image, rec(r), text);
        };
    if (b.store)
        out.store = [=](CloneImage& image, int r, std::string_view text) {
            return !hidden(r) && b.store(image, rec(r), text);
        };
    return out;
}

ViewSpec MakeDecodeSpec(int rows, ItemList transpond) {
    static const std::vector<ColumnStates> states = [] {
        std::vector<ColumnStates> s(DecodeCol::Count, ColumnStates{});
        for (int c : {2, 5, 6}) s[static_cast<std::size_t>(c)] = AllStates(5);
        for (int c : {13, 18, 19, 20, 21}) s[static_cast<std::size_t>(c)] = AllStates(3);
        return s;
    }();
    static const std::vector<GridColumn> columns = [transpond] {
        std::vector<GridColumn> out(std::begin(kDecodeColumns), std::end(kDecodeColumns));
        const ItemList lists[] = {{},
                                  {},
                                  {},
                                  CheckMarkListActiveLow,
                                  transpond,
                                  FiveToneDecodeIdDisplayList,
                                  FiveToneDecodeCallDisplayList,
                                  FiveToneDecodeMuteModeList,
                                  FiveToneDecodeScanList,
                                  FiveToneDecodeStunList,
                                  CheckMarkListActiveLow,
                                  CheckMarkListActiveLow,
                                  FiveToneDecodeLedModeList,
                                  FiveToneDecodeLedColorList,
                                  FiveToneDecodeAlertModeList,
                                  FiveToneDecodeAlertRepeatList,
                                  FiveToneDecodeBeepList,
                                  {},
                                  FiveToneDecodeAccControlList,
                                  FiveToneDecodeAccControlList,
                                  FiveToneDecodeAccControlList,
                                  FiveToneDecodeAccControlList};
        for (std::size_t i = 0; i < out.size(); ++i) out[i].list = lists[i];
        return out;
    }();
    ViewSpec v;
    v.columns = columns;
    v.states = states;
    v.records = rows;
    std::vector<std::string> r0(DecodeCol::Count, "5-Tone Decode"), r1, r2;
    r0[0] = "";
    r1 = {"Dec\nNo.", "Decode\nCode", "TAG", "Transpond", "Transpond", "Dec/ID\nDisp", "Call\nDisp", "Mute\nMode",
          "Scan", "Stun", "Auto\nTX", "Emg\nOFF", "Decode LED", "Decode LED", "Alert", "Alert", "Alert", "Alert",
          "ACC Control", "ACC Control", "ACC Control", "ACC Control"};
    r2 = {"Dec\nNo.", "Decode\nCode", "TAG", "TX LED", "Code", "Dec/ID\nDisp", "Call\nDisp", "Mute\nMode", "Scan",
          "Stun", "Auto\nTX", "Emg\nOFF", "Mode", "Color", "Mode", "Repeat", "Beep", "Play", "1", "2", "3", "4"};
    v.headers = {r0, r1, r2};
    HeaderSpanRows spans = Covered(3, DecodeCol::Count);
    spans[0][0] = {1, 1};
    spans[0][1] = {1, 21};
    for (int c : {0, 1, 2, 5, 6, 7, 8, 9, 10, 11}) spans[1][static_cast<std::size_t>(c)] = {2, 1};
    spans[1][3] = {1, 2};
    spans[1][12] = {1, 2};
    spans[1][14] = {1, 4};
    spans[1][18] = {1, 4};
    for (int c : {3, 4, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}) spans[2][static_cast<std::size_t>(c)] = {1, 1};
    v.headerSpans = spans;

    std::vector<ColumnBinding> b(DecodeCol::Count);
    b[0] = Number(ListRows(FiveToneGroupCaptionList)[0].text, GroupRecord);
    b[1] = DigitCode(Dec::Count, Dec::Digit1, DecodeStride);
    b[2].format = [](const CloneImage& image, int r) { return CellValue{ItemMap::GetTone5DecodeTag(image, r), false}; };
    b[2].store = [](CloneImage& image, int r, std::string_view text) {
        return ItemMap::SetTone5DecodeTag(image, r, text) != 0;
    };
    b[3] = CodeField(CheckMarkListActiveLow, Dec::TranspondTxLed, DecodeStride);
    b[4].format = [](const CloneImage& image, int r) {
        return ListText(FiveToneTranspondCodeList(), TranspondValue(image, r));
    };
    b[4].write = WriteTranspond;
    b[5] = CodeField(FiveToneDecodeIdDisplayList, Dec::DecIdDisp, DecodeStride);
    b[6] = CodeField(FiveToneDecodeCallDisplayList, Dec::CallDisp, DecodeStride);
    b[7] = CodeField(FiveToneDecodeMuteModeList, Dec::MuteMode, DecodeStride);
    b[8].format = [](const CloneImage& image, int r) {
        return ListText(FiveToneDecodeScanList, ScanShown(image, ReadCode(Dec::Scan, image, r, DecodeStride)));
    };
    b[8].write = [](CloneImage& image, int r, std::uint32_t v) {
        WriteCode(Dec::Scan, image, r, DecodeStride, ScanStored(image, v));
    };
    b[9] = CodeField(FiveToneDecodeStunList, Dec::Stun, DecodeStride);
    b[10] = CodeField(CheckMarkListActiveLow, Dec::AutoTx, DecodeStride);
    b[11] = CodeField(CheckMarkListActiveLow, Dec::EmgOff, DecodeStride);
    b[12].format = [](const CloneImage& image, int r) {
        const std::uint32_t mode = ReadCode(Dec::LedMode, image, r, DecodeStride);
        // Modes 2 and 4-7 have no row: such a cell stays invalid (and unwritten).
        return ListText(FiveToneDecodeLedModeList, mode == 0 && LedColour(image, r) == 0 ? 255u : mode);
    };
    b[12].write = WriteLedMode;
    b[12].cycle = [](CloneImage& image, int r, std::string_view text) {
        const auto next = NextListValue(FiveToneDecodeLedModeList, text);
        if (!next) return;
        const auto v = static_cast<std::uint32_t>(*next);
        if (v != 0 && v != 255 && text == ListRows(FiveToneDecodeLedModeList)[1].text) WriteLedColour(image, r, 3);
        WriteLedMode(image, r, v);
    };
    b[13].format = [](const CloneImage& image, int r) {
        const std::uint32_t mode = ReadCode(Dec::LedMode, image, r, DecodeStride), colour = LedColour(image, r);
        if (mode == 0 || colour == 0) return CellValue{ListRows(FiveToneDecodeLedColorNoneList)[0].text, false};
        return ListText(FiveToneDecodeLedColorList, colour);
    };
    b[13].write = [](CloneImage& image, int r, std::uint32_t v) {
        if (LedColour(image, r) != 0) WriteLedColour(image, r, v);
    };
    b[13].cycle = [](CloneImage& image, int r, std::string_view text) {
        const std::uint32_t mode = ReadCode(Dec::LedMode, image, r, DecodeStride);
        const bool lit = !(mode == 0 && LedColour(image, r) == 0) &&
                         !FindNameByIdOrEmpty(ListRows(FiveToneDecodeLedModeList), static_cast<std::int32_t>(mode)).empty() &&
                         mode != 0;
        if (!lit) return;
        if (auto next = NextListValue(FiveToneDecodeLedColorList, text))
            WriteLedColour(image, r, static_cast<std::uint32_t>(*next));
    };
    b[14] = CodeField(FiveToneDecodeAlertModeList, Dec::AlertMode, DecodeStride);
    b[14].write = [](CloneImage& image, int r, std::uint32_t v) {
        if (v == 3) WriteCode(Dec::AlertRepeat, image, r, DecodeStride, 0);
        WriteCode(Dec::AlertMode, image, r, DecodeStride, v);
    };
    b[15].format = [](const CloneImage& image, int r) {
        if (ReadCode(Dec::AlertMode, image, r, DecodeStride) != 3)
            return CellValue{FiveToneDecodeNotApplicableText, false};
        return ListText(FiveToneDecodeAlertRepeatList, ReadCode(Dec::AlertRepeat, image, r, DecodeStride));
    };
    b[15].write = [](CloneImage& image, int r, std::uint32_t v) {
        if (ReadCode(Dec::AlertMode, image, r, DecodeStride) == 3) WriteCode(Dec::AlertRepeat, image, r, DecodeStride, v);
    };
    b[16].format = [](const CloneImage& image, int r) {
        return ListText(FiveToneDecodeBeepList, BeepShown(image, ReadCode(Dec::Beep, image, r, DecodeStride)));
    };
    b[16].write = [](CloneImage& image, int r, std::uint32_t v) {
        WriteCode(Dec::Beep, image, r, DecodeStride, BeepShown(image, v));
    };
    b[17].format = [](const CloneImage&, int) { return CellValue{}; };
    for (int k = 0; k < 4; ++k)
        b[static_cast<std::size_t>(DecodeCol::Acc1 + k)] =
            CodeField(FiveToneDecodeAccControlList, Dec::Acc1 + k, DecodeStride);
    for (int c = 0; c < DecodeCol::Count; ++c)
        b[static_cast<std::size_t>(c)] = ForDecodeRow(std::move(b[static_cast<std::size_t>(c)]), c, rows);
    v.bindings = std::move(b);

    v.shown = [](const CloneImage& image, int col, int state) {
        if (HiddenState(state)) return false;
        if ((state == 2 || state == 5) && (col == DecodeCol::Tag || col == DecodeCol::DecIdDisp || col == DecodeCol::CallDisp))
            return !Model::IsPlainKind(image);
        return true;
    };
    v.cellShown = [rows](int r, int col) { return !(r == rows - 1 && GroupHides(col)); };
    v.printListOf = ToneTables::CheckPrintTwin;
    v.keyFilter = [](int col, char32_t key) -> char32_t {
        if (col == DecodeCol::Code) return CodeKey(key);
        if (col == DecodeCol::Tag) return TagKey(key);
        return key;
    };
    return v;
}

}  // namespace

int SystemCount(const CloneImage& image) {
    return Model::IndexFromTypeCode(image) == 1 ? 16 : 32;
}

int DecodeRowCount(const CloneImage& image) {
    return Model::IndexFromTypeCode(image) == 1 ? 6 : 9;
}

bool Tp40Offered(const CloneImage& image, int serviceMode) {
    return serviceMode != 0 || image[3] == 2;
}

ViewSpec SystemSpec(const CloneImage& image, int serviceMode) {
    ViewSpec v = MakeSystemSpec(Tp40Offered(image, serviceMode));
    v.records = SystemCount(image);
    return v;
}

ViewSpec EncodeSpec() {
    return MakeEncodeSpec();
}

ViewSpec DecodeSpec(const CloneImage& image) {
    return MakeDecodeSpec(DecodeRowCount(image), BuildTranspondCodeList(image));
}

std::string CodeText(std::uint32_t count, const std::array<std::uint32_t, 8>& digits) {
    const std::uint32_t n = std::min<std::uint32_t>(count, 8);
    std::string text;
    for (std::uint32_t k = 0; k < n; ++k) text += "0123456789ABCDEF"[digits[k] & 0xF];
    return text;
}

std::optional<std::vector<std::uint8_t>> ParseCode(std::string_view text) {
    std::vector<std::uint8_t> digits;
    for (char c : text) {
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        if (c >= 'A' && c <= 'E') d = c - 'A' + 10;
        if (c >= 'a' && c <= 'e') d = c - 'a' + 10;
        if (d < 0) return std::vector<std::uint8_t>{};
        digits.push_back(static_cast<std::uint8_t>(d));
    }
    if (digits.size() > 8) return std::nullopt;
    return digits;
}

void UpdateDerivedItems(CloneImage& image) {
    CloneImageOps::Copy5ToneSystemBytes(image);
    CloneImageOps::CopyItemList(image);
}

std::string SystemPopupCaption(int col, int record) {
    const ItemList formats = ListRows(FiveToneFormatCaptionList), codes = ListRows(FiveToneCodeCaptionList);
    const char* caption = nullptr;
    switch (col) {
        case SystemCol::RepeaterTable: caption = formats[0].text; break;
        case SystemCol::CallIdTable: caption = formats[1].text; break;
        case SystemCol::RepeaterCode: caption = codes[0].text; break;
        case SystemCol::CallCode: caption = codes[1].text; break;
        case SystemCol::IdCode: caption = codes[2].text; break;
        default: return {};
    }
    return std::string(caption) + " (" + FindNameById(ListRows(FiveToneSystemNoList), record + 1) + ")";
}

std::string TranspondPopupCaption(int record) {
    return std::string(ListRows(FiveToneTranspondCaptionList)[0].text) + " (" +
           FindNameById(ListRows(FiveToneSystemNoList), record + 1) + ")";
}

int DecodeRecordOf(const GridViewModel& decode, int row) {
    const int r = decode.RecordOf(row);
    return r == decode.Spec().records - 1 ? GroupRecord : r;
}

DragState MakeDrag(const GridViewModel& view, int kind, const std::vector<int>& rows) {
    DragState d;
    d.kind = kind;
    std::size_t slot = 0;
    for (int row : rows) {
        if (slot == d.items.size()) break;
        if (!view.IsDataRow(row)) continue;
        if (kind == 3 && DecodeRecordOf(view, row) == GroupRecord) continue;
        const std::string number = view.Text(row, 0);
        if (number.empty()) continue;
        const int n = std::atoi(number.c_str());
        if (n < 1 || n > 254) continue;
        d.items[slot++] = static_cast<std::uint8_t>(n);
    }
    return d;
}

bool DropOnSystem(GridViewModel& system, const DragState& drag, int row, int col) {
    if (drag.kind == 0 || !system.IsDataRow(row)) return false;
    bool changed = false;
    if (drag.kind == 2) {
        if (col != SystemCol::RepeaterCode && col != SystemCol::CallCode && col != SystemCol::IdCode) return false;
        const ItemList list = ListRows(system.Column(col).list);
        int target = row;
        for (std::uint8_t item : drag.items) {
            if (item == 0xFF) continue;
            if (!system.IsDataRow(target)) break;
            std::string text = FindNameByIdOrEmpty(list, static_cast<std::int32_t>(item) - 1);
            if (text.empty()) text = list[0].text;
            system.SetText(target, col, text);
            changed |= system.CommitCell(target, col);
            ++target;
        }
    } else if (drag.kind == 3) {
        for (std::uint8_t item : drag.items) {
            if (item < 1 || item > 8) continue;
            WriteSys(Sys::DecodeCode1 + item - 1, system.Image(), system.RecordOf(row), 0);  // 0 is ticked
            changed = true;
        }
        system.RefreshRow(row);
    }
    return changed;
}

std::filesystem::path SampleFile(const CloneImage& image, int record, const std::filesystem::path& programFolder) {
    const std::uint32_t beep = BeepShown(image, ReadCode(Dec::Beep, image, record, DecodeStride));
    if (beep < 1 || beep > 10) return {};
    const std::string name(1, static_cast<char>('A' + beep - 1));
    return programFolder / "Tone_sample" / (name + ".wav");
}

bool IsDecodeCellShown(const GridViewModel& view, int row, int col) {
    return view.IsCellShown(row, col);
}

void AdjustSystemEdit(const GridViewModel& view, int row, int col, GridViewModel::EditStart& e) {
    if (col != SystemCol::AutoResetTime || !view.IsDataRow(row)) return;
    e.text = Sprintf("%.1f", ReadSys(Sys::AutoResetTime, view.Image(), view.RecordOf(row)) * 0.5);
}

void AdjustDecodeEdit(const GridViewModel& view, int row, int col, GridViewModel::EditStart& e) {
    if (!IsDecodeCellShown(view, row, col)) {
        e.allowed = false;
        return;
    }
    if (col == DecodeCol::AlertRepeat && view.Text(row, col) == FiveToneDecodeNotApplicableText) {
        e.allowed = false;
        return;
    }
    if (col == DecodeCol::Beep && !TwoToneViews::AllBeepsAllowed(view.Image())) {
        e.comboList.clear();
        for (const auto& r : ListRows(FiveToneDecodeBeepList)) {
            if (r.value >= 8) break;
            if (!e.comboList.empty()) e.comboList += '|';
            e.comboList += r.text;
        }
    }
}

}  // namespace FiveToneViews
