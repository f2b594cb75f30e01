#pragma once
// The group allocation in the printed document, without a window: the pages
// of ZoneAllocationPrinter for the image being printed, one page of up to
// four groups per call.
#include <memory>
#include <string>

#include "channel/GroupAllocationPrint.h"
#include "image/CloneImage.h"
#include "ui/PrintableScreen.h"

class CZoneAllocationPrint : public PrintableScreen {
  public:
    // The group allocation dialog's template: the printout is that screen.
    static constexpr int IDD = 601;

    explicit CZoneAllocationPrint(const CloneImage& image);

    std::string& GetHtml(std::string& out, PrintContext context, bool* moreToCome,
                         bool createHidden) override;
    bool IsDialog() const override { return true; }
    std::string WindowText() const override { return "Group Allocation"; }
    bool CreateForPrint() override { return true; }

  protected:
    PrintCache& ClassCache() override { return CacheOf<CZoneAllocationPrint>(); }

  private:
    const CloneImage& image_;
    std::unique_ptr<ZoneAllocationPrinter> printer_;
    int page_ = 0;
};
