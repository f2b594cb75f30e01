// The sound output on ALSA's default device. A worker thread writes the
// queued buffers (blocking writes) and reports each one done through the
// owner's post function, so the player only ever runs on its own thread.
#include <alsa/asoundlib.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "tone/Phrase.h"

namespace {

// ALSA's own diagnostics go to stderr; the player reports failures itself.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

class AlsaOutput : public WaveOutput {
  public:
    explicit AlsaOutput(PostToOwner post) : post_(std::move(post)) { snd_lib_error_set_handler(&QuietAlsa); }
    ~AlsaOutput() override { Close(); }

    bool Open(const Wave::Format& format, std::string& error) override {
        Close();
        // Opened without blocking: a device held by another program, or none
        // at all, must fail at once instead of hanging the window.
        int rc = snd_pcm_open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
        if (rc < 0) {
            pcm_ = nullptr;
            error = std::string("No sound device can be opened: ") + snd_strerror(rc) + ".";
            return false;
        }
        snd_pcm_nonblock(pcm_, 0);
        rc = snd_pcm_set_params(pcm_, SND_PCM_FORMAT_U8, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                                format.samplesPerSecond, 1, 300000);
        if (rc < 0) {
            error = std::string("The sound device refuses the sample's format: ") + snd_strerror(rc) + ".";
            snd_pcm_close(pcm_);
            pcm_ = nullptr;
            return false;
        }
        stop_ = false;
        paused_ = false;
        written_ = 0;
        finishedReported_ = false;
        worker_ = std::thread([this] { Run(); });
        return true;
    }

    bool IsOpen() const override { return pcm_ != nullptr; }

    void Write(const std::uint8_t* data, std::size_t size) override {
        std::lock_guard lock(mutex_);
        queue_.emplace_back(data, data + size);
        finishedReported_ = false;
        wake_.notify_all();
    }

    std::uint64_t Position() override {
        std::lock_guard lock(mutex_);
        if (!pcm_) return 0;
        snd_pcm_sframes_t delay = 0;
        if (snd_pcm_delay(pcm_, &delay) < 0 || delay < 0) delay = 0;
        return written_ > static_cast<std::uint64_t>(delay) ? written_ - static_cast<std::uint64_t>(delay) : 0;
    }

    void Pause(bool paused) override {
        std::lock_guard lock(mutex_);
        paused_ = paused;
        wake_.notify_all();
    }

    void Close() override {
        if (!pcm_) return;
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
            queue_.clear();
            wake_.notify_all();
        }
        if (worker_.joinable()) worker_.join();
        snd_pcm_drop(pcm_);
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
        alive_ = std::make_shared<int>(0);  // reports still on their way are dropped
    }

  private:
    void Report() {
        if (!post_) return;
        post_([this, alive = std::weak_ptr<int>(alive_)] {
            if (alive.lock() && onBufferDone) onBufferDone();
        });
    }

    void Run() {
        std::unique_lock lock(mutex_);
        while (!stop_) {
            if (paused_ || queue_.empty()) {
                // With nothing queued, report once more when the device has
                // played everything, so the player can close it.
                if (!paused_ && !finishedReported_ && written_ > 0) {
                    snd_pcm_sframes_t delay = 0;
                    if (snd_pcm_delay(pcm_, &delay) < 0 || delay <= 0) {
                        finishedReported_ = true;
                        Report();
                        continue;
                    }
                }
                wake_.wait_for(lock, std::chrono::milliseconds(20));
                continue;
            }
            std::vector<std::uint8_t> buffer = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            std::size_t done = 0;
            while (done < buffer.size()) {
                snd_pcm_sframes_t n = snd_pcm_writei(pcm_, buffer.data() + done, buffer.size() - done);
                if (n < 0) n = snd_pcm_recover(pcm_, static_cast<int>(n), 1);
                if (n < 0) break;
                done += static_cast<std::size_t>(n);
            }
            lock.lock();
            written_ += buffer.size();
            Report();
        }
    }

    PostToOwner post_;
    snd_pcm_t* pcm_ = nullptr;
    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::vector<std::uint8_t>> queue_;
    bool stop_ = false, paused_ = false, finishedReported_ = false;
    std::uint64_t written_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace

std::unique_ptr<WaveOutput> MakeAlsaOutput(PostToOwner post) {
    return std::make_unique<AlsaOutput>(std::move(post));
}
