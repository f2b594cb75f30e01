// ChannelList: cell editing, the cell dialogs and the Edit commands.
#include <wx/dialog.h>

#include <algorithm>

#include "channel/ChannelGrid.h"
#include "channel/ChannelGridCells.h"
#include "channel/ChannelPopups.h"
#include "channel/ChannelTables.h"
#include "image/ChannelOps.h"
#include "ui/GridLogic.h"
#include "ui/PopupDlg.h"
#include "ui/UiUtil.h"

namespace Col = ChannelGridCells::Col;
using ChannelGridCells::FixedRows;
using ChannelGridEdit::CellDialog;

namespace {
constexpr std::uint32_t kEditorBack = 0xFFFFFF;
constexpr const char* kSignalingNumberCaption = "Signaling No.";
}  // namespace

// ---- in-place editing ---------------------------------------------------------------

void ChannelList::OnBeforeEdit(FlexGridEvent&) {
    grid_->SetComboList("");
    editorOpen_ = true;
}

void ChannelList::OnStartEdit(FlexGridEvent& event) {
    const int row = event.row, column = event.col;
    const int channel = ChannelOfRow(row);
    ChannelGridEdit::EditStart start;
    if (channel < 0 || !CellTakesInput(row, column))
        start.cancel = true;
    else
        start = ChannelGridEdit::BeginCellEdit(image_, channel, column, grid_->GetTextMatrix(row, column));
    if (start.cancel) {
        event.cancel = true;
        editorOpen_ = false;
        return;
    }
    if (start.cycleFirst) {
        // Editing a transmit frequency that is off switches transmit on, so
        // the editor starts from the frequency stored.
        ChannelGridEdit::CycleCellValue(image_, channel, column, grid_->GetTextMatrix(row, column));
        FillRow(row);
        NotifyChanged();
    }
    grid_->SetColorProperty45(kEditorBack);
    if (start.maxLength > 0) {
        grid_->SetEditMaxLength(start.maxLength);
        grid_->SetEditSelStart(0);
        grid_->SetEditSelLength(start.maxLength);
    }
    if (!start.dropDown.empty()) {
        std::string list;
        for (const auto& row : start.dropDown) list += (list.empty() ? "" : "|") + row;
        grid_->SetComboList(list);
    }
}

void ChannelList::OnKeyPressEdit(FlexGridEvent& event) {
    const auto filtered = ChannelGridEdit::FilterEditKey(event.col, event.key, grid_->GetStringProperty91(),
                                                         grid_->GetEditSelStart(), grid_->GetEditSelLength());
    if (filtered.replaceText) grid_->SetStringProperty91(*filtered.replaceText);
    event.key = filtered.key;
}

void ChannelList::OnAfterEdit(FlexGridEvent& event) {
    CommitCellEdit(event.row, event.col);
    editorOpen_ = false;
}

void ChannelList::CommitCellEdit(int row, int column) {
    const int channel = ChannelOfRow(row);
    if (channel < 0 || column < 0 || column >= ChannelGridCells::ColumnCount) return;
    const std::string text = grid_->GetTextMatrix(row, column);
    // An edit left unchanged (or cancelled) writes nothing: parsing a decode
    // code again would also overwrite the encode side.
    if (text == ChannelGridCells::FormatCellText(image_, column, channel)) {
        FillRow(row);
        return;
    }
    const auto commit = ChannelGridEdit::CommitCellText(image_, channel, column, text);
    FillRow(row);
    if (column == Col::Priority) RefillPriorityRow(commit.oldPriorityPosition);
    RepaintSelection();
    NotifyChanged();
    if (commit.followUp != CellDialog::None) {
        // The dialog that completes the new OLTA mode opens once the editor
        // has closed.
        CallAfter([this, row, dialog = commit.followUp] { OpenDialog(dialog, row); });
    }
}

// ---- cell dialogs ----------------------------------------------------------------------

void ChannelList::OpenCellDialog(int row, int column) {
    const int channel = ChannelOfRow(row);
    if (channel < 0 || !CellTakesInput(row, column)) return;
    OpenDialog(ChannelGridEdit::DialogForCell(image_, channel, column), row);
}

