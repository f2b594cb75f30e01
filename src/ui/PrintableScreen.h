#pragma once
// Every screen that appears in the printed, previewed or exported HTML
// document carries PrintableScreen. It turns the screen's current contents
// into an HTML fragment: a dialog form becomes a two-column table of caption
// and value rows, a grid becomes a table of its header and data rows.
// HtmlTag is the small tag writer all print code writes HTML with.
//
// The rendering itself is plain code: a screen answers what its window holds
// through a few accessors (IsDialog, WindowText, ControlForPrint) and hands
// its grids over as a PrintGrid. The wx half (PrintableWindow.cpp) answers
// those accessors from the screen's window and creates that window hidden.
//
// Every operation that takes an output string appends to it. Every value
// written into the document (window texts, control texts, cell texts) is
// HTML-escaped here; attribute texts are written as given.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "image/CloneImage.h"
#include "ui/HtmlText.h"

class wxWindow;
class CRestraction;
struct ControlRuleRow;

// The clone image being printed, handed through from the document builder to
// every operation of a screen. May be null (the base then reads variant 0).
using PrintContext = const CloneImage*;

// A scoped tag: opening writes "<name>" or "<name attributes>", closing
// writes "</name>" and a line break. A tag still open when the object ends
// its life is closed then.
class HtmlTag {
  public:
    HtmlTag() = default;
    HtmlTag(std::string& out, std::string name, std::string attributes = {}) {
        Open(out, std::move(name), std::move(attributes));
    }
    ~HtmlTag() { Close(); }
    HtmlTag(const HtmlTag&) = delete;
    HtmlTag& operator=(const HtmlTag&) = delete;

    void Open(std::string& out, std::string name, std::string attributes);
    // Writes the closing tag once; later calls write nothing.
    void Close();
    bool IsOpen() const { return out_ != nullptr; }

  private:
    std::string* out_ = nullptr;
    std::string name_;
};

// What the printout reads of one grid: the text of every cell, rows and
// columns counted from 0 with the header rows included.
class PrintGrid {
  public:
    virtual ~PrintGrid() = default;
    virtual int HeaderRows() const = 0;
    virtual int Rows() const = 0;
    virtual int Cols() const = 0;
    virtual bool ColHidden(int col) const = 0;
    virtual std::string Text(int row, int col) const = 0;
    virtual void SetText(int row, int col, std::string_view text) = 0;
};

// A grid held as plain text, for screens that print a table they build
// themselves (and for tests).
class TextPrintGrid : public PrintGrid {
  public:
    TextPrintGrid(int headerRows, std::vector<std::vector<std::string>> cells);
    int HeaderRows() const override { return headerRows_; }
    int Rows() const override { return static_cast<int>(cells_.size()); }
    int Cols() const override;
    bool ColHidden(int col) const override;
    std::string Text(int row, int col) const override;
    void SetText(int row, int col, std::string_view text) override;
    void SetColHidden(int col, bool hidden);

  private:
    int headerRows_;
    std::vector<std::vector<std::string>> cells_;
    std::vector<bool> hidden_;
};

// One control of a form as the printout sees it.
struct PrintControl {
    bool exists = false;
    bool checkBox = false;  // a two- or three-state check box
    bool checked = false;   // check state 1
    std::string text;       // window text; a drop-down list's shown item
};

// The cached text of one screen class. Each concrete class keeps one for the
// run (PrintableScreen::CacheOf<Class>()).
struct PrintCache {
    std::string html;
    bool valid = false;
};

class PrintableScreen {
  public:
    // `ruleRows`: the screen's constant rule table ended by control id -1, or
    // null when the screen has no form to print. `rules` is owned.
    explicit PrintableScreen(int idd = 0, const ControlRuleRow* ruleRows = nullptr,
                             CRestraction* rules = nullptr);
    virtual ~PrintableScreen();  // deletes the rules object
    PrintableScreen(const PrintableScreen&) = delete;
    PrintableScreen& operator=(const PrintableScreen&) = delete;

