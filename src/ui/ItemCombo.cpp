#include "ui/ItemCombo.h"

#include <algorithm>

#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiUtil.h"

// ---- ItemRowSet ---------------------------------------------------------------

void ItemRowSet::SetItemList(ItemList list) {
    std::size_t n = 0;
    while (n < list.size() && list[n].value != ItemListEnd) ++n;
    source_ = list;
    count_ = n;
    rows_.assign(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(n));
    rows_.push_back({ItemListEnd, "", ""});
    offered_.assign(n + 1, true);
    offered_[n] = false;
}

void ItemRowSet::SetOffered(std::size_t row, bool offered) {
    if (row < count_) offered_[row] = offered;
}

void ItemRowSet::Rebuild() {
    rows_.clear();
    for (std::size_t i = 0; i < count_; ++i)
        if (offered_[i]) rows_.push_back(source_[i]);
    rows_.resize(count_ + 1, {ItemListEnd, "", ""});
}

// ---- DynamicItemChangeComboBox --------------------------------------------------

DynamicItemChangeComboBox::DynamicItemChangeComboBox(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                                     const wxSize& size) {
    Create(parent, id, pos, size);
}

bool DynamicItemChangeComboBox::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                       const wxSize& size) {
    if (!wxChoice::Create(parent, id, pos, size)) return false;
    Bind(wxEVT_CHOICE, [this](wxCommandEvent& e) {
        SelectValue();
        e.Skip();
    });
    return true;
}

void DynamicItemChangeComboBox::SetItemList(ItemList list) {
    rows_.SetItemList(list);
    Rebuild();
}

std::int32_t DynamicItemChangeComboBox::GetSelectedValue() const {
    return UiUtil::GetComboValue(*this, rows_.Rows());
}

void DynamicItemChangeComboBox::SelectByValue(std::int32_t value) {
    // The last listed row with the value, as the box was filled.
    const auto fill = UiUtil::PlanComboFill(rows_.Rows(), value);
    auto last = std::find(fill.values.rbegin(), fill.values.rend(), value);
    SetSelection(last == fill.values.rend() ? wxNOT_FOUND : static_cast<int>(fill.values.rend() - last) - 1);
}

void DynamicItemChangeComboBox::Rebuild() {
    // The value shown now, looked up by its text in the rows as they stand.
    const std::int32_t value = GetSelectedValue();
    rows_.Rebuild();
    const auto fill = UiUtil::PlanComboFill(rows_.Rows(), value);
    Clear();
    for (const auto& t : ScreenTranslation::RowsForControl(this, fill.texts)) Append(wxString::FromUTF8(t.c_str()));
    const bool stillOffered =
        value != -1 && std::find(fill.values.begin(), fill.values.end(), value) != fill.values.end();
    SetSelection(stillOffered ? fill.selection : wxNOT_FOUND);
}

// ---- ChListCombo ------------------------------------------------------------------

ChListCombo::ChListCombo(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : DynamicItemChangeComboBox(parent, id, pos, size) {
    ResetRows();
}

void ChListCombo::ResetRows() {
    for (auto& list : lists_) {
        for (int p = 0; p < RowsPerList; ++p) list[p] = {NotUsed, "Not Used", ""};
        list[RowsPerList] = {ItemListEnd, "", ""};
    }
}

void ChListCombo::SetChannelRow(int list, int position, std::int32_t value, std::string text) {
    if (list < 0 || list >= Lists || position < 0 || position >= RowsPerList) return;
    texts_[list][position] = std::move(text);
    lists_[list][position] = {value, texts_[list][position].c_str(), ""};
}

ItemList ChListCombo::PresetList(int list) const {
    if (list < 0 || list >= Lists) return {};
    return ItemList(lists_[list].data(), lists_[list].size());
}

void ChListCombo::BindZone(ItemList list, const CloneImage* image) {
    boundList_ = list;
    image_ = image;
    channelLimit_ = 0;
    groupTypes_.fill(0);
    if (!image) return;
    channelLimit_ = static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxCh(*image), 16)) * 8;
    if (Version::Compare(*image, 1, 9, 0, 0) >= 0) {
        for (int g = 0; g < Lists; ++g) {
            const auto type = ItemMap::ReadHeaderField(ItemMap::HeaderOptionItems[4], *image,
                                                       static_cast<std::uint32_t>(g), 1);
            groupTypes_[g] = type == 15 ? 0 : static_cast<int>(type);
        }
    }
}

std::string ChListCombo::Prefix(int group) const {
    const int type = GroupType(group);
    for (const auto& row : PrefixList)
        if (row.value == type && row.value != ItemListEnd) return row.text;
    return PrefixList[0].text;
}

void ChListCombo::Rebuild() {
    // Placeholder rows are never offered.
    const ItemList source = rows_.Source();
    for (std::size_t i = 0; i < rows_.Count(); ++i)
        if (source[i].value == NotUsed) rows_.SetOffered(i, false);
    DynamicItemChangeComboBox::Rebuild();
}

bool ChListCombo::SelectValue() {
    remembered_ = GetSelectedValue();
    return true;
}

bool ChListCombo::LoadList(int list, bool keepValue) {
    if (list < 0 || list >= Lists) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(RowsPerList); ++i) rows_.SetOffered(i, false);
        Rebuild();
        return false;
    }
    const std::int32_t previous = remembered_;
    SetItemList(PresetList(list));
    SelectValue();
    if (keepValue) remembered_ = previous;
    for (std::size_t i = 0; i < static_cast<std::size_t>(RowsPerList); ++i)
        if (rows_.Offered(i)) return true;
    return false;
}
