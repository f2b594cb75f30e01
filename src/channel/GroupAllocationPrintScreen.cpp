#include "channel/GroupAllocationPrintScreen.h"

#include "channel/GroupAllocationDlg.h"

static_assert(CZoneAllocationPrint::IDD == CZoneAllocationDlg::IDD);

CZoneAllocationPrint::CZoneAllocationPrint(const CloneImage& image) : PrintableScreen(IDD), image_(image) {}

std::string& CZoneAllocationPrint::GetHtml(std::string& out, PrintContext context, bool* moreToCome, bool) {
    if (!printer_) {
        printer_ = std::make_unique<ZoneAllocationPrinter>(context ? *context : image_);
        page_ = 0;
    }
    std::string page;
    const bool more = printer_->GetHtml(page, page_, page_ == 0, WindowText());
    ++page_;
    if (moreToCome) *moreToCome = more;
    if (!more) printer_.reset();
    ClassCache().html = page;
    out += page;
    return out;
}
