#include "tone/Phrase.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

CPhrase::CPhrase(std::unique_ptr<WaveOutput> output) : output_(std::move(output)) {
    std::weak_ptr<int> alive = alive_;
    output_->onBufferDone = [this, alive] {
        if (alive.lock()) OnBufferDone();
    };
}

CPhrase::~CPhrase() {
    Stop();
    output_->onBufferDone = nullptr;
}

CPhrase::Load CPhrase::LoadWave(const std::filesystem::path& path) {
    Stop();
    std::ifstream in(path, std::ios::binary);
    std::error_code ec;
    if (!in || std::filesystem::is_directory(path, ec)) {
        loadError_.clear();
        return Load::Missing;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return LoadBytes(bytes);
}

CPhrase::Load CPhrase::LoadBytes(const std::vector<std::uint8_t>& bytes) {
    Stop();
    emptyData_ = false;
    Wave::Parsed parsed = Wave::Parse(bytes);
    if (!parsed.ok()) {
        loadError_ = Wave::Describe(parsed.error);
        return Load::Invalid;
    }
    loadError_.clear();
    format_ = parsed.format;
    loaded_ = std::move(parsed.samples);
    emptyData_ = loaded_.empty();
    Rewind();
    return Load::Ok;
}

bool CPhrase::Play() {
    deviceError_.clear();
    playing_ = loaded_;
    if (playing_.empty()) return emptyData_;
    if (output_->IsOpen()) return false;
    if (!output_->Open(format_, deviceError_)) return false;
    paused_ = false;
    next_ = 0;
    base_ = written_;
    output_->Pause(true);
    QueueNextBuffer();
    QueueNextBuffer();
    next_ = 0;
    output_->Pause(false);
    return true;
}

void CPhrase::QueueNextBuffer() {
    if (!output_->IsOpen()) return;
    const std::size_t n = std::min(BufferSize, playing_.size() - written_);
    if (n == 0) return;
    auto& buffer = buffers_[static_cast<std::size_t>(next_)];
    next_ ^= 1;
    buffer.assign(playing_.begin() + static_cast<std::ptrdiff_t>(written_),
                  playing_.begin() + static_cast<std::ptrdiff_t>(written_ + n));
    written_ += n;
    output_->Write(buffer.data(), buffer.size());
}

void CPhrase::OnBufferDone() {
    if (!output_->IsOpen()) return;
    if (written_ < playing_.size()) {
        QueueNextBuffer();
        return;
    }
    if (base_ + output_->Position() >= playing_.size()) {
        Stop();
        Rewind();
    }
}

void CPhrase::PauseResume() {
    if (!output_->IsOpen()) return;
    paused_ = !paused_;
    output_->Pause(paused_);
}

void CPhrase::Stop() {
    if (!output_->IsOpen()) return;
    output_->Close();
    paused_ = false;
    if (written_ >= playing_.size() && !playing_.empty()) Rewind();
}

// ---- outputs ---------------------------------------------------------------------

namespace {

// Plays nothing: each buffer is reported done as soon as the owner's loop
// runs again.
class NullOutput : public WaveOutput {
  public:
    explicit NullOutput(PostToOwner post) : post_(std::move(post)) {}
    bool Open(const Wave::Format&, std::string&) override {
        open_ = true;
        position_ = 0;
        return true;
    }
    bool IsOpen() const override { return open_; }
    void Write(const std::uint8_t*, std::size_t size) override {
        position_ += size;
        if (post_)
            post_([this, alive = std::weak_ptr<int>(alive_)] {
                if (alive.lock() && open_ && onBufferDone) onBufferDone();
            });
    }
    std::uint64_t Position() override { return position_; }
    void Pause(bool) override {}
    void Close() override { open_ = false; }

  private:
    PostToOwner post_;
    bool open_ = false;
    std::uint64_t position_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace

std::unique_ptr<WaveOutput> MakeNullOutput(PostToOwner post) {
    return std::make_unique<NullOutput>(std::move(post));
}

std::unique_ptr<WaveOutput> MakeWaveOutput(PostToOwner post) {
    const char* choice = std::getenv("ZT_SOUND_OUTPUT");
    if (choice && std::string(choice) == "null") return MakeNullOutput(std::move(post));
    return MakeAlsaOutput(std::move(post));
}
