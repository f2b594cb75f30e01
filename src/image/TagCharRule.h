#pragma once
// Name tags (channel names, group tags, signalling code tags) are stored as
// fixed-length runs of one-byte codes in the radio's own character set. A tag
// character rule decides which characters a tag may hold and converts between
// display text (UTF-8) and radio codes. One rule is current for the whole
// process; the language loader switches it, and every conversion goes through
// the rule current at the moment of the call.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class MultiLangTagCharRule {
  public:
    virtual ~MultiLangTagCharRule() = default;

    virtual bool IsValidChar(char32_t c) const = 0;
    // A space for a character the rule refuses, else the character upper-cased.
    virtual char32_t NormalizeChar(char32_t c) const;
    // Every radio character is one byte in both rules.
    virtual int CharByteCount(char32_t c) const;
    // The radio code of a character; 0 when it has none.
    virtual std::uint16_t PcToRadio(char32_t c) const = 0;
    // Display text of `count` radio codes, ending at the first 0 code.
    virtual std::string ConvertString(const std::uint8_t* codes, std::size_t count) const;
    virtual char32_t RadioToPc(std::uint8_t code) const = 0;

    std::string ConvertString(std::string_view codes) const;

  protected:
    virtual char32_t ToUpper(char32_t c) const = 0;
};

// ASCII letters, digits and the signs "_ <>+-*/%=:". Radio codes are shown as
// the characters U+0000-U+00FF of the same number.
class DefaultTagCharRule : public MultiLangTagCharRule {
  public:
    static const DefaultTagCharRule& Instance();

    bool IsValidChar(char32_t c) const override;
    std::uint16_t PcToRadio(char32_t c) const override;
    char32_t RadioToPc(std::uint8_t code) const override;

  protected:
    char32_t ToUpper(char32_t c) const override;
};

// The radio's Cyrillic variant: besides ASCII letters, digits and the signs
// "[]_ %<>*+-/", the 33 capital Cyrillic letters at radio codes 0x80-0xA0 in
// alphabetical order (Ё between Е and Ж); small letters are stored as their
// capitals. The text side is code page 1251, held here as Unicode.
class CyrillicTagCharRule : public DefaultTagCharRule {
  public:
    static const CyrillicTagCharRule& Instance();

    bool IsValidChar(char32_t c) const override;
    std::uint16_t PcToRadio(char32_t c) const override;
    char32_t RadioToPc(std::uint8_t code) const override;

  protected:
    char32_t ToUpper(char32_t c) const override;

  private:
    CyrillicTagCharRule();
    // Indexed by code-page-1251 byte / radio code; 0 = no mapping.
    std::uint8_t textToRadio_[256] = {};
    std::uint8_t radioToText_[256] = {};
};

// The process-wide current rule; the default rule until a language says
// otherwise.
const MultiLangTagCharRule& CurrentTagCharRule();
void SetCurrentTagCharRule(const MultiLangTagCharRule& rule);
// The language loader's choice: the Cyrillic rule for character-set class 3,
// the default rule for any other class.
void SelectTagCharRuleForCharsetClass(int charsetClass);

// A name tag: display text and, once encoded, its radio codes.
class KXTagString {
  public:
    // The text normalised, encoded to as many codes as it yields.
    explicit KXTagString(std::string_view text);
    // Encoded to exactly `fixedLength` codes (cut, or padded with spaces); the
    // display text then shows what the radio will show.
    KXTagString(std::string_view text, int fixedLength);

    std::string GetText() const { return text_; }
    const std::vector<std::uint8_t>& Codes() const { return codes_; }
    int CodeLength() const { return codeLength_; }
    // The codes as a byte string, for the 8-byte text writers.
    std::string CodeBytes() const { return std::string(codes_.begin(), codes_.end()); }

    // Each character replaced by the current rule's normal form; characters
    // whose normal form is 0 are dropped. Malformed UTF-8 counts as refused.
    static std::string NormalizeText(std::string_view text);

  private:
    void Encode();
    void RefreshText();

    std::string text_;
    std::vector<std::uint8_t> codes_;
    int codeLength_ = -1;  // -1: as many codes as the text yields
};

// 8-byte tag fields: radio codes to display text and back, through the
// current rule. This is the one text form of a stored tag: an erased code
// (0xFF, as a new image holds) shows as a blank, so an erased tag reads as
// eight blanks on every screen, printout and export.
std::string TagCodesToText(std::string_view codes);
std::string TagTextToCodes(std::string_view text, int length = 8);

// The UTF-8 walk of the tag texts.
namespace TagUtf8 {
std::u32string Decode(std::string_view text);  // a malformed byte becomes U+FFFD
void Append(std::string& out, char32_t c);
}  // namespace TagUtf8
