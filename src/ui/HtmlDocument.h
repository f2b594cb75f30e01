#pragma once
// The HTML document of a whole clone image, as printed, previewed and
// exported: a fixed head with an inline style sheet, the title paragraph and
// the fragments of the screens laid out in two floating columns, full-width
// blocks and page breaks.
//
// The screens live in other folders. Each registers a factory for its place
// in the document (PrintScreens::Register, once at start-up); places whose
// screen is not registered are simply left out, so the document holds the
// screens that exist, in the list's order. The builder makes every screen it
// prints with the image being printed and frees them all before it returns.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "ui/PrintableScreen.h"

namespace PrintScreens {

// The places of the document, one per screen class (a screen printed by two
// records is made once and placed twice).
enum class Slot {
    MainInformation,  // the main information pane: serial number, band, firmware
    Hardware,
    ScanSetting,
    PowerSaving,
    FrontPanel,
    KeyFunction,  // the factory chooses the class by the image's product type
    Emergency,
    Marketing,
    Password,
    Miscellaneous,
    DtmfAni,
    DtmfPage,
    DtmfDialing,
    TwoToneSetting,
    TwoToneSystem1,
    TwoToneSystem2,
    TwoToneSystem3,
    FiveToneCommon,  // first page, then its further pages
    FiveToneTable,
    FiveToneStatus,  // two tables of 50 status numbers, side by side
    FiveToneSystem1,
    FiveToneSystem2,
    FiveToneSystem3,
    Mdc1200,  // common or system screen by the image's firmware; printed twice
    Mdc1200CallAdvanced,
    FleetLinkAni,
    GroupAllocation,
    ChannelGrid,
    Count
};

// Makes the screen of a place for the image being printed; may return null
// (the place is then left out).
using Factory = std::function<std::unique_ptr<PrintableScreen>(const CloneImage& image)>;
// What a screen's printout depends on besides the image (the visible columns
// of the channel grid, for instance), as a text that changes when it does.
// The printer builds its document again when any such text changes.
using DependencyKey = std::function<std::string()>;

void Register(Slot slot, Factory factory, DependencyKey dependency = {});
void Unregister(Slot slot);
bool IsRegistered(Slot slot);
// Forgets every registration (tests).
void ClearAll();
// A further input of the whole document (the language, for instance).
void RegisterDependency(std::string name, DependencyKey dependency);

// Everything the document depends on besides the image, as one text; it
// also changes whenever a registration changes.
std::string DependencyState();

std::unique_ptr<PrintableScreen> Make(Slot slot, const CloneImage& image);

}  // namespace PrintScreens

// The font of the printed texts and the character set the document
// declares. The document is written in UTF-8, so it declares UTF-8.
struct PrintLanguage {
    std::string fontName = "Courier New";
    std::string charset = "UTF-8";
};
// The language services install the names of the loaded language.
void SetPrintLanguageSource(std::function<PrintLanguage()> source);
PrintLanguage CurrentPrintLanguage();

// One entry of the screen list.
struct PrintScreenRecord {
    int kind;                 // PrintKind: first or second column, full width, page break
    int id;                   // the record's number; -1 for page breaks
    PrintableScreen* screen;  // null for page breaks
    int passes;               // finished GetHtml calls the record takes
    bool destroyAfter;        // destroy the screen's window after the record
    bool deleteAfter;         // the screen is freed when the document is finished
};

namespace PrintKind {
inline constexpr int First = 0, Second = 1, Full = 2, PageBreak = 3, None = 99;
}

// The records with their screens, and the screens they own.
struct PrintScreenList {
    PrintContext context = nullptr;
    std::vector<PrintScreenRecord> records;
    std::vector<std::unique_ptr<PrintableScreen>> owned;
};

class Header : public PrintableScreen {
  public:
    static constexpr const char* Title = "Talvick ZT-610/640 Series Programming Information";
    static constexpr const char* DocType =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
        "\"http://www.w3.org/TR/html4/loose.dtd\">";

    Header(std::string fontName, std::string charset);

    // The page head; kept in the class cache until the re-render flag (or
    // another font or character set) asks for it again.
    virtual std::string& WriteHead(std::string& out);

    // The complete document of `image`, with the print flag set throughout.
    static std::string WriteDocumentStart(const CloneImage& image);

    // The records of the document for `image`: the screen list's records
    // whose screen is registered and not left out for this radio.
    static PrintScreenList BuildScreenList(const CloneImage& image);

    // The body: every record placed in order, then every screen freed.
    std::string& WriteBody(std::string& out, const CloneImage& image);
    std::string& WriteBody(std::string& out, PrintScreenList& list);

    struct Layout {
        int kind = PrintKind::None;
        HtmlTag column;
    };
    // Places one record's screen of `kind`; answers the screen's
    // more-to-come byte.
    bool PlaceScreen(Layout& layout, std::string& out, PrintableScreen* screen, PrintContext image, int kind,
                     bool createHidden);

  protected:
    PrintCache& ClassCache() override { return CacheOf<Header>(); }

  private:
    std::string fontName_;
    std::string charset_;
};
