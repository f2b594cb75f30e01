#include "alignment/AlignmentOperations.h"

#include <algorithm>
#include <filesystem>

#include "alignment/AlignmentData.h"
#include "alignment/AlignmentFiles.h"
#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "image/Model.h"
#include "image/RadioImagePrep.h"
#include "serial/CommResult.h"
#include "serial/PXCommunicationEvent.h"
#include "serial/RadioItems.h"
#include "serial/RadioTransfer.h"

namespace AlignmentOperations {

namespace {

using AlignmentData::Copy;
using TransferList::Lists;
using TransferList::Range;

constexpr int ReadRetryState = 7, ReadFirstState = 12;     // "Switch Radio ON ... preparing for Alignment"
constexpr int WriteRetryState = 13, WriteFirstState = 4;   // a fresh connection for every write
constexpr int AnswerProgramming = 2, AnswerAlignment = 1;  // '@', '0'
constexpr int StatePreparing = 14;                         // "Now, preparing alignment..."
constexpr int StateWriting = 4;

Lists MakeLists(std::vector<Range> words, std::vector<Range> pages) {
    return {TransferList::SplitWords(words), std::move(pages)};
}

// The radio's identity, checked as the service mode asks.
bool CheckModel(PXCommunicationEvent& runner, const CloneImage& radio) {
    const int mode = Host().ServiceMode();
    if (mode == 2) return true;
    if (Model::IndexFromTypeCode(radio) < 0) {
        runner.CommErrorEvent(CommResult::ProductMismatch1);
        return false;
    }
    if (mode == 0 && ItemMap::ReadHeaderField(RadioItems::VariantByte, radio) > 1) {
        runner.CommErrorEvent(CommResult::ProductMismatch2);
        return false;
    }
    return true;
}

// Transfers with the progress bar: range, the transfer, then the bar caught up.
template <class Transfer>
bool WithProgress(PXCommunicationEvent& runner, const Lists& lists, Transfer transfer) {
    OperationView& view = runner.View();
    view.SetRange(lists.Units() + 1);
    view.SetPosition(0);
    view.ShowProgress(true);
    const bool ok = transfer();
    if (ok)
        view.FinishSteps();
    else
        view.AbandonSteps();
    runner.WaitForPendingSteps();
    return ok;
}

bool Write(PXCommunicationEvent& runner, const CloneImage& image, const Lists& lists) {
    return WithProgress(runner, lists, [&] { return RadioTransfer::WriteBlocks(runner, image, lists); });
}

bool Read(PXCommunicationEvent& runner, CloneImage& image, const Lists& lists) {
    return WithProgress(runner, lists, [&] { return RadioTransfer::ReadBlocks(runner, image, lists); });
}

// Ends the programming connection and closes the line.
void CloseLine(PXComCommandRetry& cmd) {
    cmd.SendEnd();
    cmd.Drain();
    cmd.PurgeOutput();
    cmd.PortClose();
}

// A fresh programming connection for a write: the alignment connection (if
// any) ends first.
bool ConnectForWrite(PXCommunicationEvent& runner) {
    PXComCommandRetry& cmd = runner.Command();
    if (cmd.IsOpen() && !cmd.SendEnd()) {
        runner.CommErrorEvent(CommResult::CommunicationError);
        return false;
    }
    return runner.cmd_PowerOn(WriteRetryState, AnswerProgramming, WriteFirstState) == 1;
}

// The specification's channels and settings merged with the radio's own
// hardware page and alignment: the image operation 8 writes.
CloneImage MergeSpecification(CloneImage& radio, CloneImage spec) {
    const std::size_t pages0to7 = CloneImage::BlockOffset(0), pagesSize = 8 * CloneImage::BlockSize;
    std::copy_n(spec.data() + pages0to7, pagesSize, radio.data() + pages0to7);
    CloneImageOps::RecalcPLL(radio, spec);
    CloneImageOps::CopyAlignmentSettings(radio, spec);
    std::copy_n(radio.data() + pages0to7, pagesSize, spec.data() + pages0to7);
    std::copy_n(radio.data() + CloneImage::BlockOffset(8), CloneImage::BlockSize,
                spec.data() + CloneImage::BlockOffset(8));
    AlignmentData::CopyBlockAndTable(spec, Copy::Page14, radio, Copy::Page14);
    AlignmentData::CopyBlockAndTable(spec, Copy::Page15, radio, Copy::Page15);
    AlignmentData::UpdateAlignChecksum(spec, Copy::Page14);
    AlignmentData::CopyBlockAndTable(spec, Copy::Eeprom, radio, Copy::Page14);
    AlignmentData::UpdateAlignChecksum(spec, Copy::Eeprom);
    CalcPLLFrequency::RecalcAllAdjustments(spec);
    AlignmentData::UpdateAllChecksums(spec);
    return spec;
}

std::string BackupAdvice(const std::string& name) {
    const std::string path = (AlignmentFiles::BackupFolder() / name).string();
    return "The radio's data is incomplete. Its own data is kept in the backup file\n\"" + path +
           "\".\nWrite it back with \"Data recovery in case of alignment failure\".";
}

// Operations 9 and 10: a fresh programming connection, then `prepare`
// completes a working copy (it may read from the radio) and the copy is
// written; the line is closed either way and the image takes the copy only
// when all of it succeeded.
template <class Prepare>
bool WriteOperation(PXCommunicationEvent& runner, CloneImage& image, int operation, Prepare prepare) {
    OperationView& view = runner.View();
    view.SetTitle(TitleAlignment);
    view.ShowCancel(false);
    CloneImage work = image;
    bool ok = ConnectForWrite(runner);
    if (ok) {
        view.SetState(StateWriting);
        ok = prepare(work) && Write(runner, work, WriteLists(operation));
    }
    CloseLine(runner.Command());
    if (ok) image = work;
    view.SetResult(ok ? ResultCompleted : runner.Result());
    runner.CloseView();
    return ok;
}

}  // namespace

Lists WriteLists(int operation) {
    switch (operation) {
        case OpAlignmentRead:
            return MakeLists({{20, 23}, {24, 47}, {288, 415}}, {{14, 14}, {0, 7}});
        case OpAlignmentWrite:
            return MakeLists({{20, 23}}, {{8, 8}, {14, 14}, {0, 7}});
        case OpAlignmentRestore:
            // Words 20-23 too: operation 8 wrote the specification's into them.
            return MakeLists({{20, 23}, {24, 47}, {288, 415}}, {{14, 14}, {0, 7}});
        case OpItemsWithPage14:
        case OpItemsWithReference:
            return MakeLists({{24, 47}, {288, 415}}, {{14, 14}});
        case OpItems:
            return MakeLists({{24, 47}, {288, 415}}, {});
        default:
            return {};
    }
}

bool AlignmentRead(PXCommunicationEvent& runner, CloneImage& image) {
    PXComCommandRetry& cmd = runner.Command();
    OperationView& view = runner.View();
    view.SetTitle(TitleAlignment);
    runner.SetStatusText({});
    CloneImage radio;  // erased: only what the radio gave is in it
    CloneImage backup;
    CloneImage written;
    bool writeBegan = false;
    bool ok = false;
    const auto run = [&]() -> bool {
        if (!runner.cmd_PowerOn(ReadRetryState, AnswerProgramming, ReadFirstState)) return false;
        view.SetState(StatePreparing);
        view.ShowCancel(false);
        if (!RadioTransfer::ReadBlocks(runner, radio, MakeLists({{0, 19}}, {{8, 8}}))) return false;
        if (!CheckModel(runner, radio)) return false;
        if (!RadioTransfer::CheckRadioPassword(runner)) return false;
        // The whole radio, as Upload reads it: the backup must hold all of it.
        if (!Read(runner, radio, TransferList::UploadLists(Host().ServiceMode()))) return false;

        const std::string specName = AlignmentFiles::SpecFileName(radio);
        const auto specPath = AlignmentFiles::SpecFolder() / specName;
        std::error_code ec;
        CloneImage spec = radio;
        if (specName.empty() || !std::filesystem::is_regular_file(specPath, ec) ||
            !AlignmentFiles::LoadSpecFile(specPath, spec)) {
            view.ShowMessage(RidSpecMissing, Host().Text(RidSpecMissing, TextSpecMissing),
                             MsgStyle::Ok | MsgStyle::IconWarning);
            runner.SetResult(0);
            return false;
        }

        backup = radio;
        const auto folder = AlignmentFiles::BackupFolder();
        const std::string name =
            AlignmentFiles::UniqueName(folder, AlignmentFiles::BackupFileName(radio, Host().Now()));
        if (!AlignmentFiles::SaveBackup(folder, name, backup)) {
            view.ShowMessage(0,
                             "The alignment backup file could not be written:\n" + (folder / name).string(),
                             MsgStyle::Ok | MsgStyle::IconWarning);
            runner.SetResult(0);
            return false;
        }
        runner.SetStatusText(name);

        written = MergeSpecification(radio, spec);
        writeBegan = true;
        if (!Write(runner, written, WriteLists(OpAlignmentRead))) return false;

        // The radio restarts into its alignment connection on the point in use.
        cmd.SendEnd();
        if (!runner.cmd_PowerOn(ReadRetryState, AnswerAlignment, 0)) return false;
        const int channel = AlignmentData::FirstChannelInUse(written);
        if (channel < 0) {
            runner.SetResult(ResultNoChannel);
            return false;
        }
        if (!cmd.SelectAlignChannelRetry(channel) || !cmd.ReceiveRetry()) {
            runner.CommErrorEvent(CommResult::CommunicationError);
            return false;
        }
        return true;
    };
    ok = run();

    if (!ok && writeBegan) {
        // The radio holds part of the specification: give it its own data back.
        const int failure = runner.Result();
        CloneImage restore = backup;
        const bool restored =
            ConnectForWrite(runner) && (AlignmentData::UpdateAllChecksums(restore),
                                        Write(runner, restore, WriteLists(OpAlignmentRestore)));
        runner.SetResult(failure == 0 ? CommResult::CommunicationError : failure);
        view.SetResultDetail(restored ? "The radio's own data was written back."
                                      : BackupAdvice(runner.StatusText()));
    }
    if (ok) {
        // The dialog works on the written image, with the radio's identity bytes.
        CloneImage result = written;
        for (const std::size_t i : {0, 1, 3, 4, 5}) result[i] = radio[i];
        image = result;
    } else {
        CloseLine(cmd);
        view.SetResult(runner.Result());
    }
    runner.CloseView();
    return ok;
}

bool AlignmentWrite(PXCommunicationEvent& runner, CloneImage& image) {
    return WriteOperation(runner, image, OpAlignmentWrite, [&](CloneImage& work) {
        if (!RadioTransfer::ReadBlocks(runner, work, MakeLists({{24, 47}, {288, 415}}, {{15, 15}})))
            return false;
        // The tuned values (EEPROM) become page 14's; the EEPROM copy in the
        // image goes back to the factory values of page 15.
        AlignmentData::CopyBlockAndTable(work, Copy::Page14, work, Copy::Eeprom);
        AlignmentData::CopyBlockAndTable(work, Copy::Eeprom, work, Copy::Page15);
        CloneImageOps::CopyAdjustPoint7ToBase(work);
        AlignmentData::UpdateAlignChecksum(work, Copy::Eeprom);
        AlignmentData::UpdateAlignChecksum(work, Copy::Page14);
        CalcPLLFrequency::RecalcAllAdjustments(work);
        AlignmentData::UpdateAllChecksums(work);
        return true;
    });
}

bool AlignmentRestore(PXCommunicationEvent& runner, CloneImage& image) {
    return WriteOperation(runner, image, OpAlignmentRestore, [](CloneImage& work) {
        AlignmentData::UpdateAllChecksums(work);
        return true;
    });
}

bool AlignItemsWrite(PXCommunicationEvent& runner, int operation, CloneImage& image) {
    OperationView& view = runner.View();
    view.SetTitle(TitleAlignment);
    view.SetState(StateWriting);
    view.ShowCancel(false);
    // The radio stays in its alignment connection: no power-on, no closing.
    const bool ok = Write(runner, image, WriteLists(operation));
    if (!ok) view.SetResult(runner.Result());
    runner.CloseView();
    return ok;
}

bool RunAlignItemsWrite(int operation, CloneImage& image, PXComCommandRetry& shared, OperationView& view) {
    if (operation != OpItemsWithPage14 && operation != OpItemsWithReference && operation != OpItems)
        return false;
    PXCommunicationEvent runner(shared);
    return runner.Run(operation, &image, view);
}

void Register() {
    const auto on = [](auto fn) {
        return [fn](PXCommunicationEvent& runner, void* parameter) {
            return fn(runner, *static_cast<CloneImage*>(parameter));
        };
    };
    PXCommunicationEvent::RegisterOperation(OpAlignmentRead, on(&AlignmentRead));
    PXCommunicationEvent::RegisterOperation(OpAlignmentWrite, on(&AlignmentWrite));
    PXCommunicationEvent::RegisterOperation(OpAlignmentRestore, on(&AlignmentRestore));
    for (const int op : {OpItemsWithPage14, OpItemsWithReference, OpItems})
        PXCommunicationEvent::RegisterOperation(op, [op](PXCommunicationEvent& runner, void* parameter) {
            return AlignItemsWrite(runner, op, *static_cast<CloneImage*>(parameter));
        });
}

}  // namespace AlignmentOperations
