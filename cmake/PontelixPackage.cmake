# The Debian package, built by scripts/package.sh with CPack: pontelix_VERSION_ARCH.deb
# holding what `cmake --install` installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pontelix)
# "1.0 alfa" in the program; "~" sorts a pre-release before 1.0 itself.
set(CPACK_PACKAGE_VERSION "1.0~alfa")
set(CPACK_PACKAGE_CONTACT "Pontelix developers <maintainers@users.noreply.c-seed-3e8dfb2c.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "talking, keyboard-only editor of tactile graphics")
set(CPACK_PACKAGE_DESCRIPTION "Pontelix lets a blind person compose tactile graphics alone: function
plots, axes, grids, points, segments, arrows, rectangles, circles,
ellipses, parabolas, curves, polynomials, histograms, and labels in
Braille or ink. The drawing is written in a small language of two-letter
commands and sent to a Braille embosser as raised dots, to the screen, or
to a PNG, JPEG or BMP file. Everything the program says is written on its
text console and spoken in Brazilian Portuguese.")
# The shared libraries the programs link are found by dpkg-shlibdeps. What is opened or
# read at run time must be named: the window, speech and print libraries (opened when
# first needed; the speech-dispatcher client and the braille display's are only
# recommended, since the program's own voice and the screen do without them), the voice
# data, the fonts, and the font configuration that the linked-in fontconfig reads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0 (>= 2.0.12), libespeak-ng1 (>= 1.51+dfsg), libcups2 (>= 1.7.0), libmuparser2v5, \
liblouis20, liblouis-data, espeak-ng-data, fonts-liberation2, fonts-dejavu-core, fontconfig-config")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client, libspeechd2 (>= 0.8.3), libbrlapi0.8 (>= 6.5)")
# V shows the embosser page on a braille display when the BRLTTY daemon runs.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "brltty")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
include(CPack)
