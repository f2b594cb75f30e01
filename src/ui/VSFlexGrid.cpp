#include "ui/VSFlexGrid.h"

#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "ui/GridLogic.h"

wxDEFINE_EVENT(FLEXGRID_SEL_CHANGE, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_BEFORE_MOUSE_DOWN, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_ROWCOL_CHANGE, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_BEFORE_EDIT, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_START_EDIT, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_AFTER_EDIT, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_KEY_PRESS_EDIT, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_KEY_DOWN_EDIT, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_START_DRAG, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_COMPLETE_DRAG, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_DRAG_DROP, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_CLICK, FlexGridEvent);
wxDEFINE_EVENT(FLEXGRID_DBL_CLICK, FlexGridEvent);

CVSFlexGrid::DragDriver CVSFlexGrid::dragDriver_;

namespace {

wxString Wx(std::string_view s) {
    return wxString::FromUTF8(s.data(), s.size());
}
std::string Utf8(const wxString& s) {
    return s.utf8_string();
}

void FlexAlignToWx(int flex, int& h, int& v) {
    switch (flex / 3) {
        case 0:
            h = wxALIGN_LEFT;
            break;
        case 1:
            h = wxALIGN_CENTRE;
            break;
        case 2:
            h = wxALIGN_RIGHT;
            break;
        default:
            h = wxALIGN_LEFT;
            break;
    }
    switch (flex % 3) {
        case 0:
            v = wxALIGN_TOP;
            break;
        case 1:
            v = wxALIGN_CENTRE;
            break;
        default:
            v = wxALIGN_BOTTOM;
            break;
    }
    if (flex == FlexAlign::General || flex < 0 || flex > 9) {
        h = wxALIGN_LEFT;
        v = wxALIGN_CENTRE;
    }
}

int Modifiers(const wxKeyboardState& k) {
    return (k.ShiftDown() ? 1 : 0) | (k.ControlDown() ? 2 : 0) | (k.AltDown() ? 4 : 0);
}

// Measuring text is the dearest part of painting a grid (every cell was
// measured twice per paint, through the toolkit's text layout), and grids
// repeat the same few words down their columns. Extents are kept per font
// and text; the cache is bounded and simply starts over when full.
class TextExtentCache {
  public:
    static wxSize Measure(wxDC& dc, const wxString& text) {
        static std::unordered_map<wxString, wxSize, wxStringHash, wxStringEqual> cache;
        const wxFont& font = dc.GetFont();
        wxString key;
        key << font.GetFaceName() << '\x1f' << font.GetFractionalPointSize() << '\x1f'
            << font.GetNumericWeight() << '\x1f' << int(font.GetStyle()) << '\x1f'
            << int(font.GetUnderlined()) << '\x1f' << dc.GetContentScaleFactor() << '\x1f' << text;
        if (auto it = cache.find(key); it != cache.end()) return it->second;
        if (cache.size() >= kLimit) cache.clear();
        wxCoord w = 0, h = 0;
        dc.GetTextExtent(text, &w, &h);
        return cache.emplace(std::move(key), wxSize(w, h)).first->second;
    }

  private:
    static constexpr std::size_t kLimit = 8192;
};

const wxString kDragFormat = "application/x-pardexwin-grid-rows";

class FlexDataObject : public wxCustomDataObject {
  public:
    FlexDataObject() : wxCustomDataObject(wxDataFormat(kDragFormat)) {}
};

}  // namespace

// The grid's own text layout (lines stacked, each aligned on its own, one
// pixel of margin at the aligned edges), measuring each line once.
void DrawGridCellText(wxDC& dc, const wxString& text, const wxRect& rect, int horizAlign, int vertAlign) {
    if (text.empty()) return;
    wxArrayString lines = wxSplit(text, '\n', '\0');
    if (text.Last() == '\n') lines.pop_back();  // a closing line break opens no line
    constexpr int kMargin = 1;
    std::vector<wxSize> sizes;
    sizes.reserve(lines.size());
    int boxHeight = 0;
    for (const wxString& line : lines) {
        sizes.push_back(line.empty() ? wxSize(0, dc.GetCharHeight()) : TextExtentCache::Measure(dc, line));
        boxHeight += sizes.back().y;
    }
    wxDCClipper clip(dc, rect);
    int y = vertAlign == wxALIGN_BOTTOM   ? rect.y + rect.height - boxHeight - kMargin
            : vertAlign == wxALIGN_CENTRE ? rect.y + (rect.height - boxHeight) / 2
                                          : rect.y + kMargin;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty()) {
            const int width = sizes[i].x;
            const int x = horizAlign == wxALIGN_RIGHT    ? rect.x + rect.width - width - kMargin
                          : horizAlign == wxALIGN_CENTRE ? rect.x + (rect.width - width) / 2
                                                         : rect.x + kMargin;
            dc.DrawText(lines[i], x, y);
        }
        y += sizes[i].y;
    }
}

// ---------------------------------------------------------------------------
// Renderer: the cell text with "\r\n" line breaks, an optional picture and an
// optional check box.
class FlexCellRenderer : public wxGridCellStringRenderer {
  public:
    void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
              bool isSelected) override {
        wxGridCellRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);
        wxRect inner = rect;
        inner.Deflate(2, 1);
        auto* flex = dynamic_cast<CVSFlexGrid*>(&grid);
        if (flex) {
            if (const wxBitmap* pic = flex->GetCellPicture(row, col)) {
                int h = wxALIGN_CENTRE, v = wxALIGN_CENTRE;
                FlexAlignToWx(PictureAlign(*flex, row, col), h, v);
                int x = h == wxALIGN_LEFT    ? inner.x
                        : h == wxALIGN_RIGHT ? inner.GetRight() - pic->GetWidth()
                                             : inner.x + (inner.width - pic->GetWidth()) / 2;
                int y = v == wxALIGN_TOP      ? inner.y
                        : v == wxALIGN_BOTTOM ? inner.GetBottom() - pic->GetHeight()
                                              : inner.y + (inner.height - pic->GetHeight()) / 2;
                dc.DrawBitmap(*pic, x, y, true);
            }
        }
        if (flex && flex->GetCellChecked(row, col) != 0) {
            const int side = std::min({inner.width, inner.height, 16});
            wxRect box(inner.x + (inner.width - side) / 2, inner.y + (inner.height - side) / 2, side, side);
            wxRendererNative::Get().DrawCheckBox(
                &grid, dc, box, flex->GetCellChecked(row, col) == 1 ? int(wxCONTROL_CHECKED) : 0);
        }
        SetTextColoursAndFont(grid, attr, dc, isSelected);
        int h, v;
        attr.GetAlignment(&h, &v);
        DrawGridCellText(dc, DisplayText(grid.GetCellValue(row, col)), inner, h, v);
    }

    wxSize GetBestSize(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, int row, int col) override {
        dc.SetFont(attr.GetFont());
        wxCoord w = 0, h = 0;
        dc.GetMultiLineTextExtent(DisplayText(grid.GetCellValue(row, col)), &w, &h);
        if (auto* flex = dynamic_cast<CVSFlexGrid*>(&grid))
            if (const wxBitmap* pic = flex->GetCellPicture(row, col)) {
                w = std::max<wxCoord>(w, pic->GetWidth());
                h = std::max<wxCoord>(h, pic->GetHeight());
            }
        return wxSize(w + 6, h + 4);
    }

    wxGridCellRenderer* Clone() const override { return new FlexCellRenderer; }

    static wxString DisplayText(wxString text) {
        text.Replace("\r", "");
        return text;
    }

    static std::function<int(const CVSFlexGrid&, int, int)> pictureAlign;

  private:
    static int PictureAlign(const CVSFlexGrid& grid, int row, int col) {
        return pictureAlign ? pictureAlign(grid, row, col) : FlexAlign::CenterCenter;
    }
};
std::function<int(const CVSFlexGrid&, int, int)> FlexCellRenderer::pictureAlign;

