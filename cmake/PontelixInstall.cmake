# What `cmake --install` puts under the prefix. pontelix goes among the programs; the
# talking program among the internal ones, where pontelix looks for it relative to its
# own folder (src/shell/install_layout.cpp).
install(TARGETS pontelix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS pontelix-console RUNTIME DESTINATION ${PONTELIX_LIBEXEC_DIR})

install(FILES README.md doc/comandos.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/doc/imagens/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/imagens FILES_MATCHING PATTERN "*.png")
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
