#pragma once
// CPhrase plays one tone sample: it loads a WAVE file and streams its samples
// to a sound output in two alternating buffers of 2,000 bytes, queuing the
// next buffer each time the output reports one done. Everything runs on the
// thread that owns the player; outputs report "buffer done" on that thread.
//
// WaveOutput is the sound device as the player needs it. The ALSA output
// plays on the default device; the null output (ZT_SOUND_OUTPUT=null, for
// machines without sound such as a test display) plays silently.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tone/Wave.h"

class WaveOutput {
  public:
    virtual ~WaveOutput() = default;
    // Opens the device for the format; false with a message for the user.
    virtual bool Open(const Wave::Format& format, std::string& error) = 0;
    virtual bool IsOpen() const = 0;
    // Queues one buffer; the output calls the done handler when it is played.
    virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
    // Bytes played since Open.
    virtual std::uint64_t Position() = 0;
    virtual void Pause(bool paused) = 0;
    // Drops what is queued and closes; no done report follows.
    virtual void Close() = 0;

    std::function<void()> onBufferDone;
};

// Runs a function later on the player's thread (the window layer posts it to
// the event loop).
using PostToOwner = std::function<void(std::function<void()>)>;

// The output the configuration chooses: null when ZT_SOUND_OUTPUT is "null",
// else ALSA's default device.
std::unique_ptr<WaveOutput> MakeWaveOutput(PostToOwner post);
std::unique_ptr<WaveOutput> MakeAlsaOutput(PostToOwner post);
std::unique_ptr<WaveOutput> MakeNullOutput(PostToOwner post);

class CPhrase {
  public:
    static constexpr std::size_t BufferSize = 2000;

    explicit CPhrase(std::unique_ptr<WaveOutput> output);
    ~CPhrase();
    CPhrase(const CPhrase&) = delete;
    CPhrase& operator=(const CPhrase&) = delete;

    enum class Load { Ok, Missing, Invalid };
    // Stops playback and loads a file; on Missing the samples loaded before
    // stay; Invalid says why in LoadError().
    Load LoadWave(const std::filesystem::path& path);
    Load LoadBytes(const std::vector<std::uint8_t>& bytes);
    const std::string& LoadError() const { return loadError_; }

    // Plays the loaded samples from the first; true when playback started or
    // the file held no samples (nothing is opened then). False when nothing is
    // loaded, the device is already open, or it cannot be opened (DeviceError).
    bool Play();
    const std::string& DeviceError() const { return deviceError_; }
    // Pauses a playing device, or resumes a paused one.
    void PauseResume();
    bool IsPlaying() const { return output_->IsOpen(); }
    bool IsPaused() const { return paused_; }
    void Stop();

    // The output's report that a buffer was played.
    void OnBufferDone();

  private:
    void QueueNextBuffer();
    void Rewind() { base_ = written_ = 0; }

    std::unique_ptr<WaveOutput> output_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    Wave::Format format_;
    std::vector<std::uint8_t> loaded_, playing_;
    bool emptyData_ = false;
    bool paused_ = false;
    std::size_t written_ = 0;
    std::uint64_t base_ = 0;
    std::array<std::vector<std::uint8_t>, 2> buffers_;
    int next_ = 0;
    std::string loadError_, deviceError_;
};
