// Times the 2-tone views in a shown window on a default data file: a whole
// refresh of each view from the image, painted (target: under 20 ms), and one edit
// step (cycle the cell, store it, redraw its row) over every data cell of the
// system view, then a scroll through the grid.
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/sizer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "image/FileUtil.h"
#include "tone/TwoToneSystemViews.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Runs `work` and paints `view` before the clock stops.
double TimeMs(wxWindow* view, const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    view->Refresh();
    view->Update();
    wxTheApp->Yield(true);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "no display: run under xvfb-run -a\n");
        return 1;
    }
    wxTheApp->CallOnInit();

    CloneImage image;
    const std::string file = std::string(ZT_DEFAULT_DATA_DIR) + "/default640v.PDX";
    if (FileUtil::LoadImageFile(image, file) != 1) {
        std::fprintf(stderr, "cannot load %s\n", file.c_str());
        return 1;
    }
    auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(1200, 900));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    CToneGridView* views[] = {new C2ToneSystemView1(frame, image), new C2ToneSystemView2(frame, image),
                              new C2ToneSystemView3(frame, image, ".")};
    for (auto* v : views) sizer->Add(v, 1, wxEXPAND);
    frame->SetSizer(sizer);
    frame->Show();
    wxTheApp->Yield(true);

    constexpr int kRuns = 30;
    const char* names[] = {"system", "encode", "decode"};
    for (int k = 0; k < 3; ++k) {
        std::vector<double> t;
        for (int i = 0; i < kRuns; ++i) t.push_back(TimeMs(views[k], [&] { views[k]->RefreshGrid(); }));
        std::printf("refresh of the %s view: median %.2f ms, worst %.2f ms\n", names[k], Median(t),
                    *std::max_element(t.begin(), t.end()));
    }

    CToneGridView& system = *views[0];
    auto& model = system.Model();
    std::vector<double> edits;
    for (int row = model.HeaderRows(); row < model.Rows(); ++row)
        for (int col = 1; col < model.Cols(); ++col) {
            if (model.Column(col).kind == GridView::CellKind::Typed) continue;
            edits.push_back(TimeMs(&system, [&] {
                model.CycleCell(row, col);
                system.RefreshRow(row);
            }));
        }
    std::printf("edit step in the system view (%zu cells): median %.3f ms, worst %.3f ms\n", edits.size(),
                Median(edits), *std::max_element(edits.begin(), edits.end()));

    std::vector<double> scroll;
    for (int row = model.HeaderRows(); row < model.Rows(); ++row)
        scroll.push_back(TimeMs(&system, [&] {
            system.Grid().SetRow(row);
            system.Grid().MakeCellVisible(row, model.Cols() - 1);
        }));
    std::printf("cursor moves with scrolling: median %.3f ms, worst %.3f ms\n", Median(scroll),
                *std::max_element(scroll.begin(), scroll.end()));

    frame->Destroy();
    wxTheApp->Yield(true);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
