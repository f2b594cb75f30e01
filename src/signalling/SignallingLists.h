#pragma once
// The item lists of the data-signalling screens: the three DTMF dialogs, the
// FleetLink ANI page and the fixed MDC1200 lists. Constant data, each list
// ended by a row of value -1; the row order is the order a combo box offers.
#include <array>
#include <cstddef>

#include "image/ItemList.h"

namespace SignallingLists {

inline constexpr ST_DISPDATA End{-1, "", ""};

// ---- DTMF ANI -----------------------------------------------------------------------
inline constexpr ST_DISPDATA DtmfAniTypeList[] = {{0, "Page", ""}, {1, "Page + ANI", ""}, End};
inline constexpr ST_DISPDATA DtmfAniTransmitList[] = {
    {0, "Disable", ""}, {2, "PTT Pressed", ""}, {1, "PTT Released", ""}, {3, "Press & Release", ""}, End};
inline constexpr ST_DISPDATA DtmfAniDelayTimeList[] = {
    {1, "50 mS", ""}, {2, "100 mS", ""}, {6, "300 mS", ""}, {10, "500 mS", ""}, End};
inline constexpr ST_DISPDATA DtmfAniSpeedList[] = {{25, "25 mS (20 dig)", ""},
                                                   {33, "33 mS (15 dig)", ""},
                                                   {50, "50 mS (10 dig)", ""},
                                                   {66, "66 mS (7.5 dig)", ""},
                                                   {100, "100 mS (5 dig)", ""},
                                                   End};

// ---- DTMF dialing -------------------------------------------------------------------
inline constexpr ST_DISPDATA DtmfKeypadList[] = {{0, "Enable", ""}, {1, "Disable", ""}, End};
inline constexpr ST_DISPDATA DtmfSideToneMonitorList[] = {{0, "Enable", ""}, {1, "Disable", ""}, End};
// 255 stands for the pause code switched off.
inline constexpr std::int32_t PauseCodeOff = 255;
inline constexpr ST_DISPDATA DtmfPauseCodeList[] = {
    {PauseCodeOff, "Disable", ""}, {0, "0", ""},  {1, "1", ""},  {2, "2", ""},  {3, "3", ""},  {4, "4", ""},
    {5, "5", ""},  {6, "6", ""},  {7, "7", ""},  {8, "8", ""},  {9, "9", ""},  {10, "A", ""},
    {11, "B", ""}, {12, "C", ""}, {13, "D", ""}, {14, "*", ""}, {15, "#", ""}, End};
// Row 0 (blank) is all a switched-off pause code offers; rows 1-15 otherwise.
inline constexpr ST_DISPDATA DtmfPauseTimeList[] = {
    {0, "", ""},         {5, "0.5 sec", ""},  {10, "1.0 sec", ""}, {15, "1.5 sec", ""}, {20, "2.0 sec", ""},
    {25, "2.5 sec", ""}, {30, "3.0 sec", ""}, {35, "3.5 sec", ""}, {40, "4.0 sec", ""}, {45, "4.5 sec", ""},
    {50, "5.0 sec", ""}, {55, "5.5 sec", ""}, {60, "6.0 sec", ""}, {65, "6.5 sec", ""}, {70, "7.0 sec", ""},
    {75, "7.5 sec", ""}, End};
inline constexpr ST_DISPDATA DtmfDelayTimeList[] = {
    {1, "50 mS", ""}, {2, "100 mS", ""}, {6, "300 mS", ""}, {10, "500 mS", ""}, End};
inline constexpr ST_DISPDATA DtmfSpeedList[] = {
    {25, "25 mS", ""}, {33, "33 mS", ""}, {50, "50 mS", ""}, {66, "66 mS", ""}, {100, "100 mS", ""}, End};

// ---- DTMF paging --------------------------------------------------------------------
inline constexpr ST_DISPDATA DtmfPageDecodeLedList[] = {{0, "Normal", ""},        {1, "Lighting", ""},
                                                        {2, "Flash(Slow)", ""},   {3, "Flash(Middle)", ""},
                                                        {4, "Flash(Fast)", ""},   {5, "User", ""},
                                                        End};
inline constexpr ST_DISPDATA DtmfPageLedColorList[] = {{1, "Red", ""}, {2, "Green", ""}, {3, "Yellow", ""}, End};
inline constexpr ST_DISPDATA DtmfPageAlertTypeList[] = {{0, "None", ""}, {1, "Beep", ""}, End};
inline constexpr ST_DISPDATA DtmfPageAlertModeList[] = {{0, "ON", ""}, {1, "Single", ""}, {3, "Repeat", ""}, End};
inline constexpr ST_DISPDATA DtmfPageAlertRepeatList[] = {
    {1, "Once", ""}, {3, "3 times", ""}, {5, "5 times", ""}, End};
inline constexpr ST_DISPDATA DtmfPageBeepToneList[] = {{0, "None", ""}, {1, "A", ""}, {2, "B", ""}, {3, "C", ""},
                                                       {4, "D", ""},    {5, "E", ""}, {6, "F", ""}, End};
inline constexpr ST_DISPDATA DtmfPageAnswerBackList[] = {{0, "Disable", ""}, {2, "Code", ""}, {1, "Tone", ""}, End};
inline constexpr ST_DISPDATA DtmfPageAutoResetBeepList[] = {{0, "Enable", ""}, {1, "Disable", ""}, End};
inline constexpr ST_DISPDATA DtmfPageReviveTypeList[] = {{0, "Before Code", ""}, {1, "After Code", ""}, End};
inline constexpr ST_DISPDATA DtmfPageDigitList[] = {
    {0, "0", ""},  {1, "1", ""},  {2, "2", ""},  {3, "3", ""},  {4, "4", ""},  {5, "5", ""},
    {6, "6", ""},  {7, "7", ""},  {8, "8", ""},  {9, "9", ""},  {10, "A", ""}, {11, "B", ""},
    {12, "C", ""}, {13, "D", ""}, {14, "*", ""}, {15, "#", ""}, End};
inline constexpr ST_DISPDATA DtmfPageCodeTypeList[] = {{3, "Enc & Dec", ""}, {1, "Encode", ""}, {2, "Decode", ""}, End};
inline constexpr ST_DISPDATA DtmfPageCodeActionList[] = {
    {0, "Normal", ""}, {1, "Alarm", ""}, {2, "Stun", ""}, {3, "Kill", ""}, End};

namespace detail {
// "Endless", then v/2 seconds: "0.5 sec", "1 sec", ... "127.5 sec".
inline constexpr auto AutoResetTexts = [] {
    std::array<std::array<char, 12>, 256> texts{};
    constexpr char endless[] = "Endless";
    for (std::size_t i = 0; endless[i]; ++i) texts[0][i] = endless[i];
    for (int v = 1; v < 256; ++v) {
        char* out = texts[static_cast<std::size_t>(v)].data();
        std::size_t n = 0;
        const int whole = v / 2;
        if (whole >= 100) out[n++] = static_cast<char>('0' + whole / 100);
        if (whole >= 10) out[n++] = static_cast<char>('0' + whole / 10 % 10);
        out[n++] = static_cast<char>('0' + whole % 10);
        if (v % 2) {
            out[n++] = '.';
            out[n++] = '5';
        }
        for (char c : {' ', 's', 'e', 'c'}) out[n++] = c;
    }
    return texts;
}();
}  // namespace detail

inline constexpr auto DtmfPageAutoResetTimeList = [] {
    std::array<ST_DISPDATA, 257> rows{};
    for (std::size_t v = 0; v < 256; ++v)
        rows[v] = {static_cast<std::int32_t>(v), detail::AutoResetTexts[v].data(), ""};
    rows[256] = End;
    return rows;
}();

// ---- FleetLink ANI ------------------------------------------------------------------
inline constexpr ST_DISPDATA FleetLinkAniTransmitList[] = {
    {0, "Disable", ""}, {2, "Pressed", ""}, {1, "Released", ""}, {3, "Both", ""}, End};
inline constexpr ST_DISPDATA FleetLinkPttSideToneList[] = {{0, "Enable", ""}, {1, "Disable", ""}, End};

// ---- MDC1200 common page ------------------------------------------------------------
inline constexpr ST_DISPDATA Mdc1200AniTransList[] = {
    {0, "Disable", ""}, {1, "Released", ""}, {2, "Pressed", ""}, {3, "Both", ""}, End};
inline constexpr ST_DISPDATA Mdc1200CallAlertTypeList[] = {{0, "Normal", ""}, {1, "w/ Voice", ""}, End};
inline constexpr ST_DISPDATA Mdc1200CourtesyToneList[] = {{0, "Enable", ""}, {1, "Disable", ""}, End};
inline constexpr ST_DISPDATA Mdc1200ReleaseAniDispList[] = {{0, "Key ON", ""}, {1, "5 sec", ""}, End};
inline constexpr ST_DISPDATA Mdc1200AniLockoutPeriodList[] = {
    {0, "Disable", ""}, {1, "10 sec", ""},  {2, "20 sec", ""},  {3, "30 sec", ""},   {4, "40 sec", ""},
    {5, "50 sec", ""},  {6, "60 sec", ""},  {7, "70 sec", ""},  {8, "80 sec", ""},   {9, "90 sec", ""},
    {10, "100 sec", ""}, {11, "110 sec", ""}, {12, "120 sec", ""}, End};
inline constexpr ST_DISPDATA Mdc1200DecodeLedModeList[] = {
    {0, "-----", ""}, {1, "Lighting", ""}, {2, "Flash", ""}, End};
// Alert Mode 2 and Repeat Time 1 have no row.
inline constexpr ST_DISPDATA Mdc1200AlertModeList[] = {{0, "OFF", ""}, {1, "Single", ""}, {3, "Repeat", ""}, End};
inline constexpr ST_DISPDATA Mdc1200AlertRepeatTimeList[] = {
    {0, "Endless", ""}, {2, "3 times", ""}, {3, "5 times", ""}, End};
inline constexpr ST_DISPDATA Mdc1200DutyList[] = {{0, "OFF Duty", ""}, {1, "ON Duty", ""}, End};
inline constexpr ST_DISPDATA Mdc1200BeepToneTypeList[] = {
    {0, "None", ""}, {1, "A", ""}, {2, "B", ""}, {3, "C", ""}, {4, "D", ""}, {5, "E", ""},
    {6, "F", ""},    {7, "G", ""}, {8, "H", ""}, {9, "I", ""}, {10, "J", ""}, End};
inline constexpr ST_DISPDATA Mdc1200PttSideToneList[] = {{0, "Enable", ""}, {1, "Disable", ""}, End};

namespace detail {
// "%.1f sec" of tenths 1..255 ("0.1 sec" .. "25.5 sec").
inline constexpr auto TenthsTexts = [] {
    std::array<std::array<char, 12>, 256> texts{};
    for (int v = 1; v < 256; ++v) {
        char* out = texts[static_cast<std::size_t>(v)].data();
        std::size_t n = 0;
        const int whole = v / 10;
        if (whole >= 10) out[n++] = static_cast<char>('0' + whole / 10);
        out[n++] = static_cast<char>('0' + whole % 10);
        out[n++] = '.';
        out[n++] = static_cast<char>('0' + v % 10);
        for (char c : {' ', 's', 'e', 'c'}) out[n++] = c;
    }
    return texts;
}();
// "%.1f sec" of halves 1..255 ("0.5 sec" .. "127.5 sec").
inline constexpr auto HalvesTexts = [] {
    std::array<std::array<char, 12>, 256> texts{};
    for (int v = 1; v < 256; ++v) {
        char* out = texts[static_cast<std::size_t>(v)].data();
        std::size_t n = 0;
        const int whole = v / 2;
        if (whole >= 100) out[n++] = static_cast<char>('0' + whole / 100);
        if (whole >= 10) out[n++] = static_cast<char>('0' + whole / 10 % 10);
        out[n++] = static_cast<char>('0' + whole % 10);
        out[n++] = '.';
        out[n++] = v % 2 ? '5' : '0';
        for (char c : {' ', 's', 'e', 'c'}) out[n++] = c;
    }
    return texts;
}();
}  // namespace detail

// "Disable", then 0.5 sec steps up to 127.5 sec (values 1-255).
inline constexpr auto Mdc1200AutoResetTimeList = [] {
    std::array<ST_DISPDATA, 257> rows{};
    rows[0] = {0, "Disable", ""};
    for (std::size_t k = 1; k < 256; ++k) rows[k] = {static_cast<std::int32_t>(k), detail::HalvesTexts[k].data(), ""};
    rows[256] = End;
    return rows;
}();
// "Disable", "No Limit" (255), then 0.1 sec steps up to 25.4 sec (values 1-254).
inline constexpr auto Mdc1200ClearToTranspondList = [] {
    std::array<ST_DISPDATA, 257> rows{};
    rows[0] = {0, "Disable", ""};
    rows[1] = {255, "No Limit", ""};
    for (std::size_t k = 2; k < 256; ++k)
        rows[k] = {static_cast<std::int32_t>(k - 1), detail::TenthsTexts[k - 1].data(), ""};
    rows[256] = End;
    return rows;
}();
// "Disable", then 0.1 sec steps up to 25.5 sec (values 1-255).
inline constexpr auto Mdc1200AckDecodeTimeList = [] {
    std::array<ST_DISPDATA, 257> rows{};
    rows[0] = {0, "Disable", ""};
    for (std::size_t k = 1; k < 256; ++k) rows[k] = {static_cast<std::int32_t>(k), detail::TenthsTexts[k].data(), ""};
    rows[256] = End;
    return rows;
}();

// ---- MDC1200 system page ------------------------------------------------------------
inline constexpr ST_DISPDATA Mdc1200SysAniTransList[] = {
    {0, "Disable", ""}, {1, "Released", ""}, {2, "Pressed", ""}, {3, "Both", ""}, End};
inline constexpr ST_DISPDATA Mdc1200SysCourtesyToneList[] = {{0, "Enable", ""}, {1, "Disable", ""}, End};
inline constexpr ST_DISPDATA Mdc1200SysAniLockoutPeriodList[] = {
    {0, "Disable", ""}, {1, "10 sec", ""},  {2, "20 sec", ""},  {3, "30 sec", ""},   {4, "40 sec", ""},
    {5, "50 sec", ""},  {6, "60 sec", ""},  {7, "70 sec", ""},  {8, "80 sec", ""},   {9, "90 sec", ""},
    {10, "100 sec", ""}, {11, "110 sec", ""}, {12, "120 sec", ""}, End};

// ---- MDC1200 call keys and call list ------------------------------------------------
inline constexpr ST_DISPDATA Mdc1200CallKeyTypeList[] = {
    {0, "Disable", ""}, {1, "Call Alert", ""}, {2, "Sel Call", ""}, {3, "Radio Check", ""}, End};
inline constexpr ST_DISPDATA Mdc1200CallNameList[] = {
    {0, "Call-1", ""},   {1, "Call-2", ""},   {2, "Call-3", ""},   {3, "Call-4", ""},   {4, "Call-5", ""},
    {5, "Call-6", ""},   {6, "Call-7", ""},   {7, "Call-8", ""},   {8, "Call-9", ""},   {9, "Call-10", ""},
    {10, "Call-11", ""}, {11, "Call-12", ""}, {12, "Call-13", ""}, {13, "Call-14", ""}, {14, "Call-15", ""},
    {15, "Call-16", ""}, End};
// What an unchecked and a checked check cell of the call list show.
inline constexpr ST_DISPDATA Mdc1200CheckCellList[] = {{0, " - ", ""}, {1, "", ""}, End};
inline constexpr ST_DISPDATA Mdc1200CallTypeList[] = {
    {0, "Individual", ""}, {1, "Group", ""}, {2, "ALL Call", ""}, End};
inline constexpr ST_DISPDATA Mdc1200RingToneTemplate[] = {
    {0, "-", ""}, {1, "A", ""}, {2, "B", ""}, {3, "C", ""}, {4, "D", ""}, {5, "E", ""},
    {6, "F", ""}, {7, "G", ""}, {8, "H", ""}, {9, "I", ""}, {10, "J", ""}, End};
inline constexpr ST_DISPDATA Mdc1200SysHeaderList[] = {{0, "Sys", ""}, End};
inline constexpr const char* Mdc1200GroupText = "Group";
inline constexpr const char* Mdc1200AllCallText = "ALL Call";

}  // namespace SignallingLists
