#include "ui/PrintableScreen.h"

#include <algorithm>

#include "image/ImageHost.h"
#include "image/Model.h"
#include "language/TextTables.h"
#include "ui/Restraction.h"

// ---- tag writer ---------------------------------------------------------------

void HtmlTag::Open(std::string& out, std::string name, std::string attributes) {
    Close();
    out_ = &out;
    name_ = std::move(name);
    out += '<';
    out += name_;
    if (!attributes.empty()) {
        out += ' ';
        out += attributes;
    }
    out += '>';
}

void HtmlTag::Close() {
    if (!out_) return;
    *out_ += "</";
    *out_ += name_;
    *out_ += ">\n";
    out_ = nullptr;
}

// ---- plain text grid ------------------------------------------------------------

TextPrintGrid::TextPrintGrid(int headerRows, std::vector<std::vector<std::string>> cells)
    : headerRows_(headerRows), cells_(std::move(cells)) {}

int TextPrintGrid::Cols() const {
    std::size_t cols = 0;
    for (const auto& row : cells_) cols = std::max(cols, row.size());
    return static_cast<int>(cols);
}

bool TextPrintGrid::ColHidden(int col) const {
    return col >= 0 && static_cast<std::size_t>(col) < hidden_.size() && hidden_[col];
}

std::string TextPrintGrid::Text(int row, int col) const {
    if (row < 0 || row >= Rows() || col < 0) return {};
    const auto& cells = cells_[row];
    return static_cast<std::size_t>(col) < cells.size() ? cells[col] : std::string{};
}

void TextPrintGrid::SetText(int row, int col, std::string_view text) {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) return;
    auto& cells = cells_[row];
    if (static_cast<std::size_t>(col) >= cells.size()) cells.resize(col + 1);
    cells[col] = std::string(text);
}

void TextPrintGrid::SetColHidden(int col, bool hidden) {
    if (col < 0) return;
    if (static_cast<std::size_t>(col) >= hidden_.size()) hidden_.resize(col + 1, false);
    hidden_[col] = hidden;
}

// ---- shared state ---------------------------------------------------------------

namespace {
struct Shared {
    std::string enable = "Enable";
    std::string disable = "Disable";
    bool rerender = false;
};
Shared& State() {
    static Shared shared;
    return shared;
}

// A cell as the printout shows it: "-" for an empty text, dashes for blanks.
std::string CellText(const std::string& text) {
    if (text.empty()) return "-";
    if (text.find_first_not_of(' ') == std::string::npos) return std::string(text.size(), '-');
    return HtmlEscape(text);
}
}  // namespace

const std::string& PrintableScreen::EnableText() {
    return State().enable;
}
const std::string& PrintableScreen::DisableText() {
    return State().disable;
}
void PrintableScreen::SetCheckWords(std::string enable, std::string disable) {
    State().enable = std::move(enable);
    State().disable = std::move(disable);
}
const char* PrintableScreen::NotImplementedText() {
    return TextTables::NotImplementedHtml;
}
bool PrintableScreen::RerenderFlag() {
    return State().rerender;
}
void PrintableScreen::SetRerenderFlag(bool on) {
    State().rerender = on;
}

// ---- the screen -------------------------------------------------------------------

PrintableScreen::PrintableScreen(int idd, const ControlRuleRow* ruleRows, CRestraction* rules)
    : idd_(idd), ruleRows_(ruleRows), rules_(rules) {}

PrintableScreen::~PrintableScreen() = default;

void PrintableScreen::SetRules(CRestraction* rules) {
    rules_.reset(rules);
}

const std::string& PrintableScreen::CachedHtml() {
    return ClassCache().html;
}

bool* PrintableScreen::CacheValidFlag() {
    PrintCache& cache = ClassCache();
    if (RerenderFlag()) cache.valid = false;
    return &cache.valid;
}

std::string PrintableScreen::TitleParagraph() const {
    return "<p>" + HtmlEscape(WindowText()) + "</p>" + NotImplementedText();
}

std::string& PrintableScreen::RenderPage(std::string& out, PrintContext context) {
    if (!ruleRows_) {
        out += TitleParagraph();
        return out;
    }
    return DialogToHtml(out, context, 2, ruleRows_);
}

bool PrintableScreen::IsControlOmitted(int) {
    return false;
}
bool PrintableScreen::IsFullRowControl(int) {
    return false;
}

std::string& PrintableScreen::GridTableHtml(std::string& out, PrintGrid& grid, int firstRow, int rowCount,
                                            bool withHeader) {
    out += "<table width=\"100%\">";
    if (withHeader) GridHeaderHtml(out, grid);
    for (int r = firstRow; r < firstRow + rowCount; ++r) GridRowHtml(out, grid, r);
    out += "</table>\n";
    return out;
}

