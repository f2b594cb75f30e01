#pragma once
// The pair of combo boxes that choose a channel as group and position: the
// group box lists the radio's groups, the channel box the sixteen positions
// of the chosen group that hold a channel in use. A mode says which groups
// are offered and whether the boxes can be used:
//   Select    every group; both boxes usable (the group box not on a ZT-640)
//   Fixed     no group (nothing chooses a fixed group); both boxes disabled
//   Priority  groups with a priority channel in use; the channel box empty
//   Off       nothing; both boxes disabled and empty
// A group without a usable channel gives "No Active CH!" or "No Priority
// CH!" (once the page has opened) and disables both boxes.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "settings/SettingsForm.h"

namespace Settings {

class GroupChannelSelector {
  public:
    enum class Mode { Select, Fixed, Priority, Off };
    static constexpr std::int32_t NotUsed = 254;
    static constexpr int RidNoPriorityChannel = 33050, RidNoActiveChannel = 33051;

    GroupChannelSelector(SettingsForm& form, int groupId, int channelId);

    // Reads groups and channels from the image and lists them: every group,
    // and group 0's channels. Warnings stay off until switched on.
    void Bind(const CloneImage& image);
    void SetWarnings(bool on) { warnings_ = on; }

    // Sets the mode and takes the shown group again; false when that group
    // has no usable channel. With `keep` the shown group and channel survive
    // and no warning is given.
    bool SetMode(Mode mode, bool keep);
    Mode CurrentMode() const { return mode_; }
    // The user picked a group: its channels are listed.
    bool GroupPicked();
    // The user picked a channel.
    void ChannelPicked();
    // A pick in the group box or the channel box; false for any other box.
    bool Picked(int controlId);

    // Every group row and the sixteen rows of group g ({254, "Not Used"} for
    // a position without a channel in use).
    const std::vector<ListRow>& GroupRows() const { return groupRows_; }
    const std::array<ListRow, 16>& ChannelRows(int group) const { return channelRows_[group]; }

  private:
    bool GroupOffered(std::int32_t group) const;
    bool LoadChannels(int group, bool keep);
    bool Warn(int rid);
    bool Reselect(bool keep);
    void RestoreSelection();

    SettingsForm& form_;
    int groupId_, channelId_;
    Mode mode_ = Mode::Select;
    bool warnings_ = false;
    bool keepChannel_ = false;
    bool lockedGroup_ = false;  // a ZT-640 does not choose the group
    std::int32_t rememberedGroup_ = 0;
    std::int32_t rememberedChannel_ = -1;
    std::vector<ListRow> groupRows_;
    std::array<std::array<ListRow, 16>, 8> channelRows_{};
    std::array<bool, 8> hasPriority_{};
};

// The box whose choice decides the selector's mode (emergency channel,
// revert channel, power-on condition). A choice the selector cannot follow
// falls back to the last accepted one, and failing that to `fallback`.
class ModeChoice {
  public:
    // Sets the mode for `value` (keeping the shown group and channel with
    // `keep`); false when the selector cannot follow it.
    using Apply = std::function<bool(std::int32_t value, bool keep)>;
    // Whether an empty box (a stored value the list does not offer) counts
    // as an accepted choice to fall back to.
    enum class Empty { Remembered, Ignored };

    ModeChoice(SettingsForm& form, int boxId, std::int32_t fallback, Apply apply,
               Empty empty = Empty::Remembered);

    // As the page opens: nothing accepted yet but the fallback.
    void Start() {
        last_ = fallback_;
        Follow();
    }
    // The box's choice changed.
    void Follow();

  private:
    SettingsForm& form_;
    int boxId_;
    std::int32_t fallback_;
    std::int32_t last_;
    Apply apply_;
    Empty empty_;
};

}  // namespace Settings
