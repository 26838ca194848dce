#include "platform/loaded_library.h"

#include <gtest/gtest.h>

#include <cstring>

// Declared here and defined nowhere: a function that no library has.
extern "C" int pxFunctionNoLibraryHas(int);

namespace {

#define PX_FOUND_FUNCTIONS(X) X(strlen) X(strcmp)
#define PX_ONE_MISSING_FUNCTIONS(X) X(strlen) X(pxFunctionNoLibraryHas)

struct Found {
  PX_FOUND_FUNCTIONS(PX_LIBRARY_POINTER)
};
struct OneMissing {
  PX_ONE_MISSING_FUNCTIONS(PX_LIBRARY_POINTER)
};

// The first soname is not installed anywhere: the next one is taken.
PX_DEFINE_LIBRARY(Found, foundLibrary, PX_FOUND_FUNCTIONS, "libpontelix-absent.so.9", "libc.so.6")
PX_DEFINE_LIBRARY(Found, absentLibrary, PX_FOUND_FUNCTIONS, "libpontelix-absent.so.9")
PX_DEFINE_LIBRARY(OneMissing, incompleteLibrary, PX_ONE_MISSING_FUNCTIONS, "libc.so.6")

TEST(LoadedLibrary, GivesTheTableOnlyWhenALibraryAndEveryFunctionAreThere) {
  const Found* found = foundLibrary();
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->strlen("pontelix"), 8u);
  EXPECT_LT(found->strcmp("a", "b"), 0);
  EXPECT_EQ(foundLibrary(), found) << "opened once";
  EXPECT_EQ(absentLibrary(), nullptr);
  EXPECT_EQ(incompleteLibrary(), nullptr);
}

}  // namespace
