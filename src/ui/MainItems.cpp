#include "ui/MainItems.h"

namespace MainItems {

namespace {
MainItemRow g_rows[] = {
    {32784, 1, {0, 0, 0}},   {32785, 1, {1, 0, 0}},   {32786, 1, {2, 0, 0}},   {32787, 1, {3, 0, 0}},
    {32788, 1, {4, 5, 0}},   {32789, 1, {6, 7, 0}},   {32790, 1, {8, 9, 0}},   {32791, 1, {10, 0, 0}},
    {32792, 1, {11, 0, 0}},  {32793, 1, {12, 0, 0}},  {32794, 1, {13, 0, 0}},  {32795, 1, {14, 0, 0}},
    {32796, 1, {15, 16, 0}}, {32797, 1, {17, 0, 0}},  {32798, 1, {18, 0, 0}},  {32799, 1, {19, 0, 0}},
    {32800, 1, {20, 0, 0}},  {32801, 1, {21, 0, 0}},  {32802, 1, {22, 23, 0}}, {32803, 1, {24, 0, 0}},
    {32804, 1, {25, 26, 0}}, {32805, 1, {27, 28, 0}}, {-1, 0, {0, 0, 0}},
};
}  // namespace

std::span<MainItemRow> Table() {
    return g_rows;
}

MainItemRow* Row(int commandId) {
    if (commandId <= FirstCommand || commandId > LastCommand) return nullptr;
    return &g_rows[commandId - FirstCommand];
}

int LastColumn(const MainItemRow& row) {
    int last = 0;
    for (int column : row.columns)
        if (column != 0) last = column;
    return last;
}

void ResetVisible() {
    for (auto& row : g_rows)
        if (row.commandId != -1) row.visible = 1;
}

}  // namespace MainItems
