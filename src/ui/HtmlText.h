#pragma once
// Text written into the printed HTML document. Window-free, so that the
// printers of the window-free libraries escape what they print too.
#include <string>
#include <string_view>

// "&", "<", ">" and '"' as entities; nothing else changes.
std::string HtmlEscape(std::string_view text);
