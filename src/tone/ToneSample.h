#pragma once
// Plays a tone sample file of the "Tone_sample" folder on a player, telling
// the user when the file is missing, unreadable or the device cannot open.
#include <filesystem>
#include <memory>

#include "tone/Phrase.h"

namespace ToneSample {
// A player whose output reports back on the event loop.
std::unique_ptr<CPhrase> MakePlayer();
void Play(CPhrase& player, const std::filesystem::path& path);
}  // namespace ToneSample
