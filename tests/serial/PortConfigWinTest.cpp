// The port configuration dialog over fake sysfs and /dev trees: the port
// box, the baud restriction of the QLV-10 cables, typed device paths, what
// OK writes to the settings file, the caution, Cancel and the Enter key.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/frame.h>

#include <fstream>

#include "FakeSysfs.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "serial/ui/FileConfigDlg.h"
#include "ui/MessageService.h"

namespace {

class PortConfigDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        SetProfilePath(settingsDir.path() / "pardex.xml");
        system.AddUart("ttyS0", 4);
        system.AddUsb("ttyUSB0", "Maker", "QLV-10");
        system.AddUsb("ttyUSB1", "Maker", "QLV-12");
        frame = new wxFrame(nullptr, wxID_ANY, "configure");
        frame->Show();
    }
    void TearDown() override {
        frame->Destroy();
        wxTheApp->ProcessIdle();
        SetProfilePath({});
    }

    std::string Port(const std::string& name) const { return (system.dev() / name).string(); }

    static std::vector<std::string> BaudTexts(const CFileConfigDlg& d) {
        std::vector<std::string> out;
        for (unsigned i = 0; i < d.BaudBox()->GetCount(); ++i)
            out.push_back(d.BaudBox()->GetString(i).ToStdString());
        return out;
    }
    static std::string ShownBaud(const CFileConfigDlg& d) {
        return d.BaudBox()->GetStringSelection().ToStdString();
    }
    static void ChoosePort(CFileConfigDlg& d, int row) {
        d.PortBox()->SetSelection(row);
        d.OnSelChangePort();
    }
    static void ChooseBaud(CFileConfigDlg& d, const std::string& text) {
        d.BaudBox()->SetStringSelection(text);
    }
    static std::string Saved(const char* key) { return GetProfileString("Configure", key, "<none>"); }

    TestHost host;
    TempDir settingsDir;
    FakeSystem system;
    ScriptedMessageService messages;
    ScopedMessageService scopedMessages{messages};
    wxFrame* frame = nullptr;
};

TEST_F(PortConfigDialog, AQlv10PortOffersOnlyTheLowerRates) {
    CFileConfigDlg d(frame, {Port("ttyUSB0"), CableType::Qlv10, 230400}, system.Sources());
    EXPECT_EQ(d.GetTitle(), "Configuration");
    ASSERT_EQ(d.PortBox()->GetCount(), 3u);
    EXPECT_EQ(d.PortBox()->GetValue(), "ttyUSB0 (QLV-10)");
    EXPECT_EQ(BaudTexts(d), (std::vector<std::string>{"38400", "115200"}));
    EXPECT_EQ(ShownBaud(d), "115200");

    ChoosePort(d, 0);  // ttyS0: every rate again, the shown one kept
    EXPECT_EQ(BaudTexts(d), (std::vector<std::string>{"38400", "115200", "230400"}));
    EXPECT_EQ(ShownBaud(d), "115200");
}

TEST_F(PortConfigDialog, OkWritesThePortAndWarnsOnlyOnAPlainCableAtHighRates) {
    struct Case {
        int row;
        const char* baud;
        const char* port;
        int type;
        bool caution;
    };
    for (const Case& c : {Case{0, "38400", "ttyS0", CableType::Plain, true},
                          Case{2, "230400", "ttyUSB1", CableType::Qlv12, false},
                          Case{1, "38400", "ttyUSB0", CableType::Qlv10, false}}) {
        SCOPED_TRACE(c.port);
        messages.Clear();
        CFileConfigDlg d(frame, {"", CableType::Plain, 230400}, system.Sources());
        ChoosePort(d, c.row);
        ChooseBaud(d, c.baud);
        d.OnOK();
        EXPECT_EQ(d.GetReturnCode(), wxID_OK);
        EXPECT_EQ(d.Config(), (PortConfig{Port(c.port), c.type, std::stoi(c.baud)}));
        EXPECT_EQ(Saved("ComPort"), Port(c.port));
        EXPECT_EQ(Saved("BaudRate"), c.baud);
        EXPECT_EQ(Saved("ComType"), std::to_string(c.type));
        ASSERT_EQ(messages.Count(), c.caution ? 1u : 0u);
        if (c.caution) {
            EXPECT_EQ(messages.Last().caption, "Caution");
            EXPECT_EQ(messages.Last().text.rfind("This baud rate is not recommended.\n", 0), 0u);
            EXPECT_EQ(messages.Last().style, MsgStyle::Ok | MsgStyle::IconWarning);
        }
    }
}

