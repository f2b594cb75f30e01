#include "serial/ui/UploadDownload.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/thread.h>

#include <algorithm>
#include <memory>

#include "language/Language.h"
#include "serial/CommResult.h"
#include "ui/MessageService.h"
#include "ui/UiUtil.h"

namespace {

CUploadDownload::ResultHook& Hook() {
    static CUploadDownload::ResultHook hook;
    return hook;
}

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

}  // namespace

void CUploadDownload::SetResultHook(ResultHook hook) {
    Hook() = std::move(hook);
}

CUploadDownload::CUploadDownload(wxWindow* parent, PasswordPrompt prompt)
    : wxDialog(parent, wxID_ANY, "Writing", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU),
      prompt_(std::move(prompt)),
      timer_(this) {
    message_ =
        new wxStaticText(this, IDC_MESSAGE, "", wxDefaultPosition, wxSize(360, 40), wxST_NO_AUTORESIZE);
    progress_ = new wxGauge(this, IDC_PROGRESS, 100, wxDefaultPosition, wxSize(360, 20),
                            wxGA_HORIZONTAL | wxGA_SMOOTH);
    cancel_ = new wxButton(this, IDC_CANCEL, "Cancel");
    // Holds the focus out of sight, so that no key reaches Cancel.
    auto* dummy = new wxButton(this, IDC_DUMMY_FOCUS, "Dummy Focus", wxPoint(-400, -400));

    // The bar and the button keep their places while hidden.
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(message_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 14));
    column->Add(progress_, wxSizerFlags().Expand().Border(wxALL, 14).ReserveSpaceEvenIfHidden());
    column->Add(cancel_,
                wxSizerFlags().Center().Border(wxLEFT | wxRIGHT | wxBOTTOM, 12).ReserveSpaceEvenIfHidden());
    SetSizer(column);

    UiUtil::TranslateWindowTexts(this, IDD);
    Fit();
    dummy->Move(-400, -400);
    CentreOnParent();
    SetEscapeId(wxID_NONE);

    wxDialog::SetTitle("");
    progress_->SetValue(0);
    progress_->Hide();
    progress_->Disable();
    dummy->SetFocus();

    cancel_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { PressCancel(); });
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { DrainTick(); }, timer_.GetId());
    Bind(wxEVT_CLOSE_WINDOW, &CUploadDownload::OnCloseBox, this);
    Bind(wxEVT_CHAR_HOOK, &CUploadDownload::OnCharHook, this);
}

CUploadDownload::~CUploadDownload() {
    timer_.Stop();
    MarkEnded();
}

// ---- runner side ----------------------------------------------------------------

void CUploadDownload::Open(CancelFlag& cancel) {
    {
        std::lock_guard lock(mutex_);
        ended_ = false;
    }
    cancelFlag_ = &cancel;
    cancel.store(false);
    closeRequested_ = false;
    cancel_->Show();
    cancel_->Enable();
}

void CUploadDownload::RunModal() {
    timer_.Start(TimerMs);
    if (!closeRequested_) ShowModal();
    timer_.Stop();
    MarkEnded();
}

void CUploadDownload::MarkEnded() {
    std::lock_guard lock(mutex_);
    ended_ = true;
    handled_.notify_all();
}

bool CUploadDownload::OnUiThread(std::function<void()> work) {
    if (wxThread::IsMain()) {
        if (ended_) return false;  // ended_ changes on this thread only
        work();
        return true;
    }
    auto done = std::make_shared<bool>(false);
    std::unique_lock lock(mutex_);
    if (ended_) return false;
    CallAfter([this, done, work = std::move(work)] {
        {
            // The worker stopped waiting when the dialog ended: what `work`
            // refers to may be gone.
            std::lock_guard guard(mutex_);
            if (ended_) return;
        }
        work();
        std::lock_guard guard(mutex_);
        *done = true;
        handled_.notify_all();
    });
    handled_.wait(lock, [&] { return *done || ended_; });
    return *done;
}

// ---- worker side ----------------------------------------------------------------

void CUploadDownload::SetState(int stateId) {
    OnUiThread([this, stateId] {
        if (stateId == currentState_) return;
        currentState_ = stateId;
        message_->SetLabel(Wx(CommResult::StateText(stateId)));
    });
}

