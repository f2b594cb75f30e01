#include "ui/HEdit.h"

#include "image/TagCharRule.h"
#include "ui/UiUtil.h"

using EditRules::Typing;

namespace {
wxString Wx(std::string_view s) {
    return wxString::FromUTF8(s.data(), s.size());
}
}  // namespace

// ---- HEditBase --------------------------------------------------------------

HEditBase::HEditBase(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style) {
    Create(parent, id, pos, size, style);
}

bool HEditBase::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style) {
    if (!wxTextCtrl::Create(parent, id, wxString(), pos, size, style)) return false;
    Bind(wxEVT_CHAR, &HEditBase::OnChar, this);
    Bind(wxEVT_KILL_FOCUS, &HEditBase::OnKillFocus, this);
    return true;
}

void HEditBase::SetEditConfig(const PageControlSpec& spec) {
    spec_ = spec;
    SetMaxLength(spec.digits);
}

char32_t HEditBase::FilterChar(char32_t ch) {
    return ch;
}

Typing HEditBase::DecideTyping(char32_t ch, bool ctrl) {
    if (ch == EditRules::Backspace || ctrl) return Typing::Inserted(ch);
    if (ch == EditRules::Tab) return Typing::Dropped();
    char32_t result =
        spec_.kind <= EditKind::Ascii ? EditRules::BaseKindFilter(spec_.kind, signed_, ch) : FilterChar(ch);
    return result ? Typing::Inserted(result) : Typing::Dropped();
}

void HEditBase::TypeChar(char32_t ch, bool ctrl) {
    Typing t = DecideTyping(ch, ctrl);
    switch (t.kind) {
        case Typing::Drop:
            break;
        case Typing::Replace:
            ChangeValue(Wx(t.text));
            SetInsertionPointEnd();
            break;
        case Typing::Insert:
            if (t.ch == EditRules::Backspace) {
                long from = 0, to = 0;
                GetSelection(&from, &to);
                if (from != to)
                    Remove(from, to);
                else if (from > 0)
                    Remove(from - 1, from);
            } else if (!ctrl) {
                // Typed over a selection; the text limit holds.
                long from = 0, to = 0;
                GetSelection(&from, &to);
                const long length = GetLastPosition() - (to - from);
                if (spec_.digits == 0 || length < static_cast<long>(spec_.digits)) {
                    if (from != to) Remove(from, to);
                    WriteText(wxString(wxUniChar(static_cast<unsigned>(t.ch))));
                }
            }
            break;
    }
}

void HEditBase::OnChar(wxKeyEvent& event) {
    const int unicode = event.GetUnicodeKey();
    // Navigation and editing keys that are no characters pass as they are;
    // Tab moves the focus on as in any dialog.
    if (unicode == WXK_NONE || unicode == WXK_DELETE || unicode == WXK_TAB) {
        event.Skip();
        return;
    }
    const auto ch = static_cast<char32_t>(unicode);
    Typing t = DecideTyping(ch, event.ControlDown());
    if (t.kind == Typing::Insert && t.ch == ch) {
        event.Skip();  // the control types it itself
        return;
    }
    if (t.kind != Typing::Drop) TypeChar(ch, event.ControlDown());
}

void HEditBase::OnKillFocus(wxFocusEvent& event) {
    CorrectOnLeave();
    event.Skip();
}

std::size_t HEditBase::Caret() const {
    long from = 0, to = 0;
    GetSelection(&from, &to);
    return static_cast<std::size_t>(from);
}

bool HEditBase::HasSelectionNow() const {
    long from = 0, to = 0;
    GetSelection(&from, &to);
    return from != to;
}

bool HEditBase::FormatNumber() {
    auto r = EditRules::FormatNumber(GetText(), spec_);
    if (!r.unchanged) SetText(r.text);
    return r.unchanged;
}

void HEditBase::PadWithZeros() {
    SetText(EditRules::PadWithZeros(GetText(), spec_.digits));
}

std::string HEditBase::GetText() const {
    return GetValue().utf8_string();
}

void HEditBase::SetText(std::string_view text) {
    ChangeValue(Wx(text));
}

// ---- subclasses -------------------------------------------------------------

void HEditFrequency::SetEditConfig(const PageControlSpec& spec, const char* format) {
    format_ = format ? format : "%.5f";
    HEditBase::SetEditConfig(spec);
}

char32_t HEditFrequency::FilterChar(char32_t ch) {
    return spec_.kind == EditKind::Frequency ? EditRules::FrequencyFilter(signed_, ch) : ch;
}

void HEditFrequency::CorrectOnLeave() {
    if (spec_.kind == EditKind::Frequency) SetText(EditRules::FrequencyOnLeave(GetText(), format_.c_str()));
}

void HEditFrequency::Correct() {
    SetText(EditRules::CorrectFrequency(GetText(), spec_, format_.c_str()));
}

void HEditDouble::SetEditConfig(const PageControlSpec& spec, const char* format) {
    format_ = format ? format : "%.1f";
    HEditBase::SetEditConfig(spec);
}

char32_t HEditDouble::FilterChar(char32_t ch) {
    return spec_.kind == EditKind::DecimalNumber ? EditRules::DoubleFilter(ch) : ch;
}

void HEditDouble::Correct() {
    SetText(EditRules::CorrectDouble(GetText(), spec_, format_.c_str()));
}

