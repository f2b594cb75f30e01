#pragma once
// The per-channel popups' rules without a window: the CTCSS tones and DCS
// codes a sub-audio list offers, what the ANI dialog stores, which further
// screen an ANI dialog result asks for, and what the list popups store.
#include <array>
#include <string>

#include "image/CloneImage.h"

namespace ChannelPopups {

// CTCSS tones in tenths of a hertz, in list order; DCS codes ascending.
extern const std::array<int, 50> CtcssTones;
extern const std::array<int, 106> DcsCodes;
inline constexpr int CtcssMin = 600, CtcssMax = 2541;
inline constexpr int DcsMin = 0, DcsMax = 511;

// Row texts: "%4.1f" of the tone in hertz, "%03o" of the code.
std::string CtcssText(int tenths);
std::string DcsText(int code);

// The sub-audio side a popup edits: 0 decode, 1 encode.
namespace Direction {
inline constexpr int Decode = 0, Encode = 1;
}
int SubAudioType(const CloneImage& image, int channel, int direction);
int SubAudioCode(const CloneImage& image, int channel, int direction);
// Writes `code`, clamped to the range of the side's type, into the side's
// code only (the types stay). False, nothing written, when the side has no
// tone or `code` is negative (nothing chosen).
bool StoreSubAudioCode(CloneImage& image, int channel, int direction, int code);

// The ANI dialog's fields: -1 for a combo with nothing selected.
struct AniFields {
    int type = -1;
    int monitor = -1;
    int table = -1;
};
// Stores them: the type through the channel operations (MDC1200 on a
// channel of signalling type 4 turns that signalling off), the monitor, and
// the MDC1200 ANI table for type 2 or 128 for FleetLink (type 3).
void SaveAniFields(CloneImage& image, int channel, const AniFields& fields);

// "ANI Setting" closes the ANI dialog with this plus the chosen type.
inline constexpr int AniSettingResultBase = 1024;
// The settings screen an "ANI Setting" result opens.
enum class AniScreen { None, DtmfAni, Mdc1200Common, Mdc1200System, FleetLinkAni };
AniScreen ScreenForAniResult(const CloneImage& image, int result);

// The list popups: kind 1 VOX, 2 encryption.
namespace PopupKind {
inline constexpr int Vox = 1, Encryption = 2;
}
int PopupValue(const CloneImage& image, int channel, int kind);
void StorePopupValue(CloneImage& image, int channel, int kind, int value);

}  // namespace ChannelPopups
