# The drawing and image libraries as one target, px_graphics_libs: Cairo and pixman,
# fontconfig and FreeType, libpng, libjpeg and zlib, with what they call (expat, brotli).
# Debian ships each as a static archive beside the shared library, and the programs
# link the archives: only the parts a program calls come in, and the loader maps and
# relocates none of them at start. Cairo's shared library alone would bring X11, XCB
# and their helpers, thirteen libraries that a picture in memory never calls; the seven
# others were the rest of a batch run's start (measured: 3.0 ms of CPU for a plot
# with them shared, 2.6 ms with them linked in). None of them reads what a user gives:
# the programs only write PNG and JPEG, and FreeType and expat read the system's fonts
# and font configuration (packaging/pontelix.lintian-overrides). Without the archives
# the shared libraries are linked.
# On Windows every one of them is a static archive built by scripts/windows.sh (without
# brotli), and Cairo's Windows surfaces call the system's drawing libraries.
set(px_static_archives "")
set(px_static_names cairo pixman-1 fontconfig freetype png16 jpeg z expat brotlidec brotlicommon)
set(px_system_libs m)
if(WIN32)
  set(px_static_names cairo pixman-1 fontconfig freetype png16 jpeg z expat)
  set(px_system_libs msimg32 gdi32 ssp)
endif()
foreach(lib IN ITEMS ${px_static_names})
  find_library(PX_STATIC_${lib} NAMES lib${lib}.a)
  if(NOT PX_STATIC_${lib})
    set(px_static_archives "")
    break()
  endif()
  list(APPEND px_static_archives ${PX_STATIC_${lib}})
endforeach()

add_library(px_graphics_libs INTERFACE)
if(px_static_archives)
  target_include_directories(px_graphics_libs SYSTEM INTERFACE ${CAIRO_INCLUDE_DIRS} ${FONTCONFIG_INCLUDE_DIRS}
    ${FREETYPE_INCLUDE_DIRS} ${PNG_INCLUDE_DIRS} ${JPEG_INCLUDE_DIRS} ${ZLIB_INCLUDE_DIRS})
  target_link_libraries(px_graphics_libs INTERFACE ${px_static_archives} ${px_system_libs})
else()
  message(STATUS "Static graphics libraries not found: linking the shared ones")
  target_link_libraries(px_graphics_libs INTERFACE PkgConfig::CAIRO PkgConfig::FONTCONFIG
    PkgConfig::FREETYPE PkgConfig::PNG JPEG::JPEG PkgConfig::ZLIB)
endif()
