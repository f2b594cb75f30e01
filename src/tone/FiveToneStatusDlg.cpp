#include "tone/FiveToneStatusDlg.h"

#include <array>

#include "settings/SettingsDlg.h"
#include "settings/SettingsPrint.h"
#include "ui/Restraction.h"

using namespace Settings;

namespace {

constexpr PageControlSpec TagSpec(int row) {
    return {static_cast<std::uint32_t>(C5ToneStatusDlg::IDC_TAG0 + row), 8, 0, 0, EditKind::NameTag, 0};
}

// The caption and the tag of one status number share a state array, which
// puts them on one printed line; no state ever restricts them.
constexpr std::uint8_t kRowStates[C5ToneStatusDlg::RowsPerPage][15] = {};
constexpr auto kStatusRules = [] {
    std::array<ControlRuleRow, 2 * C5ToneStatusDlg::RowsPerPage + 1> rows{};
    for (int i = 0; i < C5ToneStatusDlg::RowsPerPage; ++i) {
        rows[static_cast<std::size_t>(2 * i)] = {C5ToneStatusDlg::IDC_CAPTION0 + i, 0, kRowStates[i]};
        rows[static_cast<std::size_t>(2 * i + 1)] = {C5ToneStatusDlg::IDC_TAG0 + i, 1, kRowStates[i]};
    }
    rows.back() = {-1, 0, nullptr};
    return rows;
}();

// Two tables of 50 status numbers, "(#0-49)" and "(#50-99)", each line the
// status caption and its tag; the third page is split between them.
class StatusPrint : public SettingsPrint {
  public:
    static constexpr int PerTable = 50, PerHalfPage = C5ToneStatusDlg::RowsPerPage / 2;

    explicit StatusPrint(const CloneImage& image) : SettingsPrint(C5ToneStatusDlg::MakeDialog(), image) {}

    std::string& RenderPage(std::string& out, PrintContext context) override {
        if (pass_ > 1) {
            out += InvalidPageText;
            return out;
        }
        const int first = pass_ * PerTable;
        title_ = std::string(C5ToneStatusDlg::Caption) + " (#" + std::to_string(first) + "-" +
                 std::to_string(first + PerTable - 1) + ")";
        HtmlTag table(out, "table", "width=\"100%\"");
        GridToHtml(out, context, 2);
        for (int n = first; n < first + PerTable; n += PerHalfPage) {
            SettingsPage& page = SelectPage(static_cast<std::size_t>(n / C5ToneStatusDlg::RowsPerPage));
            const ControlRuleRow* rows = page.PrintRows() + 2 * (n % C5ToneStatusDlg::RowsPerPage);
            FormRowsHtml(out, context, 2, rows, 2 * PerHalfPage);
        }
        table.Close();
        ++pass_;
        return out;
    }
    std::string WindowText() const override { return title_; }

  protected:
    PrintCache& ClassCache() override { return CacheOf<StatusPrint>(); }

  private:
    int pass_ = 0;
    std::string title_;
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
    SetRuleRows(kStatusRules.data());
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

std::unique_ptr<PrintableScreen> C5ToneStatusDlg::Print(const CloneImage& image) {
    return std::make_unique<StatusPrint>(image);
}