// ---------------------------------------------------------------------------
// Text editor: applies the length limit, selection and colour the screen set
// while the edit started, and passes typed characters through the screen's
// key filter.
class FlexTextEditor : public wxGridCellTextEditor {
  public:
    explicit FlexTextEditor(CVSFlexGrid* grid) : grid_(grid) {}

    void Create(wxWindow* parent, wxWindowID id, wxEvtHandler* evtHandler) override {
        wxGridCellTextEditor::Create(parent, id, evtHandler);
        Text()->Bind(wxEVT_CHAR, &CVSFlexGrid::OnEditorChar, grid_);
    }

    void BeginEdit(int row, int col, wxGrid* grid) override {
        wxGridCellTextEditor::BeginEdit(row, col, grid);
        wxTextCtrl* text = Text();
        text->SetMaxLength(grid_->editMaxLength_ > 0 ? grid_->editMaxLength_ : 0);
        text->SetBackgroundColour(CVSFlexGrid::FromColorRef(grid_->editorBack_));
        const long len = text->GetLastPosition();
        long start = grid_->pendingSelStart_ >= 0 ? grid_->pendingSelStart_ : 0;
        long count = grid_->pendingSelLength_ >= 0 ? grid_->pendingSelLength_ : len;
        start = std::min(start, len);
        text->SetSelection(start, std::min(len, start + count));
    }

    void StartingKey(wxKeyEvent& event) override {
        // Editing started by typing: the key goes through the same filter as
        // keys typed into the open editor.
        const int key = event.GetUnicodeKey();
        if (!GridLogic::IsFilteredEditorKey(key)) return;
        FlexGridEvent e = grid_->MakeEvent(FLEXGRID_KEY_PRESS_EDIT, grid_->GetRow(), grid_->GetCol());
        e.key = key;
        e.shift = Modifiers(event);
        grid_->Raise(e);
        if (e.key == 0) return;
        if (e.key == WXK_BACK) {
            Text()->Clear();
            return;
        }
        if (e.key < 0x20) return;
        Text()->SetValue(wxString(wxUniChar(static_cast<unsigned>(e.key))));
        Text()->SetInsertionPointEnd();
    }

    wxGridCellEditor* Clone() const override { return new FlexTextEditor(grid_); }

    wxTextCtrl* Control() const { return m_control ? Text() : nullptr; }

  private:
    CVSFlexGrid* grid_;
};

// Drop-down list editor for the cells given a combo list.
class FlexChoiceEditor : public wxGridCellChoiceEditor {
  public:
    FlexChoiceEditor(CVSFlexGrid* grid, const wxArrayString& choices)
        : wxGridCellChoiceEditor(choices, false), grid_(grid) {}
    void BeginEdit(int row, int col, wxGrid* grid) override {
        wxGridCellChoiceEditor::BeginEdit(row, col, grid);
        Combo()->SetBackgroundColour(CVSFlexGrid::FromColorRef(grid_->editorBack_));
    }
    wxGridCellEditor* Clone() const override { return new FlexChoiceEditor(grid_, m_choices); }
    wxComboBox* ComboControl() const { return m_control ? Combo() : nullptr; }

  private:
    CVSFlexGrid* grid_;
};

class FlexDropTarget : public wxDropTarget {
  public:
    explicit FlexDropTarget(CVSFlexGrid* grid) : wxDropTarget(new FlexDataObject), grid_(grid) {}
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override {
        if (!GetData()) return wxDragNone;
        int effect = grid_->RaiseDrop(x, y, def == wxDragCopy ? 1 : 2);
        return effect == 1 ? wxDragCopy : effect == 2 ? wxDragMove : wxDragNone;
    }

  private:
    CVSFlexGrid* grid_;
};

// ---------------------------------------------------------------------------

CVSFlexGrid::CVSFlexGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
    Create(parent, id, pos, size);
}

bool CVSFlexGrid::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size) {
    if (!wxGrid::Create(parent, id, pos, size, wxWANTS_CHARS | wxBORDER_SUNKEN)) return false;
    Setup();
    return true;
}

CVSFlexGrid::~CVSFlexGrid() {
    if (choiceEditor_) choiceEditor_->DecRef();
    if (textEditor_) textEditor_->DecRef();
}

