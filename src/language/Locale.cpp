// Code pages and cultures. The program's text is UTF-8 throughout; the
// tables still decide which language suits the system and which character
// set and font a code page stands for.
#include <cstdlib>
#include <string>

#include "image/TagCharRule.h"
#include "language/Language.h"
#include "language/SettingsFile.h"

namespace {

struct CodePageRow {
    int codePage;
    const char* charset;
    const char* font;
};
// Ends with the row of code page -1, which is also the answer for a code
// page in no row.
constexpr CodePageRow kCodePages[] = {
    {1252, "Windows-1252", "Courier New"},
    {874, "Windows-874", "Tahoma"},
    {932, "Windows-932", "MS \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF"},  // MS Gothic in kana
    {936, "GB2312", "SimSun"},
    {949, "EUC-KR", "GulimChe"},
    {950, "Big5", "MingLiU"},
    {1250, "Windows-1250", "Courier New"},
    {1251, "Windows-1251", "Courier New"},
    {1253, "Windows-1253", "Courier New"},
    {1254, "Windows-1254", "Courier New"},
    {1255, "Windows-1255", "Courier New"},
    {1256, "Windows-1256", "Courier New"},
    {1257, "Windows-1257", "Simplified Arabic Fixed"},
    {1258, "Windows-1258", "Courier New"},
    {-1, "Windows-1252", "Courier New"},
};

struct CultureRow {
    int codePage;  // 0: the culture has no code page
    const char* name;
};
// Searched in order; the first row of a name decides.
constexpr CultureRow kCultures[] = {
    {1256, "ar"},    {1256, "ar-SA"}, {1256, "ar-IQ"}, {1256, "ar-EG"}, {1256, "ar-LY"}, {1256, "ar-DZ"},
    {1256, "ar-MA"}, {1256, "ar-TN"}, {1256, "ar-OM"}, {1256, "ar-YE"}, {1256, "ar-SY"}, {1256, "ar-JO"},
    {1256, "ar-LB"}, {1256, "ar-KW"}, {1256, "ar-AE"}, {1256, "ar-BH"}, {1256, "ar-QA"}, {1256, "ur"},
    {1256, "ur-PK"}, {1256, "fa"},    {1256, "fa-IR"}, {1251, "bg"},    {1251, "bg-BG"}, {1251, "ru"},
    {1251, "ru-RU"}, {1251, "uk"},    {1251, "uk-UA"}, {1251, "be"},    {1251, "be-BY"}, {1251, "mk"},
    {1251, "mk-MK"}, {1251, "kk"},    {1251, "kk-KZ"}, {1251, "ky"},    {1251, "ky-KZ"}, {1251, "tt"},
    {1251, "tt-RU"}, {1251, "mn"},    {1251, "mn-MN"}, {1252, "ca"},    {1252, "ca-ES"}, {1252, "da"},
    {1252, "da-DK"}, {1252, "de"},    {1252, "de-DE"}, {1252, "de-CH"}, {1252, "de-AT"}, {1252, "de-LU"},
    {1252, "de-LI"}, {1252, "en"},    {1252, "en-US"}, {1252, "en-GB"}, {1252, "en-AU"}, {1252, "en-CA"},
    {1252, "en-NZ"}, {1252, "en-IE"}, {1252, "en-ZA"}, {1252, "en-JM"}, {1252, "en-CB"}, {1252, "en-BZ"},
    {1252, "en-TT"}, {1252, "en-ZW"}, {1252, "en-PH"}, {1252, "es"},    {1252, "es-MX"}, {1252, "es-ES"},
    {1252, "es-GT"}, {1252, "es-CR"}, {1252, "es-PA"}, {1252, "es-DO"}, {1252, "es-VE"}, {1252, "es-CO"},
    {1252, "es-PE"}, {1252, "es-AR"}, {1252, "es-EC"}, {1252, "es-CL"}, {1252, "es-UY"}, {1252, "es-PY"},
    {1252, "es-BO"}, {1252, "es-SV"}, {1252, "es-HN"}, {1252, "es-NI"}, {1252, "es-PR"}, {1252, "fi"},
    {1252, "fi-FI"}, {1252, "fr"},    {1252, "fr-FR"}, {1252, "fr-BE"}, {1252, "fr-CA"}, {1252, "fr-CH"},
    {1252, "fr-LU"}, {1252, "fr-MC"}, {1252, "is"},    {1252, "is-IS"}, {1252, "it"},    {1252, "it-IT"},
    {1252, "it-CH"}, {1252, "nl"},    {1252, "nl-NL"}, {1252, "nl-BE"}, {1252, "no"},    {1252, "nb-NO"},
    {1252, "nn-NO"}, {1252, "pt"},    {1252, "pt-BR"}, {1252, "pt-PT"}, {1252, "sv"},    {1252, "sv-SE"},
    {1252, "sv-FI"}, {1252, "id"},    {1252, "id-ID"}, {1252, "eu"},    {1252, "eu-ES"}, {1252, "af"},
    {1252, "af-ZA"}, {1252, "fo"},    {1252, "fo-FO"}, {1252, "ms"},    {1252, "ms-MY"}, {1252, "ms-BN"},
    {1252, "sw"},    {1252, "sw-KE"}, {1252, "gl"},    {1252, "gl-ES"}, {936, "zh-CHS"}, {936, "zh-CN"},
    {936, "zh-SG"},  {936, "zh"},     {950, "zh-TW"},  {950, "zh-HK"},  {950, "zh-MO"},  {950, "zh-CHT"},
    {1250, "cs"},    {1250, "cs-CZ"}, {1250, "hu"},    {1250, "hu-HU"}, {1250, "pl"},    {1250, "pl-PL"},
    {1250, "ro"},    {1250, "ro-RO"}, {1250, "hr"},    {1250, "hr-HR"}, {1250, "sr-SP"}, {1250, "sk"},
    {1250, "sk-SK"}, {1250, "sq"},    {1250, "sq-AL"}, {1250, "sl"},    {1250, "sl-SI"}, {1250, "sr"},
    {1253, "el"},    {1253, "el-GR"}, {1255, "he"},    {1255, "he-IL"}, {932, "ja"},     {932, "ja-JP"},
    {949, "ko"},     {949, "ko-KR"},  {874, "th"},     {874, "th-TH"},  {1254, "tr"},    {1254, "tr-TR"},
    {1254, "az"},    {1254, "az-AZ"}, {1254, "uz"},    {1254, "uz-UZ"}, {1257, "et"},    {1257, "et-EE"},
    {1257, "lv"},    {1257, "lv-LV"}, {1257, "lt"},    {1257, "lt-LT"}, {1258, "vi"},    {1258, "vi-VN"},
    {0, "hy"},       {0, "hy-AM"},    {0, "ka"},       {0, "ka-GE"},    {0, "hi"},       {0, "hi-IN"},
    {0, "pa"},       {0, "pa-IN"},    {0, "gu"},       {0, "gu-IN"},    {0, "ta"},       {0, "ta-IN"},
    {0, "te"},       {0, "te-IN"},    {0, "kn"},       {0, "kn-IN"},    {0, "mr"},       {0, "mr-IN"},
    {0, "sa"},       {0, "sa-IN"},    {0, "kok"},      {0, "kok-IN"},   {0, "syr"},      {0, "syr-SY"},
    {0, "div"},      {0, "div-MV"},
};

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

const CodePageRow& RowOfCodePage(int codePage) {
    for (const CodePageRow& row : kCodePages)
        if (row.codePage == codePage || row.codePage == -1) return row;
    return kCodePages[std::size(kCodePages) - 1];
}

int g_languageIndex = 255;

// The first of the locale variables that is set, as the C library reads them.
std::string LocaleVariable(const char* category) {
    for (const char* name : {"LC_ALL", category, "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return {};
}

}  // namespace

namespace Lang {

int LanguageIndexOf(std::string_view name) {
    if (EqualNoCase(name, "ja")) return 1;
    if (EqualNoCase(name, "zh")) return 2;
    if (EqualNoCase(name, "ru")) return 3;
    return 255;
}

int LanguageIndex() {
    return g_languageIndex;
}

void SetLanguageIndex(std::string_view name) {
    g_languageIndex = LanguageIndexOf(name);
    SelectTagCharRuleForCharsetClass(g_languageIndex);
}

std::optional<int> CultureCodePage(std::string_view name) {
    for (const CultureRow& row : kCultures)
        if (EqualNoCase(row.name, name)) return row.codePage;
    return std::nullopt;
}

bool MatchesSystemCodePage(std::string_view name, int codePage) {
    if (name == "en-us") return true;
    const auto culture = CultureCodePage(name);
    return culture && *culture == codePage;
}

std::string NameForCodePage(int codePage) {
    return RowOfCodePage(codePage).charset;
}
std::string AltNameForCodePage(int codePage) {
    return RowOfCodePage(codePage).font;
}

std::string CurrentCodePageName() {
    if (GetProfileString("LanguageFilePath", "Language", "").empty()) return kCodePages[0].charset;
    return NameForCodePage(SystemAnsiCodePage());
}
std::string CurrentAltCodePageName() {
    if (GetProfileString("LanguageFilePath", "Language", "").empty()) return kCodePages[0].font;
    return AltNameForCodePage(SystemAnsiCodePage());
}

int SystemAnsiCodePage() {
    // "ja_JP.UTF-8@x" names the culture "ja-JP"; the plain C locale is English.
    std::string value = LocaleVariable("LC_MESSAGES");
    value = value.substr(0, value.find_first_of(".@"));
    if (value.empty() || value == "C" || value == "POSIX") return 1252;
    for (char& c : value)
        if (c == '_') c = '-';
    if (const auto page = CultureCodePage(value)) return *page;
    if (const auto page = CultureCodePage(value.substr(0, value.find('-')))) return *page;
    return 1252;
}

bool SystemCodesetIsUtf8() {
    const std::string value = LocaleVariable("LC_CTYPE");
    const auto dot = value.find('.');
    if (dot == std::string::npos) return false;
    const std::string codeset = value.substr(dot + 1, value.find('@', dot) - dot - 1);
    return EqualNoCase(codeset, "UTF-8") || EqualNoCase(codeset, "utf8");
}

bool LanguageSuitsSystem(std::string_view name) {
    if (name == "en-us") return true;
    if (SystemCodesetIsUtf8()) {
        const auto page = CultureCodePage(name);
        return page && *page != 0;
    }
    return MatchesSystemCodePage(name, SystemAnsiCodePage());
}

}  // namespace Lang
