#pragma once
// C5ToneTableDlg: the "5-Tone Table" dialog. A grid of the tones of the
// fourteen 5-tone formats and their tone and gap periods over the model of
// FiveToneTable; edits go into the working copy at once, OK checks the USER
// tones' decode bands, writes what the user changed and recomputes the tone
// registers when a tone changed.
#include <wx/dialog.h>

#include <memory>
#include <string>

#include "image/CloneImage.h"
#include "tone/FiveToneTable.h"
#include "ui/PaneFramework.h"
#include "ui/PrintableScreen.h"

class CVSFlexGrid;
class FlexGridEvent;

class C5ToneTableDlg : public wxDialog, public AutoGridWidth {
  public:
    enum { IDD = FiveToneTable::DialogId, IDC_GRID = FiveToneTable::GridId, IDC_HELP = 2450, IDC_CANCEL = 1096 };
    static constexpr const char* Section = "Tone5_Table";

    C5ToneTableDlg(wxWindow* parent, CloneImage& working, int serviceMode);
    ~C5ToneTableDlg() override;

    // Runs the dialog on the working copy; true on OK.
    static bool Edit(wxWindow* parent, CloneImage& working);
    // The dialog in the printed document.
    static std::unique_ptr<PrintableScreen> Print(const CloneImage& image);

    CVSFlexGrid& Grid() { return *grid_; }
    FiveToneTable::Model& Model() { return model_; }
    // OK as the button does it: stays open when USER decode bands overlap.
    bool TryOk();
    // Fits the columns to their texts and keeps the widths; the window's
    // placement is left as it was saved.
    void FitColumnWidths() override;

  private:
    void SetupGrid();
    void ShowCell(int row, int col);
    void OnGridKey(wxKeyEvent& event);
    void Copy();
    void Paste();
    void SavePlacement();
    void ShowHelp();

    FiveToneTable::Model model_;
    CVSFlexGrid* grid_ = nullptr;
    bool saved_ = false;
};
