// alignment_bench: how close the alignment read (operation 8, which reads the
// whole radio, writes the backup and the specification's channels and
// reconnects) and the alignment write (operation 9) come to the time the line
// needs. Expected time = wire time (10 bits a byte received) + mandated waits
// (pauses, and read budgets that ran out at their nominal length, such as the
// power-on handshake windows and the 1,500 ms the radio settles).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "RadioSim.h"
#include "alignment/AlignmentFiles.h"
#include "alignment/AlignmentOperations.h"
#include "image/ImageHost.h"
#include "serial/PXCommunicationEvent.h"

namespace fs = std::filesystem;

namespace {

class BenchHost : public ImageHost {
  public:
    fs::path folder;
    fs::path ProgramFolder() const override { return folder; }
    fs::path WritableFolder() const override { return folder; }
    void Log(std::string_view) override {}
};

struct Figures {
    double measuredMs = 0, wireMs = 0, mandatedMs = 0;
    unsigned long long bytes = 0;
    bool ok = false;
};

CloneImage Radio() {
    CloneImage radio = RadioSim::MakeRadioImage(0);
    radio[CloneImage::BlockOffset(8, 0x000)] = 0x00;  // "mua.vdx"
    radio[CloneImage::BlockOffset(8, 0x002)] = 0x80;
    return radio;
}

}  // namespace

int main() {
    if (std::FILE* load = std::fopen("/proc/loadavg", "r")) {
        char line[64] = {};
        if (std::fgets(line, sizeof line, load)) std::printf("load average: %s", line);
        std::fclose(load);
    }
    BenchHost host;
    host.folder = fs::temp_directory_path() / "zt_alignment_bench";
    fs::remove_all(host.folder);
    fs::create_directories(host.folder / AlignmentFiles::SpecFolderName);
    SetHost(&host);
    AlignmentOperations::Register();
    const CloneImage radio = Radio();
    CloneImage spec = radio;
    for (std::size_t i = CloneImage::BlockOffset(0); i < CloneImage::BlockOffset(8); ++i)
        spec[i] = static_cast<std::uint8_t>(i * 13 + 5);
    spec[CloneImage::BlockOffset(14, 0x180)] = 0x7F;  // channel 0 in use
    {
        std::ofstream out(host.folder / AlignmentFiles::SpecFolderName / "mua.vdx", std::ios::binary);
        out.write(reinterpret_cast<const char*>(spec.data()), static_cast<std::streamsize>(spec.size()));
    }

    std::printf("%-9s %7s %9s %10s %11s %12s %12s %7s\n", "operation", "baud", "bytes", "wire ms",
                "mandated ms", "expected ms", "measured ms", "ratio");
    bool allOk = true;
    for (unsigned baud : {38400u, 115200u}) {
        RadioSim::Options options;
        options.baud = baud;
        RadioSim::Simulator sim(options);
        sim.LoadImage(radio);
        if (!sim.Start()) return EXIT_FAILURE;
        PXComCommandRetry command(sim.PortPath(), baud);
        CloneImage image;
        std::string backup;
        for (const int op : {AlignmentOperations::OpAlignmentRead, AlignmentOperations::OpAlignmentWrite}) {
            if (op == AlignmentOperations::OpAlignmentWrite)
                AlignmentFiles::CHBaselineFileLoad(backup, image);
            const LinkStats before = command.Stats();
            PXCommunicationEvent runner(command);
            HeadlessOperationView view;
            const auto start = std::chrono::steady_clock::now();
            Figures f;
            f.ok = runner.Run(op, &image, view);
            f.measuredMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            if (op == AlignmentOperations::OpAlignmentRead) backup = runner.StatusText();
            f.bytes = command.Stats().bytesRead - before.bytesRead;
            f.wireMs = static_cast<double>(f.bytes) * 10.0 * 1000.0 / baud;
            f.mandatedMs = command.Stats().mandatedMs - before.mandatedMs;
            const double expected = f.wireMs + f.mandatedMs;
            std::printf("%-9s %7u %9llu %10.1f %11.1f %12.1f %12.1f %7.3f%s\n",
                        op == AlignmentOperations::OpAlignmentRead ? "Align 8" : "Align 9", baud, f.bytes,
                        f.wireMs, f.mandatedMs, expected, f.measuredMs, f.measuredMs / expected,
                        f.ok ? "" : "  FAILED");
            allOk = allOk && f.ok;
        }
    }
    SetHost(nullptr);
    fs::remove_all(host.folder);
    return allOk ? EXIT_SUCCESS : EXIT_FAILURE;
}
