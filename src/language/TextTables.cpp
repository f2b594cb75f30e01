#include "language/TextTables.h"

namespace TextTables {

std::optional<int> CommonWordRid(std::string_view word) {
    for (const ST_DISPDATA& row : CommonWordTable) {
        if (row.value == ItemListEnd) break;
        if (word == row.text) return row.value;
    }
    return std::nullopt;
}

}  // namespace TextTables
