#include "ui/MessageService.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace {
WxMessageService g_defaultService;
MessageService* g_service = &g_defaultService;

wxString FromUtf8(std::string_view s) {
    return wxString::FromUTF8(s.data(), s.size());
}
}  // namespace

int DefaultAnswer(unsigned style) {
    return CautiousAnswer(style);
}

int WxMessageService::Show(std::string_view text, std::string_view caption, unsigned style) {
    long wxStyle = 0;
    switch (style & 0x0F) {
        case MsgStyle::OkCancel:
            wxStyle = wxOK | wxCANCEL;
            break;
        case MsgStyle::YesNoCancel:
            wxStyle = wxYES_NO | wxCANCEL;
            break;
        case MsgStyle::YesNo:
            wxStyle = wxYES_NO;
            break;
        default:
            wxStyle = wxOK;
            break;
    }
    switch (style & 0xF0) {
        case MsgStyle::IconError:
            wxStyle |= wxICON_ERROR;
            break;
        case MsgStyle::IconQuestion:
            wxStyle |= wxICON_QUESTION;
            break;
        case MsgStyle::IconWarning:
            wxStyle |= wxICON_WARNING;
            break;
        case MsgStyle::IconInformation:
            wxStyle |= wxICON_INFORMATION;
            break;
        default:
            break;
    }
    wxString title = caption.empty() && wxTheApp ? wxTheApp->GetAppDisplayName() : FromUtf8(caption);
    wxMessageDialog dlg(parent_, FromUtf8(text), title, wxStyle);
    switch (dlg.ShowModal()) {
        case wxID_YES:
            return MsgAnswer::Yes;
        case wxID_NO:
            return MsgAnswer::No;
        case wxID_CANCEL:
            return MsgAnswer::Cancel;
        default:
            return MsgAnswer::Ok;
    }
}

int ScriptedMessageService::Show(std::string_view text, std::string_view caption, unsigned style) {
    std::lock_guard lock(mutex_);
    messages_.push_back({std::string(text), std::string(caption), style});
    if (answers_.empty()) return DefaultAnswer(style);
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedMessageService::QueueAnswer(int answer) {
    std::lock_guard lock(mutex_);
    answers_.push_back(answer);
}

std::vector<ScriptedMessageService::Message> ScriptedMessageService::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::size_t ScriptedMessageService::Count() const {
    std::lock_guard lock(mutex_);
    return messages_.size();
}

ScriptedMessageService::Message ScriptedMessageService::Last() const {
    std::lock_guard lock(mutex_);
    return messages_.empty() ? Message{{}, {}, 0} : messages_.back();
}

void ScriptedMessageService::Clear() {
    std::lock_guard lock(mutex_);
    messages_.clear();
    answers_.clear();
}

MessageService& Messages() {
    return *g_service;
}
void SetMessageService(MessageService* service) {
    g_service = service ? service : &g_defaultService;
}

int ShowMessage(std::string_view text, std::string_view caption, unsigned style) {
    return Messages().Show(text, caption, style);
}

ScopedMessageService::ScopedMessageService(MessageService& service) : previous_(g_service) {
    g_service = &service;
}
ScopedMessageService::~ScopedMessageService() {
    g_service = previous_;
}
