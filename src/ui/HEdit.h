#pragma once
// The edit controls of settings pages, the channel editor and the main
// information pane. Each is configured by one PageControlSpec row; it filters
// every typed character by the kind of value it holds, limits the text
// length, and corrects its text when asked or when the field is left. The
// rules themselves live in EditRules.h; these classes only apply them.
#include <wx/textctrl.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/EditRules.h"

class HEditBase : public wxTextCtrl {
  public:
    HEditBase() = default;
    HEditBase(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = 0);
    bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = 0);

    // Takes the row and limits the text to its digits.
    virtual void SetEditConfig(const PageControlSpec& spec);
    const PageControlSpec& EditConfig() const { return spec_; }
    // Lets the decimal kinds take a minus sign.
    void SetSigned(bool on) { signed_ = on; }
    bool IsSigned() const { return signed_; }

    // The character to accept, or 0: the base accepts everything; each
    // subclass answers for its own kind only.
    virtual char32_t FilterChar(char32_t ch);
    // What typing `ch` (with Ctrl held or not) does to the field now.
    virtual EditRules::Typing DecideTyping(char32_t ch, bool ctrl);
    // Applies typing `ch` as the user would (tests and the key handler).
    void TypeChar(char32_t ch, bool ctrl = false);

    // Clamps and reformats an integer text; true when it was left as it stood.
    bool FormatNumber();
    // Zeros in front up to the text limit.
    void PadWithZeros();
    // What the field does when it is left.
    virtual void CorrectOnLeave() {}

    std::string GetText() const;
    void SetText(std::string_view text);

  protected:
    void OnChar(wxKeyEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    std::size_t Caret() const;
    bool HasSelectionNow() const;

    PageControlSpec spec_{0, 0, 0, 0, EditKind::Any, 0};
    bool signed_ = false;
};

// Kind 4: frequencies, five decimals, at most 999.99999 when left.
class HEditFrequency : public HEditBase {
  public:
    using HEditBase::HEditBase;
    void SetEditConfig(const PageControlSpec& spec, const char* format);
    void SetEditConfig(const PageControlSpec& spec) override { SetEditConfig(spec, format_.c_str()); }
    char32_t FilterChar(char32_t ch) override;
    void CorrectOnLeave() override;
    // Before the page reads the value: clamped to the row's range.
    void Correct();

  private:
    std::string format_ = "%.5f";
};

// Kind 5: decimal numbers in a display format.
class HEditDouble : public HEditBase {
  public:
    using HEditBase::HEditBase;
    void SetEditConfig(const PageControlSpec& spec, const char* format);
    void SetEditConfig(const PageControlSpec& spec) override { SetEditConfig(spec, format_.c_str()); }
    char32_t FilterChar(char32_t ch) override;
    void Correct();

  private:
    std::string format_ = "%.1f";
};

// Kind 6: DTMF digits, packed two to a byte for the radio.
class HEditDtmf : public HEditBase {
  public:
    using HEditBase::HEditBase;
    char32_t FilterChar(char32_t ch) override;
    void CorrectOnLeave() override;
    // (digits + 2) / 2 bytes of the text's digits.
    std::vector<std::uint8_t> GetDigits() const;
    void SetDigits(std::span<const std::uint8_t> packed);
};

// Kind 7: "C-" CTCSS or "D-" DCS codes, checked by caret position.
class HEditSubAudio : public HEditBase {
  public:
    using HEditBase::HEditBase;
    void SetForbidB(bool on) { forbidB_ = on; }
    EditRules::Typing DecideTyping(char32_t ch, bool ctrl) override;

  private:
    bool forbidB_ = false;
};

// Kind 8: "%d.%02d.%02d.%02d" firmware versions.
class HEditFirmwareVersion : public HEditBase {
  public:
    using HEditBase::HEditBase;
    char32_t FilterChar(char32_t ch) override;
    void Correct();
};

// Kind 9: name tags in the characters the current tag rule accepts.
class HEditKXTag : public HEditBase {
  public:
    using HEditBase::HEditBase;
    // The text limit is twice the digits; the codes are limited to the digits.
    void SetEditConfig(const PageControlSpec& spec) override;
    char32_t FilterChar(char32_t ch) override;
    EditRules::Typing DecideTyping(char32_t ch, bool ctrl) override;
    void CorrectOnLeave() override;
};

// Kind 10: serial numbers (digit, serial letter, six digits).
class HEditSrialNumber : public HEditBase {
  public:
    HEditSrialNumber() = default;
    HEditSrialNumber(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize, long style = 0);
    EditRules::Typing DecideTyping(char32_t ch, bool ctrl) override;
    // A paste replaces the whole field only with a valid serial number.
    void PasteText(std::string_view clip);
    static bool IsValidSerialNumber(std::string_view text) { return EditRules::IsValidSerialNumber(text); }

  private:
    void OnPaste(wxClipboardTextEvent& event);
};

// Page codes: hexadecimal digits and "p", whatever the kind.
class HEditPage : public HEditBase {
  public:
    using HEditBase::HEditBase;
    EditRules::Typing DecideTyping(char32_t ch, bool ctrl) override;
};

// MDC1200 ids: hexadecimal, "F" only when allowed, corrected when left.
class HEditMDC1200ID : public HEditBase {
  public:
    using HEditBase::HEditBase;
    void SetAllowF(bool on) { allowF_ = on; }
    void SetFullRange(bool on) { fullRange_ = on; }
    char32_t FilterChar(char32_t ch) override;
    void CorrectOnLeave() override;

  private:
    bool allowF_ = false;
    bool fullRange_ = false;
};

// The control a page makes for one row of its edit table, configured.
HEditBase* CreateEditForSpec(wxWindow* parent, const PageControlSpec& spec,
                             const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);
