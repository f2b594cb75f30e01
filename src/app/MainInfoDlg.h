#pragma once
// The main information pane (template 101): serial number, frequency band,
// product type, firmware version, channel capacity and destination of the
// open image. In Manufacture Mode the firmware version is an edit that writes
// the version bytes as the user types; outside the normal application mode
// Shift+F9 opens the image editor.
#include <string>
#include <string_view>
#include <vector>

#include "image/CloneImage.h"
#include "ui/PaneFramework.h"

class wxStaticText;
class HEditFirmwareVersion;

namespace MainInfo {

// The texts of the pane's value controls.
std::string SerialNumberText(const CloneImage& image);
std::string BandText(const CloneImage& image);
std::string ProductTypeText(const CloneImage& image);
std::string DestinationText(const CloneImage& image);
std::string FirmwareText(const CloneImage& image);
std::string ChannelText(const CloneImage& image);

// Up to four decimal fields of `text`, each 0-99, into the version bytes as
// two BCD digits each; missing fields are 0.
void WriteFirmwareVersion(CloneImage& image, std::string_view text);

// What the pane's rules make of one control.
struct ControlShow {
    int controlId;
    bool shown;
    bool enabled;
    bool readOnly;
    bool operator==(const ControlShow&) const = default;
};
std::vector<ControlShow> PaneRules(const CloneImage& image, int serviceMode);

}  // namespace MainInfo

class CMainInfoDlg : public HPainBaseDlg {
  public:
    enum {
        IDD = 101,
        IDC_SERIAL_CAPTION = 1000,
        IDC_BAND_CAPTION = 1001,
        IDC_SERIAL = 1002,
        IDC_BAND = 1003,
        IDC_PRODUCT_CAPTION = 1004,
        IDC_FIRMWARE_CAPTION = 1005,
        IDC_PRODUCT = 1006,
        IDC_CHANNEL_CAPTION = 1008,
        IDC_CHANNEL = 1009,
        IDC_FIRMWARE_TEXT = 1104,
        IDC_DESTINATION_CAPTION = 1270,
        IDC_DESTINATION = 1271,
        IDC_FIRMWARE_EDIT = 2301,
    };

    // `image` is the document's current image; it outlives the pane.
    explicit CMainInfoDlg(CloneImage& image) : image_(image) {}

    void RefreshFromImage() override { RefreshFields(); }
    void RefreshFields();

    void OnFirmwareVersionChange();
    void OnFirmwareVersionKillFocus();

    HEditFirmwareVersion* FirmwareEdit() const { return firmwareEdit_; }

  protected:
    void BuildControls() override;
    bool OnInitDialog() override;

  private:
    void OnCharHook(wxKeyEvent& event);
    void ApplyRules();

    CloneImage& image_;
    HEditFirmwareVersion* firmwareEdit_ = nullptr;
};
