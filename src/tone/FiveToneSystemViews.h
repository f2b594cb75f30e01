#pragma once
// The three grid views of the 5-tone system window: systems, encode codes and
// decode codes, each a CToneGridView with the actions that are its own
// (popups, playback, drag and drop). The system view also carries the setup
// buttons that put its cursor on the settings of the chosen setup.
#include <filesystem>
#include <memory>

#include "tone/FiveToneViews.h"
#include "tone/Phrase.h"
#include "tone/ToneGridView.h"

class wxRadioButton;

// The one drag state of the program, shared by the three views.
FiveToneViews::DragState& FiveToneDragState();

class C5ToneSystemView1 : public CToneGridView {
  public:
    enum { IDC_STANDARD = 1070, IDC_ADVANCED = 1071 };
    C5ToneSystemView1(wxWindow* parent, CloneImage& image, int serviceMode);
    void CommitAllCells() override;

  protected:
    bool RunAction(int action, int row, int col) override;
    void OnDrop(FlexGridEvent& event) override;

  private:
    void ApplySetupMode();
    void OnSetupButton(int id);

    wxRadioButton* standard_ = nullptr;
    wxRadioButton* advanced_ = nullptr;
};

class C5ToneSystemView2 : public CToneGridView {
  public:
    C5ToneSystemView2(wxWindow* parent, CloneImage& image);

  protected:
    bool IsDragSource() const override { return true; }
    void OnStartDrag(FlexGridEvent& event) override;
};

class C5ToneSystemView3 : public CToneGridView {
  public:
    C5ToneSystemView3(wxWindow* parent, CloneImage& image, std::filesystem::path programFolder);
    CPhrase& Player() { return *player_; }

  protected:
    bool IsDragSource() const override { return true; }
    bool RunAction(int action, int row, int col) override;
    void OnStartDrag(FlexGridEvent& event) override;
    const wxBitmap* PictureOf(int row, int col, const std::string& text) const override;

  private:
    void PlayToneSample(int row);

    std::filesystem::path programFolder_;
    std::unique_ptr<CPhrase> player_;
};

// The value of a list column chosen in the popup list; the choice is stored
// like a typed text. True when the user chose a row. `key`: the RID the
// popup is opened for (its help topic and the sub-index of its texts).
bool ChooseFromPopup(CToneGridView& view, int row, int col, const std::string& caption, int key);
