#pragma once
// Shared by the fuzz targets: a scratch file per process for the readers that
// take a path, and the check that ends the run when a reader breaks its
// promise (libFuzzer records the input that did it).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace Fuzz {

// Removed with its files when the process ends.
class Scratch {
  public:
    Scratch() : folder_(std::filesystem::temp_directory_path() / ("zt-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::filesystem::path& Folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
};

inline const std::filesystem::path& ScratchFolder() {
    static const Scratch scratch;
    return scratch.Folder();
}

// Writes `data` to `name` in the scratch folder and returns its path.
inline std::filesystem::path WriteScratch(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const auto path = ScratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

#define ZT_FUZZ_PROMISE(cond)                                                              \
    do {                                                                                   \
        if (!(cond)) {                                                                     \
            std::fprintf(stderr, "broken promise: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

}  // namespace Fuzz
