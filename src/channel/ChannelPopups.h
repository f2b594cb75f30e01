#pragma once
// The per-channel popups the channel grid opens from a cell: the ANI setup
// (dialog 223), the VOX or encryption list (227) and the sub-audio code list
// (227). Each edits the image it is given, which the caller has copied from
// the document, and writes only when the user confirms.
#include <wx/dialog.h>

#include <functional>

#include "channel/ChannelPopupsRules.h"
#include "image/CloneImage.h"
#include "ui/Restraction.h"

class wxButton;
class wxChoice;
class wxListBox;
class wxStaticText;

namespace ChannelPopups {

// Runs a dialog modally. Tests install a runner that answers without a
// modal loop; null restores ShowModal.
using ModalRunner = std::function<int(wxDialog& dialog)>;
void SetModalRunner(ModalRunner runner);
int RunModal(wxDialog& dialog);

// The settings screens of the other ANI systems, which their own dialogs
// provide. A screen not registered has no path to it: "ANI Setting" stays
// disabled for that type. An opener returns the dialog's modal result and
// edits the image it is given.
using ScreenOpener = std::function<int(wxWindow* parent, CloneImage& image)>;
void RegisterAniScreen(AniScreen screen, ScreenOpener opener);
bool IsAniScreenAvailable(AniScreen screen);
// Runs the registered screen; -1 when there is none.
int OpenAniScreen(AniScreen screen, wxWindow* parent, CloneImage& image);

}  // namespace ChannelPopups

class CCHSetupANI : public wxDialog {
  public:
    enum {
        IDD = 223,
        IDC_CHANNEL = 1149,
        IDC_TYPE_CAPTION = 2001,
        IDC_TABLE_CAPTION = 2002,
        IDC_MONITOR_CAPTION = 2003,
        IDC_TYPE = 2101,
        IDC_TABLE = 2102,
        IDC_MONITOR = 2103,
        IDC_SETTING = 2401,
    };

    CCHSetupANI(wxWindow* parent, CloneImage& image, int channel);

    wxChoice* TypeCombo() const { return type_; }
    wxChoice* TableCombo() const { return table_; }
    wxChoice* MonitorCombo() const { return monitor_; }
    wxButton* SettingButton() const { return setting_; }

    // What the buttons do: OK saves and closes with OK; "ANI Setting" saves
    // and closes with 1024 + the chosen type.
    void Confirm();
    void ChooseSetting();
    // The selection of the type combo changed.
    void OnTypeChanged();

  private:
    void ApplyDependentStates();
    void SaveFields();
    void Finish(int code);

    CloneImage& image_;
    int channel_;
    wxChoice* type_ = nullptr;
    wxChoice* table_ = nullptr;
    wxChoice* monitor_ = nullptr;
    wxButton* setting_ = nullptr;
};

// The rules of the ANI dialog that need the channel.
class CCHSetupANI_Restraction : public CRestraction {
  public:
    CCHSetupANI_Restraction(wxWindow* dialog, int channel, const CloneImage& image)
        : CRestraction(dialog), channel_(channel), image_(image) {}
    void CheckControl(int controlId) override;

  private:
    int channel_;
    const CloneImage& image_;
};

// The VOX (kind 1) or encryption (kind 2) list of one channel.
class CChSetupPopup : public wxDialog {
  public:
    enum { IDD = 227, IDC_LIST = 1153 };

    CChSetupPopup(wxWindow* parent, CloneImage& image, int channel, int kind);

    wxListBox* List() const { return list_; }
    // OK: the selected row's value is stored.
    void Confirm();

  private:
    CloneImage& image_;
    int channel_;
    int kind_;
    wxListBox* list_ = nullptr;
};

// The CTCSS tones or DCS codes of one side (0 decode, 1 encode) of a channel.
class CChSetupSubAudio : public wxDialog {
  public:
    enum { IDD = 227, IDC_LIST = 1153 };

    CChSetupSubAudio(wxWindow* parent, CloneImage& image, int channel, int direction);

    wxListBox* List() const { return list_; }
    wxButton* OkButton() const { return ok_; }
    // OK: the chosen code is stored on the dialog's side. With no row chosen
    // OK stays disabled and the stored code is kept.
    void Confirm();

  private:
    void UpdateOk();

    CloneImage& image_;
    int channel_;
    int direction_;
    int type_;
    wxListBox* list_ = nullptr;
    wxButton* ok_ = nullptr;
};
