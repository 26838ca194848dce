# The drawing and image libraries as one target, px_graphics_libs. Cairo, pixman and
# fontconfig are linked from their static archives, which Debian ships beside the
# shared ones: only the parts a program calls are linked in, and Cairo's shared library
# would load X11, XCB and their helpers (thirteen libraries) at every start although a
# picture in memory never calls them; that was most of the start of a batch run. The
# libraries that read files from outside (FreeType, libpng, libjpeg, zlib, expat) stay
# shared, so that the system's security updates reach them. Without the archives the
# shared Cairo and fontconfig are linked.
set(px_static_archives "")
foreach(lib IN ITEMS cairo pixman-1 fontconfig)
  find_library(PX_STATIC_${lib} NAMES lib${lib}.a)
  if(NOT PX_STATIC_${lib})
    set(px_static_archives "")
    break()
  endif()
  list(APPEND px_static_archives ${PX_STATIC_${lib}})
endforeach()
find_library(PX_EXPAT_LIBRARY NAMES expat REQUIRED)

add_library(px_graphics_libs INTERFACE)
if(px_static_archives)
  target_include_directories(px_graphics_libs SYSTEM INTERFACE ${CAIRO_INCLUDE_DIRS} ${FONTCONFIG_INCLUDE_DIRS})
  # The archives first: the shared libraries after them answer what they call.
  target_link_libraries(px_graphics_libs INTERFACE ${px_static_archives}
    PkgConfig::FREETYPE PkgConfig::PNG JPEG::JPEG PkgConfig::ZLIB ${PX_EXPAT_LIBRARY} m)
else()
  message(STATUS "Static Cairo, pixman or fontconfig not found: linking the shared libraries")
  target_link_libraries(px_graphics_libs INTERFACE PkgConfig::CAIRO PkgConfig::FONTCONFIG
    PkgConfig::FREETYPE PkgConfig::PNG JPEG::JPEG PkgConfig::ZLIB)
endif()
