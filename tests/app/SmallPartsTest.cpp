// Version texts, the application tables, the INI reader and writer, and the
// hand-over message.
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "app/AppTables.h"
#include "app/HandOver.h"
#include "app/IniFile.h"
#include "app/VersionText.h"
#include "image/TestHost.h"

namespace fs = std::filesystem;

TEST(VersionText, Formats) {
    EXPECT_EQ(FormatVersionText({1, 23, 0}), "1.23");
    EXPECT_EQ(FormatVersionText({1, 23, 4}), "1.23.04");
    EXPECT_EQ(FormatVersionText({1, 0, 0}), "1.00");
    EXPECT_EQ(ProgramVersionText(), FormatVersionText(GetProgramVersionNumbers()));
}

TEST(VersionText, FixedVersionRecordOfAProgramFile) {
    TempDir dir;
    auto withRecord = [&](const std::string& name, std::uint32_t ms, std::uint32_t ls, std::size_t at) {
        std::string bytes(4096, '\x11');
        const std::uint32_t words[] = {0xFEEF04BD, 0x00010000, ms, ls};
        for (int w = 0; w < 4; ++w)
            for (int b = 0; b < 4; ++b)
                bytes[at + 4 * w + b] = static_cast<char>((words[w] >> (8 * b)) & 0xFF);
        std::ofstream(dir.path() / name, std::ios::binary) << bytes;
        return dir.path() / name;
    };
    EXPECT_EQ(FileVersionText(withRecord("a.exe", 0x00010017, 0x00000000, 1024)), "1.23");
    EXPECT_EQ(FileVersionText(withRecord("b.exe", 0x00010017, 0x00040000, 2048)), "1.23.04");
    VersionNumbers v;
    EXPECT_TRUE(ReadFileVersion(dir.path() / "b.exe", v));
    EXPECT_EQ(v.a, 1);
    EXPECT_EQ(v.b, 23);
    EXPECT_EQ(v.c, 4);
    std::ofstream(dir.path() / "plain.exe") << "no resource here";
    EXPECT_EQ(FileVersionText(dir.path() / "plain.exe"), "0.00");
    EXPECT_EQ(FileVersionText(dir.path() / "missing.exe"), "0.00");
    EXPECT_EQ(FileVersionText(dir.path()), "0.00");
}

TEST(AppTables, WindowTitlesByMode) {
    EXPECT_EQ(AppTables::WindowTitle(0), "Pardex for ZT-610/640 Series");
    EXPECT_EQ(AppTables::WindowTitle(3), "Pardex for ZT-610/640 Series(SP)");
    EXPECT_EQ(AppTables::WindowTitle(4), "Pardex for ZT-610/640 Series(Factory/Ship Mode)");
    EXPECT_EQ(AppTables::WindowTitle(9), "Pardex for ZT-610/640 Series");
    EXPECT_EQ(AppTables::WindowTitles.size(), 5u);
}

TEST(AppTables, ListsAndLookups) {
    EXPECT_EQ(AppTables::JumpList.size(), 56u);
    EXPECT_EQ(AppTables::JumpList.back().value, ItemListEnd);
    EXPECT_EQ(AppTables::FindJumpAddress("EE:Group Allocation Data"), 0x200);
    EXPECT_EQ(AppTables::FindJumpAddress("0E:Group Allocation Data"), 0xF2990);
    EXPECT_EQ(AppTables::FindJumpAddress("08:Clone Editor Area "), 0xF10E8);
    EXPECT_EQ(AppTables::FindJumpAddress("08:Clone Editor Area"), std::nullopt);
    EXPECT_EQ(AppTables::JumpList[24].value, 0xF11D0);  // left column ends, right column begins
    EXPECT_EQ(AppTables::JumpList[25].value, 0xF1400);

    ASSERT_EQ(AppTables::GroupNumberList.size(), 33u);
    EXPECT_STREQ(AppTables::GroupNumberList[0].text, "01");
    EXPECT_STREQ(AppTables::GroupNumberList[31].text, "32");
    for (std::int32_t n = 0; n < 32; ++n) EXPECT_EQ(std::stoi(AppTables::GroupNumberList[n].text), n + 1);

    EXPECT_EQ(AppTables::ResultCodeText(10), std::nullopt);
    EXPECT_EQ(AppTables::ResultCodeText(9), "Time Out Error");
    EXPECT_EQ(AppTables::ResultCodeText(255), std::nullopt);

    EXPECT_TRUE(AppTables::IsListedBaudRate(115200));
    EXPECT_FALSE(AppTables::IsListedBaudRate(9600));
    EXPECT_FALSE(AppTables::IsListedBaudRate(-1));
    EXPECT_EQ(AppTables::FindBand(131).bandType, 4);
    EXPECT_EQ(AppTables::FindBand(131).frequencyType, 3);
    EXPECT_STREQ(AppTables::FindBand(0).name, "VHF");
    EXPECT_STREQ(AppTables::SignalLevelUnits[4].text, "dBm");
    EXPECT_STREQ(AppTables::SignalLevelFormats[2].text, "%.2f");
    // Combo lists end with -1.
    for (const ItemList* list :
         {&AppTables::RadioTypeList, &AppTables::VariantList, &AppTables::VersionCodeList,
          &AppTables::PlaceholderList, &AppTables::PasswordCaptionList, &AppTables::PasswordPromptList,
          &AppTables::BaudRateList, &AppTables::SignalLevelUnits, &AppTables::SignalLevelFormats})
        EXPECT_EQ(list->back().value, ItemListEnd);
}

