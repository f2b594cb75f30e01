// radiosim: a simulated radio on a pseudo-terminal, to try the program by
// hand. Prints the device path to open and serves until interrupted.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "RadioSim.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) {
    g_stop = 1;
}

void Usage() {
    std::fprintf(stderr,
                 "usage: radiosim [--image FILE] [--dump FILE] [--model 0|1] [--baud N] [--beacon MS]\n"
                 "                [--password DIGITS] [--damage KIND]...\n"
                 "  --image FILE      radio memory from a 17,664-byte data file\n"
                 "  --dump FILE       write the radio memory to FILE on exit\n"
                 "  --model 0|1       without --image: a ZT-610 (0) or ZT-640 (1) radio\n"
                 "  --baud N          pace the bytes sent at N baud (default: no pacing)\n"
                 "  --beacon MS       power-on beacon interval (default 30)\n"
                 "  --password DIGITS six hex digits of a programming password\n"
                 "  --damage KIND     without --image: a radio sound in every area the data\n"
                 "                    recovery examines, then damaged so (repeatable):\n");
    for (const auto& row : RadioSim::DamageNames) std::fprintf(stderr, "                      %s\n", row.name);
}

}  // namespace

int main(int argc, char** argv) {
    RadioSim::Options options;
    std::string image, dump, password;
    int model = 0;
    std::vector<RadioSim::Damage> damages;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--image" && hasValue)
            image = argv[++i];
        else if (arg == "--dump" && hasValue)
            dump = argv[++i];
        else if (arg == "--model" && hasValue)
            model = std::atoi(argv[++i]);
        else if (arg == "--baud" && hasValue)
            options.baud = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--beacon" && hasValue)
            options.beaconIntervalMs = std::atof(argv[++i]);
        else if (arg == "--password" && hasValue)
            password = argv[++i];
        else if (arg == "--damage" && hasValue) {
            const std::string kind = argv[++i];
            const auto* row = std::find_if(std::begin(RadioSim::DamageNames), std::end(RadioSim::DamageNames),
                                           [&](const auto& r) { return kind == r.name; });
            if (row == std::end(RadioSim::DamageNames)) {
                Usage();
                return 2;
            }
            damages.push_back(row->damage);
        } else {
            Usage();
            return 2;
        }
    }
    RadioSim::Simulator sim(options);
    if (damages.empty()) {
        sim.LoadImage(RadioSim::MakeRadioImage(model));
    } else {
        CloneImage radio = RadioSim::MakeSoundRadioImage(model);
        for (const auto damage : damages) RadioSim::ApplyDamage(radio, damage);
        sim.LoadImage(radio);
    }
    if (!image.empty() && !sim.LoadFile(image)) {
        std::fprintf(stderr, "radiosim: cannot load %s (a data file of 17,664 bytes)\n", image.c_str());
        return 1;
    }
    if (!password.empty()) sim.SetRadioPassword(password);
    if (!sim.Start()) {
        std::fprintf(stderr, "radiosim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::printf("%s\n", sim.PortPath().c_str());
    std::fflush(stdout);
    while (!g_stop) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    sim.Stop();
    if (!dump.empty() && !sim.DumpFile(dump)) {
        std::fprintf(stderr, "radiosim: cannot write %s\n", dump.c_str());
        return 1;
    }
    return 0;
}
