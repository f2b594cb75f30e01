#include "ui/HtmlDocument.h"

#include <array>
#include <map>
#include <stdexcept>

#include "image/Model.h"
#include "language/Language.h"
#include "language/TextTables.h"

// ---- registry ---------------------------------------------------------------------

namespace PrintScreens {
namespace {

struct Entry {
    Factory factory;
    DependencyKey dependency;
};

struct Registry {
    std::array<Entry, static_cast<std::size_t>(Slot::Count)> slots;
    std::map<std::string, DependencyKey> extra;
    unsigned generation = 0;
};

Registry& Get() {
    static Registry registry;
    return registry;
}

Entry* Find(Slot slot) {
    const auto i = static_cast<std::size_t>(slot);
    return i < Get().slots.size() ? &Get().slots[i] : nullptr;
}

}  // namespace

void Register(Slot slot, Factory factory, DependencyKey dependency) {
    if (Entry* entry = Find(slot)) {
        *entry = {std::move(factory), std::move(dependency)};
        ++Get().generation;
    }
}

void Unregister(Slot slot) {
    Register(slot, {}, {});
}

bool IsRegistered(Slot slot) {
    const Entry* entry = Find(slot);
    return entry && entry->factory;
}

void ClearAll() {
    for (Entry& entry : Get().slots) entry = {};
    Get().extra.clear();
    ++Get().generation;
}

void RegisterDependency(std::string name, DependencyKey dependency) {
    Get().extra[std::move(name)] = std::move(dependency);
    ++Get().generation;
}

std::string DependencyState() {
    // Each part is length-prefixed so that no two states run together alike.
    std::string state = std::to_string(Get().generation);
    auto add = [&state](const std::string& part) {
        state += '|';
        state += std::to_string(part.size());
        state += ':';
        state += part;
    };
    for (const Entry& entry : Get().slots) add(entry.dependency ? entry.dependency() : std::string{});
    for (const auto& [name, key] : Get().extra) add(name + '=' + (key ? key() : std::string{}));
    return state;
}

std::unique_ptr<PrintableScreen> Make(Slot slot, const CloneImage& image) {
    const Entry* entry = Find(slot);
    if (!entry || !entry->factory) return nullptr;
    return entry->factory(image);
}

}  // namespace PrintScreens

// ---- language of the printout ---------------------------------------------------------

namespace {
std::function<PrintLanguage()>& LanguageSource() {
    static std::function<PrintLanguage()> source;
    return source;
}
}  // namespace

void SetPrintLanguageSource(std::function<PrintLanguage()> source) {
    LanguageSource() = std::move(source);
}

PrintLanguage CurrentPrintLanguage() {
    return LanguageSource() ? LanguageSource()() : PrintLanguage{};
}

// ---- the screen list ------------------------------------------------------------------

namespace {

using PrintScreens::Slot;

// kind, id, screen place (none for a page break), passes, destroyAfter, deleteAfter
struct RecordSpec {
    int kind;
    int id;
    bool pageBreak;
    Slot slot;
    int passes;
    bool destroyAfter;
    bool deleteAfter;
};

constexpr RecordSpec Screen(int kind, int id, Slot slot, int passes, bool destroyAfter, bool deleteAfter) {
    return {kind, id, false, slot, passes, destroyAfter, deleteAfter};
}
constexpr RecordSpec Break() {
    return {PrintKind::PageBreak, -1, true, Slot::Count, 1, true, false};
}

// The records ids 10 (DTMF paging) and 24 (MDC1200 advanced call) are for
// radios with the 1.90 display firmware only. The main information heads
// the document so that the sheet names the radio it belongs to.
constexpr RecordSpec kRecords[] = {
    Screen(PrintKind::Full, 28, Slot::MainInformation, 1, true, true),
    Screen(PrintKind::First, 0, Slot::Hardware, 2, true, true),
    Screen(PrintKind::First, 6, Slot::ScanSetting, 1, true, true),
    Screen(PrintKind::First, 1, Slot::PowerSaving, 1, true, true),
    Screen(PrintKind::Second, 2, Slot::FrontPanel, 2, true, true),
    Screen(PrintKind::Second, 3, Slot::KeyFunction, 1, true, true),
    Screen(PrintKind::Second, 5, Slot::Emergency, 1, true, true),
    Break(),
    Screen(PrintKind::First, 8, Slot::Marketing, 1, true, true),
    Screen(PrintKind::First, 4, Slot::Password, 1, true, true),
    Screen(PrintKind::First, 7, Slot::Miscellaneous, 2, true, true),
    Screen(PrintKind::Second, 9, Slot::DtmfAni, 1, true, true),
    Screen(PrintKind::Second, 10, Slot::DtmfPage, 1, true, true),
    Screen(PrintKind::Second, 11, Slot::DtmfDialing, 1, true, true),
    Break(),
    Screen(PrintKind::First, 12, Slot::TwoToneSetting, 1, true, true),
    Screen(PrintKind::Full, 13, Slot::TwoToneSystem1, 1, true, false),
    Screen(PrintKind::Full, 14, Slot::TwoToneSystem2, 1, true, false),
    Screen(PrintKind::Full, 15, Slot::TwoToneSystem3, 1, true, false),
    Break(),
    Screen(PrintKind::First, 17, Slot::FiveToneCommon, 1, false, false),
    Screen(PrintKind::Second, 18, Slot::FiveToneCommon, 2, true, true),
    Screen(PrintKind::Full, 16, Slot::FiveToneTable, 1, true, true),
    Screen(PrintKind::First, 29, Slot::FiveToneStatus, 1, false, false),
    Screen(PrintKind::Second, 30, Slot::FiveToneStatus, 1, true, true),
    Break(),
    Screen(PrintKind::Full, 19, Slot::FiveToneSystem1, 1, true, false),
    Screen(PrintKind::Full, 20, Slot::FiveToneSystem2, 1, true, false),
    Screen(PrintKind::Full, 21, Slot::FiveToneSystem3, 1, true, false),
    Break(),
    Screen(PrintKind::First, 22, Slot::Mdc1200, 1, false, false),
    Screen(PrintKind::First, 23, Slot::Mdc1200, 1, true, true),
    Screen(PrintKind::Second, 24, Slot::Mdc1200CallAdvanced, 2, true, true),
    Screen(PrintKind::Second, 25, Slot::FleetLinkAni, 1, true, true),
    Break(),
    Screen(PrintKind::Full, 26, Slot::GroupAllocation, 1, true, true),
    Break(),
    Screen(PrintKind::Full, 27, Slot::ChannelGrid, 1, true, true),
};

// Far more parts than the largest printout (128 channels) can need.
constexpr int kMaxPartsPerRecord = 1000;

bool LeftOut(int id, bool hasDisplayFeature) {
    return !hasDisplayFeature && (id == 10 || id == 24);
}

void WriteLine(std::string& out, const char* line) {
    out += line;
    out += '\n';
}

}  // namespace

