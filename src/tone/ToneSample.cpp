#include "tone/ToneSample.h"

#include <wx/app.h>

#include "language/Language.h"
#include "ui/MessageService.h"

namespace ToneSample {

std::unique_ptr<CPhrase> MakePlayer() {
    return std::make_unique<CPhrase>(MakeWaveOutput([](std::function<void()> f) {
        if (wxTheApp) wxTheApp->CallAfter(std::move(f));
    }));
}

void Play(CPhrase& player, const std::filesystem::path& path) {
    switch (player.LoadWave(path)) {
        case CPhrase::Load::Ok:
            if (!player.Play() && !player.DeviceError().empty())
                ShowMessage(player.DeviceError(), {}, MsgStyle::Ok | MsgStyle::IconWarning);
            return;
        case CPhrase::Load::Missing:
            ShowMessage(GetRIDText(33062) + path.string(), {}, MsgStyle::Ok | MsgStyle::IconWarning);
            return;
        case CPhrase::Load::Invalid:
            ShowMessage(player.LoadError() + "\n" + path.string(), {}, MsgStyle::Ok | MsgStyle::IconWarning);
            return;
    }
}

}  // namespace ToneSample
