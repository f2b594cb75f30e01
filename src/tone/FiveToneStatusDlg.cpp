#include "tone/FiveToneStatusDlg.h"

#include "settings/SettingsDlg.h"

using namespace Settings;

namespace {

constexpr PageControlSpec TagSpec(int row) {
    return {static_cast<std::uint32_t>(C5ToneStatusDlg::IDC_TAG0 + row), 8, 0, 0, EditKind::NameTag, 0};
}

std::string Html(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

// Two tables of 50 status numbers, each row the status number and its tag.
// The tags are never stored, so every tag cell prints empty.
class StatusPrint : public PrintableScreen {
  public:
    StatusPrint() : PrintableScreen(C5ToneStatusDlg::IDD) {}
    std::string& RenderPage(std::string& out, PrintContext) override {
        if (pass_ > 1) {
            out += "!!! ERROR[invalid page] !!!";
            return out;
        }
        const int first = pass_ * 50;
        out += "<table width=\"100%\">\n<colgroup><col><col></colgroup>\n<tr><th colspan=\"2\">[";
        out += Html(std::string(C5ToneStatusDlg::Caption) + " (#" + std::to_string(first) + "-" +
                    std::to_string(first + 49) + ")");
        out += "]</th></tr>\n";
        for (int n = first; n < first + 50; ++n) {
            const int page = n / C5ToneStatusDlg::RowsPerPage * C5ToneStatusDlg::RowsPerPage;
            std::string caption = C5ToneStatusDlg::RowCaption(page, n - page);
            std::erase(caption, '&');
            out += "<tr><td>" + Html(caption) + ":</td>\n<td>&nbsp;</td></tr>\n";
        }
        out += "</table>\n";
        ++pass_;
        return out;
    }
    bool IsDialog() const override { return true; }
    std::string WindowText() const override { return C5ToneStatusDlg::Caption; }

  protected:
    PrintCache& ClassCache() override { return CacheOf<StatusPrint>(); }

  private:
    int pass_ = 0;
};

}  // namespace

std::string C5ToneStatusDlg::RowCaption(int first, int row) {
    const int n = first + row;
    if (row >= 10) return std::to_string(n) + "(&" + static_cast<char>('A' + row - 10) + ")";
    if (n < 10) return "&" + std::to_string(n);
    return std::to_string(n / 10) + "&" + std::to_string(n % 10);
}

C5ToneStatusPage::C5ToneStatusPage(int first)
    : SettingsPage(C5ToneStatusDlg::IDD_PAGE,
                   "#" + std::to_string(first) + "-" + std::to_string(first + C5ToneStatusDlg::RowsPerPage - 1)),
      first_(first) {}

void C5ToneStatusPage::Build() {
    for (int row = 0; row < C5ToneStatusDlg::RowsPerPage; ++row)
        AddEdit(C5ToneStatusDlg::IDC_CAPTION0 + row, C5ToneStatusDlg::RowCaption(first_, row), TagSpec(row));
}

void C5ToneStatusPage::AfterRules() {
    // Nothing would keep a typed tag: the boxes are read-only.
    for (int row = 0; row < C5ToneStatusDlg::RowsPerPage; ++row)
        Form().Enable(C5ToneStatusDlg::IDC_TAG0 + row, false);
}

std::unique_ptr<SettingsDialogModel> C5ToneStatusDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    for (int p = 0; p < PageCount; ++p) pages.push_back(std::make_unique<C5ToneStatusPage>(p * RowsPerPage));
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, true}, std::move(pages));
}

bool C5ToneStatusDlg::Edit(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, MakeDialog());
}

std::unique_ptr<PrintableScreen> C5ToneStatusDlg::Print(const CloneImage&) { return std::make_unique<StatusPrint>(); }
