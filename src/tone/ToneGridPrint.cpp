#include "tone/ToneGridPrint.h"

#include <algorithm>

#include "ui/HtmlDocument.h"

namespace {

// The model's cells as the printout reads them: check cells in their print
// form, unprinted columns hidden.
class ModelPrintGrid : public PrintGrid {
  public:
    ModelPrintGrid(const GridView::GridViewModel& model, std::function<bool(int)> printed)
        : model_(model), printed_(std::move(printed)) {}
    int HeaderRows() const override { return model_.HeaderRows(); }
    int Rows() const override { return model_.Rows(); }
    int Cols() const override { return model_.Cols(); }
    bool ColHidden(int col) const override { return !printed_(col); }
    std::string Text(int row, int col) const override {
        return model_.IsDataRow(row) ? model_.CopyCellText(row, col) : model_.Text(row, col);
    }
    void SetText(int, int, std::string_view) override {}

  private:
    const GridView::GridViewModel& model_;
    std::function<bool(int)> printed_;
};

}  // namespace

std::string PrintTitleTable(const std::string& title) {
    return "<table width=\"100%\"><colgroup span=\"1\"></colgroup><tr><th colspan=\"1\">[" + HtmlEscape(title) +
           "]</th></tr></table>\n";
}

ToneGridPrintScreen::ToneGridPrintScreen(const CloneImage& image,
                                         const std::function<GridView::ViewSpec(const CloneImage&)>& spec,
                                         Options options)
    : PrintableScreen(options.formId), image_(image), options_(std::move(options)) {
    model_ = std::make_unique<GridView::GridViewModel>(spec(image_), image_);
    model_->Refresh();
}

bool ToneGridPrintScreen::Printed(int col) const {
    if (model_->IsColumnHidden(col)) return false;
    return std::find(options_.notPrinted.begin(), options_.notPrinted.end(), col) == options_.notPrinted.end();
}

std::string& ToneGridPrintScreen::GetHtml(std::string& out, PrintContext, bool* moreToCome, bool) {
    if (part_ == 0 && !options_.title.empty()) out += PrintTitleTable(options_.title);
    ModelPrintGrid grid(*model_, [this](int col) { return Printed(col); });
    const int total = model_->Rows() - model_->HeaderRows();
    const int rows = std::max(options_.rowsPerPart, 1);
    const int first = std::min(part_ * rows, total);
    const int count = std::min(rows, total - first);
    GridTableHtml(out, grid, first, count, true);
    ++part_;
    if (moreToCome) *moreToCome = first + count < total;
    return out;
}

std::string& ToneGridPrintScreen::GridHeaderHtml(std::string& out, PrintGrid& grid) {
    std::vector<bool> hidden(static_cast<std::size_t>(grid.Cols()));
    for (int c = 0; c < grid.Cols(); ++c) hidden[static_cast<std::size_t>(c)] = !Printed(c);
    const auto spans = GridView::SpansWithoutHidden(model_->Spec().headerSpans, hidden);
    for (int r = 0; r < grid.HeaderRows() && r < static_cast<int>(spans.size()); ++r) {
        HtmlTag tr(out, "tr");
        for (int c = 0; c < grid.Cols(); ++c) {
            const auto& span = spans[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (span.rowspan == 0) continue;
            std::string attributes;
            if (span.rowspan > 1) attributes += " rowspan=\"" + std::to_string(span.rowspan) + "\"";
            if (span.colspan > 1) attributes += " colspan=\"" + std::to_string(span.colspan) + "\"";
            HtmlTag th;
            BorderlessCell(th, out, "th", attributes);
            out += HtmlEscape(grid.Text(r, c));
        }
    }
    return out;
}
