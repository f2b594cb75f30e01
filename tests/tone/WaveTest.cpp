#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "tone/Phrase.h"
#include "tone/Wave.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Chunk(Bytes& b, const char* id, const Bytes& body) {
    b.insert(b.end(), id, id + 4);
    Put32(b, static_cast<std::uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
}
Bytes Fmt(std::uint16_t channels, std::uint16_t bits, std::uint32_t rate = 8000, std::size_t size = 16) {
    Bytes f;
    Put16(f, 1);
    Put16(f, channels);
    Put32(f, rate);
    Put32(f, rate * channels * bits / 8);
    Put16(f, static_cast<std::uint16_t>(channels * bits / 8));
    Put16(f, bits);
    f.resize(size);
    return f;
}
Bytes Riff(const Bytes& chunks) {
    Bytes b{'R', 'I', 'F', 'F'};
    Put32(b, static_cast<std::uint32_t>(chunks.size() + 4));
    b.insert(b.end(), {'W', 'A', 'V', 'E'});
    b.insert(b.end(), chunks.begin(), chunks.end());
    return b;
}
Bytes Chunks(std::initializer_list<std::pair<const char*, Bytes>> list) {
    Bytes b;
    for (const auto& [id, body] : list) Chunk(b, id, body);
    return b;
}

}  // namespace

TEST(WaveParse, AcceptsOnly8BitMonoPcmInAWellFormedFile) {
    const Bytes samples(5, 0x80);
    Bytes hugeSize = Riff(Chunks({{"fmt ", Fmt(1, 8)}}));
    hugeSize.insert(hugeSize.end(), {'d', 'a', 't', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 1, 2});
    hugeSize[4] = static_cast<std::uint8_t>(hugeSize.size() - 8);
    struct Case {
        const char* name;
        Bytes file;
        Wave::Error error;
        std::size_t samples;
    };
    const Case cases[] = {
        {"plain", Riff(Chunks({{"fmt ", Fmt(1, 8)}, {"data", samples}})), Wave::Error::None, 5},
        {"16-bit", Riff(Chunks({{"fmt ", Fmt(1, 16)}, {"data", samples}})), Wave::Error::NotPcm8Mono, 0},
        {"stereo", Riff(Chunks({{"fmt ", Fmt(2, 8, 44100)}, {"data", samples}})), Wave::Error::NotPcm8Mono, 0},
        {"data first", Riff(Chunks({{"data", samples}, {"fmt ", Fmt(1, 8)}})), Wave::Error::DataBeforeFormat, 0},
        {"LIST skipped", Riff(Chunks({{"fmt ", Fmt(1, 8)}, {"LIST", Bytes(7, 1)}, {"data", samples}})),
         Wave::Error::None, 5},
        {"odd chunk, no pad", Riff(Chunks({{"fmt ", Fmt(1, 8, 11025, 18)}, {"junk", Bytes(3, 9)}, {"data", samples}})),
         Wave::Error::None, 5},
        {"short fmt", Riff(Chunks({{"fmt ", Fmt(1, 8, 8000, 14)}, {"data", samples}})), Wave::Error::FormatTooShort, 0},
        {"no data", Riff(Chunks({{"fmt ", Fmt(1, 8)}})), Wave::Error::NoData, 0},
        {"empty data", Riff(Chunks({{"fmt ", Fmt(1, 8)}, {"data", {}}})), Wave::Error::None, 0},
        {"size past end", hugeSize, Wave::Error::ChunkOverrun, 0},
        {"not riff", Bytes{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}, Wave::Error::NotRiff, 0},
        {"riff size too big", Bytes{'R', 'I', 'F', 'F', 40, 0, 0, 0, 'W', 'A', 'V', 'E'}, Wave::Error::NotRiff, 0},
        {"nothing after WAVE", Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}, Wave::Error::NotWave, 0},
        {"cut chunk header", Riff(Bytes{'f', 'm', 't'}), Wave::Error::ChunkOverrun, 0},
    };
    for (const auto& c : cases) {
        const Wave::Parsed p = Wave::Parse(c.file);
        EXPECT_EQ(p.error, c.error) << c.name;
        EXPECT_EQ(p.samples.size(), c.samples) << c.name;
        if (c.error != Wave::Error::None) {
            EXPECT_FALSE(Wave::Describe(c.error).empty());
        }
    }
    EXPECT_EQ(Wave::Parse(cases[5].file).format.samplesPerSecond, 11025u);
}

