#pragma once
// Anonymous private mappings, as the pixel memory takes them, over VirtualAlloc. A part of
// a mapping given back is decommitted; the reservation is released when no page of it is
// left committed. Huge pages are a hint Windows is not given.
#include <windows.h>

#include <cstddef>

#define PROT_READ 1
#define PROT_WRITE 2
#define MAP_PRIVATE 2
#define MAP_ANONYMOUS 0x20
#define MAP_FAILED (reinterpret_cast<void*>(-1))
#define MADV_HUGEPAGE 14

inline void* mmap(void*, std::size_t size, int, int, int, long) {
  void* memory = VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  return memory ? memory : MAP_FAILED;
}

inline int munmap(void* start, std::size_t size) {
  MEMORY_BASIC_INFORMATION info;
  if (VirtualQuery(start, &info, sizeof info) == 0) return -1;
  void* const base = info.AllocationBase;
  VirtualFree(start, size, MEM_DECOMMIT);
  // Walks the reservation's regions: any committed page keeps it.
  auto* at = static_cast<char*>(base);
  while (VirtualQuery(at, &info, sizeof info) != 0 && info.AllocationBase == base) {
    if (info.State == MEM_COMMIT) return 0;
    at += info.RegionSize;
  }
  VirtualFree(base, 0, MEM_RELEASE);
  return 0;
}

inline int madvise(void*, std::size_t, int) { return 0; }
