#pragma once
// "Custom Code Edit" (template 370): the marketing dialog's custom type code
// as 256 numbered on/off functions. Function i is bit i mod 4 of value i / 4
// of a block of 64 values (one per hexadecimal digit of the code); in the
// grid of 32 rows and 16 columns it stands in row i mod 32, its label in
// column 2 (i / 32) and its flag beside it.
#include <wx/dialog.h>

#include <array>
#include <cstdint>
#include <string>

class CVSFlexGrid;

namespace CustomCode {

inline constexpr int Functions = 256, Rows = 32, Cols = 16;
using Block = std::array<std::uint8_t, 64>;

inline int RowOf(int function) {
    return function % Rows;
}
inline int FlagColOf(int function) {
    return 2 * (function / Rows) + 1;
}
// The function of a cell; a label cell names the function beside it.
inline int FunctionAt(int row, int col) {
    return (col / 2) * Rows + row;
}
inline bool IsOn(const Block& block, int function) {
    return (block[function / 4] >> (function % 4)) & 1;
}
// Sets one function's bit; the upper four bits of each value are kept.
inline void SetOn(Block& block, int function, bool on) {
    const auto bit = static_cast<std::uint8_t>(1u << (function % 4));
    block[function / 4] =
        static_cast<std::uint8_t>(on ? block[function / 4] | bit : block[function / 4] & ~bit);
}
// "function-" and the function's number counted from 1.
std::string Label(int function, const std::string& prefix = "function-");

}  // namespace CustomCode

class CCustomCodeEditDlg : public wxDialog {
  public:
    enum { IDD = 370, IDC_GRID = 1013, IDC_OK = 1, IDC_CANCEL = 1096, IDC_PREFIX = 3901 };
    static constexpr const char* Section = "CustomCodeEdit";
    static constexpr const char* OffText = " - ";

    // `block` is changed only by OK.
    CCustomCodeEditDlg(wxWindow* parent, CustomCode::Block& block);

    CVSFlexGrid* Grid() const { return grid_; }
    // The flag cell's state: an empty text is on.
    bool FlagOn(int function) const;
    void ToggleFlagCell(int function);
    void OnOK();
    void OnCancel();

  private:
    void SetupGrid();
    void LoadFlags();
    void SetFlagCell(int function, bool on);
    void Finish(int code);

    CustomCode::Block& block_;
    CVSFlexGrid* grid_ = nullptr;
    wxBitmap mark_;
};