PrintScreenList Header::BuildScreenList(const CloneImage& image) {
    PrintScreenList list;
    list.context = &image;
    const bool hasDisplayFeature = Version::HasFeature_1_90(image);
    std::array<PrintableScreen*, static_cast<std::size_t>(Slot::Count)> made{};
    std::array<bool, static_cast<std::size_t>(Slot::Count)> tried{};
    // A page break stands only between screens that are printed: with
    // screens missing, breaks that would end an empty page are left out.
    bool screenSinceBreak = false;
    bool breakPending = false;
    RecordSpec pendingBreak{};
    for (const RecordSpec& spec : kRecords) {
        if (spec.pageBreak) {
            if (screenSinceBreak) {
                breakPending = true;
                pendingBreak = spec;
            }
            screenSinceBreak = false;
            continue;
        }
        if (LeftOut(spec.id, hasDisplayFeature)) continue;
        const auto i = static_cast<std::size_t>(spec.slot);
        if (!tried[i]) {
            tried[i] = true;
            if (auto screen = PrintScreens::Make(spec.slot, image)) {
                made[i] = screen.get();
                list.owned.push_back(std::move(screen));
            }
        }
        if (!made[i]) continue;
        if (breakPending) {
            list.records.push_back({pendingBreak.kind, pendingBreak.id, nullptr, pendingBreak.passes,
                                    pendingBreak.destroyAfter, pendingBreak.deleteAfter});
            breakPending = false;
        }
        screenSinceBreak = true;
        list.records.push_back(
            {spec.kind, spec.id, made[i], spec.passes, spec.destroyAfter, spec.deleteAfter});
    }
    return list;
}

// ---- the document ----------------------------------------------------------------------

Header::Header(std::string fontName, std::string charset)
    : fontName_(std::move(fontName)), charset_(std::move(charset)) {}

