#include "image/PowerMarker.h"

#include <condition_variable>
#include <fstream>
#include <mutex>

#include "image/FileUtil.h"

namespace CloneImageOps {

std::filesystem::path PowerMarkerPath() {
    return std::filesystem::path(ResultLog::ResultFilePath()).parent_path() / PowerMarkerFileName;
}

bool WritePowerMarker(const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out);
}

void WritePowerMarkerThread(std::stop_token stop, std::filesystem::path path,
                            std::chrono::milliseconds delay) {
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    wake.wait_for(lock, stop, delay, [] { return false; });
    WritePowerMarker(path);
}

void PowerMarkerWriter::Start(std::filesystem::path path, std::chrono::milliseconds delay) {
    Stop();
    worker_ = std::jthread(WritePowerMarkerThread, std::move(path), delay);
}

void PowerMarkerWriter::Wait() {
    if (worker_.joinable()) worker_.join();
}

void PowerMarkerWriter::Stop() {
    if (!worker_.joinable()) return;
    worker_.request_stop();
    worker_.join();
}

}  // namespace CloneImageOps
