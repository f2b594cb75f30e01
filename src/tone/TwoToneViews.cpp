#include "tone/TwoToneViews.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>

#include "image/ItemMap.h"
#include "image/ItemsSystem.h"
#include "image/ItemsTone.h"
#include "image/Model.h"
#include "image/TagCharRule.h"
#include "image/UiUtil.h"
#include "tone/ToneTables.h"

namespace TwoToneViews {

using namespace GridView;
using namespace ToneTables;

namespace {

constexpr std::uint32_t RecordStride = 16;
constexpr HeaderItemDescriptor kCallCodeCopy{200, 1, 0xFF, 0, 0};

const ImageItemDescriptor& Item(int ordinal) {
    return ItemMap::Tone2Items[ordinal];
}
std::uint32_t Read(int ordinal, const CloneImage& image, int record) {
    return ItemMap::ReadImageField(Item(ordinal), image, static_cast<std::uint32_t>(record), RecordStride);
}
void Write(int ordinal, CloneImage& image, int record, std::uint32_t value) {
    ItemMap::WriteImageField(Item(ordinal), image, static_cast<std::uint32_t>(record), RecordStride, value);
}

CellValue ListText(ItemList list, std::uint32_t value) {
    const std::string text = FindNameByIdOrEmpty(ListRows(list), static_cast<std::int32_t>(value));
    if (text.empty()) return {{}, true};
    return {text, false};
}

// A column bound to one field through its list.
ColumnBinding ListField(ItemList list, int ordinal) {
    ColumnBinding b;
    b.format = [list, ordinal](const CloneImage& image, int r) { return ListText(list, Read(ordinal, image, r)); };
    b.write = [ordinal](CloneImage& image, int r, std::uint32_t v) { Write(ordinal, image, r, v); };
    return b;
}

ColumnBinding RecordNumber() {
    ColumnBinding b;
    b.format = [](const CloneImage&, int r) { return CellValue{std::to_string(r + 1), false}; };
    return b;
}

// Tone period: steps of 50 ms, shown in seconds; typed as seconds.
ColumnBinding Period(int ordinal) {
    ColumnBinding b;
    b.format = [ordinal](const CloneImage& image, int r) {
        const std::uint32_t v = Read(ordinal, image, r);
        const ItemList rows = ListRows(TwoTonePeriodUnitList);
        if (v == 0) return CellValue{rows[0].text, false};
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.2f %s", v / 20.0, rows[1].text);
        return CellValue{buf, false};
    };
    b.parse = [](const CloneImage&, std::string_view text) -> std::optional<std::uint32_t> {
        std::string t(text);
        for (char& c : t)
            if (c == ',') c = '.';
        const double seconds = std::strtod(t.c_str(), nullptr);
        const double steps = std::trunc(seconds * 20.0);
        if (!(steps > 0)) return 0u;  // also NaN
        return steps > 255 ? 255u : static_cast<std::uint32_t>(steps);
    };
    b.write = [ordinal](CloneImage& image, int r, std::uint32_t v) { Write(ordinal, image, r, v); };
    return b;
}

ColumnBinding ToneCode(int ordinal) {
    ColumnBinding b;
    b.format = [ordinal](const CloneImage& image, int r) {
        return CellValue{ToneCodeText(image, Read(ordinal, image, r)), false};
    };
    b.parse = [](const CloneImage& image, std::string_view text) { return ToneCodeOf(image, text); };
    b.write = [ordinal](CloneImage& image, int r, std::uint32_t v) { Write(ordinal, image, r, v); };
    return b;
}

char32_t TagKey(char32_t key) {
    return CurrentTagCharRule().NormalizeChar(key);
}

// ---- the system view ----------------------------------------------------------
// clang-format off
constexpr GridColumn kSystemColumns[] = {
    {0, 0, 510, {}, CellKind::ReadOnly, 0, 0, 0, 0, 0},
    {1, 0, 1245, {}, CellKind::DropDown, 0, 3, 3, 3, 0},
    {2, 0, 615, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {3, 0, 615, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {4, 0, 615, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {5, 0, 720, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {6, 0, 510, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {7, 1, 510, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {8, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {9, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {10, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {11, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {12, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {13, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {14, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {15, 0, 300, {}, CellKind::Check, 0, 5, 5, 5, 0},
    {16, 0, 1035, {}, CellKind::Typed, 5, 2, 2, 2, 0},
    {17, 0, 1035, {}, CellKind::Typed, 5, 2, 2, 2, 0},
    {18, 0, 1035, {}, CellKind::Typed, 5, 2, 2, 2, 0},
};
// clang-format on

constexpr ColumnStates kAllStates(std::uint8_t s) {
    ColumnStates a{};
    for (auto& x : a) x = s;
    return a;
}
constexpr ColumnStates kVariant0(std::uint8_t s) {
    ColumnStates a{};
    a[0] = a[1] = a[2] = s;
    return a;
}

std::vector<GridColumn> WithLists(std::span<const GridColumn> table, std::vector<ItemList> lists) {
    std::vector<GridColumn> out(table.begin(), table.end());
    for (std::size_t i = 0; i < out.size() && i < lists.size(); ++i) out[i].list = lists[i];
    return out;
}

HeaderSpanRows Covered(int rows, int cols) {
    return HeaderSpanRows(static_cast<std::size_t>(rows),
                          std::vector<HeaderSpan>(static_cast<std::size_t>(cols), HeaderSpan{0, 0}));
}

ViewSpec MakeSystemSpec() {
    static const std::vector<GridColumn> columns = WithLists(
        kSystemColumns, {{},
                         TwoToneSystemCallCodeList,
                         CheckMarkListActiveLow,
                         CheckMarkList,
                         TwoToneMonitorSwitchList,
                         TwoToneChannelSwitchList,
                         CheckMarkList,
                         CheckMarkListActiveLow,
                         CheckMarkListActiveLow,
                         CheckMarkListActiveLow,
                         CheckMarkListActiveLow,
                         CheckMarkListActiveLow,
                         CheckMarkListActiveLow,
                         CheckMarkListActiveLow,
                         CheckMarkListActiveLow,
                         CheckMarkListActiveLow,
                         TwoTonePeriodUnitList,
                         TwoTonePeriodUnitList,
                         TwoTonePeriodUnitList});
    static const std::vector<ColumnStates> states = [] {
        std::vector<ColumnStates> s(19, ColumnStates{});
        s[7] = kAllStates(5);
        s[13] = s[14] = s[15] = kVariant0(3);
        return s;
    }();
    ViewSpec v;
    v.columns = columns;
    v.states = states;
    v.headerRows = 3;
    v.records = 8;
    std::vector<std::string> r0(19, "2-Tone System"), r1, r2;
    r0[0] = "";
    r1 = {"Sys\nNo.", "Call\nCode", "Sync\nMute", "Duty", "Moni\nSW", "CH\nSW", "PTT\nSW", "C/D\nComp"};
    r2 = r1;
    for (int k = 1; k <= 8; ++k) {
        r1.push_back("Decode Code");
        r2.push_back(std::to_string(k));
    }
    for (const char* t : {"1st", "2nd", "Grp"}) {
        r1.push_back("Tone Period Time");
        r2.push_back(t);
    }
    v.headers = {r0, r1, r2};
    HeaderSpanRows spans = Covered(3, 19);
    spans[0][0] = {1, 1};
    spans[0][1] = {1, 18};
    for (int c = 0; c < 8; ++c) spans[1][static_cast<std::size_t>(c)] = {2, 1};
    spans[1][8] = {1, 8};
    spans[1][16] = {1, 3};
    for (int c = 8; c < 19; ++c) spans[2][static_cast<std::size_t>(c)] = {1, 1};
    v.headerSpans = spans;

    v.bindings.resize(19);
    v.bindings[0] = RecordNumber();
    v.bindings[1] = ListField(TwoToneSystemCallCodeList, 6);
    v.bindings[2] = ListField(CheckMarkListActiveLow, 7);
    v.bindings[3] = ListField(CheckMarkList, 8);
    v.bindings[4] = ListField(TwoToneMonitorSwitchList, 11);
    v.bindings[5] = ListField(TwoToneChannelSwitchList, 12);
    v.bindings[6] = ListField(CheckMarkList, 13);
    v.bindings[7] = ListField(CheckMarkListActiveLow, 14);
    for (int k = 0; k < 8; ++k) v.bindings[static_cast<std::size_t>(8 + k)] = ListField(CheckMarkListActiveLow, 18 + k);
    for (int k = 0; k < 3; ++k) v.bindings[static_cast<std::size_t>(16 + k)] = Period(15 + k);

    v.shown = [](const CloneImage& image, int col, int state) {
        if (state == 1 || state == 3 || state == 4) return false;
        if (state == 5 && col == SystemCol::CdComp) {
            const bool modelA = Model::IndexFromTypeCode(image) == 0;
            return modelA ? Version::Compare(image, 2, 1, 1, 0) >= 0 : Version::Compare(image, 1, 7, 1, 0) >= 0;
        }
        return true;
    };
    v.printListOf = CheckPrintTwin;
    v.keyFilter = [](int col, char32_t key) -> char32_t {
        if (col >= SystemCol::Period1st && col <= SystemCol::PeriodGroup)
            return (key >= '0' && key <= '9') || key == '.' || key == ',' ? key : 0;
        return key;
    };
    return v;
}

// ---- the encode view ----------------------------------------------------------
constexpr GridColumn kEncodeColumns[] = {
    {0, 0, 510, {}, CellKind::ReadOnly, 0, 0, 0, 0, 0},
    {1, 0, 1035, {}, CellKind::Typed, 8, 2, 2, 2, 0},
    {2, 0, 615, {}, CellKind::ListValue, 0, 0, 6, 6, 0},
    {3, 0, 615, {}, CellKind::ListValue, 0, 0, 6, 6, 0},
};

ViewSpec MakeEncodeSpec() {
    static const std::vector<GridColumn> columns =
        WithLists(kEncodeColumns, {{}, {}, TwoToneEncodeToneList, TwoToneEncodeToneList});
    static const std::vector<ColumnStates> states = {ColumnStates{}, kAllStates(5), ColumnStates{},
                                                     ColumnStates{}};
    ViewSpec v;
    v.columns = columns;
    v.states = states;
    const std::vector<std::string> r0{"", "2-Tone Encode", "2-Tone Encode", "2-Tone Encode"};
    const std::vector<std::string> r1{"Enc\nNo.", "TAG", "1st\nTone", "2nd\nTone"};
    v.headers = {r0, r1, r1};
    HeaderSpanRows spans = Covered(3, 4);
    spans[0][0] = {1, 1};
    spans[0][1] = {1, 3};
    for (int c = 0; c < 4; ++c) spans[1][static_cast<std::size_t>(c)] = {2, 1};
    v.headerSpans = spans;
    v.bindings.resize(4);
    v.bindings[0] = RecordNumber();
    v.bindings[1].format = [](const CloneImage& image, int r) {
        return CellValue{ItemMap::GetTone2EncodeTag(image, r), false};
    };
    v.bindings[1].store = [](CloneImage& image, int r, std::string_view text) {
        return ItemMap::SetTone2EncodeTag(image, r, text) != 0;
    };
    v.bindings[2] = ToneCode(44);
    v.bindings[3] = ToneCode(45);
    v.shown = [](const CloneImage& image, int col, int state) {
        if (state == 1 || state == 3 || state == 4) return false;
        if (col == EncodeCol::Tag) return !Model::IsPlainKind(image);
        return true;
    };
    v.keyFilter = [](int col, char32_t key) { return col == EncodeCol::Tag ? TagKey(key) : key; };
    return v;
}

// ---- the decode view ----------------------------------------------------------
// Action 3 passes the key on to the grid; 1 plays the sample.
constexpr GridColumn kDecodeColumns[] = {
    {0, 0, 510, {}, CellKind::ReadOnly, 0, 3, 3, 3, 0},
    {1, 0, 1035, {}, CellKind::Typed, 8, 2, 2, 2, 0},
    {2, 0, 615, {}, CellKind::ListValue, 0, 3, 6, 6, 0},
    {3, 0, 615, {}, CellKind::ListValue, 0, 3, 6, 6, 0},
    {4, 0, 720, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {5, 0, 720, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {6, 0, 825, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {7, 0, 825, {}, CellKind::ListValue, 0, 4, 4, 4, 0},
    {8, 0, 825, {}, CellKind::DropDown, 0, 3, 3, 3, 0},
    {9, 0, 615, {}, CellKind::DropDown, 0, 3, 3, 3, 0},
    {10, 0, 615, {}, CellKind::ListValue, 0, 1, 1, 1, 0},
};

constexpr int kLedMode = 30, kLedA = 31, kLedB = 32, kAlertMode = 33, kAlertRepeat = 34;

void WriteLed(CloneImage& image, int r, std::uint32_t value) {
    if (value == 255) {
        Write(kLedA, image, r, 0);
        Write(kLedB, image, r, 0);
        Write(kLedMode, image, r, 0);
    } else {
        Write(kLedMode, image, r, value);
    }
}

void WriteAlertMode(CloneImage& image, int r, std::uint32_t value) {
    if (value == 3) ItemMap::SetTone2DecodeAlertRepeat(image, r, 0);
    Write(kAlertMode, image, r, value);
}

ViewSpec MakeDecodeSpec() {
    static const std::vector<GridColumn> columns =
        WithLists(kDecodeColumns, {{}, {}, TwoToneDecodeToneList, TwoToneDecodeToneList, TwoToneCallDisplayList,
                                   TwoToneAfMuteList, TwoToneDecodeLedList, TwoToneAlertModeList,
                                   TwoToneAlertRepeatList, TwoToneBeepList, {}});
    static const std::vector<ColumnStates> states = [] {
        std::vector<ColumnStates> s(11, ColumnStates{});
        s[1] = s[4] = kAllStates(5);
        return s;
    }();
    ViewSpec v;
    v.columns = columns;
    v.states = states;
    std::vector<std::string> r0(11, "2-Tone Decode"), r1, r2;
    r0[0] = "";
    r1 = {"Dec\nNo.", "TAG", "1st\nTone", "2nd\nTone", "Call\nDisp", "AF\nMute", "Decode\nLED",
          "Alert", "Alert", "Alert", "Alert"};
    r2 = {"Dec\nNo.", "TAG", "1st\nTone", "2nd\nTone", "Call\nDisp", "AF\nMute", "Decode\nLED",
          "Mode", "Repeat", "Beep", "Play"};
    v.headers = {r0, r1, r2};
    HeaderSpanRows spans = Covered(3, 11);
    spans[0][0] = {1, 1};
    spans[0][1] = {1, 10};
    for (int c = 0; c < 7; ++c) spans[1][static_cast<std::size_t>(c)] = {2, 1};
    spans[1][7] = {1, 4};
    for (int c = 7; c < 11; ++c) spans[2][static_cast<std::size_t>(c)] = {1, 1};
    v.headerSpans = spans;

    v.bindings.resize(11);
    v.bindings[0] = RecordNumber();
    v.bindings[1].format = [](const CloneImage& image, int r) {
        return CellValue{ItemMap::GetTone2DecodeTag(image, r), false};
    };
    v.bindings[1].store = [](CloneImage& image, int r, std::string_view text) {
        return ItemMap::SetTone2DecodeTag(image, r, text) != 0;
    };
    v.bindings[2] = ToneCode(26);
    v.bindings[3] = ToneCode(27);
    v.bindings[4] = ListField(TwoToneCallDisplayList, 28);
    v.bindings[5] = ListField(TwoToneAfMuteList, 29);
    auto& led = v.bindings[6];
    led.format = [](const CloneImage& image, int r) {
        const std::uint32_t a = Read(kLedMode, image, r);
        const std::uint32_t value =
            a != 0 ? a : (Read(kLedA, image, r) == 0 && Read(kLedB, image, r) == 0 ? 255u : 0u);
        return ListText(TwoToneDecodeLedList, value);
    };
    led.write = WriteLed;
    led.cycle = [](CloneImage& image, int r, std::string_view text) {
        const auto next = NextListValue(TwoToneDecodeLedList, text);
        if (!next) return;
        const auto value = static_cast<std::uint32_t>(*next);
        if (value != 0 && value != 255 && text == ListRows(TwoToneDecodeLedList)[1].text) {
            Write(kLedA, image, r, 1);
            Write(kLedB, image, r, 1);
        }
        WriteLed(image, r, value);
    };
    v.bindings[7] = ListField(TwoToneAlertModeList, kAlertMode);
    v.bindings[7].write = WriteAlertMode;
    auto& repeat = v.bindings[8];
    repeat.format = [](const CloneImage& image, int r) {
        if (Read(kAlertMode, image, r) != 3) return CellValue{TwoToneNotApplicableText, false};
        return ListText(TwoToneAlertRepeatList, ItemMap::GetTone2DecodeAlertRepeat(image, r));
    };
    repeat.write = [](CloneImage& image, int r, std::uint32_t v) {
        if (Read(kAlertMode, image, r) == 3) ItemMap::SetTone2DecodeAlertRepeat(image, r, v);
    };
    v.bindings[9] = ListField(TwoToneBeepList, 35);
    v.bindings[10].format = [](const CloneImage&, int) { return CellValue{}; };

    v.shown = [](const CloneImage& image, int col, int state) {
        if (state == 1 || state == 3 || state == 4) return false;
        if ((state == 2 || state == 5) && (col == DecodeCol::Tag || col == DecodeCol::CallDisp)) {
            const std::uint32_t display = ItemMap::GetDisplayType(image);
            return display == 2 || display == 5 || display == 6;
        }
        return true;
    };
    v.keyFilter = [](int col, char32_t key) { return col == DecodeCol::Tag ? TagKey(key) : key; };
    return v;
}

}  // namespace

const ViewSpec& SystemSpec() {
    static const ViewSpec spec = MakeSystemSpec();
    return spec;
}
const ViewSpec& EncodeSpec() {
    static const ViewSpec spec = MakeEncodeSpec();
    return spec;
}
const ViewSpec& DecodeSpec() {
    static const ViewSpec spec = MakeDecodeSpec();
    return spec;
}

std::string ToneText(std::uint32_t word) {
    if (word == 0xFFFF) word = 0;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", word / 10.0);
    return buf;
}

std::string ToneCodeText(const CloneImage& image, std::uint32_t code) {
    if (code > 9) return "-";
    return ToneText(ItemMap::GetPackBytesLE(image, static_cast<int>(code)));
}

std::optional<std::uint32_t> ToneCodeOf(const CloneImage& image, std::string_view text) {
    if (text == "-") return 255u;
    for (std::uint32_t code = 0; code <= 9; ++code)
        if (ToneCodeText(image, code) == text) return code;
    return std::nullopt;
}

void CopyCallCodesToHeader(CloneImage& image) {
    for (int s = 0; s < 8; ++s)
        ItemMap::WriteHeaderField(kCallCodeCopy, image, static_cast<std::uint32_t>(s), 1, Read(6, image, s));
}

DragPayload MakeDragPayload(const GridViewModel& view, int kind, const std::vector<int>& rows) {
    DragPayload p;
    p.kind = kind;
    for (int row : rows) {
        if (!view.IsDataRow(row)) continue;
        const std::string number = view.Text(row, 0);
        if (number.empty()) continue;
        const int record = view.RecordOf(row);
        if (record < 8) p.records[static_cast<std::size_t>(record)] = static_cast<std::uint8_t>(std::atoi(number.c_str()));
    }
    return p;
}

bool DropOnSystem(GridViewModel& system, const DragPayload& payload, int row, int col) {
    if (payload.kind == 0 || !system.IsDataRow(row)) return false;
    bool changed = false;
    if (payload.kind == 2) {
        if (col != SystemCol::CallCode) return false;
        int target = row;
        for (std::uint8_t b : payload.records) {
            if (b == 0xFF) continue;
            if (!system.IsDataRow(target)) break;
            const std::string text =
                FindNameByIdOrEmpty(ListRows(TwoToneSystemCallCodeList), static_cast<std::int32_t>(b) - 1);
            if (!text.empty()) {
                system.SetText(target, SystemCol::CallCode, text);
                changed |= system.CommitCell(target, SystemCol::CallCode);
            }
            ++target;
        }
    } else if (payload.kind == 3) {
        for (std::uint8_t b : payload.records) {
            if (b < 1 || b > 8) continue;
            // Ticked is the stored 0 of the decode-code bits.
            Write(18 + b - 1, system.Image(), system.RecordOf(row), 0);
            changed = true;
        }
        system.RefreshRow(row);
    }
    return changed;
}

bool AllBeepsAllowed(const CloneImage& image) {
    const std::uint32_t product = ItemMap::GetProductType(image);
    if (product == 2) return Version::Compare(image, 1, 10, 2, 5) >= 0;
    if (product == 0) return Version::Compare(image, 1, 10, 2, 0) >= 0;
    return false;
}

std::filesystem::path SampleFile(const CloneImage& image, int record, const std::filesystem::path& programFolder) {
    const std::uint32_t beep = Read(35, image, record);
    if (beep < 1 || beep > 10) return {};
    const std::string name(1, static_cast<char>('A' + beep - 1));
    return programFolder / "Tone_sample" / (name + ".wav");
}

void AdjustSystemEdit(const GridViewModel& view, int row, int col, GridViewModel::EditStart& e) {
    if (col < SystemCol::Period1st || col > SystemCol::PeriodGroup || !view.IsDataRow(row)) return;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", Read(15 + col - SystemCol::Period1st, view.Image(), view.RecordOf(row)) / 20.0);
    e.text = buf;
}

void AdjustDecodeEdit(const GridViewModel& view, int row, int col, GridViewModel::EditStart& e) {
    if (col == DecodeCol::AlertRepeat && view.Text(row, col) == TwoToneNotApplicableText) {
        e.allowed = false;
        return;
    }
    if (col == DecodeCol::Beep && !AllBeepsAllowed(view.Image())) {
        e.comboList.clear();
        for (const auto& r : ListRows(TwoToneBeepList)) {
            if (r.value >= 8) continue;
            if (!e.comboList.empty()) e.comboList += '|';
            e.comboList += r.text;
        }
    }
}

}  // namespace TwoToneViews

namespace ToneWindowLayout {

Rows FromProportions(int height, double top, double middle) {
    auto part = [height](double p) {
        const double v = std::trunc(p * height);
        return std::isfinite(v) ? static_cast<int>(std::clamp(v, 0.0, 1e6)) : 0;
    };
    Rows r{std::max(part(top), 140), std::max(part(middle), 100)};
    const int excess = r.top + r.middle - (height - 65);
    if (excess > 0) {
        if (r.middle >= r.top)
            r.middle = std::max(r.middle - excess, 0);
        else
            r.top = std::max(r.top - excess, 0);
    }
    return r;
}

int HelpHeight(int saved) {
    return std::max(saved, 160);
}

}  // namespace ToneWindowLayout
