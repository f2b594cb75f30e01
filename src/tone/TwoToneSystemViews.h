#pragma once
// The three views of the 2-tone system window: systems, encode records and
// decode records, each a CToneGridView with its own actions.
#include <filesystem>
#include <memory>

#include "tone/Phrase.h"
#include "tone/ToneGridView.h"
#include "tone/TwoToneViews.h"

// The drag between the three views of one window.
TwoToneViews::DragPayload& ToneDragPayload();

class C2ToneSystemView1 : public CToneGridView {
  public:
    C2ToneSystemView1(wxWindow* parent, CloneImage& image);
    void CommitAllCells() override;

  protected:
    void OnDrop(FlexGridEvent& event) override;
};

class C2ToneSystemView2 : public CToneGridView {
  public:
    C2ToneSystemView2(wxWindow* parent, CloneImage& image);

  protected:
    bool IsDragSource() const override { return true; }
    bool RunAction(int action, int row, int col) override;
    void OnStartDrag(FlexGridEvent& event) override;
};

class C2ToneSystemView3 : public CToneGridView {
  public:
    C2ToneSystemView3(wxWindow* parent, CloneImage& image, std::filesystem::path programFolder);
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

// Runs the code select popup on a copy of the view's image; on OK the copy
// comes back and the row is shown again.
bool SelectToneCode(CToneGridView& view, int row, int kind);
