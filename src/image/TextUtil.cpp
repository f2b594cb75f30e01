#include "image/TextUtil.h"

namespace TextUtil {

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string NormalizeNewlines(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string DashesIfBlank(std::string_view text) {
    if (text.empty() || text.find_first_not_of(' ') != std::string_view::npos) return std::string(text);
    return std::string(text.size(), '-');
}

char HexDigitToUpper(char c) {
    if (c >= '0' && c <= '9') return c;
    if (c >= 'A' && c <= 'F') return c;
    if (c >= 'a' && c <= 'f') return static_cast<char>(c - 'a' + 'A');
    return 0;
}

void NormalizeDtmfString(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char& c = text[i];
        if (c >= 'a' && c <= 'd') c = static_cast<char>(c - 'a' + 'A');
        const bool keep = (c >= '0' && c <= '9') || c == '*' || c == '#' || (c >= 'A' && c <= 'D');
        if (!keep) {
            text.resize(i);
            return;
        }
    }
}

}  // namespace TextUtil
