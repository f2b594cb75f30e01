// The channel screens' constant tables and their lookups.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "channel/ChannelTables.h"
#include "image/UiUtil.h"

using namespace ChannelTables;

namespace {

using Rows = std::vector<std::pair<int, std::string>>;

// The rows before the end row; the end row itself must be {-1, "", ""}.
Rows RowsOf(ItemList list) {
    Rows rows;
    std::size_t i = 0;
    for (; i < list.size() && list[i].value != ItemListEnd; ++i)
        rows.emplace_back(list[i].value, list[i].text);
    EXPECT_LT(i, list.size()) << "no end row";
    if (i < list.size()) {
        EXPECT_STREQ(list[i].text, "");
        EXPECT_STREQ(list[i].text2, "");
        EXPECT_EQ(i + 1, list.size()) << "rows after the end row";
    }
    return rows;
}

Rows Numbered(int count, int firstValue, auto text) {
    Rows rows;
    for (int n = 0; n < count; ++n) rows.emplace_back(firstValue + n, text(n));
    return rows;
}

struct ListCase {
    const char* name;
    const ItemList* list;
    Rows rows;
};

Rows SignalingNumberRows() {
    Rows rows = Numbered(32, 0, [](int n) { return std::to_string(n + 1); });
    rows.insert(rows.end(), {{0, "0:OFF"}, {1, "1:GE-Star"}, {2, "2:MDC1200"}, {3, "3:DTMF"}});
    Rows digits = Numbered(10, 0, [](int n) { return std::to_string(n); });
    rows.insert(rows.end(), digits.begin(), digits.end());
    return rows;
}

std::vector<ListCase> AllLists() {
    const Rows modes = {{0, "-:OFF"}, {1, "1:Key ON"}, {2, "2:Power ON"}, {3, "3:ON"}};
    const Rows pll = Numbered(8, 0, [](int n) { return "REF " + std::to_string(n + 1); });
    Rows tot = {{0, "-"}};
    const char* halves[] = {"0.5", "1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0",
                            "5.5", "6.0", "6.5", "7.0", "7.5", "8.0", "8.5", "9.0", "9.5", "10.0"};
    for (int n = 1; n <= 20; ++n) tot.emplace_back(n, halves[n - 1]);
    Rows announce = {{0, "CH No."}};
    for (int n = 0; n <= 16; ++n) announce.emplace_back(128 + n, "No." + std::to_string(n));
    announce.emplace_back(159, "--");
    Rows scanGroups = {{255, "CurrentGrp"}};
    for (int n = 1; n <= 32; ++n) scanGroups.emplace_back(n - 1, "Group-" + std::to_string(n));
    Rows shortNumbers = SignalingNumberRows();
    shortNumbers.resize(36);
    Rows groups = Numbered(32, 0, [](int n) {
        char b[4];
        std::snprintf(b, sizeof b, "%02d", n + 1);
        return std::string(b);
    });
    return {
        {"GridBlankMarkList", &GridBlankMarkList, {{0, "-"}, {1, " "}}},
        {"GridBlankMarkInvertedList", &GridBlankMarkInvertedList, {{1, "-"}, {0, " "}}},
        {"AutoScanMarkList", &AutoScanMarkList, {{0, "-"}, {2, " "}}},
        {"GridCheckMarkList", &GridCheckMarkList, {{0, "-"}, {1, "v"}}},
        {"GridCheckMarkInvertedList", &GridCheckMarkInvertedList, {{1, "-"}, {0, "v"}}},
        {"BandwidthList", &BandwidthList, {{0, "W5"}, {1, "W4"}, {2, "N"}}},
        {"SubAudioTypeList", &SubAudioTypeList, {{0, "------"}, {1, "C-"}, {2, "D-"}}},
        {"TxPowerList", &TxPowerList, {{1, "L"}, {0, "H"}}},
        {"TimeOutTimerList", &TimeOutTimerList, tot},
        {"SquelchLevelList", &SquelchLevelList, Numbered(16, 0, [](int n) { return std::to_string(n); })},
        {"VoxList", &VoxList, {{0, "-"}, {1, "1"}, {2, "2"}, {3, "3"}}},
        {"EncryptionList", &EncryptionList, {{0, "-"}, {1, "1"}, {2, "2"}, {3, "3"}}},
        {"LockOutList", &LockOutList, {{0, "-"}, {1, "BC"}, {3, "INV"}, {2, "BT"}}},
        {"SelectableToneList", &SelectableToneList, {{0, "-"}, {2, "A"}, {3, "B"}}},
        {"SignalingTypeMarkList",
         &SignalingTypeMarkList,
         {{0, "-"}, {1, "2T"}, {2, "5T"}, {3, "Page"}, {4, "MDC"}}},
        {"SignalingNumberList", &SignalingNumberList, SignalingNumberRows()},
        {"FilterUpLowList", &FilterUpLowList, {{1, "Up"}, {0, "Low"}}},
        {"TxSplLevelList", &TxSplLevelList, {{0, "Low"}, {1, "Up"}}},
        {"RxLpfLevelList", &RxLpfLevelList, {{0, "Low"}, {1, "Up"}}},
        {"DsubAfInputLevelList", &DsubAfInputLevelList, {{0, "Hi"}, {1, "MIC"}}},
        {"SurveillanceList", &SurveillanceList, {{0, "Surveil"}, {1, "Normal"}}},
        {"ChannelStatusList", &ChannelStatusList, {{1, "Not Used"}, {0, "Used"}}},
        {"OltaModeList", &OltaModeList, {{0, "---"}, {1, "DCS"}}},
        {"VoxModeList", &VoxModeList, modes},
        {"EncryptionModeList", &EncryptionModeList, modes},
        {"SignalingTypeList",
         &SignalingTypeList,
         {{0, "-------"},
          {1, "2-Tone"},
          {2, "5-Tone"},
          {3, "DTMF Page"},
          {4, "MDC1200"},
          {7, "Option"},
          {6, "MSK"}}},
        {"LockOutModeList", &LockOutModeList, {{0, "-"}, {1, "BCLO"}, {3, "Invert BCLO"}, {2, "BTLO"}}},
        {"AutoScanList", &AutoScanList, {{0, "-"}, {2, "Scan"}, {3, "Group Scan"}}},
        {"AnnouncementList", &AnnouncementList, announce},
        {"StandardRefLabelList", &StandardRefLabelList, {{3901, "Standard"}}},
        {"PreEmphasisList", &PreEmphasisList, {{0, "Disable"}, {1, "Enable"}}},
        {"DeEmphasisList", &DeEmphasisList, {{0, "Disable"}, {1, "Enable"}}},
        {"TxFlatAfList", &TxFlatAfList, {{0, "Normal"}, {1, "Flat"}}},
        {"RxFlatAfList", &RxFlatAfList, {{0, "Normal"}, {1, "Flat"}}},
        {"TxHpfList", &TxHpfList, {{0, "280 Hz"}, {1, "300 Hz"}}},
        {"RxHpfList", &RxHpfList, {{0, "280 Hz"}, {1, "300 Hz"}}},
        {"TxSplList", &TxSplList, {{0, "2.55 kHz"}, {1, "3.3 kHz"}}},
        {"RxSplList", &RxSplList, {{0, "3 kHz"}, {1, "4 kHz"}}},
        {"TxPllRefList", &TxPllRefList, pll},
        {"RxPllRefList", &RxPllRefList, pll},
        {"MicSelectList", &MicSelectList, {{0, "Internal"}, {1, "External"}}},
        {"DsubMicSelectList", &DsubMicSelectList, {{0, "Front Mic"}, {1, "D-Sub Mic"}}},
        {"AniTypeList", &AniTypeList, {{0, "Disable"}, {1, "DTMF"}, {2, "MDC1200"}, {3, "FleetLink"}}},
        {"AniTableList", &AniTableList, {{0, "Primary"}, {1, "Secondary"}}},
        {"DisableEnableList", &DisableEnableList, {{0, "Disable"}, {1, "Enable"}}},
        {"ScanGroupSelectList", &ScanGroupSelectList, scanGroups},
        {"VoxPopupList", &VoxPopupList, modes},
        {"EncryptionPopupList", &EncryptionPopupList, modes},
        {"SubAudioPopupTitleList",
         &SubAudioPopupTitleList,
         {{0, "CTCSS Frequency(Decode)"},
          {1, "CTCSS Frequency(Encode)"},
          {2, "DCS Code(Decode)"},
          {3, "DCS Code(Encode)"}}},
        {"PenaltyTimerList", &PenaltyTimerList, {{0, "0 sec"}, {1, "6 sec"}, {2, "20 sec"}, {3, "60 sec"}}},
        {"ReleaseTimerList", &ReleaseTimerList, {{0, "0 sec"}, {1, "2 sec"}, {2, "3 sec"}, {3, "5 sec"}}},
        {"SignalingNumberShortList", &SignalingNumberShortList, shortNumbers},
        {"GroupNumberList", &GroupNumberList, groups},
        {"ZoneGridHeaderList", &ZoneGridHeaderList, {{0, "CH\nNo."}, {1, "List\nNo."}}},
        {"EnableDisableList", &EnableDisableList, {{0, "Enable"}, {1, "Disable"}}},
        {"AlignmentFileLetterList",
         &AlignmentFileLetterList,
         {{1, "C"},
          {2, "D"},
          {3, "E"},
          {4, "F"},
          {5, "G"},
          {6, "H"},
          {7, "I"},
          {8, "J"},
          {9, "K"},
          {10, "L"},
          {11, "M"},
          {12, "N"},
          {0, "B"},
          {13, "Q"},
          {14, "R"},
          {15, "S"}}},
    };
}

}  // namespace

