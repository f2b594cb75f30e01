#include "help/RelatedItems.h"

#include <wx/log.h>
#include <wx/xml/xml.h>

#include "help/HelpFileSystem.h"

namespace {

struct ElementRow {
    int dialogId, column;
    const char* name;
};
constexpr ElementRow kElementNames[] = {
    {134, 0, "CH"},      {134, 1, "WN"},      {134, 2, "TAG"},   {134, 3, "INFO"},
    {134, 4, "FREQ_RX"}, {134, 5, "FREQ_TX"}, {134, 27, "LAST"}, {140, 1, "Z_CH"},
};

// A node's name without its namespace prefix.
wxString BaseName(const wxXmlNode* node) {
    return node->GetName().AfterLast(':');
}

const wxXmlNode* FindElement(const wxXmlNode* node, const wxString& name) {
    for (; node; node = node->GetNext()) {
        if (node->GetType() != wxXML_ELEMENT_NODE) continue;
        if (BaseName(node) == name) return node;
        if (const wxXmlNode* found = FindElement(node->GetChildren(), name)) return found;
    }
    return nullptr;
}

void AppendText(const wxXmlNode* node, wxString& out) {
    for (; node; node = node->GetNext()) {
        if (node->GetType() == wxXML_TEXT_NODE || node->GetType() == wxXML_CDATA_SECTION_NODE)
            out += node->GetContent();
        else if (node->GetType() == wxXML_ELEMENT_NODE)
            AppendText(node->GetChildren(), out);
    }
}

}  // namespace

std::string_view RelatedElementName(int dialogId, int column) {
    for (const auto& row : kElementNames)
        if (row.dialogId == dialogId && row.column == column) return row.name;
    return {};
}

std::array<std::string, RelatedRows> SplitRelatedList(std::string_view text) {
    std::array<std::string, RelatedRows> rows;
    std::size_t row = 0, start = 0;
    while (row < rows.size()) {
        const auto comma = text.find(',', start);
        rows[row++] =
            std::string(text.substr(start, comma == std::string_view::npos ? text.npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return rows;
}

RelatedItemsFile::RelatedItemsFile(std::filesystem::path path) : path_(std::move(path)) {}
RelatedItemsFile::~RelatedItemsFile() = default;

bool RelatedItemsFile::Refresh() {
    std::error_code ec;
    const auto stamp = std::filesystem::last_write_time(path_, ec);
    const auto size = ec ? 0 : std::filesystem::file_size(path_, ec);
    if (known_ && !ec && stamp == stamp_ && size == size_) return document_ != nullptr;
    if (known_ && ec && !document_) return false;
    cache_.clear();
    document_.reset();
    known_ = true;
    stamp_ = stamp;
    size_ = size;
    if (ec) {
        if (!failureLogged_) Help::Log("Related-items file \"" + path_.string() + "\" not found.");
        failureLogged_ = true;
        return false;
    }
    ++loads_;
    auto document = std::make_unique<wxXmlDocument>();
    bool loaded;
    {
        wxLogNull quiet;
        loaded = document->Load(wxString::FromUTF8(path_.string())) && document->GetRoot();
    }
    if (!loaded) {
        if (!failureLogged_) Help::Log("Related-items file \"" + path_.string() + "\" cannot be read.");
        failureLogged_ = true;
        return false;
    }
    failureLogged_ = false;
    document_ = std::move(document);
    return true;
}

std::string RelatedItemsFile::ReadText(std::string_view elementName, std::string_view childName,
                                       std::string_view fallback) {
    if (elementName.empty() || !Refresh()) return std::string(fallback);
    const wxXmlNode* element =
        FindElement(document_->GetRoot(), wxString::FromUTF8(elementName.data(), elementName.size()));
    if (!element) return std::string(fallback);
    const wxString child = wxString::FromUTF8(childName.data(), childName.size());
    for (const wxXmlNode* node = element->GetChildren(); node; node = node->GetNext()) {
        if (node->GetType() != wxXML_ELEMENT_NODE || BaseName(node) != child) continue;
        wxString text;
        AppendText(node->GetChildren(), text);
        return text.utf8_string();
    }
    return std::string(fallback);
}

RelatedItem RelatedItemsFile::ForRID(int rid, std::string_view elementName) {
    Refresh();  // a changed file drops what was kept
    if (const auto it = cache_.find(rid); it != cache_.end()) return it->second;
    RelatedItem item{ReadText(elementName, "NAME"), ReadText(elementName, "VALUE")};
    cache_[rid] = item;
    return item;
}
