// The RID-to-topic table of the help file's index. Only these rows are
// known; a complete index drops in here row for row.
#include "help/HelpMap.h"

namespace {
constexpr HelpTopicRow kRows[] = {
    {1010, "pardex\\Main\\Ch\\CH_CHANNEL.htm"},
    {1400, "pardex\\Main\\Zone\\ZONELIST.htm"},
    {1012301, "pardex\\Main\\ZoneInfo\\ZoneInfo_TAG.htm"},
    {1282866, "pardex\\Help\\GETSTARTED.htm"},
    // The 5-tone decode grid, one topic per column.
    {4061015, "pardex\\Signal\\5T\\Sys\\5tonedecode.htm"},
    {14061015, "pardex\\Signal\\5T\\Sys\\decodecode.htm"},
    {24061015, "pardex\\Signal\\5T\\Sys\\decodetag.htm"},
    {34061015, "pardex\\Signal\\5T\\Sys\\transpondtxled.htm"},
    {44061015, "pardex\\Signal\\5T\\Sys\\transpondcode.htm"},
    {54061015, "pardex\\Signal\\5T\\Sys\\decodeiddisplay.htm"},
    {64061015, "pardex\\Signal\\5T\\Sys\\calldisplay.htm"},
    {74061015, "pardex\\Signal\\5T\\Sys\\mutemodedec.htm"},
    {84061015, "pardex\\Signal\\5T\\Sys\\scan.htm"},
    {94061015, "pardex\\Signal\\5T\\Sys\\stun.htm"},
    {104061015, "pardex\\Signal\\5T\\Sys\\autotx.htm"},
    {114061015, "pardex\\Signal\\5T\\Sys\\emergencyoff.htm"},
    {124061015, "pardex\\Signal\\5T\\Sys\\decodeledmode.htm"},
    {134061015, "pardex\\Signal\\5T\\Sys\\decodeledcolor.htm"},
    {144061015, "pardex\\Signal\\5T\\Sys\\alertmode.htm"},
    {154061015, "pardex\\Signal\\5T\\Sys\\alertrepeat.htm"},
    {164061015, "pardex\\Signal\\5T\\Sys\\beep.htm"},
    {174061015, "pardex\\Signal\\5T\\Sys\\beep.htm"},
    {184061015, "pardex\\Signal\\5T\\Sys\\acccontrol1to4.htm"},
    {194061015, "pardex\\Signal\\5T\\Sys\\acccontrol1to4.htm"},
    {204061015, "pardex\\Signal\\5T\\Sys\\acccontrol1to4.htm"},
    {214061015, "pardex\\Signal\\5T\\Sys\\acccontrol1to4.htm"},
    {1741013, "vondel\\Main\\LTR\\LTRGroup\\Zone\\LTRGroup.htm"},
    {176141013, "vondel\\Signal\\MDC\\Sys\\RELEASEANIDISP.htm"},
};
}  // namespace

std::span<const HelpTopicRow> HelpTopicTable() {
    return kRows;
}