TEST(ChannelTables, EveryListHoldsItsRowsInOrderWithAnEndRow) {
    for (const ListCase& c : AllLists()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RowsOf(*c.list), c.rows);
        for (const auto& row : *c.list)
            EXPECT_STREQ(row.text2, "") << "second texts are empty until translated";
    }
}

TEST(ChannelTables, ListsWithEqualRowsAreSeparateObjects) {
    std::set<const void*> data;
    for (const ListCase& c : AllLists()) EXPECT_TRUE(data.insert(c.list->data()).second) << c.name;
}

TEST(ChannelTables, LookupsByValueAndText) {
    struct Case {
        const ItemList* list;
        int value;
        const char* byId;
        const char* byIdOrEmpty;
    };
    const Case cases[] = {
        {&AutoScanMarkList, 1, "-", ""},  // no row: the first row's text
        {&TxPowerList, 7, "L", ""},
        {&SignalingNumberList, 0, "1", "1"},  // value 0 three times: the first wins
        {&AlignmentFileLetterList, 0, "B", "B"},
        {&AlignmentFileLetterList, 12, "N", "N"},
        {&AlignmentFileLetterList, 13, "Q", "Q"},
        {&AlignmentFileLetterList, 15, "S", "S"},
        {&AlignmentFileLetterList, 16, "C", ""},
        {&GroupNumberList, 0, "01", "01"},
        {&GroupNumberList, 31, "32", "32"},
        {&AnnouncementList, 159, "--", "--"},
        {&AnnouncementList, 1, "CH No.", ""},
        {&AnnouncementList, 145, "CH No.", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindNameById(*c.list, c.value), c.byId) << c.value;
        EXPECT_EQ(FindNameByIdOrEmpty(*c.list, c.value), c.byIdOrEmpty) << c.value;
    }
    EXPECT_EQ(FindIdByName(LockOutList, "BT"), 2);
    EXPECT_EQ(FindIdByName(LockOutList, "INV"), 3);
    EXPECT_EQ(FindIdByName(SignalingNumberList, "3:DTMF"), 3);
    EXPECT_EQ(FindIdByName(EnableDisableList, "Enable"), 0);
    EXPECT_EQ(FindIdByName(DisableEnableList, "Enable"), 1);
    EXPECT_EQ(FindIdByName(BandwidthList, "w5"), -1);
    EXPECT_EQ(UiUtil::FindTableRow(TxPowerList, "H"), 1);
}

