#include "app/MainInfoPrint.h"

#include <algorithm>

#include "app/MainInfoDlg.h"
#include "image/ImageHost.h"
#include "language/Language.h"
#include "ui/Restraction.h"

namespace {

// One state table per caption and value pair, so that each pair prints as
// one row; the destination shows as the pane shows it (state 5).
constexpr std::uint8_t kSerial[15] = {};
constexpr std::uint8_t kBand[15] = {};
constexpr std::uint8_t kProduct[15] = {};
constexpr std::uint8_t kFirmware[15] = {};
constexpr std::uint8_t kChannel[15] = {};
constexpr std::uint8_t kDestination[15] = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};

constexpr ControlRuleRow kPrintRows[] = {
    {CMainInfoDlg::IDC_SERIAL_CAPTION, 0, kSerial},
    {CMainInfoDlg::IDC_SERIAL, 0, kSerial},
    {CMainInfoDlg::IDC_BAND_CAPTION, 0, kBand},
    {CMainInfoDlg::IDC_BAND, 0, kBand},
    {CMainInfoDlg::IDC_PRODUCT_CAPTION, 0, kProduct},
    {CMainInfoDlg::IDC_PRODUCT, 0, kProduct},
    {CMainInfoDlg::IDC_FIRMWARE_CAPTION, 0, kFirmware},
    {CMainInfoDlg::IDC_FIRMWARE_TEXT, 0, kFirmware},
    {CMainInfoDlg::IDC_CHANNEL_CAPTION, 0, kChannel},
    {CMainInfoDlg::IDC_CHANNEL, 0, kChannel},
    {CMainInfoDlg::IDC_DESTINATION_CAPTION, 1, kDestination},
    {CMainInfoDlg::IDC_DESTINATION, 1, kDestination},
    {-1, 0, nullptr},
};

// The captions of template 101, without their leading blank.
struct Caption {
    int id;
    const char* text;
};
constexpr Caption kCaptions[] = {
    {CMainInfoDlg::IDC_SERIAL_CAPTION, "Serial No."},
    {CMainInfoDlg::IDC_BAND_CAPTION, "Freq. Band"},
    {CMainInfoDlg::IDC_PRODUCT_CAPTION, "Product Type"},
    {CMainInfoDlg::IDC_FIRMWARE_CAPTION, "FW Version"},
    {CMainInfoDlg::IDC_CHANNEL_CAPTION, "Radio Channel"},
    {CMainInfoDlg::IDC_DESTINATION_CAPTION, "Destination"},
};

// State 5 of the destination: shown as the pane's rules show it.
class MainInfoPrintRules : public CRestraction {
  public:
    explicit MainInfoPrintRules(const CloneImage& image) : image_(image) {}
    int CheckControlUnconditional(int controlId) override {
        for (const MainInfo::ControlShow& show : MainInfo::PaneRules(image_, Host().ServiceMode()))
            if (show.controlId == controlId) return show.shown ? 1 : 0;
        return 0;
    }

  private:
    const CloneImage& image_;
};

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

CMainInfoPrint::CMainInfoPrint(const CloneImage& image)
    : PrintableScreen(CMainInfoDlg::IDD, kPrintRows, new MainInfoPrintRules(image)), image_(image) {}

std::string CMainInfoPrint::WindowText() const {
    return "Main Information";
}

PrintControl CMainInfoPrint::ControlForPrint(int controlId) const {
    for (const Caption& caption : kCaptions)
        if (caption.id == controlId)
            return {true, false, false,
                    Trimmed(TextByRid(MakeRID(0, CMainInfoDlg::IDD, controlId), caption.text))};
    std::string value;
    switch (controlId) {
        case CMainInfoDlg::IDC_SERIAL:
            value = MainInfo::SerialNumberText(image_);
            break;
        case CMainInfoDlg::IDC_BAND:
            value = MainInfo::BandText(image_);
            break;
        case CMainInfoDlg::IDC_PRODUCT:
            value = MainInfo::ProductTypeText(image_);
            break;
        case CMainInfoDlg::IDC_FIRMWARE_TEXT:
            value = MainInfo::FirmwareText(image_);
            break;
        case CMainInfoDlg::IDC_CHANNEL:
            value = MainInfo::ChannelText(image_);
            break;
        case CMainInfoDlg::IDC_DESTINATION:
            value = MainInfo::DestinationText(image_);
            break;
        default:
            return {};
    }
    return {true, false, false, Trimmed(value)};
}