TEST(IniFile, ReadsLikeTheProfileCalls) {
    const auto ini = IniFile::Parse(
        "; comment\r\n[Log_Info]\r\n  Key = \"quoted value\" \r\nnum=12ab\r\n[Other]\r\nkey=2\r\n");
    EXPECT_EQ(ini.GetString("LOG_INFO", "KEY", ""), "quoted value");
    EXPECT_EQ(ini.GetInt("log_info", "num", 0), 12);
    EXPECT_EQ(ini.GetInt("Other", "key", 0), 2);
    EXPECT_EQ(ini.GetInt("Other", "missing", -5), -5);
    EXPECT_EQ(ini.Get("Nowhere", "key"), std::nullopt);
}

TEST(IniFile, SetReplacesInPlaceOrAdds) {
    auto ini = IniFile::Parse("[Initialize]\r\nA=1\r\nCOM_PORT=3\r\nB=2\r\n\r\n[Next]\r\nC=3\r\n");
    ini.Set("initialize", "com_port", "/dev/ttyUSB0");
    EXPECT_EQ(ini.Text(), "[Initialize]\r\nA=1\r\ncom_port=/dev/ttyUSB0\r\nB=2\r\n\r\n[Next]\r\nC=3\r\n");
    ini.Set("Next", "D", "4");
    ini.Set("New", "E", "5");
    EXPECT_EQ(ini.Text(),
              "[Initialize]\r\nA=1\r\ncom_port=/dev/"
              "ttyUSB0\r\nB=2\r\n\r\n[Next]\r\nC=3\r\nD=4\r\n[New]\r\nE=5\r\n");
    auto unix = IniFile::Parse("[S]\nA=1\n");
    unix.Set("S", "B", "2");
    EXPECT_EQ(unix.Text(), "[S]\nA=1\nB=2\n");
}

TEST(HandOver, SenderSendsAnAbsolutePath) {
    struct Case {
        std::string name, folder, expected;
    };
    const Case cases[] = {
        {"", "/home/u", ""},
        {"radio.PDX", "/home/u", "/home/u/radio.PDX"},
        {"../b/./radio.PDX", "/home/u/a", "/home/u/b/radio.PDX"},
        {"/data/x.PDX", "/home/u", "/data/x.PDX"},
        {"/" + std::string(498, 'a'), "/", "/" + std::string(498, 'a')},  // 499 bytes and the NUL fit
        {"/" + std::string(499, 'a'), "/", ""},                           // one byte too many: not sent
    };
    for (const auto& c : cases) {
        const auto message = HandOver::Encode(c.name, c.folder);
        ASSERT_EQ(message.size(), 4 + c.expected.size() + 1) << c.name;
        EXPECT_EQ(HandOver::Decode(message.data(), message.size()), c.expected) << c.name;
    }
}

TEST(HandOver, ReceiverChecksEveryPart) {
    auto message = [](std::uint32_t id, const std::string& data) {
        std::string m;
        for (int i = 0; i < 4; ++i) m += static_cast<char>((id >> (8 * i)) & 0xFF);
        return m + data;
    };
    struct Case {
        std::string bytes;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {message(0, std::string("/a.PDX\0", 7)), "/a.PDX"},
        {message(0, std::string("/a.PDX\0junk", 11)), "/a.PDX"},
        {message(0, std::string(1, '\0')), ""},
        {message(1, std::string("/a.PDX\0", 7)), std::nullopt},   // another data id
        {message(0, "/a.PDX"), std::nullopt},                     // no terminator
        {message(0, std::string("rel.PDX\0", 8)), std::nullopt},  // not absolute
        {message(0, "/" + std::string(498, 'a') + '\0'), "/" + std::string(498, 'a')},
        {message(0, "/" + std::string(499, 'a') + '\0'), std::nullopt},  // 501 bytes
        {std::string("\0\0\0", 3), std::nullopt},
        {std::string(), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(HandOver::Decode(c.bytes.data(), c.bytes.size()), c.expected);
    EXPECT_EQ(HandOver::Decode(nullptr, 10), std::nullopt);
}
