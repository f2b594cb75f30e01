#pragma once
// The window-free half of the 5-Tone Table dialog: the tones of the fourteen
// 5-tone formats (one column per format, one row per tone digit 0-F) and
// each format's tone and gap period, as the grid shows them, which cells may
// be edited, the writes of edited cells, and the band check of the USER
// tones. Rows and columns are the grid's: row 0 and column 0 are headers,
// rows 1-16 the tones, 17 the tone period, 18 the gap period; columns 1-14
// the formats in screen order (NATEL before TP40).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/CloneImage.h"

namespace FiveToneTable {

inline constexpr int DialogId = 405, GridId = 1013;
inline constexpr int Rows = 19, Cols = 15;
inline constexpr int TonePeriodRow = 17, GapPeriodRow = 18;
inline constexpr int Tp40Column = 13, UserColumn = 14;

// The format shown in a grid column 1-14.
int FormatOfColumn(int col);
// Header texts of row 0 and the caption of a row in column 0.
std::string HeaderText(int col);
std::string RowCaption(int row);
// The editor's length limit of a row: 5 tones, 3 tone period, 4 gap period.
int EditLength(int row);

// A tone value as shown: raw x reference / 10000 rounded half up; no tone
// (0xFFFF) and a zero reference show 0.
std::uint32_t ToneHz(std::uint32_t raw, std::uint32_t reference);
// The raw value of `hz` (0 or a zero reference: no tone); hz is clamped to
// 300-3000 and the raw value to 0-0xFFFE.
std::uint32_t RawOfHz(std::uint64_t hz, std::uint32_t reference);
// A whole decimal number of the text, nullopt for anything else or one too
// large to hold.
std::optional<std::uint64_t> ParseNumber(std::string_view text);

class Model {
  public:
    Model(CloneImage& image, int serviceMode);

    CloneImage& Image() { return *image_; }
    std::string Text(int row, int col) const;
    void SetText(int row, int col, std::string_view text);
    // The text of a data cell from the image.
    std::string Format(int row, int col) const;
    void Refresh();
    bool IsEditable(int row, int col) const;
    bool IsColumnHidden(int col) const;
    // Stores the cell's text; the cell (and after a tone period the gap
    // period that follows it) is shown again from the image. False when
    // nothing was written: not editable, not a number, or a tone while the
    // reference is 0.
    bool Commit(int row, int col);
    // The OK pass: only editable cells whose text the user changed.
    void CommitChanged();
    // USER tones (0-15) whose decode bands overlap another's, at the decode
    // precision of the image; empty when the check passes.
    std::vector<int> CollidingUserTones() const;

  private:
    CloneImage* image_;
    int serviceMode_;
    std::array<std::array<std::string, Cols>, Rows> texts_{};
};

}  // namespace FiveToneTable
