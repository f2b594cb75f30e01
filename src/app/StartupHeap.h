#pragma once
// Start-up memory: the main window's start-up allocates several megabytes in
// many small blocks, and on virtual machines each new 4 KiB page of the heap
// costs a page fault that is several times dearer than on bare metal. The
// heap is grown once, before the window is built, by a region the kernel may
// back with 2 MiB pages (where its transparent huge pages follow madvise), so
// that start-up takes a handful of faults instead of thousands.
//
// Only the heap of the C library's allocator is touched; under another
// allocator (the sanitizers') nothing is done.
#include <cstddef>

namespace StartupHeap {

// The room the heap is grown by: what the start-up needs, with room to spare.
inline constexpr std::size_t GrowBy = 16u << 20;

// Grows the heap and marks the new room for huge pages, before the main
// window is built. The work is done by the first call only. Returns the
// bytes marked (0 when nothing was).
std::size_t Prepare();

}  // namespace StartupHeap
