#pragma once
// The memory of a picture surface. A large picture is mapped straight from the kernel
// and asked for in huge pages, where the system grants them: a page at 600 dpi holds
// a hundred megabytes, and touched four kilobytes at a time it costs one fault for each,
// which takes longer than drawing the page. Small pictures come from the heap.
#include <cstddef>

// Zeroed memory of `bytes` bytes, or null when it cannot be had. Give it back with
// releasePixelMemory and the same size.
unsigned char* takePixelMemory(std::size_t bytes);
void releasePixelMemory(unsigned char* memory, std::size_t bytes);
