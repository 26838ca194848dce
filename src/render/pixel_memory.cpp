#include "render/pixel_memory.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace {

// Below this size faults are few and the heap is quicker than a mapping of its own.
constexpr std::size_t kMappedFrom = std::size_t{1} << 20;
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t mappedSize(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

}  // namespace

unsigned char* takePixelMemory(std::size_t bytes) {
  if (bytes < kMappedFrom) return static_cast<unsigned char*>(std::calloc(bytes, 1));
  // The huge pages must start on a boundary of their size: the mapping is made one huge
  // page longer, and the slack on either side of the aligned part is given back.
  const std::size_t size = mappedSize(bytes);
  void* whole = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (whole == MAP_FAILED) return nullptr;
  auto* start = static_cast<unsigned char*>(whole);
  const std::size_t lead = (kHugePage - reinterpret_cast<std::uintptr_t>(start) % kHugePage) % kHugePage;
  if (lead > 0) munmap(start, lead);
  munmap(start + lead + size, kHugePage - lead);
  unsigned char* memory = start + lead;
  madvise(memory, size, MADV_HUGEPAGE);
  return memory;
}

void releasePixelMemory(unsigned char* memory, std::size_t bytes) {
  if (!memory) return;
  if (bytes < kMappedFrom) return std::free(memory);
  munmap(memory, mappedSize(bytes));
}