TEST(ChannelTables, ColumnTableRows) {
    struct Row {
        int field, width;
        const ItemList* list;
        int kind, edit, space, dbl, enter;
    };
    const Row rows[29] = {
        {0, 510, nullptr, 1, 0, 1, 1, 1},
        {1, 510, &GridBlankMarkList, 5, 0, 5, 5, 5},
        {2, 510, &BandwidthList, 1, 0, 4, 4, 4},
        {3, 1035, nullptr, 2, 8, 2, 2, 2},
        {5, 1140, nullptr, 2, 9, 2, 2, 2},
        {4, 1140, nullptr, 2, 9, 4, 2, 2},
        {6, 930, &SubAudioTypeList, 2, 7, 4, 6, 6},
        {7, 930, &SubAudioTypeList, 2, 7, 4, 6, 6},
        {8, 615, &GridBlankMarkList, 5, 0, 5, 5, 5},
        {9, 615, &GridBlankMarkList, 5, 0, 5, 5, 5},
        {10, 510, &TxPowerList, 1, 0, 4, 4, 4},
        {11, 615, &GridBlankMarkInvertedList, 5, 0, 5, 5, 5},
        {12, 615, &AutoScanMarkList, 5, 0, 5, 5, 5},
        {13, 510, &TimeOutTimerList, 3, 0, 3, 3, 3},
        {14, 510, &SquelchLevelList, 3, 0, 3, 3, 3},
        {15, 615, &GridBlankMarkList, 5, 0, 5, 5, 5},
        {16, 615, &GridBlankMarkList, 5, 0, 5, 5, 5},
        {17, 510, nullptr, 1, 0, 6, 6, 6},
        {18, 510, &VoxList, 1, 0, 6, 6, 6},
        {19, 615, &EncryptionList, 1, 0, 6, 6, 6},
        {20, 615, &LockOutList, 3, 0, 3, 3, 3},
        {21, 615, &GridBlankMarkList, 5, 0, 5, 5, 5},
        {22, 615, &SignalingTypeMarkList, 3, 0, 3, 3, 3},
        {23, 825, &SignalingNumberList, 1, 0, 6, 6, 6},
        {24, 615, &GridBlankMarkList, 5, 0, 5, 5, 5},
        {25, 720, &FilterUpLowList, 1, 0, 4, 4, 4},
        {26, 720, &FilterUpLowList, 1, 0, 4, 4, 4},
        {27, 720, &TxSplLevelList, 1, 0, 4, 4, 4},
        {28, 720, &RxLpfLevelList, 1, 0, 4, 4, 4},
    };
    for (int c = 0; c < 29; ++c) {
        SCOPED_TRACE(c);
        const GridColumnSpec& s = ChannelGridColumns[c];
        EXPECT_EQ(s.fieldId, rows[c].field);
        EXPECT_EQ(s.widthKey, 0);
        EXPECT_EQ(s.width, rows[c].width);
        EXPECT_EQ(s.list, rows[c].list);
        EXPECT_EQ(s.kind, rows[c].kind);
        EXPECT_EQ(s.editKind, rows[c].edit);
        EXPECT_EQ(s.spaceAction, rows[c].space);
        EXPECT_EQ(s.dblClickAction, rows[c].dbl);
        EXPECT_EQ(s.enterAction, rows[c].enter);
        EXPECT_EQ(s.clickAction, 0);
    }
    EXPECT_EQ(ChannelGridColumns[29].fieldId, -1);
    EXPECT_EQ(ChannelGridColumns[29].widthKey, -1);
}