void CVSFlexGrid::Setup() {
    CreateGrid(0, 0, wxGridSelectCells);
    HideRowLabels();
    HideColLabels();
    DisableDragColMove();
    textEditor_ = new FlexTextEditor(this);
    textEditor_->IncRef();  // kept for switching back from a drop-down list
    RegisterDataType(wxGRID_VALUE_STRING, new FlexCellRenderer, textEditor_);
    SetDefaultRenderer(new FlexCellRenderer);
    FlexCellRenderer::pictureAlign = [](const CVSFlexGrid& g, int r, int c) {
        auto it = g.pictureAlign_.find({r, c});
        return it == g.pictureAlign_.end() ? FlexAlign::CenterCenter : it->second;
    };
    GetGridWindow()->SetDropTarget(new FlexDropTarget(this));

    Bind(wxEVT_GRID_EDITOR_SHOWN, &CVSFlexGrid::OnEditorShown, this);
    Bind(wxEVT_GRID_CELL_CHANGED, &CVSFlexGrid::OnCellChanged, this);
    Bind(wxEVT_GRID_SELECT_CELL, &CVSFlexGrid::OnSelectCell, this);
    Bind(wxEVT_GRID_RANGE_SELECTED, &CVSFlexGrid::OnRangeSelected, this);
    Bind(wxEVT_GRID_CELL_LEFT_CLICK, &CVSFlexGrid::OnCellLeftClick, this);
    Bind(wxEVT_GRID_CELL_RIGHT_CLICK, &CVSFlexGrid::OnCellRightClick, this);
    Bind(wxEVT_GRID_CELL_LEFT_DCLICK, &CVSFlexGrid::OnCellDClick, this);
    Bind(wxEVT_CHAR_HOOK, &CVSFlexGrid::OnEditorKeyDown, this);
    Bind(wxEVT_KEY_DOWN, &CVSFlexGrid::OnGridKeyDown, this);
    Bind(wxEVT_GRID_EDITOR_HIDDEN, [this](wxGridEvent& e) {
        // The grid hides its editor before it puts the editor's text into
        // the cell, and a handler that moves the cursor from here would hide
        // the editor again: the end of the edit is reported once the grid
        // has finished with it.
        if (!commitPending_) {
            commitPending_ = true;
            const int row = e.GetRow() >= 0 ? e.GetRow() : GetGridCursorRow();
            const int col = e.GetCol() >= 0 ? e.GetCol() : GetGridCursorCol();
            CallAfter([this, row, col] { AfterEditDone(row, col); });
        }
        e.Skip();
    });
}

// ---- events ---------------------------------------------------------------

FlexGridEvent CVSFlexGrid::MakeEvent(wxEventType type, int row, int col) const {
    FlexGridEvent e(type, GetId());
    e.SetEventObject(const_cast<CVSFlexGrid*>(this));
    e.row = row;
    e.col = col;
    return e;
}

bool CVSFlexGrid::Raise(FlexGridEvent& event) {
    return ProcessWindowEvent(event);
}

void CVSFlexGrid::OnEditorShown(wxGridEvent& event) {
    const int row = event.GetRow(), col = event.GetCol();
    // Each edit starts from a plain text box without a limit; the screens
    // set what this edit needs in the two events below.
    comboList_.clear();
    editMaxLength_ = 0;
    pendingSelStart_ = pendingSelLength_ = -1;
    FlexGridEvent before = MakeEvent(FLEXGRID_BEFORE_EDIT, row, col);
    Raise(before);
    if (before.cancel) {
        event.Veto();
        return;
    }
    FlexGridEvent start = MakeEvent(FLEXGRID_START_EDIT, row, col);
    Raise(start);
    if (start.cancel) {
        event.Veto();
        return;
    }
    if (comboList_.empty()) {
        textEditor_->IncRef();
        RegisterDataType(wxGRID_VALUE_STRING, new FlexCellRenderer, textEditor_);
    } else {
        if (!choiceEditor_ || activeComboList_ != comboList_) {
            wxArrayString choices;
            for (const auto& c : GridLogic::SplitComboList(comboList_)) choices.Add(Wx(c));
            if (choiceEditor_) choiceEditor_->DecRef();
            choiceEditor_ = new FlexChoiceEditor(this, choices);
            activeComboList_ = comboList_;
        }
        choiceEditor_->IncRef();
        RegisterDataType(wxGRID_VALUE_STRING, new FlexCellRenderer, choiceEditor_);
    }
    event.Skip();
}

void CVSFlexGrid::OnCellChanged(wxGridEvent& event) {
    event.Skip();
}

void CVSFlexGrid::AfterEditDone(int row, int col) {
    // Every edit that was opened ends with one after-edit event, changed or
    // not; the cell already holds the editor's text.
    commitPending_ = false;
    committing_ = true;
    FlexGridEvent e = MakeEvent(FLEXGRID_AFTER_EDIT, row, col);
    Raise(e);
    committing_ = false;
}

void CVSFlexGrid::OnEditorKeyDown(wxKeyEvent& event) {
    if (!IsCellEditControlShown()) {
        event.Skip();
        return;
    }
    FlexGridEvent e = MakeEvent(FLEXGRID_KEY_DOWN_EDIT, GetRow(), GetCol());
    e.key = event.GetKeyCode();
    e.shift = Modifiers(event);
    Raise(e);
    if (e.key != 0) event.Skip();
}

void CVSFlexGrid::OnGridKeyDown(wxKeyEvent& event) {
    // The grid's own Home and Ctrl+Home aim at column or cell 0, which may be
    // a fixed cell that takes no cursor: they go to the first data cell.
    if (event.GetKeyCode() == WXK_HOME && !IsCellEditControlShown() && !event.ShiftDown() &&
        !event.AltDown()) {
        const int row = event.ControlDown() ? fixedRows_ : GetGridCursorRow();
        if (row >= fixedRows_ && row < GetNumberRows() && fixedCols_ < GetNumberCols()) {
            SetGridCursor(row, fixedCols_);
            MakeCellVisible(row, fixedCols_);
            ClearSelection();
            return;
        }
    }
    event.Skip();
}

void CVSFlexGrid::EnsureDataCursor() {
    // The cursor stays on a data cell, so that the keyboard reaches the data
    // from the start.
    if (GetNumberRows() <= fixedRows_ || GetNumberCols() <= fixedCols_) return;
    const int row = GetGridCursorRow(), col = GetGridCursorCol();
    if (row >= fixedRows_ && col >= fixedCols_ && row < GetNumberRows() && col < GetNumberCols()) return;
    SetGridCursor(std::max(row, fixedRows_) < GetNumberRows() ? std::max(row, fixedRows_) : fixedRows_,
                  std::max(col, fixedCols_) < GetNumberCols() ? std::max(col, fixedCols_) : fixedCols_);
}

void CVSFlexGrid::OnEditorChar(wxKeyEvent& event) {
    const int key = event.GetUnicodeKey();
    // Home, End, the arrows and Delete are no characters: they move the
    // caret or delete as in any text field, whatever the screen's filter.
    if (!GridLogic::IsFilteredEditorKey(key)) {
        event.Skip();
        return;
    }
    if (event.ControlDown() && key != WXK_BACK) {
        event.Skip();  // clipboard and other Ctrl keys stay the editor's own
        return;
    }
    FlexGridEvent e = MakeEvent(FLEXGRID_KEY_PRESS_EDIT, GetRow(), GetCol());
    e.key = key;
    e.shift = Modifiers(event);
    Raise(e);
    if (e.key == 0) return;  // dropped
    if (e.key == key) {
        event.Skip();
        return;
    }
    // The filter changed the character (upper case, say): type that instead.
    if (wxTextCtrl* text = EditorText()) text->WriteText(wxString(wxUniChar(static_cast<unsigned>(e.key))));
}

