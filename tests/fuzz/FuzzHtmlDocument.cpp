// The printed document of any image: the input is the image (cut or padded
// with 0xFF to 17,664 bytes). Every screen the program registers prints it;
// the document must be well-formed HTML with every text escaped, the same on
// a second build, and building it must leave the image as it was.
#include <wx/app.h>
#include <wx/init.h>

#include <algorithm>
#include <cstring>

#include "FuzzSupport.h"
#include "app/ScreenRegistry.h"
#include "image/CloneImage.h"
#include "ui/HtmlCheck.h"
#include "ui/HtmlDocument.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Some screens are dialogs: a GUI application object must exist (the
    // target runs on a display server of its own).
    // The fuzzer's own options are not the toolkit's: it sees only the name.
    static int toolkitArgc = 1;
    static char* toolkitArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    wxApp::SetInstance(new wxApp);
    ZT_FUZZ_PROMISE(wxEntryStart(toolkitArgc, toolkitArgv));
    wxTheApp->CallOnInit();
    RegisterScreens();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CloneImage image;
    std::memcpy(image.data(), data, std::min(size, CloneImage::Size));
    const CloneImage before = image;

    const std::string doc = Header::WriteDocumentStart(image);
    const std::string problem = HtmlCheck::Check(doc);
    if (!problem.empty()) std::fprintf(stderr, "%s\n", problem.c_str());
    ZT_FUZZ_PROMISE(problem.empty());
    ZT_FUZZ_PROMISE(image == before);
    ZT_FUZZ_PROMISE(Header::WriteDocumentStart(image) == doc);
    return 0;
}
