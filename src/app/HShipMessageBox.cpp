#include "app/HShipMessageBox.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/time.h>

#include <chrono>

#include "app/ShipMode.h"
#include "app/ShipResultPicture.h"
#include "language/Language.h"
#include "ui/UiUtil.h"

int HShipMessageBox::MessageKind(std::string_view text) {
    const struct {
        std::string completed, timeOut;
    } texts{TextByRid(32916, "Download is Completed!"), TextByRid(32910, "Time Out Error")};
    const std::pair<std::string, int> table[] = {{texts.completed, 183},
                                                 {texts.timeOut, 182},
                                                 {"Product Type mismatched", 181},
                                                 {"Port Open Error!", 118},
                                                 {"Communication Error", 118},
                                                 {"Frequency Band Mismatched", 118}};
    for (const auto& [needle, kind] : table)
        if (!needle.empty() && text.find(needle) != std::string_view::npos) return kind;
    return 0;
}

HShipMessageBox::HShipMessageBox(wxWindow* parent, std::string caption, std::string text,
                                 std::filesystem::path watchFile)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(caption.empty() ? std::string("pardex") : caption)),
      text_(std::move(text)),
      watchFile_(std::move(watchFile)),
      kind_(MessageKind(text_)),
      timer_(this, TimerId) {
    auto* picture = new wxStaticBitmap(this, IDC_PICTURE, wxNullBitmap);
    auto* message = new wxStaticText(this, IDC_TEXT, wxString::FromUTF8(text_));
    if (kind_ == 118 || kind_ == 181 || kind_ == 182) message->SetForegroundColour(*wxRED);
    // The picture stands for the kind; the other link errors show none.
    if (const wxBitmap drawn = ShipResultPicture::For(kind_, GetBackgroundColour()); drawn.IsOk())
        picture->SetBitmap(drawn);
    else
        picture->Hide();
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(picture, wxSizerFlags().Border(wxALL, 10));
    row->Add(message, wxSizerFlags(1).CenterVertical().Border(wxALL, 10));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    buttons->Add(ok, wxSizerFlags().Border(wxRIGHT, 6));
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    buttons->Add(cancel);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(row, wxSizerFlags(1).Expand());
    column->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 10));
    SetSizer(column);
    UiUtil::TranslateWindowTexts(this, IDD);
    if (caption.empty()) SetTitle(wxTheApp ? wxTheApp->GetAppDisplayName() : wxString("pardex"));
    Fit();
    CentreOnParent();

    ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(wxID_OK); });
    cancel->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(wxID_CANCEL); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Finish(wxID_CANCEL); });
    Bind(wxEVT_TIMER, &HShipMessageBox::OnTimer, this, TimerId);
    if (ShipMode::WatcherState() == ShipMode::Processing) StartWorker();
}

HShipMessageBox::~HShipMessageBox() {
    timer_.Stop();
    StopWorker();
}

void HShipMessageBox::StartWorker() {
    start_ = wxGetLocalTimeMillis();
    if (!timer_.Start(50)) return;
    workerFlag_ = 1;
    workerEnded_ = false;
    worker_ = std::thread([this] {
        using namespace std::chrono_literals;
        // A second first, then once a second until the next radio's file shows
        // up or the box no longer waits.
        for (int waited = 0; waited < 1000 && workerFlag_ == 1; waited += 50) std::this_thread::sleep_for(50ms);
        while (workerFlag_ == 1) {
            std::error_code ec;
            if (std::filesystem::exists(watchFile_, ec)) break;
            for (int waited = 0; waited < 1000 && workerFlag_ == 1; waited += 50) std::this_thread::sleep_for(50ms);
        }
        workerEnded_ = true;
    });
}

void HShipMessageBox::StopWorker() {
    workerFlag_ = 0;
    if (worker_.joinable()) worker_.join();
}

void HShipMessageBox::OnTimer(wxTimerEvent&) {
    if ((wxGetLocalTimeMillis() - start_).GetValue() > CloseAfterMs) workerFlag_ = 0;
    if (ShipMode::WatcherState() == ShipMode::Processing && workerEnded_ && IsModal()) Finish(wxID_OK);
}

void HShipMessageBox::Finish(int code) {
    timer_.Stop();
    StopWorker();
    if (IsModal()) EndModal(code);
}
