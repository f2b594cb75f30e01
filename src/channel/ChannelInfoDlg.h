#pragma once
// "Channel Information" (template 142): the channel editor pane in a modal
// dialog with OK, Cancel and Help and the hint "F2 for Next CH   F5 for
// Previous CH". The pane writes into the image the dialog is given as the
// user edits; the caller gives it a working copy and keeps the copy only
// when the dialog ends with OK (EditChannel does both). The dialog may be
// made smaller than its content, which then scrolls.
#include <wx/dialog.h>

#include <functional>

#include "image/CloneImage.h"

class CCHInfoSub;
class wxScrolledWindow;

class CCHInformation : public wxDialog {
  public:
    enum { IDD = 142, IDC_HINT = 1177, IDC_HELP = 2450 };
    static constexpr int HintRid = 57356;
    static constexpr int MinWidth = 800, MinHeight = 580;

    CCHInformation(wxWindow* parent, CloneImage& image, int channel);
    ~CCHInformation() override;

    CCHInfoSub* Pane() const { return pane_; }
    wxScrolledWindow* Content() const { return content_; }
    // The full size of the content: the largest the dialog becomes.
    wxSize ContentSize() const { return contentSize_; }

    // The dialog's keys: Escape cancels; Ctrl+C in a combo box copies its
    // text; F2 and F5 move to the next and previous channel; F1 opens help.
    // True when the key was used.
    bool HandleKey(int keyCode, bool ctrl, wxWindow* focus);

    // Runs the dialog modally (through the runner tests may install).
    int Run();
    using ModalRunner = std::function<int(CCHInformation& dialog)>;
    static void SetModalRunner(ModalRunner runner);

    // Edits `channel` on a copy of `document`; with OK the copy replaces the
    // document's image. True on OK.
    static bool EditChannel(wxWindow* parent, CloneImage& document, int channel);

  private:
    void OnCharHook(wxKeyEvent& event);
    void Finish(int code);

    CCHInfoSub* pane_ = nullptr;
    wxScrolledWindow* content_ = nullptr;
    wxSize contentSize_;
};