TEST(ChannelTables, ColumnStatesByBandSelectionAndServiceMode) {
    for (int c = 0; c < 29; ++c)
        for (int b = 0; b < 5; ++b)
            for (int m = 0; m < 3; ++m) {
                int expected = 0;
                if (c == 3) expected = 5;
                if (c == 8 && b >= 3) expected = 4;
                if ((c == 19 || (c >= 25 && c <= 28)) && b == 0) expected = 3;
                EXPECT_EQ(ColumnState(c, b, m), expected) << c << " " << b << " " << m;
            }
    EXPECT_EQ(ColumnState(29, 0, 0), 0);
    EXPECT_EQ(ColumnState(3, 5, 0), 0);
    EXPECT_EQ(ColumnState(3, 0, 3), 0);
}

TEST(ChannelTables, TranslationKeysInKeyOrder) {
    const std::pair<int, const ItemList*> expected[] = {
        {3301, &BandwidthList},
        {3302, &TxPowerList},
        {3305, &AutoScanMarkList},
        {3306, &SquelchLevelList},
        {3307, &VoxList},
        {3308, &EncryptionList},
        {3309, &LockOutList},
        {3311, &SelectableToneList},
        {3312, &SignalingTypeMarkList},
        {3313, &SignalingNumberList},
    };
    for (std::size_t i = 0; i < ChannelGridListKeys.size(); ++i) {
        EXPECT_EQ(ChannelGridListKeys[i].key, expected[i].first);
        EXPECT_EQ(ChannelGridListKeys[i].list, expected[i].second);
    }
}

