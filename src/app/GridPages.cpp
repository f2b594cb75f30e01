#include "app/GridPages.h"

#include "app/ProgramFolders.h"
#include "image/ImageHost.h"
#include "tone/FiveToneSystemViews.h"
#include "tone/FiveToneTableDlg.h"
#include "tone/TwoToneSystemViews.h"
#include "ui/PaneFramework.h"

namespace {

// A tone view made for one fitting; the view window goes with it.
class ToneViewPage : public AutoGridWidth {
  public:
    // `oneDigitGroupHeads`: the two upper header rows hold the long captions
    // of column groups; they are fitted as one digit so that they do not
    // widen the columns under them.
    ToneViewPage(CToneGridView* view, bool oneDigitGroupHeads) : view_(view), oneDigitGroupHeads_(oneDigitGroupHeads) {
        view_->Hide();
    }
    ~ToneViewPage() override { view_->Destroy(); }
    void FitColumnWidths() override {
        if (oneDigitGroupHeads_)
            for (int row = 0; row < 2; ++row)
                for (int col = 0; col < view_->Grid().GetCols(); ++col) view_->Grid().SetTextMatrix(row, col, "5");
        view_->AutoGridWidth();
        view_->SaveWidths();
    }

  private:
    CToneGridView* view_;
    bool oneDigitGroupHeads_;
};

template <class Make>
void RegisterView(bool oneDigitGroupHeads, Make make) {
    AutoGridWidth::RegisterPage([=](wxWindow* parent, CloneImage& image) {
        return AutoGridWidth::Page{nullptr, new ToneViewPage(make(parent, image), oneDigitGroupHeads)};
    });
}

}  // namespace

void RegisterToneGridPages() {
    RegisterView(false, [](wxWindow* parent, CloneImage& image) { return new C2ToneSystemView1(parent, image); });
    RegisterView(false, [](wxWindow* parent, CloneImage& image) { return new C2ToneSystemView2(parent, image); });
    RegisterView(false, [](wxWindow* parent, CloneImage& image) {
        return new C2ToneSystemView3(parent, image, ProgramFolders::ProgramFolder());
    });
    RegisterView(true, [](wxWindow* parent, CloneImage& image) {
        return new C5ToneSystemView1(parent, image, Host().ServiceMode());
    });
    RegisterView(true, [](wxWindow* parent, CloneImage& image) { return new C5ToneSystemView2(parent, image); });
    RegisterView(true, [](wxWindow* parent, CloneImage& image) {
        return new C5ToneSystemView3(parent, image, ProgramFolders::ProgramFolder());
    });
    AutoGridWidth::RegisterPage([](wxWindow* parent, CloneImage& image) {
        return AutoGridWidth::Page{nullptr, new C5ToneTableDlg(parent, image, Host().ServiceMode())};
    });
}
