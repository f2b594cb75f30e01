#pragma once
// The channel editor pane (template 143): every setting of one channel in
// combo boxes, edits and check boxes. Each change is written into the image
// at once and the channel is shown again from the image, so the pane always
// shows what is stored. The channel information dialog hosts it.
#include <wx/panel.h>

#include <functional>
#include <map>
#include <string>

#include "channel/ChannelEditorRules.h"
#include "channel/ChannelTables.h"
#include "image/CloneImage.h"
#include "ui/PaneFramework.h"
#include "ui/Restraction.h"

class wxCheckBox;
class wxChoice;
class wxStaticText;
class HEditBase;

// The pane's rule object: the decisions of state 2 and state 5 on the
// pane's own controls.
class CCHInfoSub_Restraction : public CRestraction {
  public:
    CCHInfoSub_Restraction(wxWindow* dialog, const CloneImage& image, int channel)
        : CRestraction(dialog), image_(image), channel_(channel) {}
    void SetChannel(int channel) { channel_ = channel; }
    void CheckControl(int controlId) override;
    int CheckControlUnconditional(int controlId) override;

  private:
    const CloneImage& image_;
    int channel_;
};

class CCHInfoSub : public HPainBaseDlg {
  public:
    enum { IDD = ChannelEditor::DialogId };

    // The pane edits `image` (not owned) and starts on `channel` (-1: none).
    CCHInfoSub(CloneImage& image, int channel);
    ~CCHInfoSub() override;

    // HPainBaseDlg
    void RefreshFromImage() override;
    int GetCurrentIndex() const override { return channel_; }
    void OnIndexChanged(int index) override;
    void RestoreFocus() override;

    // Shows `index` (as the channel combo, F2, F5 and the main frame do).
    void SelectChannel(int index);
    void SelectNext();
    void SelectPrevious();
    // Stores the edit that has the focus, as leaving it would.
    void CommitFocusedEdit();
    // The pane's keys: F2, F5, and in a sub-audio edit Space, F3 and Enter.
    // True when the key was used.
    bool HandleKey(int keyCode, wxWindow* target);

    // Told the channel after every change the pane writes.
    void SetChangeHandler(std::function<void(int channel)> handler) { changed_ = std::move(handler); }

    wxChoice* Combo(int id) const;
    HEditBase* Edit(int id) const;
    wxCheckBox* CheckBox(int id) const;
    // The value of a combo's selected row, -1 when nothing is selected.
    int SelectedValue(int id) const;
    // Selects the row of `value` and handles it as the user's choice.
    void ChooseValue(int id, int value);
    // Types `text` into an edit and leaves it.
    void EnterText(int id, const std::string& text);
    void SetCheck(int id, bool checked);

    CCHInfoSub_Restraction& Restraction() { return rules_; }
    // Opens the sub-audio list of one side (null: the sub-audio popup);
    // tests replace it.
    using SubAudioPopup =
        std::function<void(wxWindow* parent, CloneImage& image, int channel, int direction)>;
    static void SetSubAudioPopup(SubAudioPopup popup);

  protected:
    void BuildControls() override;
    bool OnInitDialog() override;

  private:
    HEditBase* MakeEdit(wxWindow* parent, int id);
    void FillLists();
    void FillCombo(int id);
    void LoadChannel();
    void ApplyStates();
    void Changed();
    void OnCombo(int id);
    void OnCheck(int id);
    void LeaveEdit(int id);
    void OpenSubAudioPopup(int id);
    void OnCharHook(wxKeyEvent& event);

    CloneImage& image_;
    int channel_;
    bool popupActive_ = false;
    bool loading_ = false;
    std::map<int, wxChoice*> combos_;
    std::map<int, ChannelTables::RowList> rows_;
    std::map<int, HEditBase*> edits_;
    std::map<int, std::string> shown_;
    std::map<int, wxCheckBox*> checks_;
    CCHInfoSub_Restraction rules_;
    std::function<void(int)> changed_;
};
