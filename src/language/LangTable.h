#pragma once
// The in-memory language table: one node per RID with the translations a
// language file gave for it. Filled by the language file loader; read by
// every lookup of Language.h.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// One translation: the program's text it translates, the screen text and
// the print text. Any may be empty.
struct LangTableItem {
    std::string base;
    std::string screen;
    std::string print;
    bool operator==(const LangTableItem&) const = default;
};

class RID_node {
  public:
    virtual ~RID_node() = default;
    // The screen (print) text for `base`; false when the node has none, or
    // its text is empty. `base` is trimmed of spaces first.
    virtual bool GetScreenText(std::string_view base, std::string& out) const = 0;
    virtual bool GetPrintText(std::string_view base, std::string& out) const = 0;
};

// The RID had one entry in the file.
class RID_node_single : public RID_node {
  public:
    explicit RID_node_single(LangTableItem item) : item_(std::move(item)) {}
    bool GetScreenText(std::string_view base, std::string& out) const override;
    bool GetPrintText(std::string_view base, std::string& out) const override;

  private:
    LangTableItem item_;
};

// The RID had two or more entries (the rows of one list): told apart by
// their base texts; of two with one base the later wins.
class RID_node_plural : public RID_node {
  public:
    void Insert(LangTableItem item);
    bool GetScreenText(std::string_view base, std::string& out) const override;
    bool GetPrintText(std::string_view base, std::string& out) const override;

  private:
    std::unordered_map<std::string, LangTableItem> items_;
};

using RidNodeMap = std::unordered_map<int, std::unique_ptr<RID_node>>;

// The entries of one file in file order, turned into one node per RID.
RidNodeMap BuildNodes(const std::vector<std::pair<int, LangTableItem>>& entries);

namespace LangTable {
// The table in force; replaced whole by a load.
const RidNodeMap& Nodes();
void Install(RidNodeMap nodes);
}  // namespace LangTable
