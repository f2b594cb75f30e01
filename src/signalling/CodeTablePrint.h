#pragma once
// The printout of the DTMF dialing and paging dialogs: the settings table,
// a blank full-width row, then the code table under its own column heads
// ("Code", and "TAG" for the dialing codes). The page lists the settings
// rows followed by the full-width row (control -2) as its print rows; the
// code table's rows are given here.
#include <string>
#include <vector>

#include "settings/SettingsPrint.h"

class CodeTablePrint : public Settings::SettingsPrint {
  public:
    static constexpr int FullRow = -2;
    struct Head {
        int captionId;  // translated by the page's template and this id
        std::string text;
    };

    CodeTablePrint(std::unique_ptr<Settings::SettingsDialogModel> model, const CloneImage& image,
                   std::vector<ControlRuleRow> codeRows, int columns, std::vector<Head> heads);

    bool IsFullRowControl(int controlId) override { return controlId == FullRow; }
    std::string& ControlValueHtml(std::string& out, int controlId) override;
    std::string& ExtraHtml(std::string& out, PrintContext context) override;
    std::string& GridToHtml(std::string& out, PrintContext context, int columns) override;
    PrintControl ControlForPrint(int controlId) const override;

  private:
    std::vector<ControlRuleRow> codeRows_;
    int columns_;
    std::vector<Head> heads_;
    bool inCodeTable_ = false;
};
