# cmake --install and the Debian package: the program, its key list, icons, desktop file, manual.
include(GNUInstallDirs)

# The icon theme sizes are drawn by the program's own icon code.
add_executable(felux_icon_tool ${CMAKE_SOURCE_DIR}/tools/icon/main.cpp)
target_link_libraries(felux_icon_tool PRIVATE felux_qt)
set(FELUX_ICON_SIZES 48 64 128 256)
set(FELUX_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(FELUX_ICON_FILES)
foreach(size ${FELUX_ICON_SIZES})
  list(APPEND FELUX_ICON_FILES ${FELUX_ICON_DIR}/${size}x${size}/apps/felux.png)
endforeach()
add_custom_command(OUTPUT ${FELUX_ICON_FILES}
  COMMAND felux_icon_tool ${FELUX_ICON_DIR} ${FELUX_ICON_SIZES}
  DEPENDS felux_icon_tool
  COMMENT "Drawing the theme icons")
configure_file(${CMAKE_SOURCE_DIR}/resources/felux.1 ${CMAKE_BINARY_DIR}/felux.1 @ONLY)
add_custom_target(felux_icons ALL DEPENDS ${FELUX_ICON_FILES})

install(TARGETS felux RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A copy for reference; the program carries its own and puts it in the data folder.
install(FILES ${CMAKE_SOURCE_DIR}/resources/KR02.sys DESTINATION ${CMAKE_INSTALL_DATADIR}/felux)
install(FILES ${CMAKE_SOURCE_DIR}/resources/io.github.felux.Felux.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${FELUX_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_BINARY_DIR}/felux.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME felux)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "FELUX developers <felux@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Media player with a small skinned panel")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# X11 only: a Wayland desktop runs the player through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xwayland")
include(CPack)
