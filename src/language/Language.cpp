#include "language/Language.h"

#include <atomic>
#include <cctype>
#include <memory>

#include "language/LangTable.h"
#include "language/StringTable.h"
#include "language/TextTables.h"

namespace {
std::atomic<bool> g_printTextMode{false};

constexpr int kExemptDialogs[] = {171, 172, 173, 174, 175, 371, 638, 639, 640};

// The table in force. A load builds a new table and swaps it in whole, so a
// lookup never sees half of one.
std::shared_ptr<const RidNodeMap>& TableSlot() {
    static std::shared_ptr<const RidNodeMap> table = std::make_shared<RidNodeMap>();
    return table;
}
std::shared_ptr<const RidNodeMap> CurrentTable() {
    return std::atomic_load(&TableSlot());
}

bool MatchItem(const std::string& text, std::string& out) {
    if (text.empty()) return false;
    out = text;
    return true;
}

bool IsPlainSign(unsigned char c) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    return c < 128 && !letter && c >= 32 && c != 127 && c != '&';
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) return;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

// ---- nodes --------------------------------------------------------------------------

bool RID_node_single::GetScreenText(std::string_view base, std::string& out) const {
    if (LangTable::TrimSpaces(base) != item_.base) return false;
    return MatchItem(item_.screen, out);
}
bool RID_node_single::GetPrintText(std::string_view base, std::string& out) const {
    if (LangTable::TrimSpaces(base) != item_.base) return false;
    return MatchItem(item_.print, out);
}

void RID_node_plural::Insert(LangTableItem item) {
    std::string key = item.base;
    items_.insert_or_assign(std::move(key), std::move(item));
}
bool RID_node_plural::GetScreenText(std::string_view base, std::string& out) const {
    const auto it = items_.find(LangTable::TrimSpaces(base));
    return it != items_.end() && MatchItem(it->second.screen, out);
}
bool RID_node_plural::GetPrintText(std::string_view base, std::string& out) const {
    const auto it = items_.find(LangTable::TrimSpaces(base));
    return it != items_.end() && MatchItem(it->second.print, out);
}

RidNodeMap BuildNodes(const std::vector<std::pair<int, LangTableItem>>& entries) {
    std::unordered_map<int, std::vector<const LangTableItem*>> byRid;
    for (const auto& [rid, item] : entries) byRid[rid].push_back(&item);
    RidNodeMap nodes;
    nodes.reserve(byRid.size());
    for (const auto& [rid, items] : byRid) {
        if (items.size() == 1) {
            nodes.emplace(rid, std::make_unique<RID_node_single>(*items.front()));
            continue;
        }
        auto plural = std::make_unique<RID_node_plural>();
        for (const LangTableItem* item : items) plural->Insert(*item);
        nodes.emplace(rid, std::move(plural));
    }
    return nodes;
}

bool IsLangExemptDialog(int rid) {
    const int dialog = (rid % 10'000'000) / 10'000;
    for (int id : kExemptDialogs)
        if (id == dialog) return true;
    return false;
}

