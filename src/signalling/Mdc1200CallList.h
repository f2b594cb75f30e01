#pragma once
// The MDC1200 call list: the sixteen call records (ID, type, ACK expected,
// ring tone, tag, in use) as a grid page on the grid-view framework, and the
// "MDC1200 Call" dialog that hosts it below the three call keys.
//
// Rows of records not in use are grey and cannot be edited; Space or a
// double click on "Call No." takes the selected rows in or out of use, and a
// pasted row is in use. The Call ID of an "ALL Call" record is locked.
// Edits are written into the dialog's working copy at once; the host is told
// whenever a call ID or type changes, so that its key lists show current IDs.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "settings/SettingsPage.h"
#include "tone/GridViewModel.h"
#include "tone/Phrase.h"
#include "tone/ToneGridView.h"
#include "ui/PrintableScreen.h"

class SettingsDlg;

namespace Mdc1200Call {

inline constexpr int Records = 16, HeaderRows = 2, Rows = HeaderRows + Records, Cols = 24;
namespace Col {
inline constexpr int CallNo = 0, Type = 1, Id = 2, IdStatus = 3, Tag = 4, AckExp = 5, RingTone = 6, TonePlay = 7,
                     FirstSystem = 8;
}
inline constexpr int TypeIndividual = 0, TypeGroup = 1, TypeAllCall = 2;

// The call list's own column rows: {reserved, default width in twips, list,
// kind}; kinds 1 action, 2 typed text, 3 drop-down list, 5 check mark.
struct ColumnRow {
    std::uint32_t reserved;
    std::uint32_t width;
    ItemList list;
    std::uint32_t kind;
};
// Whether Enter, Space and a double click act in a column.
struct KeyTriggers {
    bool enter, space, doubleClick;
};
const std::array<ColumnRow, Cols>& Columns();
const std::array<KeyTriggers, Cols>& Triggers();

// Whether `id` fits the range of call type `type` ("Individual"
// 0001-DFFF, "Group" E001-EFFF, "ALL Call" FFFF).
bool IdFitsType(std::uint32_t id, std::uint32_t type);

// The grid's locked cells (1 editable, 0 locked) with a flag per column that
// has any; only the Call ID of "ALL Call" records is ever locked.
class CellLocks {
  public:
    static constexpr std::uint32_t LockedBack = 0xAAAAAA, NormalBack = 0xFFFFFF;
    CellLocks() { Clear(); }
    void Clear();
    void Lock(int row, int col, bool locked);
    bool Editable(int row, int col) const;
    bool ColumnHasLocks(int col) const { return columnFlags_[static_cast<std::size_t>(col)] != 0; }

  private:
    std::array<std::uint8_t, Rows * Cols> cells_{};
    std::array<std::uint8_t, Cols> columnFlags_{};
};

// The view of one image; `setupType` is the settings' MDC1200 setup type.
GridView::ViewSpec MakeSpec(int setupType);

}  // namespace Mdc1200Call

// The grid page (template 651, grid 1013).
class CMDC1200CallDlg : public CToneGridView {
  public:
    enum { IDD = 651, IDC_GRID = 1013 };
    static constexpr const char* Section = "MDC1200_Call";
    static constexpr std::uint32_t GreyText = 0x808080, OutOfRangeText = 0x0000FF;

    CMDC1200CallDlg(wxWindow* parent, CloneImage& image, std::filesystem::path programFolder);

    // Called after a call ID or type changed in the image.
    std::function<void()> onIdsChanged;
    const Mdc1200Call::CellLocks& Locks() const { return locks_; }
    // Enter while the grid has the keyboard (the host passes it on).
    void EnterKey();
    // The sample of a record's stored ring tone; empty for "-".
    static std::filesystem::path RingToneSample(const CloneImage& image, int record,
                                                const std::filesystem::path& programFolder);

  protected:
    bool RunAction(int action, int row, int col) override;
    const wxBitmap* PictureOf(int row, int col, const std::string& text) const override;
    void RowShown(int row) override;

  private:
    bool InUse(int row) const;
    std::vector<int> TargetRows(int row) const;
    void AdjustEdit(int row, int col, GridView::GridViewModel::EditStart& e) const;

    Mdc1200Call::CellLocks locks_;
    std::filesystem::path programFolder_;
    std::unique_ptr<CPhrase> player_;
    std::array<std::uint32_t, Mdc1200Call::Records> shownIds_{};
};

// The three call keys: a type and a call record each.
class CMDC1200CallKeyPage : public Settings::SettingsPage {
  public:
    enum {
        IDD = 650,
        IDC_KEY1_TYPE = 2101,
        IDC_KEY2_TYPE = 2102,
        IDC_KEY3_TYPE = 2103,
        IDC_KEY1_ID = 2111,
        IDC_KEY2_ID = 2112,
        IDC_KEY3_ID = 2113,
        IDC_TYPE_CAPTION = 2011,
        IDC_ID_CAPTION = 2012,
    };
    CMDC1200CallKeyPage() : SettingsPage(IDD) {}
    // The printed form heads its three columns: key, "Type", "ID".
    std::vector<int> PrintHeading() const override { return {0, IDC_TYPE_CAPTION, IDC_ID_CAPTION}; }
    // The ID lists again from the image (selections kept).
    void RefreshIdLists(const CloneImage& image);
    // What OK runs after the keys are saved (the grid's last edits).
    std::function<void(CloneImage&)> afterSave;

  protected:
    void Build() override;
    void FilterLists(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;
};

class CMDC1200CallAdvDlg {
  public:
    enum { IDD = 650 };
    static constexpr const char* Caption = "MDC1200 Call";
    static constexpr const char* Section = "MDC1200_Call";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
    // Puts the call list below the keys of a dialog made from MakeDialog.
    static CMDC1200CallDlg* AttachGrid(SettingsDlg& dialog, std::filesystem::path programFolder);
    // "Call-n : ID" rows of the key ID combos.
    static std::vector<Settings::ListRow> IdRows(const CloneImage& image);
};

// The printout: the call key form, then the records in use.
std::unique_ptr<PrintableScreen> MakeMdc1200CallPrint(const CloneImage& image);
