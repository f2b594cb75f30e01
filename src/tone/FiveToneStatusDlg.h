#pragma once
// The 5-Tone Status dialog: the 100 five-tone status numbers on five pages
// of 20 ("#0-19" ... "#80-99"), each with its tag box. The image holds no
// field for the tags, so the boxes are shown read-only and the dialog never
// writes the image. Its printout is two tables of 50 status numbers.
#include <memory>
#include <string>

#include "settings/SettingsPage.h"
#include "ui/PrintableScreen.h"

class wxWindow;

class C5ToneStatusDlg {
  public:
    enum { IDD = 411, IDD_PAGE = 412, IDC_CAPTION0 = 2001, IDC_TAG0 = 2301, RowsPerPage = 20, PageCount = 5 };
    static constexpr const char* Caption = "5-Tone Status";
    static constexpr const char* Section = "Tone5_Status";

    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
    static bool Edit(wxWindow* parent, CloneImage& working);
    static std::unique_ptr<PrintableScreen> Print(const CloneImage& image);
    // The caption of row `row` (0-19) of the page starting at `first`: the
    // last digit, or the letter A-J of rows 10-19, is its mnemonic.
    static std::string RowCaption(int first, int row);
};

class C5ToneStatusPage : public Settings::SettingsPage {
  public:
    explicit C5ToneStatusPage(int first);
    int First() const { return first_; }

  protected:
    void Build() override;
    void AfterRules() override;

  private:
    int first_;
};
