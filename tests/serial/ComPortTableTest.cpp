// Port enumeration against fake sysfs and /dev trees: which ttys are ports,
// the cable each USB name stands for, the order, the by-id names and the
// 64-entry limit.
#include <gtest/gtest.h>

#include "FakeSysfs.h"

namespace {

std::vector<std::string> Labels(const ComPortTable& table) {
    std::vector<std::string> out;
    for (int i = 0; i < table.count; ++i) out.push_back(PortLabelAt(table, i));
    return out;
}

struct CableCase {
    const char* manufacturer;
    const char* product;
    int type;
    const char* suffix;
};

TEST(ComPortTable, UsbStringsNameTheCable) {
    const CableCase cases[] = {
        {"Maker", "QLV-10/SPECIAL", CableType::Qlv10Special, " (QLV-10/S)"},
        {"Maker", "QLV-10", CableType::Qlv10, " (QLV-10)"},
        {"Maker", "qlv-12 programming cable", CableType::Qlv12, " (QLV-12)"},
        {"QLV-10 cables", "USB serial", CableType::Qlv10, " (QLV-10)"},  // the manufacturer counts too
        {"", "Qlv-10/Special", CableType::Qlv10Special, " (QLV-10/S)"},
        {"FTDI", "FT232R USB UART", CableType::Plain, ""},
        {"", "", CableType::Plain, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.manufacturer) + "|" + c.product);
        FakeSystem system;
        system.AddUsb("ttyUSB0", c.manufacturer, c.product);
        ComPortTable table;
        ASSERT_EQ(EnumComPorts(table, system.Sources()), 1);
        const ComPortEntry& entry = table.entries[0];
        EXPECT_EQ(entry.cableType, c.type);
        EXPECT_EQ(entry.port, (system.dev() / "ttyUSB0").string());
        EXPECT_EQ(entry.baudRate, 0);
        EXPECT_EQ(PortLabelAt(table, 0), std::string("ttyUSB0") + c.suffix);
    }
}

TEST(ComPortTable, ModemClassPortsAndUartsAreListedPlaceholdersLastAndConsolesNot) {
    FakeSystem system;
    system.AddUart("ttyS1", 0);  // no UART
    system.AddUart("ttyS0", 4);
    system.AddUsb("ttyACM0", "Maker", "QLV-12");
    system.AddVirtual("tty1");
    system.AddVirtual("console");
    ComPortTable table;
    ASSERT_EQ(EnumComPorts(table, system.Sources()), 3);
    EXPECT_EQ(table.entries[0].name, "ttyACM0");
    EXPECT_EQ(table.entries[0].cableType, CableType::Qlv12);
    EXPECT_EQ(table.entries[0].friendlyName, "Maker QLV-12");
    EXPECT_EQ(table.entries[1].name, "ttyS0");
    EXPECT_EQ(table.entries[1].cableType, CableType::Plain);
    EXPECT_EQ(table.entries[1].friendlyName, "");
    EXPECT_EQ(table.entries[2].name, "ttyS1");
    EXPECT_EQ(table.entries[2].cableType, CableType::Unnamed);
    EXPECT_EQ(Labels(table), (std::vector<std::string>{"ttyACM0 (QLV-12)", "ttyS0", ""}));
    EXPECT_EQ(PortLabelAt(table, 3), "");
    EXPECT_EQ(PortLabelAt(table, -1), "");
}

TEST(ComPortTable, PortsSortByNameWithTheirNumbersCompared) {
    FakeSystem system;
    for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyS10", "ttyS2", "ttyACM1", "ttyUSB1"}) {
        if (std::string(name).rfind("ttyS", 0) == 0)
            system.AddUart(name, 4);
        else
            system.AddUsb(name, "", "");
    }
    ComPortTable table;
    ASSERT_EQ(EnumComPorts(table, system.Sources()), 6);
    EXPECT_EQ(Labels(table),
              (std::vector<std::string>{"ttyACM1", "ttyS2", "ttyS10", "ttyUSB1", "ttyUSB2", "ttyUSB10"}));
}

TEST(ComPortTable, ByIdNamesAreShownBesideTheirPorts) {
    FakeSystem system;
    system.AddUsb("ttyUSB0", "Maker", "QLV-10");
    system.AddUsb("ttyUSB1", "FTDI", "FT232R USB UART");
    system.AddById("usb-Maker_QLV-10_A1B2-if00-port0", "ttyUSB0");
    ComPortTable table;
    ASSERT_EQ(EnumComPorts(table, system.Sources()), 2);
    EXPECT_EQ(table.entries[0].byId, "usb-Maker_QLV-10_A1B2-if00-port0");
    EXPECT_EQ(Labels(table),
              (std::vector<std::string>{"ttyUSB0 (QLV-10)  [usb-Maker_QLV-10_A1B2-if00-port0]", "ttyUSB1"}));
}

TEST(ComPortTable, HoldsAtMost64PortsAndDropsPlaceholdersFirst) {
    FakeSystem system;
    for (int i = 0; i < 32; ++i) system.AddUart("ttyS" + std::to_string(i), i < 2 ? 4 : 0);
    for (int i = 0; i < 40; ++i) system.AddUsb("ttyUSB" + std::to_string(i), "", "");
    ComPortTable table;
    ASSERT_EQ(EnumComPorts(table, system.Sources()), ComPortTable::MaxEntries);
    EXPECT_EQ(table.entries[0].name, "ttyS0");
    EXPECT_EQ(table.entries[1].name, "ttyS1");
    EXPECT_EQ(table.entries[2].name, "ttyUSB0");
    EXPECT_EQ(table.entries[41].name, "ttyUSB39");
    // 22 of the 30 placeholders fit behind the real ports.
    EXPECT_EQ(table.entries[42].cableType, CableType::Unnamed);
    EXPECT_EQ(table.entries[63].name, "ttyS23");

    FakeSystem many;
    for (int i = 0; i < 70; ++i) many.AddUsb("ttyUSB" + std::to_string(i), "", "");
    ASSERT_EQ(EnumComPorts(table, many.Sources()), 64);
    EXPECT_EQ(table.entries.back().name, "ttyUSB63");
}

TEST(ComPortTable, NoSysfsGivesNoPorts) {
    ComPortTable table;
    table.count = 5;
    EXPECT_EQ(EnumComPorts(table, {"/nonexistent/sys", "/nonexistent/dev"}), 0);
    EXPECT_EQ(table.count, 0);
    EXPECT_TRUE(table.entries.empty());
}

TEST(ComPortTable, FindNoCase) {
    EXPECT_EQ(FindNoCase("USB Serial (qlv-10)", "QLV-10"), 12);
    EXPECT_EQ(FindNoCase("abc", ""), -1);
    EXPECT_EQ(FindNoCase("abc", "abcd"), -1);
    EXPECT_EQ(FindNoCase("xQlV-12", "qlv-12"), 1);
}

}  // namespace