char32_t HEditDtmf::FilterChar(char32_t ch) {
    return spec_.kind == EditKind::Dtmf ? EditRules::DtmfFilter(ch) : ch;
}

void HEditDtmf::CorrectOnLeave() {
    if (spec_.kind == EditKind::Dtmf) {
        const std::string text = GetText(), normal = EditRules::NormalizeDtmf(text);
        if (normal != text) SetText(normal);
    } else {
        FormatNumber();
    }
}

std::vector<std::uint8_t> HEditDtmf::GetDigits() const {
    return EditRules::PackDtmf(GetText(), spec_.digits);
}

void HEditDtmf::SetDigits(std::span<const std::uint8_t> packed) {
    SetText(EditRules::UnpackDtmf(packed));
}

Typing HEditSubAudio::DecideTyping(char32_t ch, bool ctrl) {
    if (spec_.kind != EditKind::SubAudio || ch == EditRules::Backspace || ctrl || ch == EditRules::Tab)
        return HEditBase::DecideTyping(ch, ctrl);
    return EditRules::SubAudioTyping(GetText(), Caret(), ch, forbidB_);
}

char32_t HEditFirmwareVersion::FilterChar(char32_t ch) {
    return spec_.kind == EditKind::FirmwareVersion ? EditRules::FirmwareVersionFilter(ch) : ch;
}

void HEditFirmwareVersion::Correct() {
    if (spec_.kind == EditKind::FirmwareVersion)
        SetText(EditRules::CorrectFirmwareVersion(GetText()));
    else
        FormatNumber();
}

void HEditKXTag::SetEditConfig(const PageControlSpec& spec) {
    HEditBase::SetEditConfig(spec);
    SetMaxLength(spec.digits * 2);
}

char32_t HEditKXTag::FilterChar(char32_t ch) {
    if (spec_.kind != EditKind::NameTag) return ch;
    const auto& rule = CurrentTagCharRule();
    return rule.IsValidChar(ch) ? rule.NormalizeChar(ch) : 0;
}

Typing HEditKXTag::DecideTyping(char32_t ch, bool ctrl) {
    if (spec_.kind == EditKind::NameTag && !HasSelectionNow() && ch != EditRules::Backspace &&
        ch != EditRules::Tab && !ctrl) {
        // A tag already as long as its field takes no more characters.
        if (KXTagString(GetText()).Codes().size() >= spec_.digits) return Typing::Dropped();
    }
    return HEditBase::DecideTyping(ch, ctrl);
}

void HEditKXTag::CorrectOnLeave() {
    if (spec_.kind != EditKind::NameTag) return;
    const std::string text = GetText(), shown = KXTagString(text).GetText();
    if (shown != text) SetText(shown);
}

HEditSrialNumber::HEditSrialNumber(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                                   long style)
    : HEditBase(parent, id, pos, size, style) {
    Bind(wxEVT_TEXT_PASTE, &HEditSrialNumber::OnPaste, this);
}

Typing HEditSrialNumber::DecideTyping(char32_t ch, bool ctrl) {
    if (spec_.kind != EditKind::SerialNumber || ch == EditRules::Backspace || ctrl || ch == EditRules::Tab)
        return HEditBase::DecideTyping(ch, ctrl);
    char32_t r = EditRules::SerialNumberFilter(Caret(), signed_, ch);
    return r ? Typing::Inserted(r) : Typing::Dropped();
}

void HEditSrialNumber::PasteText(std::string_view clip) {
    if (auto text = EditRules::SerialNumberPaste(clip, spec_.digits)) {
        SetText(*text);
        SetInsertionPointEnd();
    }
}

void HEditSrialNumber::OnPaste(wxClipboardTextEvent&) {
    PasteText(Clipboard::PasteText(this));
}

Typing HEditPage::DecideTyping(char32_t ch, bool /*ctrl*/) {
    char32_t r = EditRules::PageCodeFilter(ch);
    return r ? Typing::Inserted(r) : Typing::Dropped();
}

char32_t HEditMDC1200ID::FilterChar(char32_t ch) {
    return EditRules::Mdc1200IdFilter(allowF_, ch);
}

void HEditMDC1200ID::CorrectOnLeave() {
    SetText(EditRules::Mdc1200IdOnLeave(GetText(), spec_, allowF_, fullRange_));
}

HEditBase* CreateEditForSpec(wxWindow* parent, const PageControlSpec& spec, const wxPoint& pos,
                             const wxSize& size) {
    const auto id = static_cast<wxWindowID>(spec.controlId);
    HEditBase* edit = nullptr;
    switch (spec.kind) {
        case EditKind::Frequency:
            edit = new HEditFrequency(parent, id, pos, size);
            break;
        case EditKind::DecimalNumber:
            edit = new HEditDouble(parent, id, pos, size);
            break;
        case EditKind::Dtmf:
            edit = new HEditDtmf(parent, id, pos, size);
            break;
        case EditKind::SubAudio:
            edit = new HEditSubAudio(parent, id, pos, size);
            break;
        case EditKind::FirmwareVersion:
            edit = new HEditFirmwareVersion(parent, id, pos, size);
            break;
        case EditKind::NameTag:
            edit = new HEditKXTag(parent, id, pos, size);
            break;
        case EditKind::SerialNumber:
            edit = new HEditSrialNumber(parent, id, pos, size);
            break;
        default:
            edit = new HEditBase(parent, id, pos, size);
            break;
    }
    edit->SetEditConfig(spec);
    return edit;
}
