#include "tone/TwoTonePrint.h"

#include "image/ImageHost.h"
#include "tone/FiveToneViews.h"
#include "tone/ToneGridPrint.h"
#include "tone/TwoToneViews.h"
#include "ui/HtmlDocument.h"

namespace {

using SpecOf = std::function<GridView::ViewSpec(const CloneImage&)>;

void RegisterView(PrintScreens::Slot slot, SpecOf spec, ToneGridPrintScreen::Options options) {
    PrintScreens::Register(slot, [spec, options](const CloneImage& image) -> std::unique_ptr<PrintableScreen> {
        return std::make_unique<ToneGridPrintScreen>(image, spec, options);
    });
}

}  // namespace

void TwoTonePrintScreen::Register() {
    using PrintScreens::Slot;
    static PrintCache caches[3];
    // The 2-tone tables are short: each prints whole.
    RegisterView(Slot::TwoToneSystem1, [](const CloneImage&) { return TwoToneViews::SystemSpec(); },
                 {TwoToneViews::SystemFormId, "2-Tone System", 1000, {}, &caches[0]});
    RegisterView(Slot::TwoToneSystem2, [](const CloneImage&) { return TwoToneViews::EncodeSpec(); },
                 {TwoToneViews::EncodeFormId, "", 1000, {}, &caches[1]});
    RegisterView(Slot::TwoToneSystem3, [](const CloneImage&) { return TwoToneViews::DecodeSpec(); },
                 {TwoToneViews::DecodeFormId, "", 1000, {}, &caches[2]});
}

void FiveTonePrintScreen::Register() {
    using PrintScreens::Slot;
    using namespace FiveToneViews;
    static PrintCache caches[3];
    RegisterView(Slot::FiveToneSystem1,
                 [](const CloneImage& image) { return SystemSpec(image, Host().ServiceMode()); },
                 {SystemFormId, "5-Tone System", 32, {}, &caches[0]});
    RegisterView(Slot::FiveToneSystem2, [](const CloneImage&) { return EncodeSpec(); },
                 {EncodeFormId, "", 50, {}, &caches[1]});
    // The play column has nothing to print.
    RegisterView(Slot::FiveToneSystem3, [](const CloneImage& image) { return DecodeSpec(image); },
                 {DecodeFormId, "", 32, {DecodeCol::Play}, &caches[2]});
}
