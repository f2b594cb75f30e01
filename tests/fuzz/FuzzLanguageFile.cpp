// Language files: any bytes. Either a failure with a message naming the file,
// or contents that name a language, with entry numbers and font names as the
// reader promises (faces cut to 31 bytes).
#include "FuzzSupport.h"
#include "language/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = Fuzz::WriteScratch("fuzz.xml", data, size);
    LanguageFile::Contents contents;
    std::string error;
    if (!LanguageFile::Parse(path, contents, error)) {
        ZT_FUZZ_PROMISE(!error.empty());
        return 0;
    }
    ZT_FUZZ_PROMISE(!contents.language.empty());
    if (contents.screenFont) ZT_FUZZ_PROMISE(contents.screenFont->size() <= 31);
    if (contents.printFont) ZT_FUZZ_PROMISE(contents.printFont->size() <= 31);
    return 0;
}
