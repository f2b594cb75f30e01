#include "help/HelpMap.h"

#include "language/Language.h"

void HelpMap::Build(std::span<const HelpTopicRow> rows) {
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) topics_[it->rid] = it->topic;
}

const std::string* HelpMap::Topic(int rid) const {
    const auto it = topics_.find(rid);
    return it == topics_.end() ? nullptr : &it->second;
}

HelpLocation LocateTopic(const HelpMap& map, const std::filesystem::path& helpFile, int rid, int dialogId) {
    if (helpFile.empty()) return {};
    const std::string* topic = map.Topic(rid);
    if (!topic) topic = map.Topic(MakeRID(0, dialogId, 0));
    if (!topic) return {};
    return {helpFile, *topic};
}

int ContextHelpRID(const HelpMap& map, int dialogId, int focusedId, int sub) {
    const int dialogRid = MakeRID(0, dialogId, 0);
    if (focusedId <= 0) return dialogRid;
    const int controlRid = MakeRID(sub, dialogId, focusedId);
    return map.Has(controlRid) ? controlRid : dialogRid;
}

namespace Help {

namespace {
std::filesystem::path& FilePath() {
    static std::filesystem::path path;
    return path;
}
HelpMap& Storage() {
    static HelpMap map;
    return map;
}
}  // namespace

HelpMap& Map() {
    if (Storage().Empty()) Storage().Build(HelpTopicTable());
    return Storage();
}

void UseTopicRows(std::span<const HelpTopicRow> rows) {
    Storage() = HelpMap{};
    Storage().Build(rows);
}

bool HasHelpTopic(int rid) {
    return Map().Has(rid);
}

void SetHelpFilePath(const std::filesystem::path& path) {
    FilePath() = path;
}

const std::filesystem::path& HelpFilePath() {
    return FilePath();
}

HelpLocation BuildHelpLocation(int rid, int dialogId) {
    return LocateTopic(Map(), HelpFilePath(), rid, dialogId);
}

}  // namespace Help