namespace {

// Records what reaches the device; the test reports buffers done.
struct RecordingOutput : WaveOutput {
    std::vector<std::size_t> writes;
    bool open = false, failOpen = false;
    int opens = 0, closes = 0;
    std::uint64_t played = 0;
    Wave::Format format;
    bool Open(const Wave::Format& f, std::string& error) override {
        if (failOpen) {
            error = "no device";
            return false;
        }
        format = f;
        open = true;
        ++opens;
        played = 0;
        return true;
    }
    bool IsOpen() const override { return open; }
    void Write(const std::uint8_t*, std::size_t size) override {
        writes.push_back(size);
        played += size;
    }
    std::uint64_t Position() override { return played; }
    void Pause(bool) override {}
    void Close() override {
        open = false;
        ++closes;
    }
};

Bytes Samples(std::size_t n, std::uint32_t rate = 8000) {
    return Riff(Chunks({{"fmt ", Fmt(1, 8, rate)}, {"data", Bytes(n, 0x80)}}));
}

}  // namespace

TEST(Phrase, StreamsInBuffersOf2000AndClosesAtTheEnd) {
    auto out = std::make_unique<RecordingOutput>();
    RecordingOutput& dev = *out;
    CPhrase phrase(std::move(out));
    ASSERT_EQ(phrase.LoadBytes(Samples(4500, 11025)), CPhrase::Load::Ok);
    ASSERT_TRUE(phrase.Play());
    EXPECT_EQ(dev.format.samplesPerSecond, 11025u);
    EXPECT_FALSE(phrase.Play());  // already playing: nothing changes
    EXPECT_EQ(dev.writes, (std::vector<std::size_t>{2000, 2000}));
    dev.onBufferDone();
    EXPECT_EQ(dev.writes, (std::vector<std::size_t>{2000, 2000, 500}));
    EXPECT_TRUE(dev.open);
    dev.onBufferDone();
    EXPECT_FALSE(dev.open);
    EXPECT_EQ(dev.closes, 1);

    // Played again from the first sample.
    ASSERT_TRUE(phrase.Play());
    EXPECT_EQ(dev.writes.size(), 5u);
    EXPECT_EQ(dev.writes[3], 2000u);
    // A new load stops playback.
    EXPECT_EQ(phrase.LoadBytes(Samples(10)), CPhrase::Load::Ok);
    EXPECT_FALSE(dev.open);
}

TEST(Phrase, EmptyDataPlaysWithoutOpeningAndErrorsAreReported) {
    auto out = std::make_unique<RecordingOutput>();
    RecordingOutput& dev = *out;
    CPhrase phrase(std::move(out));
    EXPECT_FALSE(phrase.Play());  // nothing loaded
    ASSERT_EQ(phrase.LoadBytes(Samples(0)), CPhrase::Load::Ok);
    EXPECT_TRUE(phrase.Play());
    EXPECT_EQ(dev.opens, 0);

    EXPECT_EQ(phrase.LoadBytes(Riff(Chunks({{"fmt ", Fmt(1, 16)}, {"data", Bytes(4)}}))), CPhrase::Load::Invalid);
    EXPECT_NE(phrase.LoadError().find("8-bit mono"), std::string::npos);

    const auto missing = std::filesystem::temp_directory_path() / "zt-no-such-dir" / "C.wav";
    EXPECT_EQ(phrase.LoadWave(missing), CPhrase::Load::Missing);

    dev.failOpen = true;
    ASSERT_EQ(phrase.LoadBytes(Samples(100)), CPhrase::Load::Ok);
    EXPECT_FALSE(phrase.Play());
    EXPECT_EQ(phrase.DeviceError(), "no device");
}

TEST(Phrase, LoadsFromAFileAndPlaysOnTheNullOutput) {
    const auto path = std::filesystem::temp_directory_path() / ("zt-tone-" + std::to_string(::getpid()) + ".wav");
    {
        const Bytes b = Samples(3000);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    }
    std::vector<std::function<void()>> posted;
    CPhrase phrase(MakeNullOutput([&](std::function<void()> f) { posted.push_back(std::move(f)); }));
    ASSERT_EQ(phrase.LoadWave(path), CPhrase::Load::Ok);
    ASSERT_TRUE(phrase.Play());
    while (!posted.empty()) {  // the owner's loop
        auto f = std::move(posted.front());
        posted.erase(posted.begin());
        f();
    }
    EXPECT_FALSE(phrase.IsPlaying());
    std::filesystem::remove(path);
}
