#pragma once
// A simulated radio ready for alignment: a program folder with the
// specification file of the radio's variant in "Alignment Data", and the
// radio itself, on its own pty.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "SimFixture.h"
#include "alignment/AlignmentData.h"
#include "alignment/AlignmentFiles.h"
#include "alignment/AlignmentOperations.h"
#include "image/ItemMap.h"

// Product type 0, frequency type 4, sub-type 0, model 0: "mua.vdx".
inline CloneImage MakeAlignRadio() {
    CloneImage radio = RadioSim::MakeRadioImage(0);
    radio[CloneImage::BlockOffset(8, 0x000)] = 0x00;
    radio[CloneImage::BlockOffset(8, 0x002)] = 0x80;
    // Serial number A C 05 1234.
    radio[CloneImage::BlockOffset(8, 0x10E)] = 0xA1;
    radio[CloneImage::BlockOffset(8, 0x10F)] = 0x05;
    radio[CloneImage::BlockOffset(8, 0x110)] = 0x12;
    radio[CloneImage::BlockOffset(8, 0x111)] = 0x34;
    return radio;
}

// The specification: other channels (first in use: channel 3), other words
// 20-23, the radio's hardware otherwise.
inline CloneImage MakeSpecImage(const CloneImage& radio) {
    CloneImage spec = radio;
    for (std::size_t i = CloneImage::BlockOffset(0); i < CloneImage::BlockOffset(8); ++i)
        spec[i] = static_cast<std::uint8_t>(i * 13 + 5);
    for (std::size_t i = 40; i < 48; ++i) spec[i] = static_cast<std::uint8_t>(0xC0 + i);
    std::fill_n(spec.data() + ItemMap::InUseBitmapOffset, 16, 0xFF);
    spec[ItemMap::InUseBitmapOffset] = 0xEF;  // channel 3 in use
    return spec;
}

inline bool SameChannelNamesAs(const CloneImage& a, const CloneImage& b) {
    for (int c = 0; c < ItemMap::ChannelCount; ++c)
        if (ItemMap::ReadChannelName(a, c) != ItemMap::ReadChannelName(b, c)) return false;
    return true;
}

inline void WriteFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

class AlignmentLinkTest : public RadioLinkTest {
  protected:
    void SetUp() override {
        RadioLinkTest::SetUp();
        AlignmentOperations::Register();
        host.programFolder = folder.path();
        std::filesystem::create_directories(folder.path() / AlignmentFiles::SpecFolderName);
        radio = MakeAlignRadio();
        sim.LoadImage(radio);
        spec = MakeSpecImage(radio);
        WriteFile(SpecPath(), spec.data(), spec.size());
        shared = std::make_unique<PXComCommandRetry>(sim.PortPath(), 38400, FastTiming());
    }
    std::filesystem::path SpecPath() const {
        return folder.path() / AlignmentFiles::SpecFolderName / "mua.vdx";
    }
    std::vector<std::filesystem::path> Backups() const {
        std::vector<std::filesystem::path> out;
        for (const auto& e : std::filesystem::directory_iterator(folder.path()))
            if (e.path().extension() == ".adx") out.push_back(e.path());
        std::sort(out.begin(), out.end());
        return out;
    }
    // Runs `operation` over the shared command object.
    bool RunShared(int operation, CloneImage& image, RecordingView& view) {
        PXCommunicationEvent runner(*shared);
        const bool ok = runner.Run(operation, &image, view);
        result = runner.Result();
        status = runner.StatusText();
        return ok;
    }
    int Word511() const {
        const CloneImage m = sim.Memory();
        return (m[1022] << 8) | m[1023];
    }

    TempDir folder;
    CloneImage radio, spec;
    std::unique_ptr<PXComCommandRetry> shared;
    std::string status;
};

// A link on which the alignment has begun: operation 8 has read the radio
// into `working` (`backup` holds its status text, the backup file's name),
// and the simulator's log is cleared.
class AlignedLinkTest : public AlignmentLinkTest {
  protected:
    void SetUp() override {
        AlignmentLinkTest::SetUp();
        if (HasFatalFailure()) return;
        RecordingView view;
        ASSERT_TRUE(RunShared(AlignmentOperations::OpAlignmentRead, working, view));
        backup = status;
        sim.ClearLog();
    }
    CloneImage working;
    std::string backup;
};

// The alignment commands (0x30-0x3E) the radio heard, each with its payload.
inline std::vector<std::vector<int>> AlignCommands(const RadioSim::Simulator& sim) {
    std::vector<std::vector<int>> out;
    for (const auto& r : sim.Log()) {
        if (r.kind != RadioSim::Record::Kind::Frame || r.command < 0x30 || r.command > 0x3E) continue;
        std::vector<int> line{r.command};
        line.insert(line.end(), r.data.begin(), r.data.end());
        out.push_back(line);
    }
    return out;
}
