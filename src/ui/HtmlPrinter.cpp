// The document cache of the printer and the document as the renderer needs
// it; no window here.
#include "ui/HtmlPrinter.h"

#include <string_view>
#include <vector>

#include "image/ImageHost.h"
#include "ui/HtmlDocument.h"
#include "ui/PrintableScreen.h"

bool FiveToneSystemIs2(const CloneImage& image) {
    return (image[CloneImage::BlockOffset(13, 0)] & 0x03) == 2;
}

HtmlPrinter::HtmlPrinter(Builder builder) : builder_(std::move(builder)) {
    if (!builder_) builder_ = [](const CloneImage& image) { return Header::WriteDocumentStart(image); };
}

HtmlPrinter& HtmlPrinter::Instance() {
    static HtmlPrinter printer;
    return printer;
}

HtmlPrinter::Inputs HtmlPrinter::CurrentInputs(const CloneImage& image) {
    Inputs inputs;
    inputs.image = image;
    inputs.fiveToneIs2 = FiveToneSystemIs2(image) ? 1 : 0;
    const int setupType = Host().Mdc1200SetupType();
    inputs.mdc1200SetupType = setupType == 1 ? 1 : 0;
    inputs.serviceMode = Host().ServiceMode();
    const PrintLanguage language = CurrentPrintLanguage();
    inputs.dependencies = PrintScreens::DependencyState() + '|' + language.fontName + '|' + language.charset;
    return inputs;
}

bool HtmlPrinter::NeedsRebuild(const CloneImage& image) const {
    return !built_ || !(*built_ == CurrentInputs(image));
}

std::string HtmlPrinter::BuildHtml(const CloneImage& image) {
    if (NeedsRebuild(image) || PrintableScreen::RerenderFlag()) {
        Inputs inputs = CurrentInputs(image);
        // Only a finished build replaces the cache: a failed one must not
        // leave an empty document that later requests take as current.
        std::string document = builder_(image);
        cached_ = std::move(document);
        built_ = std::move(inputs);
        ++builds_;
    }
    PrintableScreen::SetRerenderFlag(false);
    return cached_;
}

// ---- the document as the renderer shows it ----------------------------------------

namespace {

constexpr std::string_view kFirst = "<div class=\"first\">";
constexpr std::string_view kSecond = "<div class=\"second\">";
constexpr std::string_view kFull = "<div class=\"full\">";
constexpr std::string_view kFooter = "<div class=\"footer\">";
constexpr std::string_view kContainer = "<div class=\"container\">";
constexpr std::string_view kDivEnd = "</div>";

constexpr std::string_view kColumnsTable =
    "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr>";
constexpr std::string_view kFirstCell = "<td valign=\"top\" width=\"49%\">";
constexpr std::string_view kGapCell = "<td width=\"2%\"></td>";
constexpr std::string_view kSecondCell = "<td valign=\"top\" width=\"49%\">";
constexpr std::string_view kEmptyCell = "<td width=\"49%\"></td>";

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.compare(at, prefix.size(), prefix) == 0;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The two floating columns become the cells of one table row; the other
// layout blocks become plain blocks, a page break a break before an empty one.
std::string ColumnsAsTables(std::string_view in) {
    enum class Open { Other, Container, First, Second, Full, Footer };
    std::vector<Open> stack;
    bool firstCellDone = false;  // a columns table waits for its second cell
    std::string out;
    out.reserve(in.size() + in.size() / 8);

    auto finishWaitingTable = [&] {
        if (!firstCellDone) return;
        out += kGapCell;
        out += kEmptyCell;
        out += "</tr></table>\n";
        firstCellDone = false;
    };

    std::size_t i = 0;
    while (i < in.size()) {
        if (in[i] != '<') {
            if (firstCellDone && in[i] != '\n' && in[i] != ' ') finishWaitingTable();
            out += in[i++];
            continue;
        }
        if (StartsWith(in, i, kSecond)) {
            if (firstCellDone) {
                out += kGapCell;
                firstCellDone = false;
            } else {
                out += kColumnsTable;
                out += kEmptyCell;
                out += kGapCell;
            }
            out += kSecondCell;
            stack.push_back(Open::Second);
            i += kSecond.size();
            continue;
        }
        finishWaitingTable();
        if (StartsWith(in, i, kFirst)) {
            out += kColumnsTable;
            out += kFirstCell;
            stack.push_back(Open::First);
            i += kFirst.size();
        } else if (StartsWith(in, i, kFull) || StartsWith(in, i, kContainer)) {
            out += "<div>";
            stack.push_back(StartsWith(in, i, kFull) ? Open::Full : Open::Container);
            i += StartsWith(in, i, kFull) ? kFull.size() : kContainer.size();
        } else if (StartsWith(in, i, kFooter)) {
            out += "<div style=\"page-break-before:always\">";
            stack.push_back(Open::Footer);
            i += kFooter.size();
        } else if (StartsWith(in, i, "<div")) {
            stack.push_back(Open::Other);
            out += in[i++];
        } else if (StartsWith(in, i, kDivEnd)) {
            const Open open = stack.empty() ? Open::Other : stack.back();
            if (!stack.empty()) stack.pop_back();
            if (open == Open::First) {
                out += "</td>";
                firstCellDone = true;
            } else if (open == Open::Second) {
                out += "</td></tr></table>";
            } else {
                out += kDivEnd;
            }
            i += kDivEnd.size();
        } else {
            out += in[i++];
        }
    }
    finishWaitingTable();
    return out;
}

}  // namespace

std::string HtmlForRendering(const std::string& document, const std::string& fontName) {
    std::string html = document;
    // wxHtml shows a style sheet as text.
    const auto styleBegin = html.find("<style");
    const auto styleEnd = html.find("</style>");
    if (styleBegin != std::string::npos && styleEnd != std::string::npos && styleEnd > styleBegin)
        html.erase(styleBegin, styleEnd + 8 - styleBegin);

    html = ColumnsAsTables(html);

    // The style sheet's sizes: 6 pt text, a 9 pt centred title, the red
    // 10 pt note of screens without a form.
    const std::string face = HtmlEscape(fontName);
    ReplaceAll(html, "<body>", "<body><font face=\"" + face + "\" size=\"1\">");
    ReplaceAll(html, "</body>", "</font></body>");
    const std::string title = "<p class=\"title\">";
    if (const auto at = html.find(title); at != std::string::npos) {
        html.replace(at, title.size(), "<p align=\"center\"><font size=\"3\">");
        if (const auto end = html.find("</p>", at); end != std::string::npos)
            html.replace(end, 4, "</font></p>");
    }
    ReplaceAll(html, PrintableScreen::NotImplementedText(),
               "<p><font size=\"3\" color=\"red\"> !!Not Implemented!! </font></p>");
    ReplaceAll(html, "<table width=\"100%\">",
               "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"1\">");
    return html;
}
