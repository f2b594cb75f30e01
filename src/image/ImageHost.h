#pragma once
// What the image library needs of the application around it. The window
// program installs its own host; tests install one that fixes the date, the
// modes and the answers to messages. The library itself never opens a window.
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

// Message-box styles and answers, with the values the message service uses.
namespace MsgStyle {
inline constexpr unsigned Ok = 0x00, OkCancel = 0x01, YesNoCancel = 0x03, YesNo = 0x04;
inline constexpr unsigned IconError = 0x10, IconQuestion = 0x20, IconWarning = 0x30, IconInformation = 0x40;
}  // namespace MsgStyle
namespace MsgAnswer {
inline constexpr int Ok = 1, Cancel = 2, Yes = 6, No = 7;
}
// The cautious answer to a message of `style`: No, Cancel or Ok.
int CautiousAnswer(unsigned style);

class ImageHost {
  public:
    virtual ~ImageHost() = default;

    // Service mode: 0 normal, 1 "Engineer Mode", 2 "Manufacture Mode".
    virtual int ServiceMode() const { return 0; }
    // Application mode: 0 normal, 1-3 (E)/(M)/(SP), 4 the unattended ship mode.
    virtual int AppMode() const { return 0; }
    // Local date and time now.
    virtual std::tm Now() const;
    // The program folder: where the executable and its shipped data lie.
    virtual std::filesystem::path ProgramFolder() const;
    // Where the shipped file or folder `name` lies (default data files,
    // "Alignment Data", "Tone_sample"): beside the executable in the build
    // tree, in the install prefix's share folder once installed.
    virtual std::filesystem::path ShippedFile(const std::string& name) const;
    // The folder for files the program writes (result file, power marker...).
    virtual std::filesystem::path WritableFolder() const;
    // The program's version numbers.
    virtual int VersionMajor() const;
    virtual int VersionMinor() const;
    virtual int VersionPatch() const;
    // The MDC1200 setup type of the signalling settings (1 = extended).
    virtual int Mdc1200SetupType() const { return 0; }
    // The text of string `rid` in the current language, `builtin` when none.
    virtual std::string Text(int /*rid*/, std::string_view builtin) const { return std::string(builtin); }
    // Shows Text(rid) followed by `suffix` in a message box of `style`; returns
    // the answer (MsgAnswer). The default writes to stderr and answers with the
    // cautious choice (Ok, No or Cancel).
    virtual int Message(int rid, std::string_view builtin, std::string_view suffix, unsigned style);
    // One debug-log line (channel 0, level "[D1]").
    virtual void Log(std::string_view line);
};

// The process-wide host. Never null: a default host serves until one is set.
ImageHost& Host();
// Installs `host` (not owned); nullptr restores the default host.
void SetHost(ImageHost* host);
