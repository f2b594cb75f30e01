#include "help/RelatedItemPane.h"

#include <wx/sizer.h>

#include "help/HelpTopics.h"
#include "language/Language.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"
#include "ui/VSFlexGrid.h"

namespace {
constexpr int kGridKeyBase = 4000, kControlKeyBase = 5000;
}

CRelatedItem::CRelatedItem(std::shared_ptr<RelatedItemsFile> file) : file_(std::move(file)) {}

std::shared_ptr<RelatedItemsFile> CRelatedItem::ProgramFile(const std::filesystem::path& path) {
    static std::shared_ptr<RelatedItemsFile> file;
    if (!file || file->Path() != path) file = std::make_shared<RelatedItemsFile>(path);
    return file;
}

void CRelatedItem::BuildControls() {
    grid_ = new CVSFlexGrid(this, IDC_GRID);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(grid_, 1, wxEXPAND);
    sizer->SetMinSize(wxSize(120, 80));
    SetSizer(sizer);
    Bind(wxEVT_CHAR_HOOK, &CRelatedItem::OnCharHook, this);
}

bool CRelatedItem::OnInitDialog() {
    HPainBaseDlg::OnInitDialog();
    grid_->SetRedraw(false);
    grid_->SetCols(2);
    grid_->SetRows(1 + RelatedRows);
    grid_->SetFixedRows(1);
    grid_->SetFixedCols(0);
    grid_->SetMergeCells(5);
    grid_->SetMergeRow(0, true);
    for (int col = 0; col < 2; ++col) grid_->SetMergeCol(col, true);
    grid_->SetTextMatrix(0, 0, TextByRid(MakeRID(0, IDD, IDC_GRID), "Name"));
    grid_->SetTextMatrix(0, 1, TextByRid(MakeRID(0, IDD, IDC_GRID), "Value"));
    grid_->EnableEditing(false);
    grid_->SetRedraw(true);
    if (const auto& font = UiHooks::Current().applyScreenFont) {
        font(*this);
        font(*grid_);
    }
    UiUtil::TranslateWindowTexts(this, IDD);
    return true;
}

void CRelatedItem::ShowForControl(std::string_view elementName, int dialogId) {
    ShowForRID(dialogId, RelatedKey(IDC_GRID, kControlKeyBase, 0), elementName, 0);
}

void CRelatedItem::ShowForGridColumn(int dialogId, int column) {
    ShowForRID(dialogId, RelatedKey(IDC_GRID, kGridKeyBase, column), RelatedElementName(dialogId, column), 0);
}

void CRelatedItem::ShowForRID(int dialogId, int controlKey, std::string_view elementName, int sub) {
    const int rid = MakeRID(sub, dialogId, controlKey);
    const RelatedItem item = file_ ? file_->ForRID(rid, elementName) : RelatedItem{};
    // Empty rows merge into one cell: the whole grid is drawn again.
    if (grid_) grid_->SetRedraw(false);
    FillColumn(item.name, 0);
    FillColumn(item.value, 1);
    if (grid_) grid_->SetRedraw(true);
}

void CRelatedItem::FillColumn(std::string_view text, int column) {
    if (!grid_) return;
    const auto rows = SplitRelatedList(text);
    for (int row = 0; row < RelatedRows; ++row) grid_->SetTextMatrix(row + 1, column, rows[row]);
}

void CRelatedItem::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_ESCAPE) && !event.HasAnyModifiers())
        return;
    if (Help::HandlePaneKey(event, this)) return;
    event.Skip();
}