int ChannelList::RunOnCopy(int row, const std::function<std::unique_ptr<wxDialog>(CloneImage& copy)>& make) {
    CloneImage copy = image_;
    int result;
    {
        std::unique_ptr<wxDialog> dialog = make(copy);
        result = ChannelPopups::RunModal(*dialog);
    }
    if (result == wxID_OK) {
        image_ = copy;
        FillRow(row);
        RepaintSelection();
        NotifyChanged();
    }
    return result;
}

void ChannelList::OpenDialog(CellDialog dialog, int row) {
    const int channel = ChannelOfRow(row);
    if (channel < 0) return;
    switch (dialog) {
        case CellDialog::DecodeSubAudio:
        case CellDialog::EncodeSubAudio: {
            const int direction = dialog == CellDialog::DecodeSubAudio ? ChannelPopups::Direction::Decode
                                                                       : ChannelPopups::Direction::Encode;
            RunOnCopy(row, [&](CloneImage& copy) {
                return std::make_unique<CChSetupSubAudio>(this, copy, channel, direction);
            });
            return;
        }
        case CellDialog::Vox:
        case CellDialog::Encryption: {
            const int kind = dialog == CellDialog::Vox ? ChannelPopups::PopupKind::Vox
                                                       : ChannelPopups::PopupKind::Encryption;
            RunOnCopy(row, [&](CloneImage& copy) {
                return std::make_unique<CChSetupPopup>(this, copy, channel, kind);
            });
            return;
        }
        case CellDialog::SignalingNumber: {
            // The numbers the channel's signalling type allows, by their full names.
            ChannelTables::RowList rows;
            for (const auto& r : ChannelGridCells::SignalingNumberRows(image_, channel, false))
                if (r.value != ItemListEnd && Channel::IsValidSignalingNumber(image_, channel, r.value))
                    rows.push_back(r);
            rows.push_back({ItemListEnd, "", ""});
            CPopupDlg popup(this, kSignalingNumberCaption, ChannelTables::AsItemList(rows),
                            Channel::GetSignalingNumber(image_, channel));
            const int chosen = ChannelPopups::RunModal(popup) == wxID_OK ? popup.Chosen() : -1;
            if (chosen < 0 || chosen + 1 >= static_cast<int>(rows.size())) return;
            Channel::SetSignalingNumber(image_, channel, rows[chosen].value);
            FillRow(row);
            RepaintSelection();
            NotifyChanged();
            return;
        }
        case CellDialog::Ani:
            OpenAniDialog(row);
            return;
        case CellDialog::None:
            return;
    }
}

void ChannelList::OpenAniDialog(int row) {
    const int channel = ChannelOfRow(row);
    CloneImage copy = image_;
    int result;
    {
        CCHSetupANI dialog(this, copy, channel);
        result = ChannelPopups::RunModal(dialog);
    }
    // "ANI Setting" has saved the dialog's fields too: they are kept.
    if (result != wxID_OK && result < ChannelPopups::AniSettingResultBase) return;
    image_ = copy;
    FillRow(row);
    RepaintSelection();
    NotifyChanged();
    const auto screen = ChannelPopups::ScreenForAniResult(image_, result);
    if (screen == ChannelPopups::AniScreen::None || !ChannelPopups::IsAniScreenAvailable(screen)) return;
    CloneImage fresh = image_;
    if (ChannelPopups::OpenAniScreen(screen, this, fresh) == wxID_OK) {
        image_ = fresh;
        RefreshAllRows();
        NotifyChanged();
    }
}

// ---- Edit commands -------------------------------------------------------------------------

int ChannelList::CommandOfMenuId(int menuId) {
    static constexpr int kCommands[] = {Command::Copy,        Command::Paste,         Command::Cut,
                                        Command::ChCopy,      Command::ChPaste,       Command::ChCut,
                                        Command::ChInsert,    Command::ChNew,         Command::AssignToGroup,
                                        Command::SetPriority, Command::CancelPriority};
    // Menus take ids below 0x8000: the program's ids above it come shifted
    // down by 0x8000.
    for (int command : kCommands)
        if (menuId == command || menuId == command - 0x8000) return command;
    return 0;
}