void CVSFlexGrid::OnSelectCell(wxGridEvent& event) {
    if (IsFixedCell(event.GetRow(), event.GetCol())) {
        event.Veto();
        return;
    }
    ScheduleSelectionNotice();
    event.Skip();
}

void CVSFlexGrid::OnRangeSelected(wxGridRangeSelectEvent& event) {
    ScheduleSelectionNotice();
    event.Skip();
}

void CVSFlexGrid::ScheduleSelectionNotice() {
    if (selectionNoticePending_) return;
    selectionNoticePending_ = true;
    CallAfter(&CVSFlexGrid::NotifySelection);
}

void CVSFlexGrid::NotifySelection() {
    selectionNoticePending_ = false;
    const int row = GetGridCursorRow(), col = GetGridCursorCol();
    if (row != lastRow_ || col != lastCol_) {
        FlexGridEvent rc = MakeEvent(FLEXGRID_ROWCOL_CHANGE, row, col);
        rc.oldRow = lastRow_;
        rc.oldCol = lastCol_;
        lastRow_ = row;
        lastCol_ = col;
        Raise(rc);
    }
    FlexGridEvent sel = MakeEvent(FLEXGRID_SEL_CHANGE, row, col);
    Raise(sel);
}

void CVSFlexGrid::OnCellLeftClick(wxGridEvent& event) {
    mouseRow_ = event.GetRow();
    mouseCol_ = event.GetCol();
    FlexGridEvent down = MakeEvent(FLEXGRID_BEFORE_MOUSE_DOWN, mouseRow_, mouseCol_);
    down.button = 1;
    down.shift = Modifiers(event);
    down.x = event.GetPosition().x;
    down.y = event.GetPosition().y;
    Raise(down);
    if (down.cancel) return;
    if (mouseRow_ < fixedRows_) {
        // Header rows take no cursor.
    } else if (mouseCol_ < fixedCols_) {
        // A click on a row's fixed cell selects the row.
        if (fixedCols_ < GetNumberCols()) SetGridCursor(mouseRow_, fixedCols_);
        SelectRow(mouseRow_, event.ControlDown());
    } else {
        event.Skip();
    }
    // The click is reported once the grid has moved its cursor.
    const int row = mouseRow_, col = mouseCol_;
    CallAfter([this, row, col] {
        FlexGridEvent click = MakeEvent(FLEXGRID_CLICK, row, col);
        click.button = 1;
        Raise(click);
    });
}

void CVSFlexGrid::OnCellRightClick(wxGridEvent& event) {
    mouseRow_ = event.GetRow();
    mouseCol_ = event.GetCol();
    FlexGridEvent down = MakeEvent(FLEXGRID_BEFORE_MOUSE_DOWN, mouseRow_, mouseCol_);
    down.button = 2;
    down.shift = Modifiers(event);
    down.x = event.GetPosition().x;
    down.y = event.GetPosition().y;
    Raise(down);
    if (!down.cancel) event.Skip();
}

void CVSFlexGrid::OnCellDClick(wxGridEvent& event) {
    mouseRow_ = event.GetRow();
    mouseCol_ = event.GetCol();
    FlexGridEvent e = MakeEvent(FLEXGRID_DBL_CLICK, mouseRow_, mouseCol_);
    e.button = 1;
    e.shift = Modifiers(event);
    Raise(e);
    // A handler that set `cancel` has taken the double click.
    if (!e.cancel) event.Skip();
}

void CVSFlexGrid::OnLabelClick(wxGridEvent& event) {
    event.Skip();
}

// ---- shape ----------------------------------------------------------------

void CVSFlexGrid::SetRows(int rows) {
    rows = std::max(0, rows);
    const int now = GetNumberRows();
    if (rows == now) return;
    for (const auto& m : merged_) SetCellSize(m.row, m.col, 1, 1);
    merged_.clear();
    if (rows > now)
        AppendRows(rows - now);
    else
        DeleteRows(rows, now - rows);
    for (auto it = pictures_.begin(); it != pictures_.end();)
        it = it->first.first >= rows ? pictures_.erase(it) : std::next(it);
    for (auto it = checked_.begin(); it != checked_.end();)
        it = it->first.first >= rows ? checked_.erase(it) : std::next(it);
    mergeRows_.resize(rows, false);
    ApplyHeaderStyle();
    UpdateFreeze();
    RecomputeMerges();
    EnsureDataCursor();
}

void CVSFlexGrid::SetCols(int cols) {
    cols = std::max(0, cols);
    const int now = GetNumberCols();
    if (cols == now) return;
    for (const auto& m : merged_) SetCellSize(m.row, m.col, 1, 1);
    merged_.clear();
    if (cols > now)
        AppendCols(cols - now);
    else
        DeleteCols(cols, now - cols);
    for (auto it = pictures_.begin(); it != pictures_.end();)
        it = it->first.second >= cols ? pictures_.erase(it) : std::next(it);
    for (auto it = checked_.begin(); it != checked_.end();)
        it = it->first.second >= cols ? checked_.erase(it) : std::next(it);
    for (auto it = hiddenColWidths_.begin(); it != hiddenColWidths_.end();)
        it = it->first >= cols ? hiddenColWidths_.erase(it) : std::next(it);
    mergeCols_.resize(cols, false);
    ApplyHeaderStyle();
    UpdateFreeze();
    RecomputeMerges();
    EnsureDataCursor();
}

void CVSFlexGrid::SetFixedRows(int rows) {
    fixedRows_ = std::max(0, rows);
    ApplyHeaderStyle();
    UpdateFreeze();
    RecomputeMerges();
    EnsureDataCursor();
}

void CVSFlexGrid::SetFixedCols(int cols) {
    fixedCols_ = std::max(0, cols);
    ApplyHeaderStyle();
    UpdateFreeze();
    RecomputeMerges();
    EnsureDataCursor();
}

void CVSFlexGrid::SetFrozenCols(int cols) {
    frozenCols_ = std::max(0, cols);
    // Merged cells must not cross the frozen edge: split them first.
    for (const auto& m : merged_) SetCellSize(m.row, m.col, 1, 1);
    merged_.clear();
    UpdateFreeze();
    RecomputeMerges();
}

