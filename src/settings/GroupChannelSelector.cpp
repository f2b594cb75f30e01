#include "settings/GroupChannelSelector.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "image/ChannelOps.h"
#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/TagCharRule.h"
#include "settings/SettingsPage.h"

namespace Settings {

namespace {

constexpr int kGroups = 8, kPositions = 16;
constexpr std::uint32_t kEmpty = 0xFF;

std::string Prefix(int type) {
    return type == 1 ? "LTR" : type == 2 ? "PPT" : "CH";
}

}  // namespace

GroupChannelSelector::GroupChannelSelector(SettingsForm& form, int groupId, int channelId)
    : form_(form), groupId_(groupId), channelId_(channelId) {}

void GroupChannelSelector::Bind(const CloneImage& image) {
    const int groups = static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxGroup(image), kGroups));
    const int channelLimit = static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxCh(image), 16)) * 8;
    const bool named = !Model::IsPlainKind(image);
    const bool typed = Version::Compare(image, 1, 9, 0, 0) >= 0;
    lockedGroup_ = Model::IndexFromTypeCode(image) == 1;

    groupRows_.clear();
    for (int g = 0; g < kGroups; ++g) {
        int type = 0;
        if (typed) {
            const auto t = ItemMap::ReadHeaderField(ItemMap::HeaderOptionItems[4], image,
                                                    static_cast<std::uint32_t>(g), 1);
            type = t == 15 ? 0 : static_cast<int>(t);
        }
        auto usable = [&](std::uint32_t c) {
            return c != kEmpty && static_cast<int>(c) < channelLimit &&
                   Channel::IsInUse(image, static_cast<int>(c));
        };
        for (int p = 0; p < kPositions; ++p) {
            const std::uint32_t c = ItemMap::ReadIndexedItem(image, g, p);
            ListRow& row = channelRows_[g][p];
            if (!usable(c)) {
                row = {NotUsed, "Not Used"};
                continue;
            }
            char number[16];
            std::snprintf(number, sizeof number, "%02d", kPositions * g + p + 1);
            row = {p, Prefix(type) + number};
            if (named) row.text += " :" + Channel::GetTag(image, static_cast<int>(c));
        }
        const std::uint32_t priority = ItemMap::GetPriorityChannel(image, g);
        hasPriority_[g] =
            priority < kPositions && usable(ItemMap::ReadIndexedItem(image, g, static_cast<int>(priority)));
        if (g >= groups || ItemMap::ReadBitmapBit(ItemMap::ChannelBitmapItems[1], image, g) != 0) continue;
        char name[16];
        std::snprintf(name, sizeof name, "%s%02d", typed && type == 1 ? "System" : "Group", g + 1);
        std::string text = name;
        if (named) text += " :" + TagCodesToText(ItemMap::GetGroupTag(image, g));
        groupRows_.push_back({g, text});
    }
    // The boxes start on the first group and its first channel, as a box
    // filled for the value 0 does.
    form_.SetRows(groupId_, groupRows_);
    if (form_.Value(groupId_) == -1) form_.SelectValue(groupId_, 0);
    LoadChannels(0, false);
    if (form_.Value(channelId_) == -1) form_.SelectValue(channelId_, 0);
    rememberedChannel_ = form_.Value(channelId_);
}

bool GroupChannelSelector::GroupOffered(std::int32_t group) const {
    switch (mode_) {
        case Mode::Select:
            return true;
        case Mode::Priority:
            return group >= 0 && group < kGroups && hasPriority_[group];
        default:
            return false;
    }
}

