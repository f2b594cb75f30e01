#include "signalling/CodeTablePrint.h"

#include "language/Language.h"

CodeTablePrint::CodeTablePrint(std::unique_ptr<Settings::SettingsDialogModel> model, const CloneImage& image,
                               std::vector<ControlRuleRow> codeRows, int columns, std::vector<Head> heads)
    : SettingsPrint(std::move(model), image), codeRows_(std::move(codeRows)), columns_(columns),
      heads_(std::move(heads)) {
    codeRows_.push_back({-1, 0, nullptr});
}

std::string& CodeTablePrint::ControlValueHtml(std::string& out, int controlId) {
    if (controlId == FullRow) return out;
    return SettingsPrint::ControlValueHtml(out, controlId);
}

PrintControl CodeTablePrint::ControlForPrint(int controlId) const {
    if (controlId == FullRow) {
        PrintControl control;
        control.exists = true;
        return control;
    }
    return SettingsPrint::ControlForPrint(controlId);
}

std::string& CodeTablePrint::ExtraHtml(std::string& out, PrintContext context) {
    inCodeTable_ = true;
    DialogToHtml(out, context, columns_, codeRows_.data());
    inCodeTable_ = false;
    return out;
}

// The code table heads its columns: an empty corner, then "Code" (and "TAG").
std::string& CodeTablePrint::GridToHtml(std::string& out, PrintContext context, int columns) {
    if (!inCodeTable_) return SettingsPrint::GridToHtml(out, context, columns);
    const std::string n = std::to_string(columns);
    { HtmlTag colgroup(out, "colgroup", "span=\"" + n + "\""); }
    {
        HtmlTag tr(out, "tr");
        HtmlTag th(out, "th", "colspan=\"" + n + "\"");
    }
    HtmlTag tr(out, "tr");
    {
        HtmlTag th;
        BorderlessCell(th, out, "th", {});
        out += "&nbsp;";
    }
    const int idd = Model().Page(0).Idd();
    for (const Head& head : heads_) {
        std::string text = head.text;
        std::string translated;
        if (LangTable::LookupRID(MakeRID(0, idd, head.captionId), text, translated)) text = translated;
        HtmlTag th(out, "th");
        out += HtmlEscape(text);
    }
    return out;
}
