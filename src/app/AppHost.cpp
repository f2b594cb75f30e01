#include "app/AppHost.h"

#include "app/AppState.h"
#include "app/HLogPrint.h"
#include "app/ProgramFolders.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/MessageService.h"

int AppHost::ServiceMode() const {
    return AppState::ServiceMode();
}
int AppHost::AppMode() const {
    return AppState::AppMode();
}
std::filesystem::path AppHost::ProgramFolder() const {
    return ProgramFolders::ProgramFolder();
}
std::filesystem::path AppHost::ShippedFile(const std::string& name) const {
    return ProgramFolders::FindShippedFile(name);
}
std::filesystem::path AppHost::WritableFolder() const {
    return ProgramFolders::DataWriteFolder();
}

int AppHost::Mdc1200SetupType() const {
    return GetProfileInt("SetupType", "MDC1200", 0) == 1 ? 1 : 0;
}

std::string AppHost::Text(int rid, std::string_view builtin) const {
    return TextByRid(rid, builtin);
}

int AppHost::Message(int rid, std::string_view builtin, std::string_view suffix, unsigned style) {
    return ShowMessage(Text(rid, builtin) + std::string(suffix), {}, style);
}

void AppHost::Log(std::string_view line) {
    HLogPrint::Print(0, HLogPrint::LevelDebug1, __FILE__, __LINE__, __func__, line);
}
