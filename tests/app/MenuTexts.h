#pragma once
// The main menu's entries as the user is to see them: every command id with
// its caption, mnemonic and shortcut, written out here by hand (not taken
// from the program's command table), so that a wrong id, caption or
// shortcut in the program's table shows up against it.

namespace MenuTexts {

struct Entry {
    int id;
    const char* text;
};

inline constexpr Entry kMainMenu[] = {
    // File
    {57600, "&New\tCtrl+N"},
    {57601, "&Open...\tCtrl+O"},
    {57603, "&Save\tCtrl+S"},
    {57604, "Save &As..."},
    {32893, "&File Convert"},
    {57607, "&Print\tCtrl+P"},
    {32809, "Print Pre&view"},
    {32810, "Pa&ge Setup"},
    {32812, "&Export to File"},
    {32775, "&Configure"},
    {32900, "&Language"},
    {57616, "Recent Files"},
    {57665, "E&xit"},
    // Edit
    {57634, "&Copy\tCtrl+C"},
    {57637, "&Paste\tCtrl+V"},
    {32891, "CH Cop&y\tCtrl+Y"},
    {32892, "CH Pas&te\tCtrl+T"},
    {32894, "CH Cut(&x)\tCtrl+X"},
    {32895, "CH &Insert\tCtrl+I"},
    {32896, "CH Ne&w\tCtrl+W"},
    {32931, "&Assign to Current Group"},
    {32932, "&Set to Pri CH"},
    {32933, "Ca&ncel the Pri CH"},
    // View
    {59392, "&Tool Bar"},
    {59393, "&Status Bar"},
    {32783, "&Visible"},
    {32785, "&W/N"},
    {32786, "&TAG"},
    {32787, ""},
    {32788, "&Frequency"},
    {32789, "&Sub Audio"},
    {32790, "Power Sa&ve"},
    {32791, "&Power"},
    {32792, "&Scan"},
    {32793, "&Dial Scan"},
    {32794, "T&OT"},
    {32795, "S&quelch"},
    {32796, "&Clock Shift"},
    {32797, "&ANI"},
    {32798, "VO&X"},
    {32799, "&Encr"},
    {32800, "&Lock Out"},
    {32801, "O&LTA"},
    {32802, "CO&MP"},
    {32803, "ST"},
    {32804, "Si&gnaling"},
    {32805, "S&urveillance"},
    {32776, "&Help Topic"},
    {32777, "&Related Item"},
    {32951, "85%"},
    {32952, "100%"},
    {32953, "125%"},
    {32954, "150%"},
    {32955, "&Auto Grid Width"},
    // Common
    {32832, "&Hardware"},
    {32938, "&Scanning"},
    {32834, "&Power Saving"},
    {32835, "&Front Panel"},
    {32836, "&Key Function"},
    {32837, "&Emergency"},
    {32843, "&Marketing"},
    {32867, "&Marketing(Ship Mode)"},
    {32838, "Pass&word"},
    {32841, "M&iscellaneous"},
    {32833, "&Option"},
    {32839, "Di&rect CH"},
    {32840, "Mobile &D-SUB 15"},
    {32842, "CH &Announcement"},
    {32844, "&Vote Menu"},
    {32935, "&Common"},
    {32936, "&Universal ID List"},
    // Signaling
    {32845, "&DTMF Dialing"},
    {32846, "DTMF &ANI"},
    {32847, "DTMF &Page"},
    {32848, "2-Tone &Setting"},
    {32849, "2-Tone S&ystem"},
    {32850, "5-Tone &Common"},
    {32851, "5-Tone &Table"},
    {32852, "5-Tone S&ystem"},
    {32853, "5-Tone &Status"},
    {32854, "&Selectable Tone"},
    {32888, "MDC1200 &Common"},
    {32889, "MDC1200 &System"},
    {32890, "MDC1200 Ca&ll"},
    {32940, "Fleetlink &ANI"},
    // Radio
    {32855, "&Upload"},
    {32856, "&Download"},
    {32926, "Download(&Manu)"},
    {32857, "Basic &Alignment"},
    {32858, "&CH Fine Alignment"},
    {32859, "&Alignment"},
    {32927, "Data recovery &in case of alignment failure"},
    {32860, "Radio Data &Recovery"},
    {32861, "ADJ-Data Return &to Default"},
    {32862, "&Firmware Update"},
    {32937, "&Maintenance"},
    // Channel
    {32864, "&Group Allocation"},
    {32863, "&Scan Setting"},
    // Help
    {32865, "&Help Topics"},
    {32866, "&Get Started"},
    {57664, "&About Pardex..."},
};

// Ctrl+letter shortcuts and the commands they run.
struct Shortcut {
    char key;
    int id;
};

inline constexpr Shortcut kShortcuts[] = {
    {'N', 57600}, {'O', 57601}, {'S', 57603}, {'P', 57607}, {'C', 57634}, {'V', 57637},
    {'Y', 32891}, {'T', 32892}, {'X', 32894}, {'I', 32895}, {'W', 32896},
};

inline const char* TextOf(int id) {
    for (const Entry& e : kMainMenu)
        if (e.id == id) return e.text;
    return nullptr;
}

}  // namespace MenuTexts
