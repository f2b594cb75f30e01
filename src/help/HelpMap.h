#pragma once
// The help map: which topic of the help file belongs to a RID, and the rule
// by which a request for a RID, or for the focused control of a dialog,
// turns into a topic. A topic path is relative to the root of the help file,
// with backslashes ("pardex\Main\Ch\CH_CHANNEL.htm").
#include <filesystem>
#include <span>
#include <string>
#include <unordered_map>

struct HelpTopicRow {
    int rid;
    const char* topic;
};

// The program's table of topics, in the order of the help file's index.
std::span<const HelpTopicRow> HelpTopicTable();

class HelpMap {
  public:
    // Inserts the rows from the last to the first; a RID listed twice keeps
    // its first row's topic.
    void Build(std::span<const HelpTopicRow> rows);
    bool Empty() const { return topics_.empty(); }
    bool Has(int rid) const { return topics_.count(rid) != 0; }
    // The topic path of `rid`; null when the map has none.
    const std::string* Topic(int rid) const;

  private:
    std::unordered_map<int, std::string> topics_;
};

// Where a topic lies: the help file and the topic path inside it. Empty
// when there is no topic or no help file.
struct HelpLocation {
    std::filesystem::path file;
    std::string topic;
    bool Empty() const { return file.empty() || topic.empty(); }
    bool operator==(const HelpLocation&) const = default;
};

// The topic of `rid`, else the topic of the dialog itself (RID of
// dialogId, control 0), else empty; empty too without a help file path.
HelpLocation LocateTopic(const HelpMap& map, const std::filesystem::path& helpFile, int rid, int dialogId);

// The RID that context help opens for a request in dialog `dialogId` with
// the focus on control `focusedId` (0 or less: no focused control; `sub`
// the grid column for a grid): the control's RID when the map has a topic
// for it, else the dialog's RID whether or not it has a topic.
int ContextHelpRID(const HelpMap& map, int dialogId, int focusedId, int sub = 0);

// ---- the process-wide map and help file --------------------------------------
namespace Help {
// The map, built from HelpTopicTable() the first time it is asked for.
HelpMap& Map();
// Replaces the map's rows (tests and tools; the program keeps the table).
void UseTopicRows(std::span<const HelpTopicRow> rows);
bool HasHelpTopic(int rid);
// "PardexWIN.chm" in the program folder, set at start-up; empty before.
void SetHelpFilePath(const std::filesystem::path& path);
const std::filesystem::path& HelpFilePath();
HelpLocation BuildHelpLocation(int rid, int dialogId);
}  // namespace Help

// The help file's name in the program folder.
inline constexpr const char* HelpFileName = "PardexWIN.chm";