TEST_F(PortConfigDialog, CancelChangesNothing) {
    WriteProfileString("Configure", "ComPort", Port("ttyS0"));
    const PortConfig before{Port("ttyS0"), CableType::Plain, 38400};
    CFileConfigDlg d(frame, before, system.Sources());
    ChoosePort(d, 2);
    ChooseBaud(d, "230400");
    d.OnCancel();
    EXPECT_EQ(d.GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(d.Config(), before);
    EXPECT_EQ(Saved("ComPort"), Port("ttyS0"));
    EXPECT_EQ(Saved("BaudRate"), "<none>");
    EXPECT_EQ(Saved("ComType"), "<none>");
}

TEST_F(PortConfigDialog, EnterInABoxDoesNotCloseTheDialog) {
    CFileConfigDlg d(frame, {Port("ttyS0"), CableType::Plain, 38400}, system.Sources());
    d.BaudBox()->SetFocus();
    wxKeyEvent enter(wxEVT_CHAR_HOOK);
    enter.m_keyCode = WXK_RETURN;
    enter.SetEventObject(d.BaudBox());
    d.ProcessWindowEvent(enter);
    EXPECT_EQ(d.GetReturnCode(), 0);
    EXPECT_EQ(Saved("ComPort"), "<none>");
}

TEST_F(PortConfigDialog, ATypedDevicePathIsKeptAndAWrongOneRefused) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string pty = ptsname(master);
    {
        CFileConfigDlg d(frame, {Port("ttyS0"), CableType::Plain, 115200}, system.Sources());
        d.PortBox()->SetValue("/dev/zt-no-such-port");
        d.OnOK();
        EXPECT_EQ(d.GetReturnCode(), 0);  // stays open
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "/dev/zt-no-such-port does not exist.");
        EXPECT_EQ(Saved("ComPort"), "<none>");

        d.PortBox()->SetValue(pty);
        d.OnOK();
        EXPECT_EQ(d.GetReturnCode(), wxID_OK);
        EXPECT_EQ(d.Config(), (PortConfig{pty, CableType::Plain, 115200}));
        EXPECT_EQ(Saved("ComPort"), pty);
    }
    // The next opening shows the typed path again.
    CFileConfigDlg again(frame, {pty, CableType::Plain, 115200}, system.Sources());
    EXPECT_EQ(again.PortBox()->GetValue(), pty);
    EXPECT_EQ(ShownBaud(again), "115200");
    close(master);
}

TEST_F(PortConfigDialog, OpensOnTheFirstRateForAnUnlistedOneAndWithoutPortsStillTakesAPath) {
    CFileConfigDlg d(frame, {Port("ttyS0"), CableType::Plain, 9600}, system.Sources());
    EXPECT_EQ(ShownBaud(d), "38400");

    FakeSystem empty;
    CFileConfigDlg none(frame, {"", CableType::Plain, 230400}, empty.Sources());
    EXPECT_EQ(none.PortBox()->GetCount(), 0u);
    EXPECT_TRUE(none.PortBox()->IsEnabled());
    EXPECT_EQ(none.PortBox()->GetValue(), "");
    none.OnOK();  // nothing chosen: the configuration as it stands is written
    EXPECT_EQ(none.GetReturnCode(), wxID_OK);
    EXPECT_EQ(Saved("ComPort"), "");
    EXPECT_EQ(Saved("BaudRate"), "230400");
}

}  // namespace

// The port box fills itself: its rows still go through the language tables,
// and a translated row still configures its own port.
TEST_F(PortConfigDialog, PortRowsFollowTheLanguageAndKeepTheirPorts) {
    const auto file = settingsDir.path() / "de.xml";
    std::ofstream(file) << R"(<?xml version="1.0" encoding="utf-8"?>
<Language xml:lang="de">
  <Dialog602>
    <RID_6022101><base>ttyUSB0 (QLV-10)</base><string>ttyUSB0 (QLV-10-Kabel)</string></RID_6022101>
  </Dialog602>
</Language>
)";
    ASSERT_TRUE(Lang::LoadLanguage(file));
    {
        CFileConfigDlg d(frame, {Port("ttyUSB0"), CableType::Qlv10, 115200}, system.Sources());
        EXPECT_EQ(d.PortBox()->GetString(1), "ttyUSB0 (QLV-10-Kabel)");
        EXPECT_EQ(d.PortBox()->GetValue(), "ttyUSB0 (QLV-10-Kabel)");
        EXPECT_EQ(BaudTexts(d), (std::vector<std::string>{"38400", "115200"}));
        ChoosePort(d, 0);
        ChoosePort(d, 1);
        EXPECT_EQ(BaudTexts(d), (std::vector<std::string>{"38400", "115200"}));
        d.OnOK();
        EXPECT_EQ(d.GetReturnCode(), wxID_OK);
        EXPECT_EQ(d.Config(), (PortConfig{Port("ttyUSB0"), CableType::Qlv10, 115200}));
    }
    Lang::LoadLanguage({});
}

