#pragma once
// Small language files the tests write themselves.
#include <filesystem>
#include <fstream>
#include <string>

#include "image/TestHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"

namespace LanguageFixtures {

// Japanese: the language dialog (621), the progress dialog's state texts,
// the New dialog's band list (one RID, two rows), one channel grid header
// (the TAG column, sub-index 3), the menu bar and the File drop-down, the
// About box, and the common words "Hz", "kHz" and "Enable" (with a print text).
inline constexpr const char* Japanese = R"(<?xml version="1.0" encoding="utf-8"?>
<Language xml:lang="ja" screenfont="Sans" printfont="Serif">
  <Dialog621>
    <RID_6210000><base>Language</base><string>言語</string></RID_6210000>
    <RID_6213202><base>Language File</base><string>言語ファイル</string></RID_6213202>
    <RID_6212802><base>Language File</base><string>言語ファイル名</string></RID_6212802>
    <RID_6212402><base>Default</base><string>既定(&amp;D)</string></RID_6212402>
  </Dialog621>
  <Dialog607>
    <RID_32907><base>Now, Uploading... Please Wait.</base><string>アップロード中です。</string></RID_32907>
    <RID_32908><base>Now, Downloading... Please Wait.</base><string>ダウンロード中です。</string></RID_32908>
    <RID_33052><base>Please wait...</base><string>お待ちください...</string></RID_33052>
  </Dialog607>
  <Dialog603>
    <RID_6032101><base>VHF</base><string>VHF帯</string></RID_6032101>
    <RID_6032101><base>UHF A</base><string>UHF帯 A</string></RID_6032101>
  </Dialog603>
  <Dialog134>
    <RID_31341063><base>TAG</base><string>タグ</string></RID_31341063>
  </Dialog134>
  <Menu>
    <RID_66000><base>&amp;File</base><string>ファイル(&amp;F)</string></RID_66000>
    <RID_66010><base>&amp;Open...</base><string>開く(&amp;O)...</string></RID_66010>
    <RID_66010><base>&amp;Language</base><string>言語(&amp;L)</string></RID_66010>
  </Menu>
  <Dialog100>
    <RID_1000000><base>About Pardex</base><string>Pardexについて</string></RID_1000000>
    <RID_1011001><base>Freq. Band</base><string>周波数帯</string><print>周波数帯(印刷)</print></RID_1011001>
  </Dialog100>
  <Common>
    <RID_70003><base>Enable</base><string>有効</string><print>有効(印刷)</print></RID_70003>
    <RID_70006><base>Hz</base><string>ヘルツ</string></RID_70006>
    <RID_70007><base>kHz</base><string>キロヘルツ</string></RID_70007>
  </Common>
</Language>
)";

// Russian: selects the Cyrillic name-tag rule.
inline constexpr const char* Russian = R"(<?xml version="1.0" encoding="utf-8"?>
<Language xml:lang="ru">
  <Strings>
    <RID_57344><base>Pardex</base><string>Пардекс</string></RID_57344>
  </Strings>
</Language>
)";

inline std::filesystem::path Write(const std::filesystem::path& folder, const std::string& name,
                                   const std::string& text) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// A German file of `groups` (groups of RID_<n> entries) in force for the
// life of the object; the settings it writes go to a folder of its own and
// the program's own texts come back at the end.
class ScopedLanguage {
  public:
    explicit ScopedLanguage(const std::string& groups) {
        SetProfilePath(dir_.path() / "settings.xml");
        const std::string text =
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Language xml:lang=\"de\">\n" + groups + "</Language>\n";
        loaded_ = Lang::LoadLanguage(Write(dir_.path(), "de.xml", text));
    }
    ~ScopedLanguage() {
        Lang::LoadLanguage({});
        SetProfilePath({});
    }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
    bool Loaded() const { return loaded_; }

  private:
    TempDir dir_;
    bool loaded_ = false;
};

}  // namespace LanguageFixtures