void CVSFlexGrid::ApplyHeaderStyle() {
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour faceText = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT);
    auto headerAttr = [&] {
        auto* a = new wxGridCellAttr;
        a->SetReadOnly(true);
        a->SetBackgroundColour(face);
        a->SetTextColour(faceText);
        return a;
    };
    for (int r = 0; r < GetNumberRows(); ++r)
        SetRowAttr(r, r < fixedRows_ ? headerAttr() : new wxGridCellAttr);
    for (int c = 0; c < GetNumberCols(); ++c)
        SetColAttr(c, c < fixedCols_ ? headerAttr() : new wxGridCellAttr);
}

void CVSFlexGrid::UpdateFreeze() {
    const int rows = std::min(fixedRows_, std::max(0, GetNumberRows() - 1));
    const int cols = std::min(std::max(fixedCols_, frozenCols_), std::max(0, GetNumberCols() - 1));
    if (rows == GetNumberFrozenRows() && cols == GetNumberFrozenCols()) return;
    if (!FreezeTo(rows, cols)) FreezeTo(0, 0);
}

void CVSFlexGrid::SetMergeCells(int mode) {
    mergeMode_ = mode;
    RecomputeMerges();
}

void CVSFlexGrid::SetMergeRow(int row, bool merge) {
    if (row < 0) return;
    if (static_cast<std::size_t>(row) >= mergeRows_.size()) mergeRows_.resize(row + 1, false);
    mergeRows_[row] = merge;
    RecomputeMerges();
}

void CVSFlexGrid::SetMergeCol(int col, bool merge) {
    if (col < 0) return;
    if (static_cast<std::size_t>(col) >= mergeCols_.size()) mergeCols_.resize(col + 1, false);
    mergeCols_[col] = merge;
    RecomputeMerges();
}

std::vector<CVSFlexGrid::MergedCell> CVSFlexGrid::GetMergedCells() const {
    return merged_;
}

wxPen CVSFlexGrid::GetRowGridLinePen(int row) {
    if (row < fixedRows_ - 1)
        for (const auto& m : merged_)
            if (m.rows > 1 && m.row <= row && row < m.row + m.rows - 1) return *wxTRANSPARENT_PEN;
    return wxGrid::GetRowGridLinePen(row);
}

void CVSFlexGrid::RecomputeMerges() {
    std::vector<MergedCell> next;
    if (mergeMode_ != 0) {
        GridLogic::MergeInput in;
        in.headerRows = std::min(fixedRows_, GetNumberRows());
        in.cols = GetNumberCols();
        in.frozenCols = GetNumberFrozenCols();
        in.text = [this](int r, int c) { return Utf8(GetCellValue(r, c)); };
        in.mergeRow = [this](int r) {
            return static_cast<std::size_t>(r) < mergeRows_.size() && mergeRows_[r];
        };
        in.mergeCol = [this](int c) {
            return static_cast<std::size_t>(c) < mergeCols_.size() && mergeCols_[c];
        };
        in.hidden = [this](int c) { return !IsColShown(c); };
        for (const auto& s : GridLogic::ComputeHeaderSpans(in))
            next.push_back({s.row, s.col, s.rows, s.cols});
    }
    auto same = [](const MergedCell& a, const MergedCell& b) {
        return a.row == b.row && a.col == b.col && a.rows == b.rows && a.cols == b.cols;
    };
    if (next.size() == merged_.size() && std::equal(next.begin(), next.end(), merged_.begin(), same)) return;
    for (const auto& m : merged_) SetCellSize(m.row, m.col, 1, 1);
    for (const auto& m : next) SetCellSize(m.row, m.col, m.rows, m.cols);
    merged_ = std::move(next);
    if (redraw_) Refresh();
}

// ---- cursor and scrolling -------------------------------------------------

void CVSFlexGrid::SetRow(int row) {
    if (row < 0 || row >= GetNumberRows() || GetNumberCols() == 0) return;
    int col = std::max(GetGridCursorCol(), fixedCols_);
    if (col >= GetNumberCols()) col = GetNumberCols() - 1;
    if (row < fixedRows_) return;
    SetGridCursor(row, col);
}

void CVSFlexGrid::SetCol(int col) {
    if (col < 0 || col >= GetNumberCols() || GetNumberRows() == 0) return;
    int row = std::max(GetGridCursorRow(), fixedRows_);
    if (row >= GetNumberRows() || col < fixedCols_) return;
    SetGridCursor(row, col);
}

void CVSFlexGrid::SetTopRow(int row) {
    if (row < 0 || row >= GetNumberRows()) return;
    int xu = 0, yu = 0, x0 = 0, y0 = 0;
    GetScrollPixelsPerUnit(&xu, &yu);
    GetViewStart(&x0, &y0);
    if (yu <= 0) return;
    const int frozenTop = GetNumberFrozenRows() > 0 ? GetRowTop(GetNumberFrozenRows()) : 0;
    Scroll(x0, std::max(0, (GetRowTop(row) - frozenTop) / yu));
}

void CVSFlexGrid::SetLeftCol(int col) {
    if (col < 0 || col >= GetNumberCols()) return;
    int xu = 0, yu = 0, x0 = 0, y0 = 0;
    GetScrollPixelsPerUnit(&xu, &yu);
    GetViewStart(&x0, &y0);
    if (xu <= 0) return;
    const int frozenLeft = GetNumberFrozenCols() > 0 ? GetColLeft(GetNumberFrozenCols()) : 0;
    Scroll(std::max(0, (GetColLeft(col) - frozenLeft) / xu), y0);
}

// ---- text -----------------------------------------------------------------

std::string CVSFlexGrid::GetTextMatrix(int row, int col) const {
    if (row < 0 || col < 0 || row >= GetNumberRows() || col >= GetNumberCols()) return {};
    return Utf8(GetCellValue(row, col));
}

void CVSFlexGrid::SetTextMatrix(int row, int col, std::string_view text) {
    if (row < 0 || col < 0 || row >= GetNumberRows() || col >= GetNumberCols()) return;
    SetCellValue(row, col, Wx(text));
    if (row < fixedRows_) {
        FitHeaderRow(row);
        RecomputeMerges();
    }
}

