# cmake --install and the Debian package: the program, its key list, icons, desktop file, software
# centre metainfo and screenshots, manual.
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

# The manual and the package's changelog as Debian ships them: gzip -9n leaves out the name and
# time, so the same sources give the same bytes.
find_program(GZIP gzip REQUIRED)
set(FELUX_GZIP_DIR ${CMAKE_BINARY_DIR}/gzipped)
add_custom_command(OUTPUT ${FELUX_GZIP_DIR}/felux.1.gz ${FELUX_GZIP_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${FELUX_GZIP_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/felux.1 ${CMAKE_SOURCE_DIR}/cmake/debian/changelog
          ${FELUX_GZIP_DIR}
  COMMAND ${GZIP} -9nf ${FELUX_GZIP_DIR}/felux.1 ${FELUX_GZIP_DIR}/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/felux.1 ${CMAKE_SOURCE_DIR}/cmake/debian/changelog
  COMMENT "Compressing the manual and the changelog")
add_custom_target(felux_gzipped ALL DEPENDS ${FELUX_GZIP_DIR}/felux.1.gz ${FELUX_GZIP_DIR}/changelog.gz)

install(TARGETS felux RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A copy for reference; the program carries its own and puts it in the data folder.
install(FILES ${CMAKE_SOURCE_DIR}/resources/KR02.sys DESTINATION ${CMAKE_INSTALL_DATADIR}/felux)
install(FILES ${CMAKE_SOURCE_DIR}/resources/io.github.felux.Felux.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/io.github.felux.Felux.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The metainfo names the published copies of these; software centres fetch them from there.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/screenshots DESTINATION ${CMAKE_INSTALL_DATADIR}/felux)
install(DIRECTORY ${FELUX_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
# mpv names the sound stream's icon after its client name, "FELUX": the mixers find ours under it too.
foreach(size ${FELUX_ICON_SIZES})
  install(FILES ${FELUX_ICON_DIR}/${size}x${size}/apps/felux.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME FELUX.png)
endforeach()
install(FILES ${FELUX_GZIP_DIR}/felux.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${FELUX_GZIP_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME felux)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The same as in cmake/debian/changelog and copyright.
set(CPACK_PACKAGE_CONTACT "FELUX developers <felux@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Media player with a small skinned panel")
# The package's long description, one line each as it shows in package managers.
set(CPACK_PACKAGE_DESCRIPTION "FELUX plays video and audio files from a small skinned control panel,
with the picture in a separate video window. It has a playlist editor, timed
lyrics lit word by word, A-B repeat and segment entries, companion audio files
played with a video, a remembered volume for each file, keyboard and
mouse-wheel control, and MPRIS for the desktop's media keys.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# X11 only: a Wayland desktop runs the player through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xwayland")
include(CPack)
