#pragma once
// Small text helpers shared by the screens, the printout and the settings
// file. Plain byte strings (UTF-8); only ASCII characters are treated specially.
#include <string>
#include <string_view>
#include <vector>

namespace TextUtil {

// The pieces between separators, in order: n separators give n + 1 pieces
// ("a,,b," gives "a", "", "b", ""). An empty text gives no piece.
std::vector<std::string> Split(std::string_view text, char separator);

// Every line end ("\n", "\r" or "\r\n") written as "\r\n".
std::string NormalizeNewlines(std::string_view text);

// A text of blanks only has each blank replaced by "-" (printed cells show
// such values as dashes); any other text, and the empty text, is unchanged.
std::string DashesIfBlank(std::string_view text);

// The upper-case hexadecimal digit for an ASCII hexadecimal digit, else 0.
char HexDigitToUpper(char c);

// Keeps the DTMF characters (digits, "*", "#", A-D; a-d become upper case)
// and cuts the text at the first other character.
void NormalizeDtmfString(std::string& text);

}  // namespace TextUtil
