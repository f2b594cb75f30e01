// Bytes from the wire: the program's side of one radio command over a
// pseudo-terminal, with the input as everything the cable and radio send
// back. The first byte picks the command; with its top bit set a correct
// cable echo of the request comes first, so the fuzzer reaches the reply
// parsing at once. A read that succeeds must have taken its data from a
// well-formed reply that the radio really sent.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "FuzzSupport.h"
#include "serial/PXComCommand.h"
#include "serial/RadioFrame.h"

namespace {

struct Link {
    int master = -1;
    std::unique_ptr<PXComCommand> port;
};

Link& TheLink() {
    static Link link = [] {
        Link l;
        l.master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        ZT_FUZZ_PROMISE(l.master >= 0 && grantpt(l.master) == 0 && unlockpt(l.master) == 0);
        // Waits in tenths of a millisecond: the fuzzer runs thousands of commands a second.
        l.port = std::make_unique<PXComCommand>(ptsname(l.master), 115200, LinkTiming::Scaled(0.02, 0.5));
        ZT_FUZZ_PROMISE(l.port->PortOpen());
        ZT_FUZZ_PROMISE(l.port->InitializePort());
        return l;
    }();
    return link;
}

void DiscardWhatTheProgramSent(int master) {
    std::uint8_t sink[4096];
    while (::read(master, sink, sizeof sink) > 0) {
    }
}

// True when `sent` holds a whole reply of `size` bytes to `command` whose
// payload from byte 3 on equals `data`.
bool RadioSent(const std::vector<std::uint8_t>& sent, std::uint8_t command, std::size_t size,
               const std::uint8_t* data, std::size_t count) {
    for (std::size_t at = 0; at + size <= sent.size(); ++at)
        if (RadioFrame::IsValidReply(sent.data() + at, size, command) &&
            std::equal(data, data + count, sent.begin() + static_cast<long>(at) + 3))
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    Link& link = TheLink();
    link.port->PurgeBoth();
    DiscardWhatTheProgramSent(link.master);

    const int op = data[0] & 0x03;
    const bool withEcho = (data[0] & 0x80) != 0;
    const std::uint8_t arg = data[1];
    std::vector<std::uint8_t> wire;
    switch (op) {
        case 0: wire = RadioFrame::Build(RadioFrame::EepromReadCode, {0, arg, 0, 0}); break;
        case 1: wire = RadioFrame::Build(RadioFrame::FlashReadCode, {0, static_cast<std::uint8_t>(arg & 0x0F)}); break;
        case 2: wire = RadioFrame::Build(RadioFrame::FlashReadCode, {0, 8}); break;
        default: wire = {}; break;
    }
    if (!withEcho) wire.clear();
    const std::vector<std::uint8_t> radio(data + 2, data + std::min<std::size_t>(size, 4096));
    wire.insert(wire.end(), radio.begin(), radio.end());
    // The whole answer waits in the line before the command starts.
    for (std::size_t at = 0; at < wire.size();) {
        const ssize_t n = ::write(link.master, wire.data() + at, wire.size() - at);
        if (n <= 0) break;
        at += static_cast<std::size_t>(n);
    }

    switch (op) {
        case 0: {
            std::uint8_t word[2] = {0xA5, 0x5A};
            if (link.port->EepromRead(arg, word))
                ZT_FUZZ_PROMISE(RadioSent(radio, RadioFrame::EepromReadCode, RadioFrame::WordReplySize, word, 2));
            break;
        }
        case 1: {
            std::vector<std::uint8_t> page(RadioFrame::PageSize, 0xA5);
            if (link.port->FlashPageRead(arg & 0x0F, page.data()))
                ZT_FUZZ_PROMISE(RadioSent(radio, RadioFrame::FlashReadCode, RadioFrame::PageReplySize, page.data(),
                                          page.size()));
            break;
        }
        case 2: (void)link.port->ProbeModel(); break;
        default: (void)link.port->PowerOnHandshake(arg & 0x03, 2.0); break;
    }
    return 0;
}
