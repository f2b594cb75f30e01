#include "settings/SettingsPrint.h"

#include "image/ImageHost.h"
#include "ui/Restraction.h"

namespace Settings {

namespace {

// The page's own checks behind the restriction states 2 and 5.
class PageRules : public CRestraction {
  public:
    explicit PageRules(SettingsPage& page) : page_(page) {}
    void CheckControl(int controlId) override { page_.CheckControl(controlId); }
    int CheckControlUnconditional(int controlId) override {
        return page_.CheckUnconditional(controlId) ? 1 : 0;
    }

  private:
    SettingsPage& page_;
};

// Captions print without their access-key marks.
std::string WithoutMnemonics(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
        out += text[i];
    }
    return out;
}

int CountRows(const ControlRuleRow* rows, int controlId) {
    int count = 0;
    for (const ControlRuleRow* row = rows; row && row->controlId != -1; ++row)
        if (row->controlId == controlId) ++count;
    return count;
}

}  // namespace

SettingsPrint::SettingsPrint(std::unique_ptr<SettingsDialogModel> model, const CloneImage& image)
    : PrintableScreen(model->Spec().idd), model_(std::move(model)) {
    model_->SetPrinting(true);
    model_->Open(image, Host().ServiceMode());
    title_ = model_->Spec().caption;
}

std::string& SettingsPrint::RenderPage(std::string& out, PrintContext context) {
    const DialogSpec& spec = model_->Spec();
    if (page_ >= model_->PageCount() || (!spec.container && page_ > 0)) {
        out += InvalidPageText;
        return out;
    }
    SelectPage(page_);
    title_ = spec.caption;
    if (spec.container) title_ += " - " + std::to_string(page_ + 1) + "(" + current_->TabLabel() + ")";
    ++page_;
    const ControlRuleRow* rows = current_->PrintRows();
    if (!rows) {
        out += TitleParagraph();
        return out;
    }
    // A line of several controls prints each in a cell of its own.
    return DialogToHtml(out, context, current_->PrintColumns(), rows);
}

SettingsPage& SettingsPrint::SelectPage(std::size_t index) {
    current_ = &model_->Page(index);
    SetRules(new PageRules(*current_));
    captionPrinted_ = 0;
    return *current_;
}

std::string& SettingsPrint::GridToHtml(std::string& out, PrintContext context, int columns) {
    PrintableScreen::GridToHtml(out, context, columns);
    const std::vector<int> heading = current_ ? current_->PrintHeading() : std::vector<int>{};
    if (heading.empty()) return out;
    HtmlTag tr(out, "tr");
    for (const int id : heading) {
        HtmlTag th(out, "th");
        const FormControl* caption = current_->Form().Find(id);
        const std::string text = caption ? WithoutMnemonics(caption->caption) : std::string{};
        out += text.empty() ? std::string("&nbsp;") : HtmlEscape(text);
    }
    return out;
}

PrintControl SettingsPrint::ControlForPrint(int controlId) const {
    PrintControl control;
    const FormControl* item = current_ ? current_->Form().Find(controlId) : nullptr;
    if (!item) return control;
    control.exists = true;
    switch (item->kind) {
        case ControlKind::Check:
            control.checkBox = true;
            control.checked = item->checked;
            break;
        case ControlKind::Combo:
            control.text = current_->Form().SelectedText(controlId);
            break;
        case ControlKind::Edit:
            control.text = item->text;
            break;
        default:
            control.text = WithoutMnemonics(item->caption);
            break;
    }
    return control;
}

// A check box listed twice in a page's print rows prints its caption as the
// line's label, then its state.
std::string& SettingsPrint::ControlValueHtml(std::string& out, int controlId) {
    const FormControl* item = current_ ? current_->Form().Find(controlId) : nullptr;
    if (item && item->kind == ControlKind::Check && captionPrinted_ != controlId &&
        CountRows(current_->PrintRows(), controlId) > 1) {
        captionPrinted_ = controlId;
        const std::string caption = WithoutMnemonics(item->caption);
        out += caption.empty() ? std::string("&nbsp;") : HtmlEscape(caption);
        return out;
    }
    captionPrinted_ = 0;
    return PrintableScreen::ControlValueHtml(out, controlId);
}

}  // namespace Settings
