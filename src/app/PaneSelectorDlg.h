#pragma once
// The group selector pane of the main window (template 641): the group whose
// channels the channel grid shows, with its name tag and Group Scan flag,
// and a tab row of pane kinds that the rules keep hidden. inner_ConvDlg is
// the main window's variant: one tab, and choosing a tab asks the main
// window for a pane of that kind.
#include <span>

#include "image/CloneImage.h"
#include "ui/PaneFramework.h"

class wxChoice;
class UpDownCtrl;
class wxCheckBox;
class HEditKXTag;
class HighlightedTabCtrl;

class PaneSelectorDialog : public HPainBaseDlg {
  public:
    enum {
        IDD = 641,
        IDC_GROUP_CAPTION = 2001,
        IDC_GROUP = 2101,
        IDC_SPIN = 2701,
        IDC_TAG_CAPTION = 2002,
        IDC_TAG = 2301,
        IDC_GROUP_SCAN = 2201,
        IDC_TAB = 1130,
    };
    // Visibility states of the pane's rule table.
    struct Visibility {
        bool shown;
        bool enabled;
        bool readOnly;
        bool operator==(const Visibility&) const = default;
    };
    static Visibility VisibilityOf(int controlId, int variant, int serviceMode);
    // The number of groups the image offers: 0-8.
    static int GroupCount(const CloneImage& image);

    explicit PaneSelectorDialog(CloneImage& image) : image_(image) {}

    void RefreshFromImage() override;
    void SelectNext() override;
    void SelectPrevious() override;

    // The selected group, -1 when none.
    int SelectedGroup() const;
    // Selects a group as a choice in the box does.
    void SelectGroup(int group);
    // The tag edit lost the focus: its text becomes the group's tag.
    void CommitTag();

    HighlightedTabCtrl* Tabs() const { return tabs_; }

  protected:
    void BuildControls() override;
    bool OnInitDialog() override;
    // The tab row before the pane's size is taken; the base keeps every tab.
    virtual void PrepareTabs() {}

    void ApplyVisibility();

  private:
    void RebuildList(int count);
    void ShowGroup();

  protected:
    CloneImage& image_;
    wxChoice* groups_ = nullptr;
    UpDownCtrl* spin_ = nullptr;
    HEditKXTag* tag_ = nullptr;
    wxCheckBox* groupScan_ = nullptr;
    HighlightedTabCtrl* tabs_ = nullptr;
    int listed_ = -1;
};

class inner_ConvDlg : public PaneSelectorDialog {
  public:
    // `paneKind` is the kind of the main window's active pane.
    inner_ConvDlg(CloneImage& image, int paneKind) : PaneSelectorDialog(image), paneKind_(paneKind) {}

  protected:
    void PrepareTabs() override;

  private:
    int paneKind_;
};