void CVSFlexGrid::FitHeaderRow(int row) {
    // A header text with line breaks needs its lines' height.
    if (row < 0 || row >= std::min(fixedRows_, GetNumberRows()) || !IsRowShown(row)) return;
    int lines = 1;
    for (int c = 0; c < GetNumberCols(); ++c)
        lines = std::max(lines, 1 + static_cast<int>(GetCellValue(row, c).Freq('\n')));
    if (lines < 2) return;
    wxClientDC dc(this);
    dc.SetFont(GetDefaultCellFont());
    const int need = lines * dc.GetCharHeight() + 4;
    if (GetRowSize(row) < need) SetRowSize(row, need);
}

void CVSFlexGrid::SetRedraw(bool on) {
    if (on == redraw_) return;
    redraw_ = on;
    if (!on) {
        BeginBatch();
    } else {
        EndBatch();
        ForceRefresh();
    }
}

std::string CVSFlexGrid::GetFontName() const {
    return Utf8(GetDefaultCellFont().GetFaceName());
}

void CVSFlexGrid::SetFontName(std::string_view face) {
    wxFont font = GetDefaultCellFont();
    font.SetFaceName(Wx(face));
    SetDefaultCellFont(font);
}

void CVSFlexGrid::SetFontSize(double points) {
    if (points <= 0) return;
    const double scale = points / DesignFontPoints;
    if (scale != scale_) {
        // The shown columns keep their design widths at the new size.
        std::vector<int> twips(GetNumberCols(), -1);
        for (int c = 0; c < GetNumberCols(); ++c)
            if (IsColShown(c)) twips[c] = DesignTwips(GetColSize(c));
        scale_ = scale;
        SetColMinimalAcceptableWidth(ScaledPixels(minColTwips_));
        for (int c = 0; c < GetNumberCols(); ++c)
            if (twips[c] >= 0) SetColSize(c, ScaledPixels(twips[c]));
    }
    wxFont font = GetDefaultCellFont();
    font.SetFractionalPointSize(points);
    SetDefaultCellFont(font);
    wxClientDC dc(this);
    dc.SetFont(font);
    SetDefaultRowSize(dc.GetCharHeight() + 6, true);
    // Resetting the row sizes must not cut the header texts' lines.
    for (int r = 0; r < fixedRows_; ++r) FitHeaderRow(r);
}

// ---- editor ---------------------------------------------------------------

void CVSFlexGrid::SetComboListFromItems(ItemList list) {
    comboList_ = GridLogic::JoinComboList(list);
}

wxTextCtrl* CVSFlexGrid::EditorText() const {
    if (!IsCellEditControlShown() || !textEditor_) return nullptr;
    return textEditor_->Control();
}

std::string CVSFlexGrid::GetStringProperty91() const {
    if (wxTextCtrl* t = EditorText()) return Utf8(t->GetValue());
    if (IsCellEditControlShown() && choiceEditor_)
        if (auto* c = static_cast<FlexChoiceEditor*>(choiceEditor_)->ComboControl())
            return Utf8(c->GetValue());
    return {};
}

void CVSFlexGrid::SetStringProperty91(std::string_view text) {
    if (wxTextCtrl* t = EditorText()) {
        t->ChangeValue(Wx(text));
        t->SetInsertionPointEnd();
    }
}

int CVSFlexGrid::GetEditSelStart() const {
    if (wxTextCtrl* t = EditorText()) {
        long from = 0, to = 0;
        t->GetSelection(&from, &to);
        return static_cast<int>(from);
    }
    return pendingSelStart_ < 0 ? 0 : pendingSelStart_;
}

void CVSFlexGrid::SetEditSelStart(int start) {
    pendingSelStart_ = std::max(0, start);
    if (wxTextCtrl* t = EditorText()) {
        long len = t->GetLastPosition();
        long from = std::min<long>(start, len);
        t->SetSelection(from, from);
    }
}

int CVSFlexGrid::GetEditSelLength() const {
    if (wxTextCtrl* t = EditorText()) {
        long from = 0, to = 0;
        t->GetSelection(&from, &to);
        return static_cast<int>(to - from);
    }
    return pendingSelLength_ < 0 ? 0 : pendingSelLength_;
}

void CVSFlexGrid::SetEditSelLength(int length) {
    pendingSelLength_ = std::max(0, length);
    if (wxTextCtrl* t = EditorText()) {
        long from = 0, to = 0;
        t->GetSelection(&from, &to);
        t->SetSelection(from, std::min<long>(from + length, t->GetLastPosition()));
    }
}

void CVSFlexGrid::EditCell() {
    if (IsCellEditControlEnabled()) return;
    if (GetGridCursorRow() < 0 || GetGridCursorCol() < 0) return;
    if (!CanEnableCellControl()) return;
    EnableCellEditControl();
}

int CVSFlexGrid::GetProperty200() const {
    return IsCellEditControlShown() || committing_ || commitPending_ ? 1 : 0;
}

// ---- sizes ----------------------------------------------------------------

int CVSFlexGrid::ScaledPixels(int twips) const {
    return static_cast<int>(GridLogic::TwipsToPixels(twips) * scale_ + 0.5);
}

int CVSFlexGrid::DesignTwips(int pixels) const {
    return GridLogic::PixelsToTwips(static_cast<int>(pixels / scale_ + 0.5));
}

int CVSFlexGrid::GetColWidthTwips(int col) const {
    if (col < 0 || col >= GetNumberCols()) return 0;
    auto it = hiddenColWidths_.find(col);
    if (it != hiddenColWidths_.end()) return it->second;
    return DesignTwips(GetColSize(col));
}

void CVSFlexGrid::SetColWidthTwips(int col, int twips) {
    if (col < 0 || col >= GetNumberCols() || twips < 0) return;
    if (!IsColShown(col)) {
        hiddenColWidths_[col] = twips;
        return;
    }
    SetColSize(col, ScaledPixels(twips));
}

int CVSFlexGrid::GetRowHeightTwips(int row) const {
    if (row < 0 || row >= GetNumberRows()) return 0;
    return DesignTwips(GetRowSize(row));
}

void CVSFlexGrid::SetRowHeightTwips(int row, int twips) {
    if (row < 0 || row >= GetNumberRows() || twips < 0) return;
    SetRowSize(row, ScaledPixels(twips));
}

void CVSFlexGrid::SetMinColWidthTwips(int twips) {
    minColTwips_ = std::max(0, twips);
    SetColMinimalAcceptableWidth(ScaledPixels(minColTwips_));
}

void CVSFlexGrid::SetColHeaderAlignment(int col, int flexAlign) {
    if (col < 0 || col >= GetNumberCols()) return;
    int h, v;
    FlexAlignToWx(flexAlign, h, v);
    for (int r = 0; r < std::min(fixedRows_, GetNumberRows()); ++r) SetCellAlignment(r, col, h, v);
}

