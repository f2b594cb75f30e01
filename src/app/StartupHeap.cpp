#include "app/StartupHeap.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

namespace StartupHeap {

namespace {

std::size_t GrowAndMark() {
#if defined(__GLIBC__) && defined(MADV_HUGEPAGE) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(__SANITIZE_THREAD__)
    constexpr std::size_t kHugePage = 2u << 20;
    constexpr std::size_t kDefaultTopPad = 128u << 10;
    // Blocks below the allocator's threshold for separate mappings, so that
    // they come from the heap's top; the first that does not fit there grows
    // the heap by the pad.
    constexpr std::size_t kProbe = 60u << 10;
    // The pad decides how far the heap grows, and the trim threshold keeps the
    // room, whole, while the start-up frees blocks. Setting either fixes the
    // allocator's threshold for separate mappings at its default, as a
    // program that tunes the allocator always has it; later growth of the
    // heap is the usual one.
    mallopt(M_TOP_PAD, static_cast<int>(GrowBy));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * GrowBy));
    auto* const before = static_cast<char*>(sbrk(0));
    // Enough blocks to use up what is free at the top, and one more.
    std::array<void*, 512> probes{};
    const std::size_t needed = std::min(mallinfo2().keepcost / kProbe + 2, probes.size());
    for (std::size_t i = 0; i < needed; ++i) {
        probes[i] = std::malloc(kProbe);
        if (static_cast<char*>(sbrk(0)) != before) break;
    }
    for (void* probe : probes) std::free(probe);
    auto* const after = static_cast<char*>(sbrk(0));
    mallopt(M_TOP_PAD, static_cast<int>(kDefaultTopPad));
    if (before == reinterpret_cast<char*>(-1) || after <= before) return 0;
    // Huge pages cover whole aligned 2 MiB steps of the new room.
    const auto first = (reinterpret_cast<std::uintptr_t>(before) + kHugePage - 1) & ~(kHugePage - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(after) & ~(kHugePage - 1);
    if (last <= first) return 0;
    if (madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE) != 0) return 0;
    return last - first;
#else
    return 0;
#endif
}

}  // namespace

std::size_t Prepare() {
    static const std::size_t marked = GrowAndMark();
    return marked;
}

}  // namespace StartupHeap