void CUploadDownload::SetResult(int resultId) {
    OnUiThread([this, resultId] { resultId_ = resultId; });
}

void CUploadDownload::SetResultDetail(const std::string& detail) {
    OnUiThread([this, detail] { resultDetail_ = detail; });
}

void CUploadDownload::ShowCancel(bool show) {
    OnUiThread([this, show] {
        cancel_->Show(show);
        cancel_->Enable(show);
    });
}

void CUploadDownload::ShowProgress(bool show) {
    OnUiThread([this, show] {
        progress_->Show(show);
        progress_->Enable(show);
    });
}

void CUploadDownload::SetRange(int units) {
    OnUiThread([this, units] {
        progress_->SetRange(std::max(1, units * 10));
        steps_.Reset();
    });
}

void CUploadDownload::SetPosition(int units) {
    OnUiThread([this, units] {
        progress_->SetValue(std::clamp(units * 10, 0, progress_->GetRange()));
        steps_.Reset();
    });
}

void CUploadDownload::AddSteps(int units) {
    OnUiThread([this, units] { steps_.Add(units * 10); });
}

void CUploadDownload::SetTitle(int operationName) {
    OnUiThread([this, operationName] {
        const std::string name = CommResult::OperationName(operationName);
        std::string translated;
        const bool found = LangTable::LookupRID(MakeRID(0, IDD, IDC_OPERATION_NAMES), name, translated);
        wxDialog::SetTitle(Wx(found ? translated : name));
    });
}

int CUploadDownload::ShowResultNow(int resultId) {
    int answer = 0;
    OnUiThread([&] { answer = ShowResult(resultId); });
    return answer;
}

int CUploadDownload::ShowMessage(int /*rid*/, std::string_view text, unsigned style) {
    int answer = 0;
    OnUiThread([&] { answer = Messages().Show(text, {}, style); });
    return answer;
}

int CUploadDownload::AskPassword(std::string& entry) {
    int code = 2;
    OnUiThread([&] {
        if (prompt_) code = prompt_(this, entry);
    });
    return code;
}

void CUploadDownload::FinishSteps() {
    OnUiThread([this] { steps_.Finish(); });
}

void CUploadDownload::AbandonSteps() {
    OnUiThread([this] { steps_.Abandon(); });
}

void CUploadDownload::Close() {
    OnUiThread([this] { EndOperation(); });
}

// ---- user-interface thread ------------------------------------------------------

void CUploadDownload::DrainTick() {
    const int step = steps_.Tick();
    if (step > 0) progress_->SetValue(std::min(progress_->GetValue() + step, progress_->GetRange()));
}

void CUploadDownload::EndOperation() {
    // A cancelled operation ends quietly, whatever result was recorded.
    if (!(cancelFlag_ && cancelFlag_->load())) ShowResult(resultId_);
    timer_.Stop();
    if (IsModal())
        EndModal(2);
    else
        closeRequested_ = true;
}

int CUploadDownload::ShowResult(int resultId) {
    if (resultId < 1) return 0;
    std::string text = CommResult::MessageText(resultId);
    if (!text.empty() && !resultDetail_.empty())
        text += "\n\n" + resultDetail_;
    if (Hook())
        if (const auto answer = Hook()(this, resultId, text)) return *answer;
    Raise();
    if (text.empty()) return 0;
    return Messages().Show(text, CommResult::CaptionText(resultId),
                           static_cast<unsigned>(CommResult::Style(resultId)));
}

void CUploadDownload::PressCancel() {
    if (cancelFlag_) cancelFlag_->store(true);
}

void CUploadDownload::OnCloseBox(wxCloseEvent& event) {
    // The worker still owns the port: the box cancels where Cancel would,
    // and the dialog waits for the worker to close it.
    if (cancel_->IsShown() && cancel_->IsEnabled()) PressCancel();
    if (event.CanVeto()) {
        event.Veto();
        return;
    }
    event.Skip();
}

void CUploadDownload::OnCharHook(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
        case WXK_ESCAPE:
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            return;  // neither ends nor cancels the operation
        default:
            event.Skip();
    }
}