void CVSFlexGrid::SetColDataAlignment(int col, int flexAlign) {
    if (col < 0 || col >= GetNumberCols()) return;
    int h, v;
    FlexAlignToWx(flexAlign, h, v);
    for (int r = fixedRows_; r < GetNumberRows(); ++r) SetCellAlignment(r, col, h, v);
}

void CVSFlexGrid::AutoSizeColumns(int first, int last, bool equal, int extraTwips) {
    if (last < 0 || last >= GetNumberCols()) last = GetNumberCols() - 1;
    first = std::max(0, first);
    int widest = 0;
    for (int c = first; c <= last; ++c) {
        if (!IsColShown(c)) continue;
        AutoSizeColumn(c, false);
        SetColSize(c, GetColSize(c) + ScaledPixels(extraTwips));
        widest = std::max(widest, GetColSize(c));
    }
    if (equal)
        for (int c = first; c <= last; ++c)
            if (IsColShown(c)) SetColSize(c, widest);
}

// ---- visibility -----------------------------------------------------------

bool CVSFlexGrid::IsRowInView(int row) const {
    if (row < 0 || row >= GetNumberRows() || !IsRowShown(row)) return false;
    if (row < GetNumberFrozenRows()) return true;
    int col = GetFirstFullyVisibleColumn();
    if (col < 0) col = 0;
    return GetNumberCols() > 0 && IsVisible(row, col, false);
}

bool CVSFlexGrid::IsColInView(int col) const {
    if (col < 0 || col >= GetNumberCols() || !IsColShown(col)) return false;
    if (col < GetNumberFrozenCols()) return true;
    int row = GetFirstFullyVisibleRow();
    if (row < 0) row = 0;
    return GetNumberRows() > 0 && IsVisible(row, col, false);
}

void CVSFlexGrid::SetRowHidden(int row, bool hidden) {
    if (row < 0 || row >= GetNumberRows()) return;
    if (hidden)
        HideRow(row);
    else
        ShowRow(row);
}

void CVSFlexGrid::SetColHidden(int col, bool hidden) {
    if (col < 0 || col >= GetNumberCols() || hidden == !IsColShown(col)) return;
    if (hidden) {
        hiddenColWidths_[col] = DesignTwips(GetColSize(col));
        // Merged cells over this column are split before it goes.
        for (const auto& m : merged_) SetCellSize(m.row, m.col, 1, 1);
        merged_.clear();
        HideCol(col);
    } else {
        const int twips = hiddenColWidths_[col];
        hiddenColWidths_.erase(col);
        ShowCol(col);
        SetColSize(col, ScaledPixels(twips));
    }
    RecomputeMerges();
}

// ---- selection ------------------------------------------------------------

std::vector<int> CVSFlexGrid::SelectedRows() const {
    std::vector<GridLogic::Block> blocks;
    for (const auto& b : GetSelectedBlocks()) blocks.push_back({b.GetTopRow(), b.GetBottomRow()});
    std::vector<int> rows = GridLogic::SelectedRows(blocks, GetGridCursorRow());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return r < fixedRows_; }),
               rows.end());
    return rows;
}

bool CVSFlexGrid::GetRowFlag143(int row) const {
    auto rows = SelectedRows();
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

void CVSFlexGrid::SetRowFlag143(int row, bool selected) {
    if (row < fixedRows_ || row >= GetNumberRows()) return;
    if (selected)
        SelectRow(row, true);
    else
        DeselectRow(row);
}

int CVSFlexGrid::GetProperty167() const {
    return static_cast<int>(SelectedRows().size());
}

int CVSFlexGrid::GetIndexedProperty168(int i) const {
    auto rows = SelectedRows();
    return i >= 0 && static_cast<std::size_t>(i) < rows.size() ? rows[i] : -1;
}

void CVSFlexGrid::SetDragDriver(DragDriver driver) {
    dragDriver_ = std::move(driver);
}

void CVSFlexGrid::InvokeMethod150() {
    if (inDrag_) return;
    FlexGridEvent start = MakeEvent(FLEXGRID_START_DRAG, GetRow(), GetCol());
    start.effect = 3;  // copy or move
    Raise(start);
    if (start.effect == 0 || start.cancel) return;
    inDrag_ = true;
    wxDragResult result;
    if (dragDriver_) {
        result = dragDriver_(*this);
    } else {
        FlexDataObject data;
        const char marker = 1;
        data.SetData(1, &marker);
        wxDropSource source(data, this);
        result = source.DoDragDrop(wxDrag_AllowMove);
    }
    inDrag_ = false;
    FlexGridEvent done = MakeEvent(FLEXGRID_COMPLETE_DRAG, GetRow(), GetCol());
    done.effect = result == wxDragCopy ? 1 : result == wxDragMove ? 2 : 0;
    Raise(done);
}

std::vector<wxWindow*> CVSFlexGrid::CellWindows() const {
    std::vector<wxWindow*> windows;
    for (wxWindow* w : {static_cast<wxWindow*>(GetGridWindow()), static_cast<wxWindow*>(GetFrozenRowGridWindow()),
                        static_cast<wxWindow*>(GetFrozenColGridWindow()),
                        static_cast<wxWindow*>(GetFrozenCornerGridWindow())})
        if (w) windows.push_back(w);
    return windows;
}

void CVSFlexGrid::ArmRowDrag() {
    if (inDrag_) return;
    DisarmRowDrag();
    dragArmed_ = true;
    dragPressAt_ = wxGetMousePosition();
    // The pointer's events go to the cell window that took the press; ours
    // run before the grid's own handling of them.
    dragWatched_ = CellWindows();
    for (wxWindow* w : dragWatched_) {
        w->Bind(wxEVT_MOTION, &CVSFlexGrid::OnArmedMouse, this);
        w->Bind(wxEVT_LEFT_UP, &CVSFlexGrid::OnArmedMouse, this);
    }
}

void CVSFlexGrid::DisarmRowDrag() {
    dragArmed_ = false;
    for (wxWindow* w : dragWatched_) {
        w->Unbind(wxEVT_MOTION, &CVSFlexGrid::OnArmedMouse, this);
        w->Unbind(wxEVT_LEFT_UP, &CVSFlexGrid::OnArmedMouse, this);
    }
    dragWatched_.clear();
}

void CVSFlexGrid::OnArmedMouse(wxMouseEvent& event) {
    if (!dragArmed_) {
        event.Skip();
        return;
    }
    // The press was the screen's, so is its release; the grid never saw it.
    if (event.GetEventType() == wxEVT_LEFT_UP || !event.LeftIsDown()) {
        DisarmRowDrag();
        return;
    }
    auto* window = static_cast<wxWindow*>(event.GetEventObject());
    const wxPoint moved = window->ClientToScreen(event.GetPosition()) - dragPressAt_;
    int dx = wxSystemSettings::GetMetric(wxSYS_DRAG_X, this);
    int dy = wxSystemSettings::GetMetric(wxSYS_DRAG_Y, this);
    if (dx <= 0) dx = 4;
    if (dy <= 0) dy = 4;
    if (std::abs(moved.x) < dx && std::abs(moved.y) < dy) return;
    DisarmRowDrag();
    // Started from within the move's own handling: the toolkit begins a drag
    // only while it is handling a pointer event.
    InvokeMethod150();
}

int CVSFlexGrid::RaiseDrop(int x, int y, int effect) {
    wxPoint p = CalcUnscrolledPosition(wxPoint(x, y));
    wxGridCellCoords cell = XYToCell(p);
    mouseRow_ = cell.GetRow();
    mouseCol_ = cell.GetCol();
    FlexGridEvent drop = MakeEvent(FLEXGRID_DRAG_DROP, mouseRow_, mouseCol_);
    drop.effect = effect;
    drop.button = 1;
    drop.x = x;
    drop.y = y;
    Raise(drop);
    return drop.effect;
}

// ---- cell ranges ----------------------------------------------------------

void CVSFlexGrid::ClampRange(int& row1, int& col1, int& row2, int& col2) const {
    if (row1 > row2) std::swap(row1, row2);
    if (col1 > col2) std::swap(col1, col2);
    row1 = std::max(row1, 0);
    col1 = std::max(col1, 0);
    row2 = std::min(row2, GetNumberRows() - 1);
    col2 = std::min(col2, GetNumberCols() - 1);
}

template <class F>
void CVSFlexGrid::ForRange(int row1, int col1, int row2, int col2, F f) {
    ClampRange(row1, col1, row2, col2);
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2; ++c) f(r, c);
    if (redraw_) Refresh();
}

