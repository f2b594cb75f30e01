#pragma once
// The grid screens of the tone windows as "Auto Grid Width" pages: each is
// built hidden, fits its columns to their texts and keeps the widths in its
// settings section, then goes away. The channel and group grids register
// their own pages.
void RegisterToneGridPages();
