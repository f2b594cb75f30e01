#pragma once
// Repairs of a radio whose stored data is damaged, without the user's data
// file. The radio data recovery (operation 11) finds the first damaged area of
// the radio's memory and repairs that area only, from the radio's own
// redundant copy or from the default data file of its variant; the return to
// default (operation 12) puts the tuned alignment block of flash page 14 back
// to the factory copy the radio keeps in flash page 15.
//
// Both run on the runner's worker thread on a copy of the image they are
// given, which they never change: the caller's document is untouched whatever
// the outcome. Neither writes before the radio's programming password has
// been checked, so a radio stunned or locked by its owner cannot be re-enabled
// by anyone with a cable. The radio's factory alignment block (page 15,
// 0x280-0x3FF) is only ever written to restore it when it is itself erased.
#include <cstddef>

#include "image/CloneImage.h"

class PXCommunicationEvent;

namespace RadioRecovery {

inline constexpr int OpRadioDataRecovery = 11, OpAdjReturn = 12;

// The areas the recovery examines, in the order it examines them.
enum class Area {
    ErrorCode1,        // page-14 alignment block checksum
    ErrorCode2,        // EEPROM word 511, the completion marker
    ErrorCode4,        // header bytes 0xB8-0xB9: kill/stun
    RadioInformation,  // band limits in the header against page 8
    AlignmentBackup,   // EEPROM alignment against its page-15 copy
    HardwareData,      // page 8's hardware marker
    SubAudioFilter,    // page 15 from 0x100
    LcdTag,            // page 15 from 0x000
};

struct AreaRow {
    Area area;
    const char* name;
    int repairedResult;      // the result after a repair
    int unrepairableResult;  // the result when it cannot be repaired; 0: the writer's
};

inline constexpr AreaRow Areas[] = {
    {Area::ErrorCode1, "error code 1", 17, 0},
    {Area::ErrorCode2, "error code 2", 18, 0},
    {Area::ErrorCode4, "error code 4", 20, 0},
    {Area::RadioInformation, "radio information", 22, 23},
    {Area::AlignmentBackup, "alignment backup", 24, 25},
    {Area::HardwareData, "hardware data", 33, 27},
    {Area::SubAudioFilter, "sub-audio filter data", 28, 29},
    {Area::LcdTag, "LCD tag data", 30, 31},
};
const AreaRow& RowOf(Area area);

// Places, in buffer offsets of the image.
inline constexpr std::size_t Page14Block = CloneImage::BlockOffset(14, 0x280);
inline constexpr std::size_t Page15Block = CloneImage::BlockOffset(15, 0x280);
inline constexpr std::size_t AlignBlockSize = 48;
inline constexpr std::size_t KillStunBytes = 0xB8;
inline constexpr std::size_t HeaderMinFrequency = 0x24, HeaderMaxFrequency = 0x26;
inline constexpr std::size_t Page8MinFrequency = CloneImage::BlockOffset(8, 0x0C);
inline constexpr std::size_t Page8MaxFrequency = CloneImage::BlockOffset(8, 0x0E);
inline constexpr std::size_t HardwareMarker = CloneImage::BlockOffset(8, 0x6D);
inline constexpr unsigned HardwareMarkerValue = 0x41A0;
// The EEPROM alignment area (block and table) and its page-15 copy.
struct Span {
    std::size_t first;
    std::size_t size;
};
inline constexpr Span EepromAlignment[] = {{0x30, 0x80}, {0x240, 0x100}};
inline constexpr Span Page15Alignment[] = {{CloneImage::BlockOffset(15, 0x280), 0x80},
                                           {CloneImage::BlockOffset(15, 0x300), 0x100}};
// What a repair from the default data file restores (the factory alignment
// block from 0x280 on is the radio's own and is never taken from a file).
inline constexpr Span SubAudioFilterData{CloneImage::BlockOffset(15, 0x100), 0x180};
inline constexpr Span LcdTagData{CloneImage::BlockOffset(15, 0x000), 0x80};
// The radio's own identity bytes of page 8 kept when page 8 comes from a file.
inline constexpr Span Page8OwnBytes{CloneImage::BlockOffset(8, 0x000), 0x18};

// True when `area` of `image` (as read from the radio) holds sound data.
bool IsSound(const CloneImage& image, Area area);

// The operations, as the runner calls them; true on success.
bool RadioDataRecovery(PXCommunicationEvent& runner, CloneImage& image);
bool AdjDataReturnToDefault(PXCommunicationEvent& runner, CloneImage& image);

// Adds both operations to the runner.
void Register();

}  // namespace RadioRecovery