void CVSFlexGrid::SetCellRangeText(int row1, int col1, int row2, int col2, std::string_view text) {
    ForRange(row1, col1, row2, col2, [&](int r, int c) { SetTextMatrix(r, c, text); });
}

void CVSFlexGrid::SetCellRangeAlignment(int row1, int col1, int row2, int col2, int flexAlign) {
    int h, v;
    FlexAlignToWx(flexAlign, h, v);
    ForRange(row1, col1, row2, col2, [&](int r, int c) { SetCellAlignment(r, c, h, v); });
}

void CVSFlexGrid::SetCellPicture(int row, int col, const wxBitmap* picture) {
    if (picture && picture->IsOk())
        pictures_[{row, col}] = *picture;
    else
        pictures_.erase({row, col});
}

void CVSFlexGrid::SetCellRangePicture(int row1, int col1, int row2, int col2, const wxBitmap* picture) {
    ForRange(row1, col1, row2, col2, [&](int r, int c) { SetCellPicture(r, c, picture); });
}

void CVSFlexGrid::SetCellRangePictureAlignment(int row1, int col1, int row2, int col2, int flexAlign) {
    ForRange(row1, col1, row2, col2, [&](int r, int c) { pictureAlign_[{r, c}] = flexAlign; });
}

void CVSFlexGrid::SetCellRangeBackColor(int row1, int col1, int row2, int col2, std::uint32_t colorref) {
    const wxColour colour = FromColorRef(colorref);
    ForRange(row1, col1, row2, col2, [&](int r, int c) { SetCellBackgroundColour(r, c, colour); });
}

void CVSFlexGrid::SetCellRangeForeColor(int row1, int col1, int row2, int col2, std::uint32_t colorref) {
    const wxColour colour = FromColorRef(colorref);
    ForRange(row1, col1, row2, col2, [&](int r, int c) { SetCellTextColour(r, c, colour); });
}

void CVSFlexGrid::SetCellRangeChecked(int row1, int col1, int row2, int col2, int state) {
    ForRange(row1, col1, row2, col2, [&](int r, int c) {
        if (state == 1 || state == 2)
            checked_[{r, c}] = state;
        else
            checked_.erase({r, c});
    });
}

int CVSFlexGrid::GetCellChecked(int row, int col) const {
    auto it = checked_.find({row, col});
    return it == checked_.end() ? 0 : it->second;
}

void CVSFlexGrid::SetCellRangeProperty(int setting, int row1, int col1, int row2, int col2, long value,
                                       std::string_view text, const wxBitmap* picture) {
    switch (setting) {
        case FlexCellSetting::Text:
            SetCellRangeText(row1, col1, row2, col2, text);
            break;
        case FlexCellSetting::Alignment:
            SetCellRangeAlignment(row1, col1, row2, col2, static_cast<int>(value));
            break;
        case FlexCellSetting::Picture:
            SetCellRangePicture(row1, col1, row2, col2, picture);
            break;
        case FlexCellSetting::PictureAlignment:
            SetCellRangePictureAlignment(row1, col1, row2, col2, static_cast<int>(value));
            break;
        case FlexCellSetting::Checked:
            SetCellRangeChecked(row1, col1, row2, col2, static_cast<int>(value));
            break;
        case FlexCellSetting::BackColor:
            SetCellRangeBackColor(row1, col1, row2, col2, static_cast<std::uint32_t>(value));
            break;
        case FlexCellSetting::ForeColor:
            SetCellRangeForeColor(row1, col1, row2, col2, static_cast<std::uint32_t>(value));
            break;
        default:
            break;
    }
}

const wxBitmap* CVSFlexGrid::GetCellPicture(int row, int col) const {
    auto it = pictures_.find({row, col});
    return it == pictures_.end() ? nullptr : &it->second;
}

std::uint32_t CVSFlexGrid::GetCellBackColor(int row, int col) const {
    return ToColorRef(GetCellBackgroundColour(row, col));
}

std::uint32_t CVSFlexGrid::GetCellForeColor(int row, int col) const {
    return ToColorRef(GetCellTextColour(row, col));
}

wxColour CVSFlexGrid::FromColorRef(std::uint32_t c) {
    return wxColour(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

std::uint32_t CVSFlexGrid::ToColorRef(const wxColour& colour) {
    return colour.Red() | (colour.Green() << 8) | (static_cast<std::uint32_t>(colour.Blue()) << 16);
}
