#include "channel/GroupAllocationModel.h"

#include <algorithm>
#include <cstdio>

#include "channel/ChannelTables.h"
#include "image/ChannelOps.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/TagCharRule.h"

namespace ZoneAllocation {

Cell Classify(int row, int col, int groupCount) {
    if (row < 1 || row >= GridRows || col < 1 || col >= GridCols) return {};
    const int group = (col - 1) / 5;
    const int within = (col - 1) % 5;
    if (group >= groupCount || group >= Groups || within == 4) return {};
    if (row == TagRow) return within == 0 ? Cell{CellKind::GroupTag, group, -1} : Cell{};
    if (row == GroupScanRow) return within == 0 ? Cell{CellKind::GroupScan, group, -1} : Cell{};
    if (row < FirstPositionRow) return {};
    constexpr CellKind kinds[] = {CellKind::ChannelNo, CellKind::Tag, CellKind::Scan, CellKind::Priority};
    return {kinds[within], group, row - FirstPositionRow};
}

int ColumnOf(int group, CellKind kind) {
    const int first = 5 * group + 1;
    switch (kind) {
        case CellKind::Tag:
            return first + 1;
        case CellKind::Scan:
            return first + 2;
        case CellKind::Priority:
            return first + 3;
        default:
            return first;
    }
}

bool ParseChannelNoText(std::string_view text, int channelCount, int& member) {
    if (text.empty()) {
        member = NoMember;
        return true;
    }
    if (text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    if (channelCount <= 0) return false;
    const int number = std::stoi(std::string(text));
    member = std::clamp(number - 1, 0, channelCount - 1);
    return true;
}

int ParseChannelNo(std::string_view text, int channelCount) {
    int member = NoMember;
    return ParseChannelNoText(text, channelCount, member) ? member : NoMember;
}

}  // namespace ZoneAllocation

using namespace ZoneAllocation;

namespace {

const std::string kEmpty;

bool ValidGroup(int g) {
    return g >= 0 && g < Groups;
}
bool ValidPosition(int p) {
    return p >= 0 && p < Positions;
}
bool ValidChannel(int c) {
    return c >= 0 && c < Channels;
}

// The text a tag cell keeps: what the radio will show for the typed text.
std::string NormalisedTag(std::string_view text) {
    return KXTagString(text, 8).GetText();
}

}  // namespace

void zone_allocation_grid::FillFromImage(const CloneImage& image) {
    groupCount_ = std::clamp(static_cast<int>(ItemMap::GetMaxGroup(image)), 0, Groups);
    const int maxCh = std::clamp(static_cast<int>(ItemMap::GetMaxCh(image)), 0, 16);
    channelCount_ = std::min(8 * maxCh, Channels);
    positions_ = std::min(8 * maxCh, Positions);
    displayType_ = static_cast<int>(ItemMap::GetDisplayType(image));
    priorityLocked_ = Version::Compare(image, 1, 10, 0, 0) >= 0 && Model::GroupMode(image) == 1;

    const bool older = Version::Compare(image, 1, 9, 0, 0) < 0;
    for (int g = 0; g < Groups; ++g) {
        const auto kind =
            ItemMap::ReadHeaderField(ItemMap::HeaderOptionItems[4], image, static_cast<std::uint32_t>(g), 1);
        ordinary_[g] = older || kind == 0 || kind == 4 || kind == 15;
    }

    for (auto& list : locations_) list.clear();
    for (int c = 0; c < Channels; ++c) {
        inUse_[c] = inUseRead_[c] = ItemMap::ReadBit(image, c) == 0;
        names_[c] = namesRead_[c] = Channel::GetTag(image, c);
    }
    for (int g = 0; g < Groups; ++g) {
        for (int p = 0; p < Positions; ++p) {
            int member = NoMember;
            if (g < groupCount_) {
                const auto stored = static_cast<int>(ItemMap::ReadIndexedItem(image, g, p));
                if (ValidChannel(stored)) member = stored;
            }
            slots_[g][p] = member;
            if (member != NoMember) locations_[member].push_back({g, p});
        }
        const bool enabled = IsGroupEnabled(g);
        tags_[g] = tagsRead_[g] = enabled ? TagCodesToText(ItemMap::GetGroupTag(image, g)) : " ";
        groupScan_[g] = enabled && ItemMap::GetGroupScanFlag(image, g) == 0;
        for (int p = 0; p < Positions; ++p)
            scan_[g][p] = enabled && ItemMap::GetChannelScanZoneBit(image, 16 * g + p) == 0;
        const auto stored = static_cast<int>(ItemMap::GetPriorityChannel(image, g));
        priority_[g] = enabled && stored < Positions ? stored : -1;
    }
}

bool zone_allocation_grid::IsOrdinary(int group) const {
    return ValidGroup(group) && ordinary_[group];
}

bool zone_allocation_grid::IsGroupEnabled(int group) const {
    return IsOrdinary(group) && group < groupCount_;
}

int zone_allocation_grid::Member(int group, int position) const {
    return ValidGroup(group) && ValidPosition(position) ? slots_[group][position] : NoMember;
}

const std::vector<regist_loc>& zone_allocation_grid::Locations(int channel) const {
    static const std::vector<regist_loc> none;
    return ValidChannel(channel) ? locations_[channel] : none;
}

const std::string& zone_allocation_grid::Name(int channel) const {
    return ValidChannel(channel) ? names_[channel] : kEmpty;
}

const std::string& zone_allocation_grid::GroupTag(int group) const {
    return ValidGroup(group) ? tags_[group] : kEmpty;
}

bool zone_allocation_grid::GroupScanOn(int group) const {
    return ValidGroup(group) && groupScan_[group];
}

bool zone_allocation_grid::ScanOn(int group, int position) const {
    return ValidGroup(group) && ValidPosition(position) && scan_[group][position];
}

int zone_allocation_grid::Priority(int group) const {
    return ValidGroup(group) ? priority_[group] : -1;
}

bool zone_allocation_grid::InUse(int channel) const {
    return ValidChannel(channel) && inUse_[channel];
}

bool zone_allocation_grid::IsPositionEditable(int group, int position) const {
    if (!IsGroupEnabled(group) || position < 0 || position >= positions_) return false;
    const int member = slots_[group][position];
    return member != NoMember && InUse(member);
}

bool zone_allocation_grid::IsEditable(const Cell& cell) const {
    switch (cell.kind) {
        case CellKind::GroupTag:
        case CellKind::GroupScan:
            return IsGroupEnabled(cell.group);
        case CellKind::Priority:
            return !priorityLocked_ && IsPositionEditable(cell.group, cell.position);
        case CellKind::ChannelNo:
        case CellKind::Tag:
        case CellKind::Scan:
            return IsPositionEditable(cell.group, cell.position);
        default:
            return false;
    }
}

// ---- the grid ---------------------------------------------------------------------------

std::string zone_allocation_grid::CellText(int row, int col) const {
    if (row < 0 || row >= GridRows || col < 0 || col >= GridCols) return {};
    if (col == 0) {
        static const char* titles[] = {"Group No.", "Group TAG", "Group Scan", "Position"};
        if (row < FirstPositionRow) return titles[row];
        return numberWord_ + std::to_string(row - FirstPositionRow + 1);
    }
    const int within = (col - 1) % 5;
    if (within == 4) return {};
    const int g = (col - 1) / 5;
    if (row == 0) return "Group-" + std::to_string(g + 1);
    if (row == TagRow) return tags_[g];
    if (row == GroupScanRow) return groupScan_[g] ? GroupScanOnText : MarkOffText;
    if (row == HeadingRow) {
        static const char* headings[] = {"CH No.", "TAG", "SC", "P"};
        return headings[within];
    }
    const int p = row - FirstPositionRow;
    if (!IsGroupEnabled(g) || p >= positions_) return {};
    const int member = slots_[g][p];
    switch (within) {
        case 0:
            return member == NoMember ? std::string() : std::to_string(member + 1);
        case 1:
            return member == NoMember ? std::string() : names_[member];
        case 2:
            return scan_[g][p] ? MarkOnText : MarkOffText;
        default:
            return priority_[g] == p ? MarkOnText : MarkOffText;
    }
}

zone_allocation_grid::Look zone_allocation_grid::CellLook(int row, int col) const {
    Look look;
    if (row <= 0 || row == HeadingRow || col <= 0 || row >= GridRows || col >= GridCols) return look;
    const int within = (col - 1) % 5;
    if (within == 4) return look;
    const int g = (col - 1) / 5;
    const bool enabled = IsGroupEnabled(g);
    look.back = enabled ? EnabledBack : DisabledBack;
    if (row == GroupScanRow) look.picture = enabled && groupScan_[g];
    if (row < FirstPositionRow || !enabled) return look;

    const int p = row - FirstPositionRow;
    const int member = p < positions_ ? slots_[g][p] : NoMember;
    if (member == NoMember) look.back = DisabledBack;
    if (within == 3 && priorityLocked_) look.back = DisabledBack;
    if (member != NoMember && !InUse(member)) look.greyText = true;
    if (p < positions_) {
        if (within == 2) look.picture = scan_[g][p];
        if (within == 3) look.picture = priority_[g] == p;
    }
    return look;
}

bool zone_allocation_grid::IsColumnHidden(int col) const {
    if (displayType_ == 0 && col >= 5) return true;
    const bool tagsShown = displayType_ == 2 || displayType_ == 5 || displayType_ == 6;
    return !tagsShown && col > 0 && col % 5 == 2;
}

bool zone_allocation_grid::IsRowHidden(int row) const {
    const bool tagsShown = displayType_ == 2 || displayType_ == 5 || displayType_ == 6;
    return row == TagRow && !tagsShown;
}

// ---- edits ------------------------------------------------------------------------------

void zone_allocation_grid::SetMember(int group, int position, int member) {
    const int previous = slots_[group][position];
    if (previous == member) return;
    if (previous != NoMember) std::erase(locations_[previous], regist_loc{group, position});
    slots_[group][position] = member;
    if (member != NoMember) locations_[member].push_back({group, position});
}

bool zone_allocation_grid::SetGroupTag(int group, std::string_view text) {
    if (!IsGroupEnabled(group)) return false;
    std::string tag = NormalisedTag(text);
    if (tag == tags_[group]) return false;
    tags_[group] = std::move(tag);
    return true;
}

bool zone_allocation_grid::EndChannelNoEdit(int group, int position, std::string_view text) {
    if (!IsPositionEditable(group, position)) return false;
    int member = NoMember;
    if (!ParseChannelNoText(text, channelCount_, member)) return false;
    if (member == slots_[group][position]) return false;
    SetMember(group, position, member);
    return true;
}

bool zone_allocation_grid::RenameMember(int group, int position, std::string_view text) {
    if (!IsPositionEditable(group, position)) return false;
    const int member = slots_[group][position];
    std::string name = NormalisedTag(text);
    if (name == names_[member]) return false;
    names_[member] = std::move(name);
    return true;
}

bool zone_allocation_grid::ToggleGroupScan(int group) {
    if (!IsGroupEnabled(group)) return false;
    groupScan_[group] = !groupScan_[group];
    return true;
}

bool zone_allocation_grid::ToggleScan(int group, int position) {
    if (!IsPositionEditable(group, position)) return false;
    scan_[group][position] = !scan_[group][position];
    return true;
}

bool zone_allocation_grid::TogglePriority(int group, int position) {
    if (priorityLocked_ || !IsPositionEditable(group, position)) return false;
    priority_[group] = priority_[group] == position ? -1 : position;
    return true;
}

bool zone_allocation_grid::ToggleInUse(int group, int position) {
    if (!IsGroupEnabled(group) || position < 0 || position >= positions_) return false;
    if (group == 0 && position == 0) return false;
    const int member = slots_[group][position];
    if (member == NoMember) return false;
    if (member == 0 && inUse_[0]) return false;
    inUse_[member] = !inUse_[member];
    return true;
}

int zone_allocation_grid::EditorLength(const Cell& cell) const {
    switch (cell.kind) {
        case CellKind::GroupTag:
        case CellKind::Tag:
            return 8;
        case CellKind::ChannelNo:
            return 4;
        default:
            return 0;
    }
}

bool zone_allocation_grid::Activate(const Cell& cell) {
    switch (cell.kind) {
        case CellKind::GroupScan:
            return ToggleGroupScan(cell.group);
        case CellKind::Scan:
            return ToggleScan(cell.group, cell.position);
        case CellKind::Priority:
            return TogglePriority(cell.group, cell.position);
        case CellKind::ChannelNo:
            return ToggleInUse(cell.group, cell.position);
        default:
            return false;
    }
}

bool zone_allocation_grid::EndEdit(const Cell& cell, std::string_view text) {
    switch (cell.kind) {
        case CellKind::GroupTag:
            return SetGroupTag(cell.group, text);
        case CellKind::ChannelNo:
            return EndChannelNoEdit(cell.group, cell.position, text);
        case CellKind::Tag:
            return RenameMember(cell.group, cell.position, text);
        default:
            return false;
    }
}

std::string zone_allocation_grid::CopyText(int row, int col) const {
    const Cell cell = Classify(row, col, groupCount_);
    const bool mark = cell.kind == CellKind::Scan || cell.kind == CellKind::Priority;
    if (mark && IsGroupEnabled(cell.group) && cell.position < positions_) {
        const bool on = cell.kind == CellKind::Scan ? ScanOn(cell.group, cell.position)
                                                    : Priority(cell.group) == cell.position;
        return ChannelTables::CheckCopyText(MarkList, on ? MarkOnText : MarkOffText);
    }
    return CellText(row, col);
}

bool zone_allocation_grid::Paste(const Cell& cell, std::string_view text) {
    if (!IsEditable(cell)) return false;
    switch (cell.kind) {
        case CellKind::GroupTag:
            return SetGroupTag(cell.group, text);
        case CellKind::ChannelNo: {
            int member = NoMember;
            if (!ParseChannelNoText(text, channelCount_, member) || member == NoMember) return false;
            return EndChannelNoEdit(cell.group, cell.position, text);
        }
        case CellKind::Tag:
            return RenameMember(cell.group, cell.position, text);
        case CellKind::Scan:
        case CellKind::Priority: {
            const auto shown = ChannelTables::CheckPasteText(MarkList, text);
            if (!shown) return false;
            const bool want = *shown == MarkOnText;
            const bool on = cell.kind == CellKind::Scan ? ScanOn(cell.group, cell.position)
                                                        : Priority(cell.group) == cell.position;
            if (on == want) return false;
            return cell.kind == CellKind::Scan ? ToggleScan(cell.group, cell.position)
                                               : TogglePriority(cell.group, cell.position);
        }
        default:
            return false;
    }
}

void zone_allocation_grid::StoreToImage(CloneImage& image) const {
    for (int g = 0; g < Groups; ++g) {
        if (!IsGroupEnabled(g)) continue;
        if (tags_[g] != tagsRead_[g]) ItemMap::SetGroupTag(image, g, TagTextToCodes(tags_[g], 8));
        ItemMap::SetGroupScanFlag(image, g, groupScan_[g] ? 0 : 1);
    }
    for (int c = 0; c < channelCount_; ++c)
        if (names_[c] != namesRead_[c]) Channel::SetTag(image, c, names_[c]);
    for (int g = 0; g < Groups; ++g) {
        if (!IsGroupEnabled(g)) continue;
        int priority = 0xFF;
        for (int p = 0; p < positions_; ++p) {
            const int member = slots_[g][p];
            ItemMap::WriteIndexedItem(image, g, p,
                                      member == NoMember ? 0xFFu : static_cast<std::uint32_t>(member));
            ItemMap::SetChannelScanZoneBit(image, 16 * g + p, scan_[g][p] ? 0 : 1);
            if (priority_[g] == p) priority = p;
        }
        ItemMap::SetPriorityChannel(image, g, static_cast<std::uint32_t>(priority));
    }
    for (int c = 0; c < Channels; ++c)
        if (inUse_[c] != inUseRead_[c])
            ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, c, inUse_[c] ? 0 : 1);
    Zone::RefreshValidBits(image);
}