    // ---- the operations, in the order the document builder knows them ----
    // The class's cached text and its cache-valid byte; the byte reads as
    // cleared while the re-render flag is set.
    virtual const std::string& CachedHtml();
    virtual bool* CacheValidFlag();
    // One page of the screen: the title paragraph without a form, else the
    // form in two columns.
    virtual std::string& RenderPage(std::string& out, PrintContext context);
    virtual bool IsControlOmitted(int controlId);
    virtual bool IsFullRowControl(int controlId);
    virtual std::string& GridTableHtml(std::string& out, PrintGrid& grid, int firstRow, int rowCount,
                                       bool withHeader);
    virtual std::string& GridRowHtml(std::string& out, PrintGrid& grid, int row);
    virtual std::string& GridHeaderHtml(std::string& out, PrintGrid& grid);
    // The form as a table of `columns` cells a row; `ruleRows` null means the
    // screen's own.
    virtual std::string& DialogToHtml(std::string& out, PrintContext context, int columns,
                                      const ControlRuleRow* ruleRows = nullptr);
    // The rows of a form without the table around them: from `ruleRows` to
    // its end row, `count` rows at most.
    std::string& FormRowsHtml(std::string& out, PrintContext context, int columns, const ControlRuleRow* ruleRows,
                              std::size_t count = static_cast<std::size_t>(-1));
    // The heading rows of a form table.
    virtual std::string& GridToHtml(std::string& out, PrintContext context, int columns);
    virtual std::string& ControlValueHtml(std::string& out, int controlId);
    // The content of a full-row cell.
    virtual std::string& ExtraHtml(std::string& out, PrintContext context);
    // The entry of the document builder. `moreToCome` is cleared by the
    // caller; a screen that prints in parts sets it while parts remain.
    virtual std::string& GetHtml(std::string& out, PrintContext context, bool* moreToCome, bool createHidden);

    // ---- what the printout reads of the screen's window -----------------
    // The base answers these from PrintWindow(); screens without a window may
    // answer them themselves.
    virtual bool IsDialog() const;
    virtual bool IsView() const;
    virtual std::string WindowText() const;
    virtual PrintControl ControlForPrint(int controlId) const;
    // The screen's window, once created.
    virtual wxWindow* PrintWindow() const { return nullptr; }
    // Creates the screen's window, not shown, with PrintHolderWindow() as its
    // parent; false when the screen has none (the base).
    virtual bool CreateForPrint();
    // Destroys the window made for printing (the document builder calls it
    // after the screen's last pass). The base does nothing.
    virtual void DestroyPrintWindow() {}

    // Creates the window hidden (CreateForPrint); false when nothing was made.
    bool CreateHidden() { return CreateForPrint(); }

    // Opens `tag` with `attributes` followed by ' class="borderless"'; with
    // no attributes a header cell reads <th  class="borderless"> (two blanks).
    static void BorderlessCell(HtmlTag& tag, std::string& out, std::string name, std::string attributes);
    // Rewrites the listed check columns (ended by -1) from `firstRow` to the
    // last row: empty or a single blank becomes "v", anything else "-".
    static void ConvertCheckCells(PrintGrid& grid, int firstRow, const int* columns);

    // "<p>" window text "</p>" and the "!!Not Implemented!!" paragraph.
    std::string TitleParagraph() const;

    int Idd() const { return idd_; }
    const ControlRuleRow* RuleRows() const { return ruleRows_; }
    CRestraction* Rules() const { return rules_.get(); }

    // ---- shared by every screen ---------------------------------------------
    // The words check boxes print; the document re-translates them each time.
    static const std::string& EnableText();
    static const std::string& DisableText();
    static void SetCheckWords(std::string enable, std::string disable);
    static const char* NotImplementedText();
    // Set after a language file is loaded, cleared by the document build:
    // while set, every class cache reads as invalid.
    static bool RerenderFlag();
    static void SetRerenderFlag(bool on);

    template <class Screen>
    static PrintCache& CacheOf() {
        static PrintCache cache;
        return cache;
    }

  protected:
    // The class cache of the concrete screen; usually `return CacheOf<Me>();`.
    virtual PrintCache& ClassCache() = 0;

    void SetRules(CRestraction* rules);
    void SetRuleRows(const ControlRuleRow* rows) { ruleRows_ = rows; }

  private:
    int idd_;
    const ControlRuleRow* ruleRows_;
    std::unique_ptr<CRestraction> rules_;
};

// The window every screen's window is created in for printing: made on first
// use, never shown, kept for the run (it never keeps the program running).
wxWindow* PrintHolderWindow();
// Whether the holder has been made (tests).
bool PrintHolderExists();
