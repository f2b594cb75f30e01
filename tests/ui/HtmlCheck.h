#pragma once
// A strict well-formedness check of the printed HTML document: a declaration
// first; every element closed, in order, by its own end tag (names compared
// without case) except the void elements; quoted attribute values; no raw
// "<" or bare "&" in text; the style sheet's content taken as raw text. The
// answer is "" for a well-formed document, else what is wrong and where.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace HtmlCheck {

inline std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

inline bool IsVoid(const std::string& name) {
    static const char* const kVoid[] = {"meta", "br", "col", "img", "hr", "input", "link", "area", "base"};
    return std::any_of(std::begin(kVoid), std::end(kVoid), [&](const char* v) { return name == v; });
}

inline std::string Check(std::string_view doc, std::vector<std::string>* elements = nullptr) {
    auto where = [&](std::size_t at) {
        return " at " + std::to_string(at) + ": " + std::string(doc.substr(at, 40));
    };
    if (doc.rfind("<!DOCTYPE ", 0) != 0) return "no document type declaration first";
    std::size_t i = doc.find('>');
    if (i == std::string_view::npos) return "unterminated declaration";
    ++i;
    std::vector<std::string> stack;
    int roots = 0;
    while (i < doc.size()) {
        const char c = doc[i];
        if (c == '&') {
            const std::size_t semi = doc.find(';', i);
            if (semi == std::string_view::npos || semi - i > 10 || semi == i + 1) return "bare &" + where(i);
            for (std::size_t k = i + 1; k < semi; ++k)
                if (!std::isalnum(static_cast<unsigned char>(doc[k])) && doc[k] != '#')
                    return "bad entity" + where(i);
            i = semi + 1;
            continue;
        }
        if (c != '<') {
            if (c == '>') return "stray >" + where(i);
            ++i;
            continue;
        }
        if (doc.compare(i, 4, "<!--") == 0) {
            const std::size_t end = doc.find("-->", i + 4);
            if (end == std::string_view::npos) return "unterminated comment" + where(i);
            i = end + 3;
            continue;
        }
        const bool closing = i + 1 < doc.size() && doc[i + 1] == '/';
        std::size_t k = i + (closing ? 2 : 1);
        const std::size_t nameBegin = k;
        while (k < doc.size() && std::isalnum(static_cast<unsigned char>(doc[k]))) ++k;
        if (k == nameBegin) return "raw < in text" + where(i);
        const std::string name = Lower(doc.substr(nameBegin, k - nameBegin));
        // Attributes: quoted values only, no "<" inside the tag.
        bool quoted = false;
        while (k < doc.size() && (quoted || doc[k] != '>')) {
            if (doc[k] == '"') quoted = !quoted;
            if (!quoted && doc[k] == '<') return "< inside a tag" + where(i);
            if (!quoted && doc[k] == '=' && k + 1 < doc.size() && doc[k + 1] != '"')
                return "unquoted attribute value" + where(i);
            ++k;
        }
        if (k >= doc.size()) return "unterminated tag" + where(i);
        if (closing) {
            if (k != nameBegin + name.size()) return "attributes in an end tag" + where(i);
            if (stack.empty() || stack.back() != name)
                return "</" + name + "> closes " + (stack.empty() ? "nothing" : "<" + stack.back() + ">") +
                       where(i);
            stack.pop_back();
        } else if (!IsVoid(name)) {
            if (stack.empty() && ++roots > 1) return "a second root element" + where(i);
            stack.push_back(name);
            if (elements) elements->push_back(name);
            if (name == "style") {
                const std::size_t end = Lower(doc.substr(k)).find("</style>");
                if (end == std::string::npos) return "unterminated style" + where(i);
                k += end - 1;
            }
        } else if (elements) {
            elements->push_back(name);
        }
        i = k + 1;
    }
    if (!stack.empty()) return "<" + stack.back() + "> never closed";
    if (roots != 1) return "no root element";
    return {};
}

}  // namespace HtmlCheck