bool ChannelList::ExecuteCommand(int commandId) {
    switch (commandId) {
        case Command::Copy:
        case Command::Paste:
        case Command::Cut:
        case Command::ChCopy:
        case Command::ChPaste:
        case Command::ChCut:
        case Command::ChInsert:
        case Command::ChNew:
        case Command::AssignToGroup:
        case Command::SetPriority:
        case Command::CancelPriority:
            break;
        default:
            return false;
    }
    if (!grid_ || !HasGridFocus()) return true;
    const bool wholeChannels = grid_->GetCol() == Col::Number;
    switch (commandId) {
        case Command::Copy:
            wholeChannels ? CopyChannels() : CopyCell();
            break;
        case Command::Paste:
            wholeChannels ? PasteChannels() : PasteCell();
            break;
        case Command::ChCopy:
            CopyChannels();
            break;
        case Command::ChPaste:
            PasteChannels();
            break;
        case Command::Cut:
        case Command::ChCut:
            CutChannels();
            break;
        case Command::ChInsert:
            InsertChannels();
            break;
        case Command::ChNew:
            NewChannel();
            break;
        case Command::SetPriority:
            SetPriority();
            break;
        case Command::CancelPriority:
            CancelPriority();
            break;
        default:
            break;  // "Assign to Current Group" has nothing to do here
    }
    return true;
}

void ChannelList::CopyCell() {
    const int row = grid_->GetRow(), column = grid_->GetCol();
    if (ChannelOfRow(row) < 0) return;
    Clipboard::CopyText(this, ChannelGridEdit::CellCopyText(column, grid_->GetTextMatrix(row, column)));
}

void ChannelList::PasteCell() {
    const int column = grid_->GetCol();
    const std::string clip = Clipboard::PasteText(this);
    for (int row : SelectedDataRows()) {
        const int channel = ChannelOfRow(row);
        if (!CellTakesInput(row, column)) continue;
        const auto text = ChannelGridEdit::CellPasteText(image_, channel, column, clip);
        if (!text) continue;
        grid_->SetTextMatrix(row, column, *text);
        CommitCellEdit(row, column);
    }
}

void ChannelList::CopyChannels() {
    std::vector<int> channels;
    for (int row : SelectedDataRows()) channels.push_back(ChannelOfRow(row));
    if (!channels.empty()) Channel::StoreClipboard(image_, channels);
}

void ChannelList::PasteChannels() {
    std::vector<int> targets;
    for (int row : SelectedDataRows()) targets.push_back(ChannelOfRow(row));
    if (targets.empty() || Channel::ClipboardCount() == 0) return;
    Channel::PasteClipboard(image_, targets);
    AfterChannelMove();
}

void ChannelList::CutChannels() {
    std::vector<int> channels;
    for (int row : SelectedDataRows()) channels.push_back(ChannelOfRow(row));
    if (channels.empty()) return;
    Channel::StoreClipboard(image_, channels);
    // From the highest channel down, so that each deletion leaves the
    // channels still to be deleted where they were.
    std::sort(channels.begin(), channels.end(), std::greater<>());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    for (int channel : channels) Channel::DeleteRecord(image_, channel);
    AfterChannelMove();
}

void ChannelList::InsertChannels() {
    const auto rows = SelectedDataRows();
    if (rows.empty() || Channel::ClipboardCount() == 0) return;
    Channel::InsertClipboardRecords(image_, ChannelOfRow(rows.front()));
    AfterChannelMove();
}

void ChannelList::NewChannel() {
    const auto rows = SelectedDataRows();
    if (rows.empty()) return;
    Channel::InsertEmptyRecord(image_, ChannelOfRow(rows.front()));
    AfterChannelMove();
}

void ChannelList::AfterChannelMove() {
    RefreshAllRows();
    grid_->Refresh();
    grid_->Update();
    NotifyChanged();
}

void ChannelList::SetPriority() {
    const int row = grid_->GetRow();
    if (!IsDataRow(row)) return;
    const int group = ShownGroup();
    const int old = ChannelGridEdit::PriorityPosition(image_, group);
    ChannelGridEdit::SetPriorityChannel(image_, group, row - FixedRows);
    RefillPriorityRow(old);
    FillRow(row);
    RepaintSelection();
    NotifyChanged();
}

void ChannelList::CancelPriority() {
    const int group = ShownGroup();
    const int old = ChannelGridEdit::PriorityPosition(image_, group);
    ChannelGridEdit::CancelPriorityChannel(image_, group);
    RefillPriorityRow(old);
    RepaintSelection();
    NotifyChanged();
}
