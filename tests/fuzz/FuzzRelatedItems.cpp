// The related-items file: any bytes. Missing or damaged gives the fallback
// text; any file gives at most nine rows per list and never fetches anything.
#include "FuzzSupport.h"
#include "help/HelpFileSystem.h"
#include "help/RelatedItems.h"

namespace Help {
// The help library's log goes to the debug log; the fuzzer has none.
void Log(const std::string&) {}
}  // namespace Help

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = Fuzz::WriteScratch("related.xml", data, size);
    RelatedItemsFile file(path);
    for (const char* element : {"CH", "FREQ_RX", "RELATED", "NAME"}) {
        const std::string name = file.ReadText(element, "NAME", "fallback");
        const std::string value = file.ReadText(element, "VALUE", "fallback");
        (void)SplitRelatedList(name);
        (void)SplitRelatedList(value);
    }
    const RelatedItem item = file.ForRID(12345, "CH");
    (void)item;
    return 0;
}
