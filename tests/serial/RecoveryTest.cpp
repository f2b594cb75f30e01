// The radio data recovery and the return of the alignment to default, end to
// end against the simulated radio: one row per kind of damage. The radio must
// afterwards hold the repaired area and nothing else changed, its factory
// alignment block must be untouched, a write cut off by a fault must leave the
// radio marked incomplete and a later run must finish the repair, and the
// caller's image must never change.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "SimFixture.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/Model.h"
#include "serial/CommResult.h"
#include "serial/RadioFrame.h"
#include "serial/RadioRecovery.h"

namespace {

using RadioSim::Damage;
using RadioSim::Fault;
using RadioSim::FaultKind;
namespace R = RadioRecovery;

constexpr int Recovery = R::OpRadioDataRecovery, AdjReturn = R::OpAdjReturn;
constexpr std::uint8_t F1 = RadioFrame::EepromWriteCode,
                       F6 = RadioFrame::FlashReadCode, F7 = RadioFrame::FlashWriteCode;
constexpr std::size_t Page8 = CloneImage::BlockOffset(8), Page14 = CloneImage::BlockOffset(14),
                      Page15 = CloneImage::BlockOffset(15), FactoryBlock = CloneImage::BlockOffset(15, 0x280);

void CopyBytes(CloneImage& to, const CloneImage& from, std::size_t first, std::size_t size) {
    std::copy_n(from.data() + first, size, to.data() + first);
}
bool SameBytes(const CloneImage& a, const CloneImage& b, std::size_t first, std::size_t size) {
    return std::equal(a.data() + first, a.data() + first + size, b.data() + first);
}
// The first differing offset, for messages.
std::string FirstDifference(const CloneImage& a, const CloneImage& b) {
    for (std::size_t i = 0; i < CloneImage::Size; ++i)
        if (a[i] != b[i]) {
            char text[64];
            std::snprintf(text, sizeof text, "first difference at 0x%04zX: %02X, expected %02X", i, a[i], b[i]);
            return text;
        }
    return "equal";
}

// The model's default data file as the tests lay it down: page 8 and page 15
// in a pattern of their own, so that what a repair takes from it shows; its
// page-15 factory block differs from the radio's, so that taking it shows too.
CloneImage DefaultFileImage(const CloneImage& radio) {
    CloneImage file = radio;
    for (std::size_t i = 0; i < CloneImage::BlockSize; ++i) {
        file[Page8 + i] = static_cast<std::uint8_t>(0x40 + i % 61);
        file[Page15 + i] = static_cast<std::uint8_t>(0x20 + i % 59);
    }
    CopyBytes(file, radio, Page8, 0x18);  // the identity that names the file
    file[R::HardwareMarker] = 0xA0;
    file[R::HardwareMarker + 1] = 0x41;
    return file;
}

enum class File { Present, Missing, AreaErased };
// What the radio holds after a successful run, from the sound radio and the file.
enum class Expect { Sound, OnlyFirst, FromFile, HardwareFromFile, FactoryAlignment, Unchanged };

struct Row {
    const char* name;
    int operation;
    std::vector<Damage> damages;
    int result;
    Expect expect;
    File file = File::Present;
    std::size_t fileSpan = 0, fileSize = 0;  // Expect::FromFile: what the file gives
    int continueAnswer = MsgAnswer::Ok;      // the answer to result 21
};

const Row kRows[] = {
    {"page14_checksum", Recovery, {Damage::AlignChecksum}, 17, Expect::Sound},
    {"completion_marker", Recovery, {Damage::IncompleteMarker}, 18, Expect::Sound},
    {"kill_stun", Recovery, {Damage::Stunned}, 20, Expect::Sound},
    // Only the first damaged area is repaired in one run (a repair's write
    // ends with the completion marker, so that one is mended with any).
    {"checksum_before_stun", Recovery, {Damage::AlignChecksum, Damage::Stunned}, 17, Expect::OnlyFirst},
    {"no_error_code_cancelled", Recovery, {}, 0, Expect::Unchanged, File::Present, 0, 0, MsgAnswer::Cancel},
    {"header_band_limits", Recovery, {Damage::HeaderBandErased}, 22, Expect::Sound},
    {"page8_band_limits", Recovery, {Damage::Page8BandErased}, 22, Expect::Sound},
    {"band_limits_disagree", Recovery, {Damage::BandLimitsDisagree}, 23, Expect::Unchanged},
    {"band_limits_erased", Recovery, {Damage::BandLimitsErased}, 23, Expect::Unchanged},
    {"eeprom_alignment", Recovery, {Damage::EepromAlignmentErased}, 24, Expect::Sound},
    {"page15_alignment", Recovery, {Damage::Page15AlignmentErased}, 24, Expect::Sound},
    {"both_alignment_copies", Recovery, {Damage::AlignmentErased}, 25, Expect::Unchanged},
    {"hardware_data", Recovery, {Damage::HardwareData}, 33, Expect::HardwareFromFile},
    {"hardware_data_no_file", Recovery, {Damage::HardwareData}, 27, Expect::Unchanged, File::Missing},
    {"sub_audio_filter",
     Recovery,
     {Damage::SubAudioFilterErased},
     28,
     Expect::FromFile,
     File::Present,
     R::SubAudioFilterData.first,
     R::SubAudioFilterData.size},
    {"sub_audio_filter_no_file", Recovery, {Damage::SubAudioFilterErased}, 29, Expect::Unchanged, File::Missing},
    {"sub_audio_filter_erased_in_file",
     Recovery,
     {Damage::SubAudioFilterErased},
     29,
     Expect::Unchanged,
     File::AreaErased},
    {"lcd_tag",
     Recovery,
     {Damage::LcdTagErased},
     30,
     Expect::FromFile,
     File::Present,
     R::LcdTagData.first,
     R::LcdTagData.size},
    {"lcd_tag_no_file", Recovery, {Damage::LcdTagErased}, 31, Expect::Unchanged, File::Missing},
    {"lcd_tag_erased_in_file", Recovery, {Damage::LcdTagErased}, 31, Expect::Unchanged, File::AreaErased},
    {"nothing_broken", Recovery, {}, 32, Expect::Sound},
    {"adj_return", AdjReturn, {}, 37, Expect::FactoryAlignment},
    {"adj_return_bad_page14_block", AdjReturn, {Damage::AlignChecksum}, 37, Expect::FactoryAlignment},
    {"adj_return_factory_erased", AdjReturn, {Damage::Page15AlignmentErased}, 36, Expect::Unchanged},
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

bool Succeeds(const Row& row) {
    return row.result == 32 || row.result == 37 ||
           std::any_of(std::begin(R::Areas), std::end(R::Areas),
                       [&](const R::AreaRow& area) { return area.repairedResult == row.result; });
}
bool Writes(const Row& row) {
    return Succeeds(row) && row.result != 32;
}

class RecoverySuite : public RadioLinkTest, public ::testing::WithParamInterface<Row> {
  protected:
    void SetUp() override {
        RadioLinkTest::SetUp();
        RadioRecovery::Register();
        host.programFolder = folder.path();
        sound = RadioSim::MakeSoundRadioImage(0);
        damaged = sound;
        for (const auto damage : GetParam().damages) RadioSim::ApplyDamage(damaged, damage);
        sim.LoadImage(damaged);
        file = DefaultFileImage(sound);
        if (GetParam().file == File::AreaErased) std::fill_n(file.data() + Page15, 0x280, std::uint8_t{0xFF});
        if (GetParam().file != File::Missing) WriteDefaultFile(file);
        // The caller's image: a document that is not the radio's.
        document = RadioSim::MakeRadioImage(1);
        document[CloneImage::BlockOffset(0)] = 0x11;
    }

    void WriteDefaultFile(const CloneImage& image) {
        const std::string name = Model::DefaultDataFileName(Model::VariantCodeFromImage(sound), false);
        ASSERT_FALSE(name.empty()) << "the sound radio names no variant";
        std::ofstream out(folder / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(CloneImage::Size));
    }

    // Runs the row's operation on a copy of the document; the document must
    // come back unchanged.
    bool RunRow(RecordingView& view) {
        view.resultNowAnswer = GetParam().continueAnswer;
        CloneImage image = document;
        const bool ok = RunOp(GetParam().operation, image, view);
        EXPECT_EQ(image, document) << "the caller's image changed";
        return ok;
    }

    // Checks the radio against what the row expects of a successful run.
    void ExpectRepaired(const CloneImage& radio) {
        const Row& row = GetParam();
        CloneImage expected = sound;
        switch (row.expect) {
            case Expect::Unchanged:
                expected = damaged;
                break;
            case Expect::Sound:
                break;
            case Expect::OnlyFirst:
                for (std::size_t i = 1; i < row.damages.size(); ++i) RadioSim::ApplyDamage(expected, row.damages[i]);
                break;
            case Expect::FromFile:
                CopyBytes(expected, file, row.fileSpan, row.fileSize);
                break;
            case Expect::HardwareFromFile:
            case Expect::FactoryAlignment:
                // The radio was read whole and written back: the pages the
                // repair decides on, and the alignment copies, are compared.
                // The hardware description of page 8 (0x18-0xFF) is the file's;
                // the write's own stamps and settings follow it.
                if (row.expect == Expect::HardwareFromFile) {
                    EXPECT_TRUE(SameBytes(radio, file, Page8 + 0x18, 0x100 - 0x18)) << "page 8 is not the file's";
                }
                EXPECT_TRUE(SameBytes(radio, sound, Page8, 0x18)) << "the radio's identity changed";
                EXPECT_TRUE(SameBytes(radio, sound, Page15, CloneImage::BlockSize)) << "page 15 changed";
                EXPECT_TRUE(SameBytes(radio, sound, 0x30, 0x80) && SameBytes(radio, sound, 0x240, 0x100))
                    << "the EEPROM alignment changed";
                if (row.expect == Expect::FactoryAlignment) {
                    EXPECT_TRUE(SameBytes(radio, sound, FactoryBlock, 48) &&
                                std::equal(radio.data() + Page14 + 0x280, radio.data() + Page14 + 0x2B0,
                                           sound.data() + FactoryBlock))
                        << "page 14's block is not the factory block";
                    EXPECT_TRUE(SameBytes(radio, damaged, Page14 + 0x2B0, 0x150)) << "page 14 beyond its block";
                } else {
                    // The channels' adjustment values before the block follow the
                    // new hardware; the alignment block and table stay.
                    EXPECT_TRUE(SameBytes(radio, damaged, Page14 + 0x280, 0x180)) << "page 14's alignment changed";
                }
                EXPECT_EQ(radio[2 * 511], 0x5A);
                EXPECT_EQ(radio[2 * 511 + 1], 0xA5);
                return;
        }
        EXPECT_EQ(radio, expected) << FirstDifference(radio, expected);
    }

    TempDir folder;
    CloneImage sound, damaged, file, document;
};

TEST_P(RecoverySuite, RepairsItsAreaAndNothingElse) {
    const Row& row = GetParam();
    RecordingView view;
    const bool ok = RunRow(view);
    EXPECT_EQ(ok, Succeeds(row));
    if (!ok) {
        EXPECT_EQ(result, row.result);
    }
    ASSERT_EQ(view.results.size(), 1u);
    EXPECT_EQ(view.results[0], row.result);
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(view.title, row.operation == Recovery ? CommResult::RecoveryName : CommResult::AdjReturnName);
    const CloneImage radio = sim.Memory();
    ExpectRepaired(radio);
    if (ok) {
        EXPECT_TRUE(SameBytes(radio, sound, FactoryBlock, 0x180)) << "the factory alignment changed";
    }
    EXPECT_FALSE(sim.InProgramming()) << "the programming connection was not ended";

    // The question before the detailed check is asked only when no error
    // code was found; Cancel reads nothing more.
    const bool errorCode = row.result == 17 || row.result == 18 || row.result == 20;
    if (row.operation == Recovery) {
        EXPECT_EQ(view.shownNow, errorCode ? std::vector<int>{} : std::vector<int>{CommResult::NoErrorCodeContinue});
    }
    if (row.continueAnswer == MsgAnswer::Cancel) {
        const auto pages = Addresses(F6);
        EXPECT_EQ(std::count(pages.begin(), pages.end(), 15), 0) << "read on after Cancel";
    }
}

// A fault during the repair's write leaves the radio marked incomplete and
// the document as it was; running again (a first run may mend the marker)
// completes the repair.
class CutOffSuite : public RecoverySuite {};

TEST_P(CutOffSuite, AWriteCutOffLeavesTheRadioIncompleteAndARetryRepairs) {
    const Row& row = GetParam();
    // Every page write refused, and every word write after the first (the
    // incomplete marker) — or the first too when the marker is the repair.
    const int firstRefused = row.result == 18 ? 0 : 1;
    sim.SetFaults({{FaultKind::Nak, 0, -1, F7}, {FaultKind::Nak, firstRefused, -1, F1}});
    RecordingView view;
    EXPECT_FALSE(RunRow(view));
    EXPECT_EQ(result, CommResult::CommunicationError);
    EXPECT_EQ(sim.Memory()[2 * 511], 0xFF);
    EXPECT_EQ(sim.Memory()[2 * 511 + 1], 0xFF);
    EXPECT_TRUE(SameBytes(sim.Memory(), sound, FactoryBlock, 0x180) ||
                row.damages == std::vector<Damage>{Damage::Page15AlignmentErased})
        << "the factory alignment changed";

    sim.ClearFaults();
    RecordingView again;
    ASSERT_TRUE(RunRow(again)) << "result " << result;
    if (again.results == std::vector<int>{CommResult::ErrorCode2Recovered} && row.result != 18) {
        RecordingView third;
        ASSERT_TRUE(RunRow(third)) << "result " << result;
        EXPECT_EQ(third.results, std::vector<int>{row.result});
    } else {
        EXPECT_EQ(again.results, std::vector<int>{row.result});
    }
    ExpectRepaired(sim.Memory());
}

std::vector<Row> WritingRows() {
    std::vector<Row> rows;
    std::copy_if(std::begin(kRows), std::end(kRows), std::back_inserter(rows), Writes);
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Damage, RecoverySuite, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Damage, CutOffSuite, ::testing::ValuesIn(WritingRows()),
                         [](const auto& info) { return std::string(info.param.name); });

class RecoveryTest : public RadioLinkTest {
  protected:
    void SetUp() override {
        RadioLinkTest::SetUp();
        RadioRecovery::Register();
        host.programFolder = folder.path();
    }
    TempDir folder;
};

// A stunned radio with a programming password is re-enabled only by one who
// knows it: the prompt comes before anything is written.
TEST_F(RecoveryTest, NothingIsWrittenBeforeTheRadiosPasswordIsGiven) {
    CloneImage stunned = RadioSim::MakeSoundRadioImage(0);
    RadioSim::ApplyDamage(stunned, Damage::Stunned);
    struct Case {
        std::deque<std::string> entries;
        int result;
    };
    const Case cases[] = {
        {{"<cancel>"}, 0},
        {{"000000", "111111", "222222"}, CommResult::PasswordMismatch},
        {{"999999", "12ab9F"}, CommResult::ErrorCode4Recovered},
    };
    for (const auto& c : cases) {
        sim.LoadImage(stunned);
        sim.SetRadioPassword("12AB9F");
        sim.ClearLog();
        RecordingView view;
        view.passwords = c.entries;
        CloneImage image = stunned;
        const bool ok = RunOp(Recovery, image, view);
        EXPECT_EQ(ok, c.result == CommResult::ErrorCode4Recovered);
        ASSERT_EQ(view.results.size(), 1u);
        EXPECT_EQ(view.results[0], c.result);
        EXPECT_GE(view.prompts, 1);
        if (!ok) {
            EXPECT_TRUE(Addresses(F1).empty() && Addresses(F7).empty()) << "written without the password";
            EXPECT_EQ(sim.Memory()[R::KillStunBytes], 0x01);
        } else {
            EXPECT_EQ(sim.Memory()[R::KillStunBytes], 0xFF);
        }
    }
}

// The return to default writes the radio back under normal modes whatever
// modes the program is in, and leaves the program's modes alone: the radio
// gets today's production date, which an engineer-mode write leaves as it is.
TEST_F(RecoveryTest, TheReturnToDefaultWritesUnderNormalModesWithoutChangingTheProgramsModes) {
    host.serviceMode = 1;
    CloneImage radio = RadioSim::MakeSoundRadioImage(0);
    ItemMap::SetHeaderProductionDate(radio, 0x010101);
    sim.LoadImage(radio);
    RecordingView view;
    CloneImage image = radio;
    ASSERT_TRUE(RunOp(AdjReturn, image, view)) << "result " << result;
    EXPECT_EQ(ItemMap::GetHeaderProductionDate(sim.Memory()), 0x261210u);
    EXPECT_EQ(host.serviceMode, 1);
}

// An unknown radio is refused before anything else is read.
TEST_F(RecoveryTest, AnUnknownModelIsRefused) {
    CloneImage radio = RadioSim::MakeSoundRadioImage(0);
    radio[0x02] = 0x77;
    for (const auto& [operation, expected] : {std::pair{Recovery, 16}, std::pair{AdjReturn, 35}}) {
        sim.LoadImage(radio);
        RecordingView view;
        CloneImage image = radio;
        EXPECT_FALSE(RunOp(operation, image, view));
        EXPECT_EQ(view.results, std::vector<int>{expected});
        EXPECT_EQ(sim.Memory(), radio);
    }
}

}  // namespace