std::string& PrintableScreen::GridRowHtml(std::string& out, PrintGrid& grid, int row) {
    const int headerRows = grid.HeaderRows();
    const int cols = grid.Cols();
    HtmlTag tr(out, "tr");
    for (int c = 0; c < cols; ++c) {
        if (grid.ColHidden(c)) continue;
        HtmlTag td(out, "td");
        out += CellText(grid.Text(headerRows + row, c));
    }
    return out;
}

std::string& PrintableScreen::GridHeaderHtml(std::string& out, PrintGrid& grid) {
    const int cols = grid.Cols();
    for (int r = 0; r < grid.HeaderRows(); ++r) {
        HtmlTag tr(out, "tr");
        for (int c = 0; c < cols; ++c) {
            if (grid.ColHidden(c)) continue;
            HtmlTag th;
            BorderlessCell(th, out, "th", {});
            out += HtmlEscape(grid.Text(r, c));
        }
    }
    return out;
}

std::string& PrintableScreen::DialogToHtml(std::string& out, PrintContext context, int columns,
                                           const ControlRuleRow* ruleRows) {
    if (!IsDialog()) {
        out += TitleParagraph();
        return out;
    }
    out += "<table width=\"100%\">";
    GridToHtml(out, context, columns);
    FormRowsHtml(out, context, columns, ruleRows ? ruleRows : ruleRows_);
    out += "</table>\n";
    return out;
}

std::string& PrintableScreen::FormRowsHtml(std::string& out, PrintContext context, int columns,
                                           const ControlRuleRow* rows, std::size_t count) {
    const int variant = context ? Model::GetBandSelection(*context) : 0;
    const int serviceMode = Host().ServiceMode();
    const std::string colspan = "colspan=\"" + std::to_string(columns) + "\"";

    CRestraction fallback;
    CRestraction& rules = rules_ ? *rules_ : fallback;
    HtmlTag tr, td;
    const std::uint8_t* groupStates = nullptr;
    bool continuesGroup = false;  // the previous printed row was a caption or value, not a full row
    int index = 0;
    for (const ControlRuleRow* row = rows; row && row->controlId != -1 && count > 0; ++row, --count) {
        if (!IsControlPrintable(variant, serviceMode, *row, rules) || IsControlOmitted(row->controlId))
            continue;
        if (continuesGroup && row->states == groupStates) {
            ++index;
        } else {
            td.Close();
            tr.Close();
            index = 0;
        }
        groupStates = row->states;

        std::string value;
        ControlValueHtml(value, row->controlId);
        if (index == 0 && IsFullRowControl(row->controlId)) {
            HtmlTag fullRow(out, "tr");
            HtmlTag cell(out, "td", colspan);
            ExtraHtml(out, context);
            cell.Close();
            continuesGroup = false;
            continue;
        }
        continuesGroup = true;
        if (index == 0) {
            tr.Open(out, "tr", {});
            td.Open(out, "td", {});
            out += value;
            out += ':';
        } else if (index < columns) {
            td.Close();
            td.Open(out, "td", {});
            out += value;
        } else {
            out += ' ';
            out += value;
        }
    }
    td.Close();
    tr.Close();
    return out;
}

std::string& PrintableScreen::GridToHtml(std::string& out, PrintContext, int columns) {
    const std::string n = std::to_string(columns);
    { HtmlTag colgroup(out, "colgroup", "span=\"" + n + "\""); }
    HtmlTag tr(out, "tr");
    HtmlTag th(out, "th", "colspan=\"" + n + "\"");
    out += '[';
    out += HtmlEscape(WindowText());
    out += ']';
    return out;
}

std::string& PrintableScreen::ControlValueHtml(std::string& out, int controlId) {
    const PrintControl control = ControlForPrint(controlId);
    if (control.checkBox) {
        out += control.checked ? EnableText() : DisableText();
    } else if (control.text.empty()) {
        out += "&nbsp;";
    } else {
        out += HtmlEscape(control.text);
    }
    return out;
}

std::string& PrintableScreen::ExtraHtml(std::string& out, PrintContext) {
    return out;
}

std::string& PrintableScreen::GetHtml(std::string& out, PrintContext context, bool*, bool createHidden) {
    if (*CacheValidFlag()) {
        out += CachedHtml();
        return out;
    }
    if (createHidden) CreateHidden();
    std::string page;
    RenderPage(page, context);
    ClassCache().html = page;
    out += page;
    return out;
}

void PrintableScreen::BorderlessCell(HtmlTag& tag, std::string& out, std::string name,
                                     std::string attributes) {
    tag.Open(out, std::move(name), attributes + " class=\"borderless\"");
}

void PrintableScreen::ConvertCheckCells(PrintGrid& grid, int firstRow, const int* columns) {
    for (const int* col = columns; col && *col != -1; ++col) {
        for (int r = firstRow; r < grid.Rows(); ++r) {
            const std::string text = grid.Text(r, *col);
            grid.SetText(r, *col, text.empty() || text == " " ? "v" : "-");
        }
    }
}
