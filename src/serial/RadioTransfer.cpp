#include "serial/RadioTransfer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>

#include "image/Frequency.h"
#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "serial/AlignmentBlock.h"
#include "serial/CommResult.h"
#include "serial/PXCommunicationEvent.h"
#include "serial/RadioItems.h"

namespace RadioTransfer {

namespace {

constexpr int UnattendedShipMode = 4;
constexpr int UploadRetryState = 1, UploadFirstState = 10;
constexpr int DownloadRetryState = 2, DownloadFirstState = 11;
constexpr int AnswerDefault = 2;
constexpr int RecoverySerialQuestion = 33007;
constexpr const char* RecoverySerialText = "Serial No. Error! Do you continue recovery?";

// The first channel in use whose frequency the prepared image does not hold
// (the radio's synthesiser cannot reach it, so its words would stand for
// another frequency), as "CH No. 12: RX 141.49000 MHz"; empty when every
// channel keeps its frequency.
std::string ChannelNotHeld(const CloneImage& prepared, const CloneImage& user) {
    for (int c = 0; c < ItemMap::ChannelCount; ++c) {
        if (ItemMap::ReadBit(prepared, c) != 0) continue;  // not in use
        for (int direction : {DirectionRx, DirectionTx}) {
            const double wanted = CalcPLLFrequency::ChannelFrequency(&user, c, direction);
            const double held = CalcPLLFrequency::ChannelFrequency(&prepared, c, direction);
            if (std::abs(held - wanted) * 1000000.0 <= CalcPLLFrequency::Tolerance) continue;
            char text[64];
            std::snprintf(text, sizeof text, "CH No. %d: %s %.5f MHz", c + 1,
                          direction == DirectionRx ? "RX" : "TX", wanted);
            return text;
        }
    }
    return {};
}

std::uint8_t* WordPtr(CloneImage& image, unsigned word) {
    return image.data() + 2 * word;
}
const std::uint8_t* WordPtr(const CloneImage& image, unsigned word) {
    return image.data() + 2 * word;
}
std::uint8_t* PagePtr(CloneImage& image, unsigned page) {
    return image.data() + CloneImage::BlockOffset(page);
}
const std::uint8_t* PagePtr(const CloneImage& image, unsigned page) {
    return image.data() + CloneImage::BlockOffset(page);
}

void CloseLine(PXComCommandRetry& cmd) {
    cmd.Drain();
    cmd.PurgeOutput();
    cmd.PortClose();
}

bool ShipProductCodeMatches(const CloneImage& radio, const CloneImage& image) {
    const auto code = ItemMap::ReadImageField(RadioItems::ProductCode, radio);
    if (code != ItemMap::ReadImageField(RadioItems::ProductCode, image)) return false;
    return std::find(std::begin(RadioItems::ShipProductCodes), std::end(RadioItems::ShipProductCodes),
                     code) != std::end(RadioItems::ShipProductCodes);
}

std::string DefaultFileOf(const CloneImage& image) {
    return Model::DefaultDataFileName(Model::VariantCodeFromImage(image), false);
}

// Download step 5: the radio must fit the image. Records the result.
bool CheckIdentity(PXCommunicationEvent& runner, const CloneImage& radio, const CloneImage& user) {
    const int mode = runner.Modes().service;
    if (runner.Modes().app == UnattendedShipMode && !ShipProductCodeMatches(radio, user)) {
        runner.CommErrorEvent(CommResult::ProductTypeError);
        return false;
    }
    if (mode != 2 && Model::IndexFromTypeCode(radio) < 0) {
        runner.CommErrorEvent(CommResult::ProductMismatch1);
        return false;
    }
    if (mode == 0 && ItemMap::ReadHeaderField(RadioItems::VariantByte, radio) > 1) {
        runner.CommErrorEvent(CommResult::ProductMismatch2);
        return false;
    }
    if (runner.RecoveryUnderway() && DefaultFileOf(radio) != DefaultFileOf(user)) {
        const int answer = runner.View().ShowMessage(RecoverySerialQuestion,
                                                     Host().Text(RecoverySerialQuestion, RecoverySerialText),
                                                     MsgStyle::OkCancel | MsgStyle::IconWarning);
        if (answer != MsgAnswer::Ok) {
            runner.SetResult(0);
            return false;
        }
        runner.SetRecoveryContinued(true);
    }
    if (mode == 0 && !BandCheck(radio, user)) {
        runner.CommErrorEvent(CommResult::BandMismatch);
        return false;
    }
    if (mode == 0 && !RangeCheck(radio, user)) {
        runner.CommErrorEvent(CommResult::RangeMismatch);
        return false;
    }
    return true;
}

bool WriteWords(PXCommunicationEvent& runner, std::uint16_t word, const std::uint8_t* data) {
    if (!runner.Command().EepromWriteRetry(word, 1, data)) {
        runner.CommErrorEvent(CommResult::CommunicationError);
        return false;
    }
    return true;
}

}  // namespace

bool ReadBlocks(PXCommunicationEvent& runner, CloneImage& image, const TransferList::Lists& lists) {
    PXComCommandRetry& cmd = runner.Command();
    for (const auto& entry : lists.words) {
        if (!cmd.EepromReadRetry(entry.first, entry.last - entry.first + 1, WordPtr(image, entry.first))) {
            runner.CommErrorEvent(CommResult::CommunicationError);
            return false;
        }
        runner.View().AddSteps(1);
    }
    for (const auto& range : lists.pages)
        for (unsigned page = range.first; page <= range.last; ++page) {
            if (!cmd.FlashPageReadRetry(static_cast<std::uint16_t>(page), PagePtr(image, page))) {
                runner.CommErrorEvent(CommResult::CommunicationError);
                return false;
            }
            runner.View().AddSteps(3);
        }
    return true;
}

bool WriteBlocksNoMarker(PXCommunicationEvent& runner, const CloneImage& image,
                         const TransferList::Lists& lists) {
    PXComCommandRetry& cmd = runner.Command();
    for (const auto& entry : lists.words) {
        if (cmd.Cancelled() ||
            !cmd.EepromWriteRetry(entry.first, entry.last - entry.first + 1, WordPtr(image, entry.first))) {
            runner.CommErrorEvent(CommResult::CommunicationError);
            return false;
        }
        runner.View().AddSteps(1);
    }
    for (const auto& range : lists.pages)
        for (unsigned page = range.first; page <= range.last; ++page) {
            if (cmd.Cancelled() ||
                !cmd.FlashPageWriteRetry(static_cast<std::uint16_t>(page), PagePtr(image, page))) {
                runner.CommErrorEvent(CommResult::CommunicationError);
                return false;
            }
            runner.View().AddSteps(3);
        }
    return true;
}

bool WriteBlocks(PXCommunicationEvent& runner, const CloneImage& image, const TransferList::Lists& lists) {
    // Until the final marker is in, the radio counts its data as incomplete.
    if (!WriteWords(runner, RadioItems::CompletionWord, RadioItems::IncompleteMarker)) return false;
    if (!WriteBlocksNoMarker(runner, image, lists)) return false;
    if (runner.Command().Cancelled()) {
        runner.CommErrorEvent(CommResult::CommunicationError);
        return false;
    }
    return WriteWords(runner, RadioItems::CompletionWord, RadioItems::CompletionMarker);
}

bool CheckRadioModel(PXCommunicationEvent& runner) {
    CloneImage scratch;
    if (!runner.Command().EepromReadRetry(0, 6, scratch.data())) {
        // A line failure is not a wrong radio.
        runner.CommErrorEvent(CommResult::CommunicationError);
        return false;
    }
    const int mode = runner.Modes().service;
    if (mode == 2) return true;
    const bool known = Model::IndexFromTypeCode(scratch) >= 0;
    const bool variantOk = mode != 0 || ItemMap::ReadHeaderField(RadioItems::VariantByte, scratch) <= 1;
    if (!known || !variantOk) {
        runner.CommErrorEvent(CommResult::ProductTypeError);
        return false;
    }
    return true;
}

bool BandCheck(const CloneImage& radio, const CloneImage& image) {
    return Model::BandType(radio) == Model::BandType(image) &&
           Model::FrequencyType(radio) == Model::FrequencyType(image);
}

bool RangeCheck(const CloneImage& radio, const CloneImage& image) {
    return ItemMap::GetMinFrequency(radio) <= ItemMap::GetMinFrequency(image) &&
           ItemMap::GetMaxFrequency(radio) >= ItemMap::GetMaxFrequency(image);
}

bool CheckRadioPassword(PXCommunicationEvent& runner) {
    CloneImage radio;
    if (!runner.Command().FlashReadPages(8, PagePtr(radio, 8))) {
        runner.CommErrorEvent(CommResult::CommunicationError);
        return false;
    }
    const auto password = RadioItems::PasswordOf(radio);
    if (password.flag == 1) return true;
    const auto& digits = password.digits;
    const auto& document = runner.GetDocumentPassword();
    if (document.flag == 0 && digits == document.digits) return true;
    for (int ask = 0; ask < 3; ++ask) {
        std::string entry;
        if (runner.View().AskPassword(entry) != 1) {
            // The user withdrew: no message, whatever an earlier try recorded.
            runner.SetResult(0);
            return false;
        }
        bool match = entry.size() >= 6;
        for (int i = 0; i < 6 && match; ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%X", digits[static_cast<std::size_t>(i)]);
            match = std::toupper(static_cast<unsigned char>(entry[static_cast<std::size_t>(i)])) == hex[0];
        }
        if (match) return true;
        runner.CommErrorEvent(CommResult::PasswordMismatch);
    }
    return false;
}

bool Upload(PXCommunicationEvent& runner, CloneImage& image, int continueFlag) {
    PXComCommandRetry& cmd = runner.Command();
    OperationView& view = runner.View();
    view.SetTitle(CommResult::UploadName);
    // Read into a copy: the caller's image changes only on success.
    CloneImage work = image;
    bool ok = false;
    if (continueFlag == 0 && !runner.cmd_PowerOn(UploadRetryState, AnswerDefault, UploadFirstState)) {
        CloseLine(cmd);
    } else {
        view.SetState(3);
        bool started = false;
        if (CheckRadioModel(runner) && (continueFlag > 1 || CheckRadioPassword(runner))) {
            TransferList::Lists first{{{0, 15}, {16, 23}}, {}};
            if (ReadBlocks(runner, work, first)) {
                const auto lists = TransferList::UploadLists(runner.Modes().service);
                view.SetRange(lists.Units() + 1);
                view.SetPosition(0);
                view.ShowProgress(true);
                started = true;
                ok = ReadBlocks(runner, work, lists);
            }
        }
        if (started) {
            if (ok)
                view.FinishSteps();
            else
                view.AbandonSteps();
            runner.WaitForPendingSteps();
        }
        if (continueFlag == 0) {
            // A radio left connected after a good read stays ready for the
            // next operation; otherwise end its programming mode.
            const int model = Model::IndexFromTypeCode(work);
            if (!ok || (model != 0 && model != 1)) cmd.SendEnd();
            CloseLine(cmd);
        }
    }
    if (ok) {
        image = work;
        runner.SetResult(0);
    }
    if (continueFlag == 0) {
        view.SetResult(ok ? CommResult::UploadCompleted : runner.Result());
        runner.CloseView();
    }
    return ok;
}

bool Download(PXCommunicationEvent& runner, CloneImage& image, int continueFlag) {
    PXComCommandRetry& cmd = runner.Command();
    OperationView& view = runner.View();
    const CloneImage user = image;
    // The image to send; it replaces the caller's image only on success.
    CloneImage work = image;
    view.SetTitle(CommResult::DownloadName);
    bool ok = false;
    const bool connected =
        continueFlag != 0 || runner.cmd_PowerOn(DownloadRetryState, AnswerDefault, DownloadFirstState);
    if (connected) {
        view.SetState(4);
        view.ShowCancel(false);
        const int mode = runner.Modes().service;
        CloneImage radio;
        bool checked = false;
        if (!cmd.EepromReadRetry(0, 20, radio.data()) || !cmd.FlashPageReadRetry(8, PagePtr(radio, 8)))
            runner.CommErrorEvent(CommResult::CommunicationError);
        else
            checked = CheckIdentity(runner, radio, user);
        if (checked && ReadBlocks(runner, work, TransferList::DownloadPreReadLists(mode))) {
            const auto& preparation = runner.GetDownloadPreparation();
            if (preparation.prepare) preparation.prepare(work, user, runner.Modes());
            // Nothing is written when a channel would reach the radio as
            // another frequency than the user gave it.
            const std::string notHeld = ChannelNotHeld(work, user);
            if (!notHeld.empty()) {
                view.SetResultDetail(notHeld);
                runner.CommErrorEvent(CommResult::ChannelNotHeld);
            } else {
                const auto lists = TransferList::DownloadWriteLists(mode, runner.UnattendedPrepared());
                AlignmentBlock::RefreshChecksums(work);
                if (preparation.recalculate) preparation.recalculate(work);
                view.SetRange(lists.Units() + 1);
                view.SetPosition(0);
                view.ShowProgress(true);
                ok = WriteBlocks(runner, work, lists);
                if (ok)
                    view.FinishSteps();
                else
                    view.AbandonSteps();
                runner.WaitForPendingSteps();
            }
        }
        if (continueFlag == 0) cmd.SendEnd();
    }
    if (ok) {
        image = work;
        runner.SetResult(0);
    }
    if (continueFlag == 0) {
        CloseLine(cmd);
        view.SetResult(ok ? CommResult::DownloadCompleted : runner.Result());
        runner.CloseView();
    }
    return ok;
}

}  // namespace RadioTransfer
