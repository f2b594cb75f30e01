// Data files: any bytes of any size. A file of any size but 17,664 bytes is
// refused with a reason and leaves the document as it was; a file of that
// size is taken byte for byte.
#include <cstring>

#include "FuzzSupport.h"
#include "image/CloneImage.h"
#include "image/FileUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = Fuzz::WriteScratch("fuzz.PDX", data, size);
    CloneImage image;
    image.Fill(0x5A);
    const CloneImage before = image;

    const int result = FileUtil::LoadImageFile(image, path.string());
    const std::string problem = FileUtil::ReadProblem(path.string());
    if (size == CloneImage::Size) {
        ZT_FUZZ_PROMISE(result == 1);
        ZT_FUZZ_PROMISE(problem.empty());
        ZT_FUZZ_PROMISE(std::memcmp(image.data(), data, size) == 0);
    } else {
        ZT_FUZZ_PROMISE(result == 0);
        ZT_FUZZ_PROMISE(!problem.empty());
        ZT_FUZZ_PROMISE(image == before);
    }
    return 0;
}