namespace LangTable {

const RidNodeMap& Nodes() {
    // Only the user-interface thread replaces the table, the one that asks.
    return *TableSlot();
}

void Install(RidNodeMap nodes) {
    std::atomic_store(&TableSlot(),
                      std::shared_ptr<const RidNodeMap>(std::make_shared<RidNodeMap>(std::move(nodes))));
}

bool LookupRID(int rid, std::string_view base, std::string& out) {
    if (IsLangExemptDialog(rid)) {
        out.assign(base);
        return true;
    }
    const auto table = CurrentTable();
    const auto it = table->find(rid);
    if (it == table->end()) return false;
    const RID_node& node = *it->second;
    if (PrintTextMode() && node.GetPrintText(base, out)) return true;
    return node.GetScreenText(base, out);
}

std::string TranslateCommonWord(std::string_view word) {
    const auto rid = TextTables::CommonWordRid(word);
    if (!rid) return std::string(word);
    std::string out;
    if (LookupRID(*rid, word, out)) return out;
    return std::string(word);
}

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::optional<std::pair<int, std::string>> FindCommonWordIn(std::string_view text) {
    for (const ST_DISPDATA& row : TextTables::CommonWordTable) {
        if (row.value == ItemListEnd) break;
        const std::string_view word = row.text;
        if (word.empty() || text.find(word) == std::string_view::npos) continue;
        std::string rest(text);
        ReplaceAll(rest, word, "");
        bool plain = true;
        for (const char c : rest) plain = plain && IsPlainSign(static_cast<unsigned char>(c));
        if (plain) return std::pair<int, std::string>{row.value, std::string(word)};
    }
    return std::nullopt;
}

bool TranslateCommonWordsIn(std::string_view base, std::string& out) {
    const auto found = FindCommonWordIn(base);
    if (!found) return false;
    std::string translated;
    if (!LookupRID(found->first, found->second, translated)) return false;
    out.assign(base);
    ReplaceAll(out, found->second, translated);
    return true;
}

std::string TranslateRow(int rid, std::string_view base) {
    std::string out;
    if (LookupRID(rid, base, out)) return out;
    if (TranslateCommonWordsIn(base, out)) return out;
    return std::string(base);
}

std::string TranslateItem(int rid, std::string_view base) {
    std::string text = TranslateRow(rid, base);
    return PrintTextMode() ? HtmlEscapeText(text) : text;
}

std::vector<std::string> ApplyTextTable(int rid, ItemList list) {
    std::vector<std::string> texts;
    for (const ST_DISPDATA& row : list) {
        if (row.value == ItemListEnd) break;
        texts.push_back(TranslateItem(rid, row.text ? row.text : ""));
    }
    return texts;
}

std::vector<std::string> ApplyTextTable(int rid, const std::vector<std::string>& bases) {
    std::vector<std::string> texts;
    texts.reserve(bases.size());
    for (const std::string& base : bases) texts.push_back(TranslateItem(rid, base));
    return texts;
}

std::string PrintTextForRID(std::string_view text) {
    if (text.empty() || text == " ") return std::string(text);
    const auto amp = text.find('&');
    if (amp == std::string_view::npos || amp + 1 >= text.size()) return std::string(text);
    const unsigned char next = static_cast<unsigned char>(text[amp + 1]);
    const bool mnemonic = (next < 128 && std::isalnum(next)) || next == '#' || next == '*';
    if (!mnemonic) return std::string(text);
    if (amp > 0 && text[amp - 1] == '(') return std::string(text.substr(0, amp - 1));
    std::string out(text);
    out.erase(amp, 1);
    return out;
}

}  // namespace LangTable

std::string ReplaceCharWith(std::string_view text, char c, std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        if (ch == c)
            out += replacement;
        else
            out += ch;
    }
    return out;
}

std::string HtmlEscapeText(std::string_view text, bool attribute) {
    if (text.empty() || text == " ") return "&nbsp;";
    const std::string label = LangTable::PrintTextForRID(text);
    std::string out;
    out.reserve(label.size() + 8);
    for (std::size_t i = 0; i < label.size(); ++i) {
        const char c = label[i];
        switch (c) {
            case '&':
                out += TextTables::HtmlEscapeWords[2];
                if (i + 1 < label.size() && label[i + 1] == '&') ++i;  // "&&" is one "&"
                break;
            case '<':
                out += TextTables::HtmlEscapeWords[0];
                break;
            case '>':
                out += TextTables::HtmlEscapeWords[1];
                break;
            case '\n':
                out += TextTables::HtmlEscapeWords[3];
                break;
            case '"':
                out += attribute ? "&quot;" : "\"";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string GetRIDText(int rid) {
    return TextByRid(rid, BuiltinText(rid));
}

bool GetPrintText(int rid) {
    const std::string_view text = BuiltinText(rid);
    if (text.empty()) return false;
    std::string out;
    return LangTable::LookupRID(rid, text, out);
}

std::string TextByRid(int rid, std::string_view builtin) {
    std::string out;
    if (LangTable::LookupRID(rid, builtin, out)) return out;
    return std::string(builtin);
}

bool PrintTextMode() {
    return g_printTextMode.load();
}
void SetPrintTextMode(bool on) {
    g_printTextMode.store(on);
}
