#include "platform/loaded_library.h"

#include <windows.h>

LoadedLibrary::LoadedLibrary(std::initializer_list<const char*> sonames) {
  for (const char* soname : sonames) {
    // Only the program's own folder and the system's are searched, never the current
    // folder, where a drawing's folder could hold a library of the same name.
    handle_ = LoadLibraryExA(soname, nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (handle_) return;
  }
}

void* LoadedLibrary::symbol(const char* name) const {
  if (!handle_) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}
