#pragma once
// A platform library opened when it is first needed instead of at every start. Linked
// as usual, the window, sound, speech, braille display and print service libraries
// bring some eighty more libraries into every start of the interactive program (about
// 14 ms before the first word), also when a run needs none of them. Opened on demand,
// a library that is missing is also just a device that is missing: its callers take
// their path for "not available".
//
// Each library is a table of the functions its callers use, one pointer each, with the
// library's own declarations (from its headers) as their types:
//
//   #define PX_FOO_FUNCTIONS(X) X(foo_open) X(foo_close)
//   PX_DECLARE_LIBRARY(FooLibrary, fooLibrary, foo, PX_FOO_FUNCTIONS)      // header
//   PX_DEFINE_LIBRARY(FooLibrary, fooLibrary, PX_FOO_FUNCTIONS, "libfoo.so.1")  // source
//
// fooLibrary() is null when the library cannot be had; past that check, callers write
// foo().foo_open(...).
#include <initializer_list>

class LoadedLibrary {
 public:
  // Opens the first of the sonames that loads.
  explicit LoadedLibrary(std::initializer_list<const char*> sonames);
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  bool opened() const { return handle_ != nullptr; }
  // Points `function` at the library's symbol `name`; false when it has none.
  template <typename Function>
  bool find(Function& function, const char* name) const {
    function = reinterpret_cast<Function>(symbol(name));
    return function != nullptr;
  }

 private:
  void* symbol(const char* name) const;
  void* handle_ = nullptr;
};

#define PX_LIBRARY_POINTER(name) decltype(&::name) name = nullptr;
#define PX_LIBRARY_FIND(name) &&library.find(api.name, #name)

// The table `Api`, its accessor and the accessor's short form for callers that already
// found it.
#define PX_DECLARE_LIBRARY(Api, accessor, shortAccessor, FUNCTIONS) \
  struct Api {                                                      \
    FUNCTIONS(PX_LIBRARY_POINTER)                                   \
  };                                                                \
  const Api* accessor();                                            \
  inline const Api& shortAccessor() { return *accessor(); }

// Defines `const Api* accessor()`: the table, filled at the first call (which is safe
// from any thread), or null when no soname loads or one function is missing. The
// library stays loaded until the program ends.
#define PX_DEFINE_LIBRARY(Api, accessor, FUNCTIONS, ...)                            \
  const Api* accessor() {                                                           \
    static const Api* const loaded = []() -> const Api* {                           \
      static const LoadedLibrary library({__VA_ARGS__});                            \
      static Api api;                                                               \
      return library.opened() FUNCTIONS(PX_LIBRARY_FIND) ? &api : nullptr;          \
    }();                                                                            \
    return loaded;                                                                  \
  }
