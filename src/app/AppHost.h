#pragma once
// The application's answers to the image library: modes from the shell's
// state, folders by the program's folder rules, texts through the language
// services, messages through the message service, log lines into the debug
// log.
#include "image/ImageHost.h"

class AppHost : public ImageHost {
  public:
    int ServiceMode() const override;
    int AppMode() const override;
    std::filesystem::path ProgramFolder() const override;
    std::filesystem::path ShippedFile(const std::string& name) const override;
    std::filesystem::path WritableFolder() const override;
    int Mdc1200SetupType() const override;
    std::string Text(int rid, std::string_view builtin) const override;
    int Message(int rid, std::string_view builtin, std::string_view suffix, unsigned style) override;
    void Log(std::string_view line) override;
};
