#include "tone/TwoTonePrint.h"

#include <algorithm>

#include "tone/TwoToneViews.h"
#include "ui/HtmlDocument.h"

namespace {

const GridView::ViewSpec& SpecOf(int key) {
    switch (key) {
        case 1:
            return TwoToneViews::SystemSpec();
        case 2:
            return TwoToneViews::EncodeSpec();
        default:
            return TwoToneViews::DecodeSpec();
    }
}

// The model's cells as the printout reads them: check cells in their print
// form.
class ModelPrintGrid : public PrintGrid {
  public:
    explicit ModelPrintGrid(const GridView::GridViewModel& model) : model_(model) {}
    int HeaderRows() const override { return model_.HeaderRows(); }
    int Rows() const override { return model_.Rows(); }
    int Cols() const override { return model_.Cols(); }
    bool ColHidden(int col) const override { return model_.IsColumnHidden(col); }
    std::string Text(int row, int col) const override {
        return model_.IsDataRow(row) ? model_.CopyCellText(row, col) : model_.Text(row, col);
    }
    void SetText(int, int, std::string_view) override {}

  private:
    const GridView::GridViewModel& model_;
};

}  // namespace

TwoTonePrintScreen::TwoTonePrintScreen(const CloneImage& image, int key)
    : PrintableScreen(key == 1 ? TwoToneViews::SystemFormId
                               : key == 2 ? TwoToneViews::EncodeFormId : TwoToneViews::DecodeFormId),
      image_(image), key_(key), model_(SpecOf(key), image_) {
    model_.Refresh();
}

PrintCache& TwoTonePrintScreen::ClassCache() {
    static PrintCache caches[3];
    return caches[std::clamp(key_, 1, 3) - 1];
}

std::string TwoTonePrintScreen::WindowText() const {
    return key_ == 1 ? "2-Tone System" : std::string{};
}

std::string& TwoTonePrintScreen::GetHtml(std::string& out, PrintContext, bool* moreToCome, bool createHidden) {
    if (createHidden && key_ == 1) {
        out += "<table width=\"100%\"><colgroup span=\"1\"></colgroup><tr><th colspan=\"1\">[" +
               HtmlEscape(WindowText()) + "]</th></tr></table>\n";
    }
    ModelPrintGrid grid(model_);
    GridTableHtml(out, grid, 0, model_.Rows() - model_.HeaderRows(), true);
    if (moreToCome) *moreToCome = false;
    return out;
}

std::string& TwoTonePrintScreen::GridHeaderHtml(std::string& out, PrintGrid& grid) {
    const auto spans = model_.PrintHeaderSpans();
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

void TwoTonePrintScreen::Register() {
    using PrintScreens::Slot;
    const Slot slots[] = {Slot::TwoToneSystem1, Slot::TwoToneSystem2, Slot::TwoToneSystem3};
    for (int key = 1; key <= 3; ++key)
        PrintScreens::Register(slots[key - 1], [key](const CloneImage& image) -> std::unique_ptr<PrintableScreen> {
            return std::make_unique<TwoTonePrintScreen>(image, key);
        });
}
