// The start-up heap: grown by its room, which the kernel's view of the
// process shows marked for huge pages, and which serves the blocks that follow.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/StartupHeap.h"

namespace {

// The bytes of the process's mappings marked for huge pages.
std::size_t HugePageMarkedBytes() {
    std::ifstream maps("/proc/self/smaps");
    std::size_t bytes = 0, size = 0;
    std::string line;
    while (std::getline(maps, line)) {
        std::uintptr_t start = 0, end = 0;
        char dash = 0;
        if (std::sscanf(line.c_str(), "%lx%c%lx", &start, &dash, &end) == 3 && dash == '-')
            size = end - start;
        else if (line.rfind("VmFlags:", 0) == 0 && line.find(" hg") != std::string::npos)
            bytes += size;
    }
    return bytes;
}

}  // namespace

TEST(StartupHeap, GrowsTheHeapByARoomMarkedForHugePages) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // The sanitizers bring their own allocator: nothing is done.
    EXPECT_EQ(StartupHeap::Prepare(), 0u);
#else
    if (!std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled")) {
        // A kernel without huge pages refuses the mark.
        EXPECT_EQ(StartupHeap::Prepare(), 0u);
        return;
    }
    const std::size_t marked = StartupHeap::Prepare();
    // All of the room but the steps cut at its two unaligned ends.
    EXPECT_GE(marked, StartupHeap::GrowBy - (4u << 20));
    EXPECT_GE(HugePageMarkedBytes(), marked);
    // Only the first call does the work.
    EXPECT_EQ(StartupHeap::Prepare(), marked);

    // The room serves the blocks that follow: the heap does not grow for a few
    // megabytes of small blocks, freed as the start-up frees them.
    const void* const end = sbrk(0);
    std::vector<void*> blocks;
    for (int i = 0; i < 2000; ++i) blocks.push_back(std::malloc(2000));
    for (void* b : blocks) std::free(b);
    EXPECT_EQ(sbrk(0), end);
#endif
}
