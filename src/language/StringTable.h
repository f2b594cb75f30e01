#pragma once
// The program's string table: the built-in English text of every message
// that is looked up by its string id.
#include <span>
#include <string_view>

struct StringTableRow {
    int id;
    const char* text;
};

// Rows in ascending id order.
std::span<const StringTableRow> StringTable();
// The built-in text of `id`; empty when the table has no such row.
std::string_view BuiltinText(int id);
