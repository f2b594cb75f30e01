#include "serial/RadioRecovery.h"

#include <algorithm>
#include <optional>

#include "image/FileUtil.h"
#include "image/ImageHost.h"
#include "image/Model.h"
#include "serial/CommResult.h"
#include "serial/PXCommunicationEvent.h"
#include "serial/RadioItems.h"
#include "serial/RadioTransfer.h"
#include "serial/TransferList.h"

namespace RadioRecovery {

namespace {

using TransferList::Lists;
using TransferList::Range;

constexpr int RetryState = 2, AnswerProgramming = 2, FirstState = 5;
constexpr int StateWorking = 4;
// The continued Upload that does not ask for the password again: the
// operation has checked it before its first write.
constexpr int ContinuedNoPassword = 2;
constexpr int Continued = 2;

Lists MakeLists(std::vector<Range> words, std::vector<Range> pages) {
    return {TransferList::SplitWords(words), std::move(pages)};
}

unsigned Word(const CloneImage& image, std::size_t offset) {
    return image[offset] | static_cast<unsigned>(image[offset + 1]) << 8;
}
void SetWord(CloneImage& image, std::size_t offset, unsigned value) {
    image[offset] = static_cast<std::uint8_t>(value & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

bool Erased(const CloneImage& image, Span span) {
    return std::all_of(image.data() + static_cast<std::ptrdiff_t>(span.first),
                       image.data() + static_cast<std::ptrdiff_t>(span.first + span.size),
                       [](std::uint8_t b) { return b == 0xFF; });
}
template <std::size_t N>
bool Erased(const CloneImage& image, const Span (&spans)[N]) {
    return std::all_of(std::begin(spans), std::end(spans), [&](Span s) { return Erased(image, s); });
}
void CopySpan(CloneImage& target, std::size_t to, const CloneImage& source, std::size_t from, std::size_t size) {
    std::copy_n(source.data() + static_cast<std::ptrdiff_t>(from), size,
                target.data() + static_cast<std::ptrdiff_t>(to));
}
void CopySpan(CloneImage& target, const CloneImage& source, Span span) {
    CopySpan(target, span.first, source, span.first, span.size);
}
bool SameSpan(const CloneImage& image, std::size_t a, std::size_t b, std::size_t size) {
    return std::equal(image.data() + static_cast<std::ptrdiff_t>(a),
                      image.data() + static_cast<std::ptrdiff_t>(a + size),
                      image.data() + static_cast<std::ptrdiff_t>(b));
}

std::uint16_t BlockChecksum(const CloneImage& image, std::size_t block) {
    unsigned sum = 0;
    for (std::size_t i = 2; i < AlignBlockSize; ++i) sum += image[block + i];
    return static_cast<std::uint16_t>(sum);
}

// How the radio information can be mended.
enum class InfoRepair { None, HeaderFromPage8, Page8FromHeader, Impossible };
InfoRepair RadioInformationRepair(const CloneImage& image) {
    const unsigned header = Word(image, HeaderMinFrequency), page8 = Word(image, Page8MinFrequency);
    const bool headerValid = header != 0xFFFF, page8Valid = page8 != 0xFFFF;
    if (headerValid && page8Valid) return header == page8 ? InfoRepair::None : InfoRepair::Impossible;
    if (page8Valid) return InfoRepair::HeaderFromPage8;
    if (headerValid) return InfoRepair::Page8FromHeader;
    return InfoRepair::Impossible;
}

// One run of an operation: its runner, the image it works on (a copy of the
// caller's) and the result it ends with on success.
class Run {
  public:
    Run(PXCommunicationEvent& runner, const CloneImage& image, int title)
        : runner_(runner), cmd_(runner.Command()), view_(runner.View()), work_(image), title_(title) {
        view_.SetTitle(title);
    }

    CloneImage& Work() { return work_; }
    PXCommunicationEvent& Runner() { return runner_; }

    bool Connect() {
        connected_ = runner_.cmd_PowerOn(RetryState, AnswerProgramming, FirstState) == 1;
        if (!connected_) return false;
        view_.SetState(StateWorking);
        view_.ShowCancel(false);
        return true;
    }

    bool Read(const Lists& lists) { return RadioTransfer::ReadBlocks(runner_, work_, lists); }

    // Ends the operation with `resultId` as its failure.
    bool Fail(int resultId) {
        runner_.CommErrorEvent(resultId);
        return false;
    }
    bool Succeed(int resultId) {
        success_ = resultId;
        return true;
    }

    // The radio's programming password, once per run, before the first write.
    bool Authorised() {
        if (!authorised_) authorised_ = RadioTransfer::CheckRadioPassword(runner_);
        return authorised_;
    }

    // Writes `lists` of `image` with the progress bar, between the completion
    // markers unless `noMarker`.
    bool Write(const CloneImage& image, const Lists& lists, bool noMarker = false) {
        if (!Authorised()) return false;
        view_.SetRange(lists.Units() + 1);
        view_.SetPosition(0);
        view_.ShowProgress(true);
        const bool ok = noMarker ? RadioTransfer::WriteBlocksNoMarker(runner_, image, lists)
                                 : RadioTransfer::WriteBlocks(runner_, image, lists);
        if (ok)
            view_.FinishSteps();
        else
            view_.AbandonSteps();
        runner_.WaitForPendingSteps();
        return ok;
    }
    // A repair write that ends the run with `resultId` when it succeeds.
    bool Repair(const CloneImage& image, const Lists& lists, int resultId, bool noMarker = false) {
        return Write(image, lists, noMarker) && Succeed(resultId);
    }

    // Work under both modes normal; the runner's own modes come back after.
    template <class Fn>
    bool WithNormalModes(Fn work) {
        const OperationModes kept = runner_.Modes();
        runner_.SetModes({});
        const bool ok = work();
        runner_.SetModes(kept);
        view_.SetTitle(title_);
        return ok;
    }

    // Ends the programming connection, closes the line and the view.
    bool Finish(bool ok) {
        if (connected_) cmd_.SendEnd();
        cmd_.Drain();
        cmd_.PurgeOutput();
        cmd_.PortClose();
        view_.SetResult(ok ? success_ : runner_.Result());
        runner_.CloseView();
        return ok;
    }

  private:
    PXCommunicationEvent& runner_;
    PXComCommandRetry& cmd_;
    OperationView& view_;
    CloneImage work_;
    int title_;
    int success_ = 0;
    bool connected_ = false;
    bool authorised_ = false;
};

// The default data file of the radio's variant with `span` of it checked to
// mend `area`: the working image takes the span, or the area's unrepairable
// result ends the run.
bool MendFromDefaultFile(Run& run, Area area, Span span) {
    CloneImage defaults;
    defaults.Fill(0xFF);
    const int broken = RowOf(area).unrepairableResult;
    if (!FileUtil::LoadModelDefaultFile(run.Work(), defaults)) return run.Fail(broken);
    CopySpan(run.Work(), defaults, span);
    // A file whose own copy is erased would mend nothing.
    if (!IsSound(run.Work(), area)) return run.Fail(broken);
    return true;
}

bool Recover(Run& run) {
    CloneImage& work = run.Work();
    PXCommunicationEvent& runner = run.Runner();
    if (!run.Connect()) return false;
    if (!run.Read(MakeLists({{0, 19}, {88, 95}, {511, 511}}, {{14, 14}}))) return false;
    if (Model::IndexFromTypeCode(work) < 0) return run.Fail(CommResult::RecoveryProductTypeError);

    if (!IsSound(work, Area::ErrorCode1)) {
        SetWord(work, Page14Block, BlockChecksum(work, Page14Block));
        return run.Repair(work, MakeLists({}, {{14, 14}}), RowOf(Area::ErrorCode1).repairedResult);
    }
    if (!IsSound(work, Area::ErrorCode2)) {
        std::copy_n(RadioItems::CompletionMarker, 2, work.data() + 2 * RadioItems::CompletionWord);
        return run.Repair(work, MakeLists({{RadioItems::CompletionWord, RadioItems::CompletionWord}}, {}),
                          RowOf(Area::ErrorCode2).repairedResult, true);
    }
    if (!IsSound(work, Area::ErrorCode4)) {
        work[KillStunBytes] = work[KillStunBytes + 1] = 0xFF;
        return run.Repair(work, MakeLists({{88, 95}}, {}), RowOf(Area::ErrorCode4).repairedResult);
    }
    if (runner.View().ShowResultNow(CommResult::NoErrorCodeContinue) != MsgAnswer::Ok) {
        runner.SetResult(0);
        return false;
    }

    if (!run.Read(MakeLists({{0, 87}, {288, 415}}, {{8, 8}, {15, 15}}))) return false;
    const int infoRepaired = RowOf(Area::RadioInformation).repairedResult;
    switch (RadioInformationRepair(work)) {
        case InfoRepair::None:
            break;
        case InfoRepair::HeaderFromPage8:
            CopySpan(work, HeaderMinFrequency, work, Page8MinFrequency, 4);
            return run.Repair(work, MakeLists({{12, 19}}, {}), infoRepaired);
        case InfoRepair::Page8FromHeader:
            CopySpan(work, Page8MinFrequency, work, HeaderMinFrequency, 4);
            return run.Repair(work, MakeLists({}, {{8, 8}}), infoRepaired);
        case InfoRepair::Impossible:
            return run.Fail(RowOf(Area::RadioInformation).unrepairableResult);
    }

    const bool eepromErased = Erased(work, EepromAlignment), page15Erased = Erased(work, Page15Alignment);
    const int backupRepaired = RowOf(Area::AlignmentBackup).repairedResult;
    if (eepromErased && page15Erased) return run.Fail(RowOf(Area::AlignmentBackup).unrepairableResult);
    if (eepromErased || page15Erased) {
        for (std::size_t i = 0; i < std::size(EepromAlignment); ++i) {
            const Span eeprom = EepromAlignment[i], page15 = Page15Alignment[i];
            if (eepromErased)
                CopySpan(work, eeprom.first, work, page15.first, eeprom.size);
            else
                CopySpan(work, page15.first, work, eeprom.first, eeprom.size);
        }
        return eepromErased ? run.Repair(work, MakeLists({{24, 87}, {288, 415}}, {}), backupRepaired)
                            : run.Repair(work, MakeLists({}, {{15, 15}}), backupRepaired);
    }

    if (!IsSound(work, Area::HardwareData)) {
        CloneImage defaults;
        defaults.Fill(0xFF);
        const int broken = RowOf(Area::HardwareData).unrepairableResult;
        if (!FileUtil::LoadModelDefaultFile(work, defaults)) return run.Fail(broken);
        CopySpan(defaults, work, Page8OwnBytes);
        if (!IsSound(defaults, Area::HardwareData)) return run.Fail(broken);
        if (!run.Write(defaults, MakeLists({}, {{8, 8}}))) return false;
        // Read the radio whole and write it back, so that everything derived
        // from the hardware page follows the new one.
        const bool rewritten = run.WithNormalModes([&] {
            return RadioTransfer::Upload(runner, work, ContinuedNoPassword) &&
                   RadioTransfer::Download(runner, work, Continued);
        });
        return rewritten && run.Succeed(RowOf(Area::HardwareData).repairedResult);
    }
    for (const auto& [area, span] : {std::pair{Area::SubAudioFilter, SubAudioFilterData},
                                     std::pair{Area::LcdTag, LcdTagData}}) {
        if (IsSound(work, area)) continue;
        if (!MendFromDefaultFile(run, area, span)) return false;
        return run.Repair(work, MakeLists({}, {{15, 15}}), RowOf(area).repairedResult);
    }
    return run.Succeed(CommResult::DataNotBroken);
}

bool ReturnToDefault(Run& run) {
    CloneImage& work = run.Work();
    PXCommunicationEvent& runner = run.Runner();
    if (!run.Connect()) return false;
    if (!run.Read(MakeLists({{0, 5}}, {}))) return false;
    if (Model::IndexFromTypeCode(work) < 0) return run.Fail(CommResult::AdjReturnProductTypeError);
    if (!run.Read(MakeLists({}, {{8, 8}}))) return false;
    if (!run.Authorised()) return false;
    // Page 15 too: the factory copy is what the check and the copy below need.
    if (!run.Read(MakeLists({{24, 87}, {288, 415}}, {{14, 15}}))) return false;

    const std::size_t eepromBlock = EepromAlignment[0].first, eepromTable = EepromAlignment[1].first;
    const std::size_t page15Table = Page15Alignment[1].first;
    const bool backupSound =
        SameSpan(work, eepromBlock + 2, Page15Block + 2, 0x7E) && SameSpan(work, eepromTable, page15Table, 0x100) &&
        !(Erased(work, Span{Page15Block + 2, AlignBlockSize - 2}) && Erased(work, Page15Alignment[1]));
    if (!backupSound) return run.Fail(CommResult::AdjBackupBroken);

    CloneImage factory = work;
    CopySpan(factory, Page14Block, work, Page15Block, AlignBlockSize);
    const bool ok = run.WithNormalModes([&] {
        return RadioTransfer::Upload(runner, work, ContinuedNoPassword) &&
               run.Write(factory, MakeLists({}, {{14, 14}})) && RadioTransfer::Download(runner, work, Continued);
    });
    return ok && run.Succeed(CommResult::AdjReturnCompleted);
}

}  // namespace

const AreaRow& RowOf(Area area) {
    for (const auto& row : Areas)
        if (row.area == area) return row;
    return Areas[0];
}

bool IsSound(const CloneImage& image, Area area) {
    switch (area) {
        case Area::ErrorCode1:
            return Word(image, Page14Block) == BlockChecksum(image, Page14Block);
        case Area::ErrorCode2:
            return image[2 * RadioItems::CompletionWord] == RadioItems::CompletionMarker[0] &&
                   image[2 * RadioItems::CompletionWord + 1] == RadioItems::CompletionMarker[1];
        case Area::ErrorCode4:
            return image[KillStunBytes] == 0xFF && image[KillStunBytes + 1] == 0xFF;
        case Area::RadioInformation:
            return RadioInformationRepair(image) == InfoRepair::None;
        case Area::AlignmentBackup:
            return !Erased(image, EepromAlignment) && !Erased(image, Page15Alignment);
        case Area::HardwareData:
            return Word(image, HardwareMarker) == HardwareMarkerValue;
        case Area::SubAudioFilter:
            return image[SubAudioFilterData.first] != 0xFF;
        case Area::LcdTag:
            return image[LcdTagData.first] != 0xFF;
    }
    return false;
}

bool RadioDataRecovery(PXCommunicationEvent& runner, CloneImage& image) {
    Run run(runner, image, CommResult::RecoveryName);
    return run.Finish(Recover(run));
}

bool AdjDataReturnToDefault(PXCommunicationEvent& runner, CloneImage& image) {
    Run run(runner, image, CommResult::AdjReturnName);
    return run.Finish(ReturnToDefault(run));
}

void Register() {
    PXCommunicationEvent::RegisterOperation(OpRadioDataRecovery, [](PXCommunicationEvent& runner, void* parameter) {
        return RadioDataRecovery(runner, *static_cast<CloneImage*>(parameter));
    });
    PXCommunicationEvent::RegisterOperation(OpAdjReturn, [](PXCommunicationEvent& runner, void* parameter) {
        return AdjDataReturnToDefault(runner, *static_cast<CloneImage*>(parameter));
    });
}

}  // namespace RadioRecovery
