#include "platform/loaded_library.h"

#include <dlfcn.h>

LoadedLibrary::LoadedLibrary(std::initializer_list<const char*> sonames) {
  for (const char* soname : sonames) {
    // Bound at once, so that a library that lacks what it needs fails here and not in
    // the middle of a call; kept to itself, so that its names cannot take the place
    // of another library's.
    handle_ = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (handle_) return;
  }
}

void* LoadedLibrary::symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }
