#include "app/GridPages.h"

#include "app/ProgramFolders.h"
#include "tone/TwoToneSystemViews.h"
#include "ui/PaneFramework.h"

namespace {

// A tone view made for one fitting; the view window goes with it.
class ToneViewPage : public AutoGridWidth {
  public:
    explicit ToneViewPage(CToneGridView* view) : view_(view) { view_->Hide(); }
    ~ToneViewPage() override { view_->Destroy(); }
    void FitColumnWidths() override {
        view_->AutoGridWidth();
        view_->SaveWidths();
    }

  private:
    CToneGridView* view_;
};

template <class View, class... Args>
void RegisterView(Args... args) {
    AutoGridWidth::RegisterPage([=](wxWindow* parent, CloneImage& image) {
        return AutoGridWidth::Page{nullptr, new ToneViewPage(new View(parent, image, args...))};
    });
}

}  // namespace

void RegisterToneGridPages() {
    RegisterView<C2ToneSystemView1>();
    RegisterView<C2ToneSystemView2>();
    RegisterView<C2ToneSystemView3>(ProgramFolders::ProgramFolder());
}