bool GroupChannelSelector::SetMode(Mode mode, bool keep) {
    mode_ = mode;
    const bool groupUsable = (mode == Mode::Select || mode == Mode::Priority) && !lockedGroup_;
    form_.Enable(groupId_, groupUsable);
    form_.Enable(channelId_, mode == Mode::Select);
    if (mode == Mode::Priority || mode == Mode::Off) form_.SelectIndex(channelId_, -1);
    std::vector<ListRow> offered;
    for (const ListRow& row : groupRows_)
        if (GroupOffered(row.value)) offered.push_back(row);
    form_.SetRows(groupId_, std::move(offered));
    // A box that lost its group (none was offered before) takes the
    // remembered group again, or else the first one offered.
    if (form_.Value(groupId_) == -1 && !form_.SelectValue(groupId_, rememberedGroup_))
        form_.SelectIndex(groupId_, 0);
    return Reselect(keep);
}

bool GroupChannelSelector::LoadChannels(int group, bool keep) {
    std::vector<ListRow> rows;
    if (group >= 0 && group < kGroups)
        for (const ListRow& row : channelRows_[group])
            if (row.value != NotUsed) rows.push_back(row);
    const bool any = !rows.empty();
    form_.SetRows(channelId_, std::move(rows));
    if (keep) {
        form_.SelectValue(channelId_, rememberedChannel_);
    } else {
        rememberedChannel_ = form_.Value(channelId_);
    }
    return any;
}

bool GroupChannelSelector::Warn(int rid) {
    if (warnings_) ShowRidMessage(rid, {}, MsgStyle::Ok | MsgStyle::IconWarning);
    form_.Enable(groupId_, false);
    form_.Enable(channelId_, false);
    return false;
}

bool GroupChannelSelector::GroupPicked() {
    const std::int32_t group = form_.Value(groupId_);
    switch (mode_) {
        case Mode::Select:
            if (!LoadChannels(group, keepChannel_)) return Warn(RidNoActiveChannel);
            break;
        case Mode::Fixed:
            if (!LoadChannels(group, keepChannel_)) return Warn(RidNoPriorityChannel);
            break;
        case Mode::Priority:
            LoadChannels(-1, keepChannel_);
            if (group == -1) return Warn(RidNoPriorityChannel);
            break;
        case Mode::Off:
            LoadChannels(-1, keepChannel_);
            break;
    }
    rememberedGroup_ = group;
    return true;
}

void GroupChannelSelector::ChannelPicked() {
    rememberedChannel_ = form_.Value(channelId_);
}

bool GroupChannelSelector::Picked(int controlId) {
    if (controlId == groupId_) {
        GroupPicked();
        return true;
    }
    if (controlId == channelId_) {
        ChannelPicked();
        return true;
    }
    return false;
}

bool GroupChannelSelector::Reselect(bool keep) {
    const bool warnings = warnings_;
    const std::int32_t group = rememberedGroup_;
    if (keep) {
        warnings_ = false;
        keepChannel_ = true;
    }
    const bool ok = GroupPicked();
    keepChannel_ = false;
    if (keep) {
        rememberedGroup_ = group;
        warnings_ = warnings;
        if (ok) RestoreSelection();
    }
    return ok;
}

void GroupChannelSelector::RestoreSelection() {
    const std::int32_t channel = rememberedChannel_;
    form_.SelectValue(groupId_, rememberedGroup_);
    GroupPicked();
    form_.SelectValue(channelId_, channel);
    rememberedChannel_ = channel;
}

ModeChoice::ModeChoice(SettingsForm& form, int boxId, std::int32_t fallback, Apply apply, Empty empty)
    : form_(form),
      boxId_(boxId),
      fallback_(fallback),
      last_(fallback),
      apply_(std::move(apply)),
      empty_(empty) {}

void ModeChoice::Follow() {
    const std::int32_t value = form_.Value(boxId_);
    if (apply_(value, false)) {
        if (value != -1 || empty_ == Empty::Remembered) last_ = value;
        return;
    }
    form_.SelectValue(boxId_, last_);
    if (apply_(last_, true)) return;
    form_.SelectValue(boxId_, fallback_);
    apply_(fallback_, false);
    last_ = fallback_;
}

}  // namespace Settings
