#pragma once
// The grid views of the tone system windows in the printed document: the
// three 2-tone views (one part each) and the three 5-tone views (the system
// and decode views in parts of 32 rows, the encode view of 50).
namespace TwoTonePrintScreen {
// Puts the three 2-tone views into the printed document.
void Register();
}  // namespace TwoTonePrintScreen

namespace FiveTonePrintScreen {
// Puts the three 5-tone views into the printed document.
void Register();
}  // namespace FiveTonePrintScreen
