// The RID-to-topic table of the help file's index. Only these rows are
// known; a complete index drops in here row for row.
#include "help/HelpMap.h"

namespace {
constexpr HelpTopicRow kRows[] = {
    {1010, "pardex\\Main\\Ch\\CH_CHANNEL.htm"},
    {1400, "pardex\\Main\\Zone\\ZONELIST.htm"},
    {1012301, "pardex\\Main\\ZoneInfo\\ZoneInfo_TAG.htm"},
    {1282866, "pardex\\Help\\GETSTARTED.htm"},
    {1741013, "vondel\\Main\\LTR\\LTRGroup\\Zone\\LTRGroup.htm"},
    {176141013, "vondel\\Signal\\MDC\\Sys\\RELEASEANIDISP.htm"},
};
}  // namespace

std::span<const HelpTopicRow> HelpTopicTable() {
    return kRows;
}
