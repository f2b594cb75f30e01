#pragma once
// A settings dialog in the printed document. It opens the dialog's model on
// the image being printed and prints the form from the model, without a
// window: a single page prints its form; a container prints one page per
// call, titled "<caption> - <n>(<tab>)", and "!!! ERROR[invalid page] !!!"
// when asked past its last page. A page whose lines hold several controls
// prints as many cells a row as its widest line.
#include <memory>

#include "settings/SettingsPage.h"
#include "ui/PrintableScreen.h"

namespace Settings {

class SettingsPrint : public PrintableScreen {
  public:
    static constexpr const char* InvalidPageText = "!!! ERROR[invalid page] !!!";

    SettingsPrint(std::unique_ptr<SettingsDialogModel> model, const CloneImage& image);

    std::string& RenderPage(std::string& out, PrintContext context) override;
    std::string& ControlValueHtml(std::string& out, int controlId) override;
    bool IsDialog() const override { return true; }
    std::string WindowText() const override { return title_; }
    PrintControl ControlForPrint(int controlId) const override;
    // The title row, then the page's heading captions, if any.
    std::string& GridToHtml(std::string& out, PrintContext context, int columns) override;

    // Starts the pages again from the first (the next print run).
    void ResetPages() { page_ = 0; }
    SettingsDialogModel& Model() { return *model_; }

  protected:
    PrintCache& ClassCache() override { return CacheOf<SettingsPrint>(); }
    // Makes page `index` the one whose controls and rules the printout reads.
    SettingsPage& SelectPage(std::size_t index);

  private:
    std::unique_ptr<SettingsDialogModel> model_;
    std::size_t page_ = 0;
    SettingsPage* current_ = nullptr;
    std::string title_;
    // A check box printed on two rows: its caption, then its state.
    int captionPrinted_ = 0;
};

}  // namespace Settings
