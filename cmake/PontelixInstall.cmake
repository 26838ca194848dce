# What `cmake --install` puts under the prefix. pontelix goes among the programs; the
# talking program among the internal ones, where pontelix looks for it relative to its
# own folder (src/shell/install_layout.cpp).
install(TARGETS pontelix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS pontelix-console RUNTIME DESTINATION ${PONTELIX_LIBEXEC_DIR})

install(FILES README.md doc/comandos.md doc/commands.md packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/doc/imagens/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/imagens
        FILES_MATCHING PATTERN "*.png")
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

install(FILES ${CMAKE_BINARY_DIR}/man/pontelix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/man/pt_BR/pontelix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/pt_BR/man1)

set(PONTELIX_APP_ID org.pontelix.Pontelix)
# Why lintian's embedded-library findings are overridden: the overrides file says it.
install(FILES packaging/pontelix.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
  RENAME pontelix)
install(FILES packaging/${PONTELIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES packaging/${PONTELIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES packaging/${PONTELIX_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
