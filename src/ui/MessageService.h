#pragma once
// Message boxes. Every window of the program asks the current service, so
// tests can install a scripted one and answer without a modal loop. The
// service takes finished texts: looking a text up by its RID is the caller's
// business. Styles and answers are MsgStyle / MsgAnswer of the image library.
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "image/ImageHost.h"

class wxWindow;

class MessageService {
  public:
    virtual ~MessageService() = default;
    // Shows `text` under `caption` (empty: the program's name) with the
    // buttons and icon of `style`; returns the MsgAnswer of the button chosen.
    virtual int Show(std::string_view text, std::string_view caption, unsigned style) = 0;
};

// The cautious answer to a message of `style` when nobody chooses: Ok for a
// plain box, No for yes/no, Cancel where there is a Cancel button.
int DefaultAnswer(unsigned style);

// Modal wxMessageDialog over `parent` (null: the active top window).
class WxMessageService : public MessageService {
  public:
    explicit WxMessageService(wxWindow* parent = nullptr) : parent_(parent) {}
    int Show(std::string_view text, std::string_view caption, unsigned style) override;
    void SetParent(wxWindow* parent) { parent_ = parent; }

  private:
    wxWindow* parent_;
};

// Records every message and answers from a queue of preset answers; when the
// queue is empty it gives DefaultAnswer(style). Safe to call from any thread.
class ScriptedMessageService : public MessageService {
  public:
    struct Message {
        std::string text;
        std::string caption;
        unsigned style;
    };

    int Show(std::string_view text, std::string_view caption, unsigned style) override;

    // Answers the next messages in this order.
    void QueueAnswer(int answer);
    std::vector<Message> Messages() const;
    std::size_t Count() const;
    // The last message shown; an empty record when none.
    Message Last() const;
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::vector<Message> messages_;
    std::deque<int> answers_;
};

// The process-wide service. Never null: a WxMessageService serves until one is
// set.
MessageService& Messages();
// Installs `service` (not owned); nullptr restores the default.
void SetMessageService(MessageService* service);
// Shorthand for Messages().Show(...).
int ShowMessage(std::string_view text, std::string_view caption = {}, unsigned style = MsgStyle::Ok);

// Installs a service for the lifetime of this object and restores the one
// before it afterwards.
class ScopedMessageService {
  public:
    explicit ScopedMessageService(MessageService& service);
    ~ScopedMessageService();
    ScopedMessageService(const ScopedMessageService&) = delete;
    ScopedMessageService& operator=(const ScopedMessageService&) = delete;

  private:
    MessageService* previous_;
};
