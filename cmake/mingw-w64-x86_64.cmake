# Cross-building for 64-bit Windows with Debian's mingw-w64 compilers. The POSIX thread
# flavour is the one whose C++ library has std::thread and std::mutex, which the program
# uses. PONTELIX_WINDOWS_PREFIX names the folder where scripts/windows.sh built the
# libraries; it is searched before the compilers' own folder, and nothing of the build
# machine's /usr is ever found.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triplet x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)
set(CMAKE_AR ${mingw_triplet}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${mingw_triplet}-ranlib CACHE FILEPATH "")

set(PONTELIX_WINDOWS_PREFIX "$ENV{PONTELIX_WINDOWS_PREFIX}" CACHE PATH
  "folder of the libraries cross-built for Windows")
set(CMAKE_FIND_ROOT_PATH ${PONTELIX_WINDOWS_PREFIX} /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads only the cross-built libraries' files.
if(PONTELIX_WINDOWS_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} "${PONTELIX_WINDOWS_PREFIX}/lib/pkgconfig:/usr/${mingw_triplet}/lib/pkgconfig")
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()

# Tests and checks run the programs they build through Wine.
find_program(PONTELIX_WINE NAMES wine)
if(PONTELIX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PONTELIX_WINE})
endif()
