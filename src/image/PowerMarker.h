#pragma once
// The empty marker file "power.txt" that an unattended write leaves beside
// the result file, so that the production fixture knows it may switch the
// radio off. It is written a little after the write has ended, on a worker
// that its owner always joins: the worker never outlives its owner, and a
// shutdown during the delay writes the marker at once instead of losing it.
#include <chrono>
#include <filesystem>
#include <stop_token>
#include <thread>

namespace CloneImageOps {

inline constexpr const char* PowerMarkerFileName = "power.txt";
inline constexpr std::chrono::milliseconds PowerMarkerDelay{500};

// Beside "result.txt": the "result=" folder of the unattended run when one
// was given, else the program's folder for written files.
std::filesystem::path PowerMarkerPath();

// Creates (or truncates) the empty file; false when it cannot be created.
bool WritePowerMarker(const std::filesystem::path& path);

// The worker's body: waits `delay` (cut short by a stop request), then
// writes the marker. A file that cannot be created is ignored.
void WritePowerMarkerThread(std::stop_token stop, std::filesystem::path path,
                            std::chrono::milliseconds delay);

// Owns the marker worker. Destruction requests a stop and joins.
class PowerMarkerWriter {
  public:
    PowerMarkerWriter() = default;
    PowerMarkerWriter(const PowerMarkerWriter&) = delete;
    PowerMarkerWriter& operator=(const PowerMarkerWriter&) = delete;
    ~PowerMarkerWriter() = default;  // std::jthread: request_stop() + join()

    // Starts the worker for `path`; a worker still waiting from an earlier
    // start writes its marker at once and is joined first.
    void Start(std::filesystem::path path = PowerMarkerPath(),
               std::chrono::milliseconds delay = PowerMarkerDelay);
    // Waits until the worker has written its marker (or at once when idle).
    void Wait();
    // Writes the marker now if still waiting, and joins.
    void Stop();

  private:
    std::jthread worker_;
};

}  // namespace CloneImageOps
