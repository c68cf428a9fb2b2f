# The translations: Japanese is the source language, each .ts in resources/translations another.
# `cmake --build --preset default --target update_translations` refreshes the .ts files from the
# sources; the .qm files are built with the program, compiled into it and installed.
set(FELUX_TS_FILES ${CMAKE_SOURCE_DIR}/resources/translations/felux_en.ts)
file(GLOB_RECURSE FELUX_TRANSLATED_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/qt/*.cpp
     ${CMAKE_SOURCE_DIR}/src/core/*.cpp)
# The core marks its texts with its own names, as it links no Qt.
qt_add_lupdate(felux_qt TS_FILES ${FELUX_TS_FILES} SOURCES ${FELUX_TRANSLATED_SOURCES}
               OPTIONS -no-obsolete -locations none -source-language ja
                       -tr-function-alias QT_TRANSLATE_NOOP+=FELUX_TEXT_NOOP,translate+=UiText)
qt_add_lrelease(felux_qt TS_FILES ${FELUX_TS_FILES} QM_FILES_OUTPUT_VARIABLE FELUX_QM_FILES)
qt_add_resources(felux_qt felux_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
                 FILES ${FELUX_QM_FILES})
include(GNUInstallDirs)
install(FILES ${FELUX_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/felux/translations)