TEST(ChannelTables, CheckCellsCopyAndPasteThroughTheirTwinRowByRow) {
    // Copy: ticked blank becomes "v", "-" stays "-"; by row index, not value.
    EXPECT_EQ(CheckCopyText(GridBlankMarkInvertedList, " "), "v");  // column 11 ticked
    EXPECT_EQ(CheckCopyText(GridBlankMarkInvertedList, "-"), "-");
    EXPECT_EQ(CheckCopyText(GridBlankMarkList, " "), "v");
    EXPECT_EQ(CheckCopyText(AutoScanMarkList, " "), "v");  // value 2 row -> "v"
    EXPECT_EQ(CheckCopyText(AutoScanMarkList, "-"), "-");
    EXPECT_EQ(&CheckTwinList(GridBlankMarkList), &GridCheckMarkList);
    EXPECT_EQ(&CheckTwinList(AutoScanMarkList), &GridCheckMarkInvertedList);
    // Paste: "v" ticks, "-" clears, anything else changes nothing.
    EXPECT_EQ(CheckPasteText(GridBlankMarkList, "v"), std::optional<std::string>(" "));
    EXPECT_EQ(CheckPasteText(GridBlankMarkInvertedList, "v"), std::optional<std::string>(" "));
    EXPECT_EQ(CheckPasteText(AutoScanMarkList, "-"), std::optional<std::string>("-"));
    EXPECT_EQ(CheckPasteText(GridBlankMarkList, "x"), std::nullopt);
    EXPECT_EQ(CheckPasteText(GridBlankMarkList, ""), std::nullopt);
}

TEST(ChannelTables, InformationPaneControlMap) {
    const std::pair<int, const ItemList*> expected[38] = {
        {2101, &BandwidthList},
        {2102, &TxPowerList},
        {2105, &TimeOutTimerList},
        {2106, &PenaltyTimerList},
        {2107, &ReleaseTimerList},
        {2108, &AniTypeList},
        {2109, &AniTableList},
        {2110, &SignalingTypeList},
        {2111, &SignalingNumberShortList},
        {2112, &SignalingNumberList},
        {2113, &ScanGroupSelectList},
        {2114, &AutoScanList},
        {2115, &SquelchLevelList},
        {2116, &VoxModeList},
        {2117, &EncryptionModeList},
        {2118, &LockOutModeList},
        {2119, &SelectableToneList},
        {2120, &PreEmphasisList},
        {2121, &DeEmphasisList},
        {2122, &TxFlatAfList},
        {2123, &RxFlatAfList},
        {2124, &TxHpfList},
        {2125, &TxSplList},
        {2126, &RxHpfList},
        {2127, &RxSplList},
        {2128, &TxPllRefList},
        {2129, &RxPllRefList},
        {2130, &MicSelectList},
        {2131, &DisableEnableList},
        {2132, &SurveillanceList},
        {2133, &SurveillanceList},
        {2134, &SurveillanceList},
        {2135, &OltaModeList},
        {2136, &DisableEnableList},
        {2137, &DsubAfInputLevelList},
        {2138, &DsubMicSelectList},
        {2139, &ChannelStatusList},
        {2140, &AnnouncementList},
    };
    for (int i = 0; i < 38; ++i) {
        EXPECT_EQ(ChannelInfoControlLists[i].controlId, expected[i].first);
        EXPECT_EQ(ChannelInfoControlLists[i].list, expected[i].second);
    }
    EXPECT_EQ(FindControlList(2103), nullptr);
    EXPECT_EQ(FindControlList(2104), nullptr);
    EXPECT_EQ(FindControlList(2105), &TimeOutTimerList);
    EXPECT_EQ(FindControlList(2107), &ReleaseTimerList);

    RowList tx = PllRefRowsWithStandard(TxPllRefList, 2, "Standard");
    const ItemList txList = AsItemList(tx);
    RedirectPllRefLists(&txList, nullptr);
    EXPECT_EQ(FindControlList(2128), &txList);
    EXPECT_EQ(FindControlList(2129), &RxPllRefList);
    RedirectPllRefLists(nullptr, nullptr);
    EXPECT_EQ(FindControlList(2128), &TxPllRefList);
}

