#pragma once
// "Marketing" (template 369): the radio's identification: model code and
// serial number, programmed date and programming software version, market,
// FCC narrow-band note, and the custom type code (256 function flags, kept
// in the dialog only). Only the serial number and the version are written.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "settings/SettingsPage.h"

class CMarketingDlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 369,
        IDC_SERIAL = 2301,
        IDC_CUSTOM_FIRST = 2302,  // 2302-2309: eight fields of eight hexadecimal digits
        IDC_CUSTOM_LAST = 2309,
        IDC_DATE = 2310,
        IDC_VERSION = 2311,
        IDC_MODEL_CODE = 2312,
        IDC_FCC_NARROW = 2313,
        IDC_MARKET = 2314,
        IDC_SERIAL_WRITE = 2201,
        IDC_EDIT_CUSTOM = 2401,
        IDC_FCC_LABEL = 2006,
    };
    static constexpr const char* Caption = "Marketing";
    static constexpr const char* Section = "Marketing";
    static constexpr int RidInvalidSerial = 61207;

    CMarketingDlg() : SettingsPage(IDD) {}
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();

    // The serial number text "%X%C%02X%04X" of the block 8 copy.
    static std::string SerialText(const CloneImage& image);
    // The model code of block 8 offset 0x10C: "4P", "4Q", "24"-"27", else "**".
    static std::string ModelCodeText(const CloneImage& image);
    // BCD: eight nibbles to the decimal number; the number to nibbles; all
    // nibbles 0-9.
    static std::uint32_t BcdToInt(std::uint32_t bcd);
    static std::uint32_t IntToBcd(std::uint32_t value);
    static bool IsValidBcd(std::uint32_t bcd);

    // The custom type code fields as 64 values (field r, digit k at 8r + k)
    // and back.
    std::array<std::uint8_t, 64> ReadCustomCode() const;
    void WriteCustomCode(const std::array<std::uint8_t, 64>& values);

    bool Validate() override;
    void Changed(int controlId) override;
    void Edited(int controlId) override;

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void AfterRules() override;
    void SaveOwn(CloneImage& image) override;

  private:
    bool ShipStep() const;
    std::string loadedSerial_;
    std::string loadedVersion_;
};
