#include "language/StringTable.h"

#include <algorithm>

namespace {

// Keep ascending by id: BuiltinText searches it by bisection.
constexpr StringTableRow kRows[] = {
    {102, "Do you want to save changes ?"},
    {106, "The File's attribute is Read_Only.\nFile Name = "},
    {110, "Problem writing to file.\nFile Name = "},
    {114,
     "Switch the mobile radio OFF before PC is shut down or disconnected the USB cable.\n(It will be "
     "switched "
     "the radio to transmit.)"},
    {32921,
     "The \"Programming Password\" is required when you upload the radio data.\nYou cannot upload the radio data "
     "without the Password.\n\nWhen the \"Programming Password\" is set \"Enable\", it is strongly recommended to "
     "save the data file of the target radio and to make a copy of the password."},
    {32922, "Programming password have been set to "},
    {33025,
     "FCC Rule Caution!\nYour Data includes some Wide bandwidth CHs in 150 - 174 MHz or 421 - 470 MHz band.\n"
     "After Jan.1, 2013, You must change their CHs to Narrow bandwidth.\nSo, the Wide bandwidth CHs in your "
     "data "
     "was changed to Narrow bandwidth automatically.\n"},
    {33050, "No Priority CH!"},
    {33051, "No Active CH!"},
    {33061, "Save changes to"},
    {33063, "Enter 6 digits!"},
    {33304, "There is no corresponding default file.\nIt needs to update the Pardex programming software."},
    {57344, "Pardex"},
    {61207, "Invalid No.\nRetry to input No."},
};

constexpr bool Ascending() {
    for (std::size_t i = 1; i < std::size(kRows); ++i)
        if (kRows[i - 1].id >= kRows[i].id) return false;
    return true;
}
static_assert(Ascending(), "string table rows must be in ascending id order");

}  // namespace

std::span<const StringTableRow> StringTable() {
    return kRows;
}

std::string_view BuiltinText(int id) {
    const auto it = std::lower_bound(std::begin(kRows), std::end(kRows), id,
                                     [](const StringTableRow& row, int key) { return row.id < key; });
    if (it == std::end(kRows) || it->id != id) return {};
    return it->text;
}
