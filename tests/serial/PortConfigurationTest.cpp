// The port configuration without a window: the rows of the port box, the
// baud rates offered for each cable, typed device paths, and what OK keeps.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "TestHost.h"
#include "serial/PortConfiguration.h"

namespace fs = std::filesystem;
using namespace PortConfiguration;

namespace {

ComPortEntry Entry(const std::string& port, int type) {
    ComPortEntry e;
    e.port = port;
    e.cableType = type;
    e.name = fs::path(port).filename().string();
    return e;
}

// ttyS0 plain, ttyUSB0 behind a QLV-10, ttyUSB1 behind a QLV-12, a placeholder.
ComPortTable Table() {
    ComPortTable t;
    t.entries = {Entry("/dev/ttyS0", CableType::Plain), Entry("/dev/ttyUSB0", CableType::Qlv10),
                 Entry("/dev/ttyUSB1", CableType::Qlv12), Entry("/dev/ttyS5", CableType::Unnamed)};
    t.count = 4;
    return t;
}

std::vector<int> Values(ItemList list) {
    std::vector<int> out;
    for (const auto& row : list)
        if (row.value != ItemListEnd) out.push_back(row.value);
    return out;
}

TEST(PortConfiguration, PortRowsSkipPlaceholdersAndStartOnTheConfiguredPort) {
    Model model(Table(), {"/dev/ttyUSB1", CableType::Qlv12, 230400});
    EXPECT_EQ(model.PortRows(), (std::vector<std::string>{"ttyS0", "ttyUSB0 (QLV-10)", "ttyUSB1 (QLV-12)"}));
    EXPECT_EQ(model.InitialRow(), 2);
    EXPECT_EQ(model.InitialText(), "ttyUSB1 (QLV-12)");

    // A configured port that is gone: the first row.
    Model gone(Table(), {"/dev/ttyUSB7", CableType::Plain, 38400});
    EXPECT_EQ(gone.InitialRow(), 0);
    EXPECT_EQ(gone.InitialText(), "ttyS0");

    // No port at all.
    Model none(ComPortTable{}, {"", CableType::Plain, 38400});
    EXPECT_EQ(none.InitialRow(), -1);
    EXPECT_EQ(none.InitialText(), "");
}

TEST(PortConfiguration, ATypedDeviceThatExistsIsKeptAsTyped) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string pty = ptsname(master);
    Model model(Table(), {pty, CableType::Plain, 115200});
    EXPECT_EQ(model.InitialRow(), -1);
    EXPECT_EQ(model.InitialText(), pty);
    EXPECT_EQ(model.Refusal(pty), "");
    const auto outcome = model.Ok(pty, 115200);
    EXPECT_EQ(outcome.config, (PortConfig{pty, CableType::Plain, 115200}));
    close(master);
}

TEST(PortConfiguration, TypedPathsAreCheckedAndTakeTheCableOfThePortTheyReach) {
    TempDir dir;
    // A link to a listed port takes that port's cable; /dev/null stands in
    // for the device node.
    ComPortTable table = Table();
    table.entries[1].port = "/dev/null";
    const std::string link = dir / "radio";
    fs::create_symlink("/dev/null", link);
    std::ofstream(dir / "plain-file") << "x";
    Model model(table, {"/dev/ttyS0", CableType::Plain, 230400});

    EXPECT_EQ(model.Refusal(link), "");
    ComPortEntry entry;
    ASSERT_TRUE(model.PortForText(link, entry));
    EXPECT_EQ(entry.port, link);  // the user's own name is kept
    EXPECT_EQ(entry.cableType, CableType::Qlv10);
    EXPECT_EQ(model.BaudFor(link, 230400).selected, 115200);

    EXPECT_EQ(model.Refusal("ttyUSB0"), "Enter the full path of the serial device, such as /dev/ttyUSB0.");
    EXPECT_EQ(model.Refusal(dir / "none"), dir / "none" + " does not exist.");
    EXPECT_EQ(model.Refusal(dir / "plain-file"), dir / "plain-file" + " is not a serial device.");
    EXPECT_EQ(model.Refusal("ttyS0"), "");  // a row label
    EXPECT_EQ(model.Refusal(""), "");
}

TEST(PortConfiguration, RestrictedCablesOfferOnlyTheLowerRates) {
    Model model(Table(), {"/dev/ttyUSB0", CableType::Qlv10, 230400});
    struct Case {
        const char* port;
        int current;
        std::vector<int> offered;
        int selected;
    };
    const Case cases[] = {
        {"ttyUSB0 (QLV-10)", 230400, {38400, 115200}, 115200},
        {"ttyUSB0 (QLV-10)", 38400, {38400, 115200}, 38400},
        {"ttyUSB0 (QLV-10)", 115200, {38400, 115200}, 115200},
        // Back on a plain port: every rate again, the shown rate kept.
        {"ttyS0", 115200, {38400, 115200, 230400}, 115200},
        {"ttyUSB1 (QLV-12)", 230400, {38400, 115200, 230400}, 230400},
        {"", 230400, {38400, 115200, 230400}, 230400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.port) + " " + std::to_string(c.current));
        const auto baud = model.BaudFor(c.port, c.current);
        EXPECT_EQ(Values(baud.list), c.offered);
        EXPECT_EQ(baud.selected, c.selected);
    }
    EXPECT_EQ(Values(BaudListFor(CableType::Qlv10Special)), (std::vector<int>{38400, 115200}));
}

TEST(PortConfiguration, OkKeepsThePortItsCableAndRateAndWarnsOnPlainCables) {
    Model model(Table(), {"/dev/ttyS0", CableType::Plain, 230400});
    struct Case {
        const char* port;
        int baud;
        PortConfig config;
        bool caution;
    };
    const Case cases[] = {
        {"ttyS0", 38400, {"/dev/ttyS0", CableType::Plain, 38400}, true},
        {"ttyUSB1 (QLV-12)", 230400, {"/dev/ttyUSB1", CableType::Qlv12, 230400}, false},
        {"ttyUSB0 (QLV-10)", 115200, {"/dev/ttyUSB0", CableType::Qlv10, 115200}, false},
        // No baud row: the rate stays.
        {"ttyUSB1 (QLV-12)", -1, {"/dev/ttyUSB1", CableType::Qlv12, 230400}, false},
        // Nothing chosen: the configuration as it stands is written again.
        {"", -1, {"/dev/ttyS0", CableType::Plain, 230400}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port);
        const auto outcome = model.Ok(c.port, c.baud);
        EXPECT_EQ(outcome.config, c.config);
        EXPECT_EQ(outcome.caution, c.caution);
        const std::vector<std::pair<std::string, std::string>> writes = {
            {"ComPort", c.config.port},
            {"BaudRate", std::to_string(c.config.baudRate)},
            {"ComType", std::to_string(c.config.cableType)}};
        EXPECT_EQ(outcome.writes, writes);
    }
}

TEST(PortConfiguration, RatesAndCautionRule) {
    EXPECT_EQ(ValidBaudRate(9600), 38400);
    EXPECT_EQ(ValidBaudRate(115200), 115200);
    EXPECT_FALSE(IsListedBaudRate(-1));
    EXPECT_TRUE(NeedsCaution(CableType::Plain, 19200));
    EXPECT_FALSE(NeedsCaution(CableType::Plain, 9600));
    EXPECT_TRUE(NeedsCaution(CableType::Unnamed, 38400));
    for (int type : {CableType::Qlv10, CableType::Qlv10Special, CableType::Qlv12})
        EXPECT_FALSE(NeedsCaution(type, 230400)) << type;
}

}  // namespace
