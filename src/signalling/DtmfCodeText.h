#pragma once
// A stored DTMF code (8 bytes packed as the radio keeps them) as the text of
// its edit, and back. Shared by the DTMF dialing and ANI dialogs.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"

namespace DtmfCodeText {

using Read = int (*)(const CloneImage&, std::uint8_t*);
using Write = int (*)(CloneImage&, const std::uint8_t*);

inline constexpr std::uint32_t MaxDigits = 15;

std::string Load(Read read, const CloneImage& image);
// Packs up to 15 digits into the 8 bytes; an empty text stores 8 zero bytes.
void Store(Write write, CloneImage& image, std::string_view text);

}  // namespace DtmfCodeText