TEST(ChannelTables, RowsChosenForTheInformationPaneAndPopups) {
    auto texts = [](const RowList& rows) {
        std::vector<std::string> t;
        for (const auto& r : rows)
            if (r.value != ItemListEnd) t.push_back(r.text);
        EXPECT_EQ(rows.back().value, ItemListEnd);
        return t;
    };
    EXPECT_EQ(texts(InfoPaneSignalingNumberRows(0, 0)), (std::vector<std::string>{"-", " "}));
    EXPECT_EQ(texts(InfoPaneSignalingNumberRows(7, 0)),
              (std::vector<std::string>{"0:OFF", "1:GE-Star", "2:MDC1200", "3:DTMF"}));
    const auto type3 = texts(InfoPaneSignalingNumberRows(3, 0));
    ASSERT_EQ(type3.size(), 10u);
    EXPECT_EQ(type3.front(), "1");
    EXPECT_EQ(type3.back(), "10");
    EXPECT_EQ(texts(InfoPaneSignalingNumberRows(1, 0)).size(), 16u);
    EXPECT_EQ(texts(InfoPaneSignalingNumberRows(4, 1)).size(), 16u);
    EXPECT_EQ(texts(InfoPaneSignalingNumberRows(4, 0)), (std::vector<std::string>{"1"}));
    EXPECT_EQ(texts(InfoPaneSignalingNumberRows(2, 0)).size(), 32u);

    EXPECT_EQ(texts(ScanGroupRows(3)),
              (std::vector<std::string>{"CurrentGrp", "Group-1", "Group-2", "Group-3"}));
    EXPECT_EQ(texts(ScanGroupRows(12)).size(), 9u);
    EXPECT_EQ(texts(ScanGroupRows(-1)), (std::vector<std::string>{"CurrentGrp"}));

    const RowList pll = PllRefRowsWithStandard(RxPllRefList, 0, "Standard");
    EXPECT_STREQ(pll[0].text, "Standard");
    EXPECT_STREQ(pll[1].text, "REF 2");
    EXPECT_STREQ(RxPllRefList[0].text, "REF 1") << "the shared list is untouched";

    const int titles[][3] = {{1, 0, 0}, {1, 1, 1}, {2, 0, 2}, {2, 1, 3},
                             {3, 0, 2}, {3, 1, 3}, {0, 1, 0}, {5, 0, 0}};
    for (const auto& t : titles) EXPECT_EQ(SubAudioPopupTitleValue(t[0], t[1]), t[2]) << t[0] << "," << t[1];
}

TEST(ChannelTables, SharedGridObjectsStartAsGiven) {
    const ChannelGridStateData& state = ChannelGridState();
    EXPECT_EQ(state.cellFlags.size(), 128u * 29u);
    for (auto f : state.cellFlags) EXPECT_EQ(f, 1);
    EXPECT_EQ(state.columnFlags.size(), 29u);
    for (auto f : state.columnFlags) EXPECT_EQ(f, 0);
    EXPECT_EQ(ChannelGridStateData::ColumnCount, 29);
    EXPECT_EQ(ChannelGridStateData::RowCount, 128);
    EXPECT_EQ(ChannelGridStateData::Grey, 0xAAAAAAu);
    EXPECT_EQ(ChannelGridStateData::White, 0xFFFFFFu);
    EXPECT_EQ(state.CellFlag(127, 28), 1);
    EXPECT_EQ(state.CellFlag(128, 0), 0);
    EXPECT_EQ(state.CellFlag(0, 29), 0);

    EXPECT_EQ(ZoneGridState().flags.size(), 9u * 64u);
    for (auto f : ZoneGridState().flags) EXPECT_EQ(f, 1);
    EXPECT_TRUE(ZoneGridCells().empty());
    EXPECT_TRUE(ZoneListHtmlCache().empty());
    EXPECT_TRUE(AdvanceSetupHtmlCache().empty());
}
