#pragma once
// Print, Print Preview, Page Setup and Export to File all go through the
// HtmlPrinter. It builds the HTML document of an image or takes it from its
// cache, shows a small "Please wait..." window while it works, and then
// prints, previews or sets up the page (wxHtmlEasyPrinting) or writes the
// exact document into a file with CR LF line ends.
//
// The cache holds the last document with everything it was built from: the
// image bytes, the 5-tone system setting, the MDC1200 setup type, the service
// mode and what the registered screens and the language report
// (PrintScreens::DependencyState); a change of any of them, or the re-render
// flag, builds the document again.
//
// A document that cannot be built, rendered or written is reported in a
// message box and the command stops: nothing is printed or previewed in its
// place.
#include <functional>
#include <optional>
#include <string>

#include "image/CloneImage.h"

class wxWindow;
class wxHtmlEasyPrinting;
class PrintProgress;

class HtmlPrinter {
  public:
    using Builder = std::function<std::string(const CloneImage& image)>;

    // `builder` makes the document; the default is Header::WriteDocumentStart.
    explicit HtmlPrinter(Builder builder = {});
    ~HtmlPrinter();
    HtmlPrinter(const HtmlPrinter&) = delete;
    HtmlPrinter& operator=(const HtmlPrinter&) = delete;

    // The program's printer (its cache and page setup live for the run).
    static HtmlPrinter& Instance();

    // The document of `image`, from the cache when nothing it depends on has
    // changed. A failed build throws what the builder threw and leaves the
    // cache as it was.
    std::string BuildHtml(const CloneImage& image);
    bool NeedsRebuild(const CloneImage& image) const;
    // How many times a document was built (tests and the benchmark).
    int BuildCount() const { return builds_; }

    // ---- the commands (window half) --------------------------------------------
    // None changes the image. `parent` owns the dialogs.
    void Print(wxWindow* parent, const CloneImage& image);
    void PrintPreview(wxWindow* parent, const CloneImage& image);
    void PageSetup(wxWindow* parent, const CloneImage& image);
    // Asks for the file; `lastFolder` is where the dialog begins and receives
    // the chosen path.
    void ExportToFile(wxWindow* parent, const CloneImage& image, std::string& lastFolder);
    // Writes the document of `image` to `path` with CR LF line ends, with the
    // progress window; false (after the message) when it cannot.
    bool ExportToPath(wxWindow* parent, const CloneImage& image, const std::string& path);

    // The printing engine, made on first use and kept with its page setup.
    wxHtmlEasyPrinting& Engine(wxWindow* parent);

  private:
    struct Inputs {
        CloneImage image;
        int fiveToneIs2 = -1;
        int mdc1200SetupType = -1;
        int serviceMode = -1;
        std::string dependencies;
        bool operator==(const Inputs&) const = default;
    };
    static Inputs CurrentInputs(const CloneImage& image);
    enum { CommandPrint, CommandPreview, CommandPageSetup };
    void RunCommand(wxWindow* parent, const CloneImage& image, int command);
    // The document for printing, or nothing after the error message.
    std::optional<std::string> BuildForCommand(wxWindow* parent, const CloneImage& image,
                                               PrintProgress& progress, int stepBefore, int stepAfter);

    Builder builder_;
    std::optional<Inputs> built_;
    std::string cached_;
    int builds_ = 0;
    wxHtmlEasyPrinting* engine_ = nullptr;
};

// The document as the HTML renderer shows it: the style sheet left out, the
// two floating columns as a two-column table, page breaks as breaks before
// an empty block, point sizes as font attributes and table borders as table
// attributes. The exported file stays the exact document.
std::string HtmlForRendering(const std::string& document, const std::string& fontName);

// The program's name for the 5-tone setting test: block 13 byte 0, bits 0-1.
bool FiveToneSystemIs2(const CloneImage& image);
