#pragma once
// The word, fragment and value tables several screens share. All constant;
// item lists end with a row of value -1. The default data file names and
// the band table live with the image (image/FileUtil.h, image/Model.h) and
// the application tables, since the window-free image code needs them.
#include <array>
#include <optional>
#include <string_view>

#include "image/ItemList.h"

namespace TextTables {

// The common words of the user interface: value = RID (70000-70045),
// text = the English word. "CH" stands twice; a search by word finds 70013.
inline constexpr ST_DISPDATA CommonWordTable[] = {
    {70000, "OK", ""},        {70001, "Cancel", ""},    {70002, "Disable", ""},   {70003, "Enable", ""},
    {70004, "ON", ""},        {70005, "OFF", ""},       {70006, "Hz", ""},        {70007, "kHz", ""},
    {70008, "MHz", ""},       {70009, "sec", ""},       {70010, "msec", ""},      {70011, "mS", ""},
    {70012, "min", ""},       {70013, "CH", ""},        {70014, "Group", ""},     {70015, "RX", ""},
    {70016, "TX", ""},        {70017, "Call", ""},      {70018, "Frequency", ""}, {70019, "No.", ""},
    {70020, "dB", ""},        {70021, "dBm", ""},       {70022, "times", ""},     {70023, "%", ""},
    {70024, "REF", ""},       {70025, "Decode", ""},    {70026, "Encode", ""},    {70027, "Code", ""},
    {70028, "ENC Code", ""},  {70029, "Enc Code-", ""}, {70030, "Grp", ""},       {70031, "Enc-", ""},
    {70032, "Help", ""},      {70033, "dBuV", ""},      {70034, "dBuV(EMF)", ""}, {70035, "dBuV(PD)", ""},
    {70036, "uV(EMF)", ""},   {70037, "uV(PD)", ""},    {70038, "5Tone_ACC", ""}, {70039, "CH SW", ""},
    {70040, "Direct CH", ""}, {70041, "CH", ""},        {70042, "LTR", ""},       {70043, "PPT", ""},
    {70044, "System", ""},    {70045, "Sys", ""},       {ItemListEnd, "", ""}};
inline constexpr int FirstCommonWordRid = 70000;
inline constexpr int LastCommonWordRid = 70045;

// The RID of a common word (exact, case-sensitive); none when it is no
// common word.
std::optional<int> CommonWordRid(std::string_view word);

// ---- print fragments ----------------------------------------------------------
// The two states of a check box on a printed page.
inline constexpr std::array<const char*, 2> CheckStateWords = {"Enable", "Disable"};
// Printed after the page title by a screen that has no printable form.
inline constexpr const char* NotImplementedHtml =
    "<P style= \"font-size:10pt; color:red; \"> !!Not Implemented!! </P>";
// The replacements of "<", ">", "&" and a line break in printed text.
inline constexpr std::array<const char*, 4> HtmlEscapeWords = {"&lt;", "&gt;", "&amp;", "<BR>"};

// ---- tone-system windows ---------------------------------------------------------
// The settings section of each kind of system window.
inline constexpr ST_DISPDATA SystemWindowKinds[] = {
    {1, "Tone5_Sys", ""}, {2, "Tone2_Sys", ""}, {3, "HelpFrame", ""}, {ItemListEnd, "", ""}};
// The entries under which a system window keeps the sizes of its panes.
inline constexpr std::array<const char*, 4> SystemWindowRowKeys = {"Top", "Mid", "Col", "Help"};

// ---- help pane -----------------------------------------------------------------------
// Pages the help pane never rewrites, and the mark of the viewer's own error pages.
inline constexpr const char* HelpDnsErrorPage = "dnserror.htm";
inline constexpr const char* HelpBlankPage = "about:blank";
inline constexpr const char* HelpErrorPageMark = "SHDOCLC.DLL";

// ---- model conversion dialog ------------------------------------------------------------
// Band byte = band type x 32 + frequency type.
inline constexpr ST_DISPDATA FrequencyBandList[] = {
    {98, "VHF", ""}, {128, "UHF A", ""}, {131, "UHF D", ""}, {ItemListEnd, "", ""}};
inline constexpr ST_DISPDATA ProductTypeList[] = {
    {0, "Mobile", ""}, {2, "Portable", ""}, {1, "Repeater", ""}, {ItemListEnd, "", ""}};
// The channel count in units of 8 channels.
inline constexpr ST_DISPDATA MaxChannelList[] = {{1, "8 CH", ""},    {4, "32 CH", ""},     {64, "512 CH", ""},
                                                 {2, "16 CH", ""},   {8, "64 CH", ""},     {16, "128 CH", ""},
                                                 {80, "640 CH", ""}, {ItemListEnd, "", ""}};
using FourRowList = std::array<ST_DISPDATA, 4>;
inline constexpr std::array<FourRowList, 3> DisplayTypeLists = {{
    {{{19, "LED", ""}, {18, "LCD", ""}, {ItemListEnd, "", ""}, {ItemListEnd, "", ""}}},
    {{{19, "LED", ""}, {18, "LCD", ""}, {ItemListEnd, "", ""}, {ItemListEnd, "", ""}}},
    {{{32, "None", ""}, {50, "LCD", ""}, {ItemListEnd, "", ""}, {ItemListEnd, "", ""}}},
}};
inline constexpr ST_DISPDATA DisplayTypeList[] = {
    {19, "LED", ""}, {18, "LCD", ""}, {32, "None", ""}, {50, "LCD", ""}, {ItemListEnd, "", ""}};
using FiveRowList = std::array<ST_DISPDATA, 5>;
inline constexpr std::array<FiveRowList, 3> KeyTypeLists = {{
    {{{3, "Simple Key", ""},
      {4, "DTMF Key", ""},
      {ItemListEnd, "", ""},
      {ItemListEnd, "", ""},
      {ItemListEnd, "", ""}}},
    {{{3, "Simple Key", ""},
      {4, "DTMF Key", ""},
      {ItemListEnd, "", ""},
      {ItemListEnd, "", ""},
      {ItemListEnd, "", ""}}},
    {{{0, "No Key", ""}, {1, " 4 Key", ""}, {2, "16 Key", ""}, {ItemListEnd, "", ""}, {ItemListEnd, "", ""}}},
}};
inline constexpr ST_DISPDATA KeyTypeList[] = {{3, "Simple Key", ""}, {4, "DTMF Key", ""},
                                              {0, "No Key", ""},     {1, " 4 Key", ""},
                                              {2, "16 Key", ""},     {ItemListEnd, "", ""}};

// ---- New dialog -----------------------------------------------------------------------------
inline constexpr ST_DISPDATA NewFrequencyBandList[] = {
    {98, "VHF", ""}, {128, "UHF A", ""}, {131, "UHF D", ""}, {ItemListEnd, "", ""}};
inline constexpr ST_DISPDATA NewProductTypeList[] = {{2, "Portable", ""}, {ItemListEnd, "", ""}};
inline constexpr ST_DISPDATA NewDisplayTypeList[] = {
    {3, " ", ""}, {2, " ", ""}, {0, "None(ZT-610)", ""}, {2, "LCD(ZT-640)", ""}, {ItemListEnd, "", ""}};
inline constexpr ST_DISPDATA NewKeyTypeList[] = {
    {0, "No Key", ""}, {1, " 4 Key", ""}, {2, "16 Key", ""}, {ItemListEnd, "", ""}};

}  // namespace TextTables
