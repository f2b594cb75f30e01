// The settings file: any bytes on disk. Reads give a value or the default;
// the next write keeps the damaged file aside when it cannot be read and
// leaves a file from which the value written reads back.
#include "FuzzSupport.h"
#include "language/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = Fuzz::WriteScratch("settings.xml", data, size);
    std::error_code ec;
    std::filesystem::remove(path.string() + ".bad", ec);
    SettingsFile settings(path);
    (void)settings.GetInt("MainScreen", "Maximize", 7);
    (void)settings.GetString("Communication", "Port", "none");
    ZT_FUZZ_PROMISE(settings.GetInt("Fuzz No Such Section", "Entry", 1234) == 1234);

    ZT_FUZZ_PROMISE(settings.WriteInt("FuzzSection", "FuzzEntry", 4321));
    ZT_FUZZ_PROMISE(settings.GetInt("FuzzSection", "FuzzEntry", 0) == 4321);
    SettingsFile again(path);
    ZT_FUZZ_PROMISE(again.GetInt("FuzzSection", "FuzzEntry", 0) == 4321);
    return 0;
}
