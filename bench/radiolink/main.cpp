// radiolink_bench: how close an Upload and a Download come to the time the
// line itself needs. The simulated radio sends at the baud rate (10 bits a
// byte, the echo included); the link counts the bytes it received and the
// waits it is obliged to take (pauses, and read budgets that ran out at
// their nominal length). Expected time = wire time + mandated waits.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "RadioSim.h"
#include "serial/PXCommunicationEvent.h"

namespace {

struct Figures {
    double measuredMs = 0, wireMs = 0, mandatedMs = 0;
    unsigned long long bytes = 0;
    bool ok = false;
};

Figures Measure(int operation, unsigned baud) {
    RadioSim::Options options;
    options.baud = baud;
    RadioSim::Simulator sim(options);
    sim.LoadImage(RadioSim::MakeRadioImage(0));
    Figures f;
    if (!sim.Start()) return f;
    CloneImage image = RadioSim::MakeRadioImage(0);
    image[CloneImage::BlockOffset(0, 7)] = 0x42;  // something of the user's to write
    PXCommunicationEvent runner(sim.PortPath(), baud);
    HeadlessOperationView view;
    const auto start = std::chrono::steady_clock::now();
    f.ok = runner.Run(operation, &image, view);
    f.measuredMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const LinkStats& stats = runner.Command().Stats();
    f.bytes = stats.bytesRead;
    f.wireMs = static_cast<double>(stats.bytesRead) * 10.0 * 1000.0 / baud;
    f.mandatedMs = stats.mandatedMs;
    return f;
}

}  // namespace

int main() {
    // Other work on the machine delays every wake-up of the waits: say how busy it was.
    if (std::FILE* load = std::fopen("/proc/loadavg", "r")) {
        char line[64] = {};
        if (std::fgets(line, sizeof line, load)) std::printf("load average: %s", line);
        std::fclose(load);
    }
    std::printf("%-9s %7s %9s %10s %11s %12s %12s %7s\n", "operation", "baud", "bytes", "wire ms",
                "mandated ms", "expected ms", "measured ms", "ratio");
    bool allOk = true;
    for (unsigned baud : {38400u, 115200u})
        for (int op : {0, 1}) {
            const Figures f = Measure(op, baud);
            const double expected = f.wireMs + f.mandatedMs;
            std::printf("%-9s %7u %9llu %10.1f %11.1f %12.1f %12.1f %7.3f%s\n",
                        op == 0 ? "Upload" : "Download", baud, f.bytes, f.wireMs, f.mandatedMs, expected,
                        f.measuredMs, f.measuredMs / expected, f.ok ? "" : "  FAILED");
            allOk = allOk && f.ok;
        }
    return allOk ? EXIT_SUCCESS : EXIT_FAILURE;
}