std::string& Header::WriteHead(std::string& out) {
    // The cached head also remembers what it was written for.
    static std::string cachedFor;
    const std::string key = fontName_ + '\n' + charset_;
    bool* valid = CacheValidFlag();
    if (*valid && cachedFor == key) {
        out += CachedHtml();
        return out;
    }
    const std::string font = HtmlEscape(fontName_);
    std::string head;
    HtmlTag headTag(head, "head");
    {
        HtmlTag title(head, "title");
        head += Title;
    }
    head +=
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + HtmlEscape(charset_) + "\">\n";
    head += "<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">\n";
    {
        HtmlTag style(head, "style", "type=\"text/css\"");
        WriteLine(head, "<!--");
        WriteLine(head,
                  "div.container {  width: 100%; margin-left:auto; margin-right:auto; text-align:left; }");
        WriteLine(head, "div.first  { float: left; width: 49%; }");
        WriteLine(head, "div.second { float: right; width: 49%; }");
        WriteLine(head, "div.full   { clear: both; width: 100%; }");
        WriteLine(head, "div.footer { clear: both; width: 100%; page-break-after: always; }");
        head += "p       { font-family: \"" + font +
                "\"; font-size: 6pt; word-break: break-all; mso-number-format:\"\\@\"; \n";
        WriteLine(head,
                  "          margin-bottom: 3px ; margin-top: 3px ; padding-bottom:0px ; padding-top:0px }");
        WriteLine(head, "p.title { font-size: 9pt; text-align: center; }");
        head += "table   { font-family: \"" + font +
                "\"; font-size: 6pt; text-align: left; word-break: break-all; mso-number-format:\"\\@\";  "
                "border: "
                "1px #000000 solid; }\n";
        WriteLine(head, "caption { text-align: left; }");
        WriteLine(head,
                  "th      { font-weight: normal; mso-number-format:\"\\@\"; border: 2px #999999 solid; "
                  "text-align:center; }");
        WriteLine(head, "th.borderless { border: 0px; }");
        WriteLine(head,
                  "td      { font-weight: normal; mso-number-format:\"\\@\"; border: 1px #aaaaaa solid; }");
        WriteLine(head, "td.borderless { font-weight: normal; mso-number-format:\"\\@\"; border: 0px;}");
        WriteLine(head, "-->");
    }
    headTag.Close();
    ClassCache().html = head;
    cachedFor = key;
    *valid = true;
    out += head;
    return out;
}

bool Header::PlaceScreen(Layout& layout, std::string& out, PrintableScreen* screen, PrintContext image,
                         int kind, bool createHidden) {
    if (layout.kind != kind && layout.column.IsOpen()) {
        layout.column.Close();
        if (!(layout.kind == PrintKind::First && kind == PrintKind::Second) && kind != PrintKind::PageBreak)
            out += "<p></p>\n";
    }
    if (layout.kind != kind) {
        static constexpr const char* kClasses[] = {"class=\"first\"", "class=\"second\"", "class=\"full\"",
                                                   "class=\"footer\""};
        if (kind >= 0 && kind <= PrintKind::PageBreak) layout.column.Open(out, "div", kClasses[kind]);
    }
    bool more = false;
    if (kind == PrintKind::PageBreak) {
        layout.column.Close();
    } else if (screen) {
        screen->GetHtml(out, image, &more, createHidden);
    }
    layout.kind = kind;
    return more;
}

std::string& Header::WriteBody(std::string& out, const CloneImage& image) {
    PrintScreenList list = BuildScreenList(image);
    return WriteBody(out, list);
}

std::string& Header::WriteBody(std::string& out, PrintScreenList& list) {
    Layout layout;
    HtmlTag container;
    bool createHidden = true;
    const PrintableScreen* lastPlaced = nullptr;
    const std::size_t count = list.records.size();
    std::size_t i = 0;
    int finished = 0;
    int parts = 0;
    while (i < count) {
        const PrintScreenRecord& record = list.records[i];
        if (!container.IsOpen()) container.Open(out, "div", "class=\"container\"");
        const bool more = PlaceScreen(layout, out, record.screen, list.context, record.kind, createHidden);
        createHidden = false;
        if (record.kind == PrintKind::PageBreak) {
            container.Close();
        } else {
            lastPlaced = record.screen;
        }
        if (more) {
            // A screen that never stops asking for more would never end the document.
            if (++parts > kMaxPartsPerRecord) throw std::runtime_error("a screen printed without end");
            layout.column.Close();
            { HtmlTag footer(out, "div", "class=\"footer\""); }
            layout.kind = PrintKind::PageBreak;
            container.Close();
        } else {
            ++finished;
        }
        if (finished < record.passes) continue;

        if (record.destroyAfter && record.screen) record.screen->DestroyPrintWindow();
        ++i;
        finished = 0;
        parts = 0;
        if (i < count) {
            const PrintScreenRecord& next = list.records[i];
            if (next.screen != lastPlaced) createHidden = true;
            if (next.kind == PrintKind::First || next.kind == PrintKind::Second) out += "<p></p>\n";
        }
    }
    layout.column.Close();
    container.Close();
    list.records.clear();
    list.owned.clear();
    return out;
}

std::string Header::WriteDocumentStart(const CloneImage& image) {
    ScopedPrintTextMode printing;
    auto word = [](const char* text) { return HtmlEscape(LangTable::TranslateCommonWord(text)); };
    SetCheckWords(word(TextTables::CheckStateWords[0]), word(TextTables::CheckStateWords[1]));

    std::string out = DocType;
    {
        HtmlTag html(out, "html");
        const PrintLanguage language = CurrentPrintLanguage();
        Header header(language.fontName, language.charset);
        header.WriteHead(out);
        HtmlTag body(out, "body");
        {
            HtmlTag title(out, "p", "class=\"title\"");
            out += HtmlEscape(Title);
        }
        header.WriteBody(out, image);
    }
    return out;
}
