#include "alignment/AlignmentMain.h"

#include "alignment/AlignmentData.h"
#include "alignment/AlignmentFiles.h"
#include "alignment/AlignmentOperations.h"
#include "image/Model.h"
#include "serial/PXComCommandRetry.h"

namespace AlignmentMain {

const Button* FindButton(int id) {
    for (const auto& button : Buttons)
        if (button.id == id) return &button;
    return nullptr;
}

int TxPowerLevel(const Button& button, const CloneImage& image) {
    if (button.id == 2405 && Model::IsSpecialVariant(image)) return 1;
    return button.kind;
}

bool Stores(const Button& button, const CloneImage& image) {
    if (button.action != Action::TxPower || !Model::IsSpecialVariant(image)) return true;
    const int level = TxPowerLevel(button, image);
    return level != 1 && level != 3;
}

bool PrepareAlignment(PXComCommandRetry* radio, int preparation, int point) {
    if (!radio) return false;
    if ((preparation & PrepareSelect) && !radio->SelectAlignChannelRetry(point)) return false;
    if ((preparation & PrepareReceive) && !radio->ReceiveRetry()) return false;
    return true;
}

Finish End(bool accept, CloneImage& image, const std::string& backupName,
           const std::function<bool(int operation, CloneImage& working)>& run) {
    CloneImage working = image;
    // Without the whole backup the radio would get the wrong channels back.
    if (!AlignmentFiles::CHBaselineFileLoad(backupName, working)) return Finish::BackupUnreadable;
    if (!accept) {
        AlignmentData::UpdateAlignChecksum(working, AlignmentData::Copy::Eeprom);
        AlignmentData::UpdateAlignChecksum(working, AlignmentData::Copy::Page14);
    }
    const int operation =
        accept ? AlignmentOperations::OpAlignmentWrite : AlignmentOperations::OpAlignmentRestore;
    if (run && run(operation, working)) {
        image = working;
        AlignmentFiles::DeleteBackup(backupName);
        return Finish::Done;
    }
    CloneImage backup;
    if (AlignmentFiles::CHBaselineFileLoad(backupName, backup)) image = backup;
    return Finish::Failed;
}

}  // namespace AlignmentMain
