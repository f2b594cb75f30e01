#pragma once
// Combo boxes whose choices depend on other settings. A
// DynamicItemChangeComboBox keeps its own copy of an item list with an
// "offered" flag per row; its subclass sets the flags from the image, and a
// rebuild lists the offered rows while keeping the selected value.
// ChListCombo is the channel selector with eight lists of sixteen rows.
#include <wx/choice.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "image/ItemList.h"

// The window-free part: the source rows, the offered flags and the rows a
// rebuild lists.
class ItemRowSet {
  public:
    // Counts the rows before the end row, copies them, offers them all.
    void SetItemList(ItemList list);
    ItemList Source() const { return source_; }
    std::size_t Count() const { return count_; }
    bool Offered(std::size_t row) const { return row < offered_.size() && offered_[row]; }
    void SetOffered(std::size_t row, bool offered);
    // The working rows: the offered source rows in order, then end rows up
    // to count + 1 rows.
    void Rebuild();
    ItemList Rows() const { return rows_; }

  private:
    ItemList source_;
    std::size_t count_ = 0;
    std::vector<ST_DISPDATA> rows_{{ItemListEnd, "", ""}};
    std::vector<bool> offered_{false};
};

class DynamicItemChangeComboBox : public wxChoice {
  public:
    DynamicItemChangeComboBox() = default;
    DynamicItemChangeComboBox(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                              const wxSize& size = wxDefaultSize);
    bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize);

    virtual void SetItemList(ItemList list);
    // Lists the offered rows again and reselects the value shown before (no
    // selection when its row is no longer offered).
    virtual void Rebuild();
    // Called when the user picks a row; the base accepts.
    virtual bool SelectValue() { return true; }
    // Rebuilds; the page calls it before the list opens.
    virtual bool Refresh() {
        Rebuild();
        return true;
    }

    // The value of the selected row, -1 when nothing is selected.
    std::int32_t GetSelectedValue() const;
    // Selects the listed row with `value`; no selection when none.
    void SelectByValue(std::int32_t value);

    ItemRowSet& Rows() { return rows_; }
    const ItemRowSet& Rows() const { return rows_; }

  protected:
    ItemRowSet rows_;
};

class ChListCombo : public DynamicItemChangeComboBox {
  public:
    static constexpr int Lists = 8;
    static constexpr int RowsPerList = 16;
    static constexpr std::int32_t NotUsed = 254;
    // The channel-number prefixes by group type; any other type uses the first.
    static constexpr ST_DISPDATA PrefixList[] = {{0, "CH", ""}, {1, "LTR", ""}, {2, "PPT", ""}, {-1, "", ""}};

    ChListCombo() { ResetRows(); }
    ChListCombo(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize);

    // Every row of every list back to {254, "Not Used"}.
    void ResetRows();
    // The owner fills the rows its lists may offer.
    void SetChannelRow(int list, int position, std::int32_t value, std::string text);
    ItemList PresetList(int list) const;

    // Keeps the list and the image; reads the channel limit and the eight
    // group types from the image.
    virtual void BindZone(ItemList list, const CloneImage* image);
    // -1 withdraws every row and answers false; otherwise shows list `list`
    // and answers whether any of its rows is offered. With `keepValue` the
    // remembered value survives the switch.
    virtual bool LoadList(int list, bool keepValue);

    void Rebuild() override;
    bool SelectValue() override;

    int ChannelLimit() const { return channelLimit_; }
    int GroupType(int group) const { return group >= 0 && group < Lists ? groupTypes_[group] : 0; }
    std::string Prefix(int group) const;
    std::int32_t RememberedValue() const { return remembered_; }
    ItemList BoundList() const { return boundList_; }
    const CloneImage* BoundImage() const { return image_; }

  private:
    std::array<std::array<ST_DISPDATA, RowsPerList + 1>, Lists> lists_{};
    std::array<std::array<std::string, RowsPerList>, Lists> texts_;
    ItemList boundList_;
    const CloneImage* image_ = nullptr;
    int channelLimit_ = 0;
    std::array<int, Lists> groupTypes_{};
    std::int32_t remembered_ = -1;
};
