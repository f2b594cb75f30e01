// The start-up heap: grown once by its room, which is marked for huge pages
// in the kernel's view of the process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/StartupHeap.h"

namespace {

// The flags of the heap's mappings that lie wholly inside [from, to).
std::vector<std::string> FlagsOfHeapMappings(std::uintptr_t from, std::uintptr_t to) {
    std::ifstream maps("/proc/self/smaps");
    std::vector<std::string> flags;
    std::string line;
    bool inside = false;
    while (std::getline(maps, line)) {
        std::uintptr_t start = 0, end = 0;
        char dash = 0;
        if (std::sscanf(line.c_str(), "%lx%c%lx", &start, &dash, &end) == 3 && dash == '-') {
            inside = start >= from && end <= to;
            continue;
        }
        if (inside && line.rfind("VmFlags:", 0) == 0) flags.push_back(line);
    }
    return flags;
}

}  // namespace

TEST(StartupHeap, GrowsTheHeapOnceAndMarksTheRoomForHugePages) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // The sanitizers bring their own allocator: nothing is done.
    EXPECT_EQ(StartupHeap::Prepare(), 0u);
#else
    if (!std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled")) {
        // A kernel without huge pages refuses the mark.
        EXPECT_EQ(StartupHeap::Prepare(), 0u);
        return;
    }
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::size_t marked = StartupHeap::Prepare();
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // By the room, less what was already free at the heap's top.
    ASSERT_GE(after - before, StartupHeap::GrowBy - (1u << 20));
    // All of the room but the steps cut at its two unaligned ends.
    EXPECT_GE(marked, StartupHeap::GrowBy - (4u << 20));
    const auto flags = FlagsOfHeapMappings(before & ~std::uintptr_t{0xFFF}, after);
    ASSERT_FALSE(flags.empty());
    bool huge = false;
    for (const auto& f : flags) huge = huge || f.find(" hg") != std::string::npos;
    EXPECT_TRUE(huge) << "no mapping of the new room is marked for huge pages";

    // The room serves the blocks that follow: the heap does not grow again
    // for a few megabytes of small blocks, freed as the start-up frees them.
    std::vector<void*> blocks;
    for (int i = 0; i < 2000; ++i) blocks.push_back(std::malloc(2000));
    for (void* b : blocks) std::free(b);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(sbrk(0)), after);
#endif
}
