// radiolink_bench: how close the radio operations come to the time the line
// itself needs: Upload, Download, the alignment read (operation 8, which
// reads the whole radio, writes the backup and the specification's channels
// and reconnects) and the alignment write (operation 9).
//
// The simulated radio sends at the baud rate, 10 bits a byte. The program's
// frames and the cable's echo of them pass the pseudo-terminal at once, so
// the wire time is that of the bytes the radio sent; the echo is counted
// apart. Mandated waits are those the link is obliged to take: pauses, and
// read budgets that ran out at their nominal length (the drain's silence
// before each frame, the power-on windows, the 1,500 ms the radio settles).
// Expected time = wire time + mandated waits.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

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

// Runs one operation and prints its row; false when the operation failed.
bool MeasureRow(const char* name, unsigned baud, PXCommunicationEvent& runner, int operation,
                CloneImage& image) {
    const LinkStats before = runner.Command().Stats();
    HeadlessOperationView view;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = runner.Run(operation, &image, view);
    const double measuredMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const LinkStats& after = runner.Command().Stats();
    const std::uint64_t radioBytes = after.RadioBytes() - before.RadioBytes();
    const std::uint64_t echoBytes = after.echoBytes - before.echoBytes;
    const double wireMs = static_cast<double>(radioBytes) * 10.0 * 1000.0 / baud;
    const double mandatedMs = after.mandatedMs - before.mandatedMs;
    const double expectedMs = wireMs + mandatedMs;
    std::printf("%-9s %7u %9llu %9llu %10.1f %11.1f %12.1f %12.1f %7.3f%s\n", name, baud,
                static_cast<unsigned long long>(radioBytes), static_cast<unsigned long long>(echoBytes), wireMs,
                mandatedMs, expectedMs, measuredMs, measuredMs / expectedMs, ok ? "" : "  FAILED");
    return ok;
}

bool UploadAndDownload(unsigned baud) {
    bool ok = true;
    for (const int operation : {0, 1}) {
        RadioSim::Options options;
        options.baud = baud;
        RadioSim::Simulator sim(options);
        sim.LoadImage(RadioSim::MakeRadioImage(0));
        if (!sim.Start()) return false;
        CloneImage image = RadioSim::MakeRadioImage(0);
        image[CloneImage::BlockOffset(0, 7)] = 0x42;  // something of the user's to write
        PXCommunicationEvent runner(sim.PortPath(), baud);
        ok = MeasureRow(operation == 0 ? "Upload" : "Download", baud, runner, operation, image) && ok;
    }
    return ok;
}

// A radio whose specification file is "mua.vdx", and that file with other
// channels and channel 0 in use.
CloneImage AlignmentRadio() {
    CloneImage radio = RadioSim::MakeRadioImage(0);
    radio[CloneImage::BlockOffset(8, 0x000)] = 0x00;
    radio[CloneImage::BlockOffset(8, 0x002)] = 0x80;
    return radio;
}

void WriteSpecFile(const CloneImage& radio) {
    CloneImage spec = radio;
    for (std::size_t i = CloneImage::BlockOffset(0); i < CloneImage::BlockOffset(8); ++i)
        spec[i] = static_cast<std::uint8_t>(i * 13 + 5);
    spec[CloneImage::BlockOffset(14, 0x180)] = 0x7F;  // channel 0 in use
    std::ofstream out(AlignmentFiles::SpecFolder() / "mua.vdx", std::ios::binary);
    out.write(reinterpret_cast<const char*>(spec.data()), static_cast<std::streamsize>(spec.size()));
}

// Operation 8, then operation 9 on the same line (the alignment dialog's
// OK), with the backup operation 8 wrote.
bool AlignmentReadAndWrite(unsigned baud, const CloneImage& radio) {
    RadioSim::Options options;
    options.baud = baud;
    RadioSim::Simulator sim(options);
    sim.LoadImage(radio);
    if (!sim.Start()) return false;
    PXComCommandRetry command(sim.PortPath(), baud);
    CloneImage image;
    std::string backup;
    {
        PXCommunicationEvent runner(command);
        if (!MeasureRow("Align 8", baud, runner, AlignmentOperations::OpAlignmentRead, image)) return false;
        backup = runner.StatusText();
    }
    AlignmentFiles::CHBaselineFileLoad(backup, image);
    PXCommunicationEvent runner(command);
    return MeasureRow("Align 9", baud, runner, AlignmentOperations::OpAlignmentWrite, image);
}

}  // namespace

int main() {
    // Other work on the machine delays every wake-up of the waits: say how busy it was.
    if (std::FILE* load = std::fopen("/proc/loadavg", "r")) {
        char line[64] = {};
        if (std::fgets(line, sizeof line, load)) std::printf("load average: %s", line);
        std::fclose(load);
    }
    BenchHost host;
    host.folder = fs::temp_directory_path() / ("zt_radiolink_bench_" + std::to_string(::getpid()));
    fs::remove_all(host.folder);
    fs::create_directories(host.folder / AlignmentFiles::SpecFolderName);
    SetHost(&host);
    AlignmentOperations::Register();
    const CloneImage radio = AlignmentRadio();
    WriteSpecFile(radio);

    std::printf("%-9s %7s %9s %9s %10s %11s %12s %12s %7s\n", "operation", "baud", "bytes", "echo", "wire ms",
                "mandated ms", "expected ms", "measured ms", "ratio");
    bool allOk = true;
    for (unsigned baud : {38400u, 115200u}) {
        allOk = UploadAndDownload(baud) && allOk;
        allOk = AlignmentReadAndWrite(baud, radio) && allOk;
    }
    SetHost(nullptr);
    fs::remove_all(host.folder);
    return allOk ? EXIT_SUCCESS : EXIT_FAILURE;
}
