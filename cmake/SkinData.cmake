# Compiles resources/skin.bmp and resources/skin@2x.bmp into felux_core_skin as byte arrays
# (SkinBitmapBytes(1) and SkinBitmapBytes(2)).
#
# Included from the root CMakeLists after felux_core_skin exists, it adds a build
# step that reruns this same file as a script (cmake -P) whenever the bitmap
# changes; in script mode it writes the .cpp.

if(CMAKE_SCRIPT_MODE_FILE)
  # Script mode: SKIN_BMP and SKIN_BMP_2X in, SKIN_CPP out.
  function(skin_array path name out)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hex_length)
    math(EXPR byte_count "${hex_length} / 2")
    # Sixty-four bytes a line keeps the file readable by tools and diff.
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){64})" "\\1\n" bytes "${bytes}")
    set(${out} "const unsigned char ${name}[${byte_count}] = {\n${bytes}\n};\n" PARENT_SCOPE)
  endfunction()
  skin_array("${SKIN_BMP}" kSkinBitmap once)
  skin_array("${SKIN_BMP_2X}" kSkinBitmap2x twice)
  file(WRITE "${SKIN_CPP}.tmp"
    "// Generated from resources/skin.bmp and skin@2x.bmp by cmake/SkinData.cmake; do not edit.\n"
    "#include \"skin/SkinBytes.h\"\n\n"
    "namespace felux {\nnamespace {\n"
    "${once}${twice}"
    "}  // namespace\n\n"
    "std::span<const unsigned char> SkinBitmapBytes(int scale) {\n"
    "    if (scale == 2) return kSkinBitmap2x;\n"
    "    return kSkinBitmap;\n"
    "}\n\n"
    "}  // namespace felux\n")
  file(RENAME "${SKIN_CPP}.tmp" "${SKIN_CPP}")
  return()
endif()

set(FELUX_SKIN_BMP ${CMAKE_SOURCE_DIR}/resources/skin.bmp)
set(FELUX_SKIN_BMP_2X ${CMAKE_SOURCE_DIR}/resources/skin@2x.bmp)
foreach(bmp ${FELUX_SKIN_BMP} ${FELUX_SKIN_BMP_2X})
  if(NOT EXISTS ${bmp})
    message(FATAL_ERROR "${bmp} is missing: restore it from git, or draw it with tools/skin")
  endif()
endforeach()
set(FELUX_SKIN_CPP ${CMAKE_BINARY_DIR}/generated/SkinBitmapBytes.cpp)
add_custom_command(
  OUTPUT ${FELUX_SKIN_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${CMAKE_COMMAND} -DSKIN_BMP=${FELUX_SKIN_BMP} -DSKIN_BMP_2X=${FELUX_SKIN_BMP_2X}
          -DSKIN_CPP=${FELUX_SKIN_CPP} -P ${CMAKE_CURRENT_LIST_FILE}
  DEPENDS ${FELUX_SKIN_BMP} ${FELUX_SKIN_BMP_2X} ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Embedding the skin bitmap"
  VERBATIM)
target_sources(felux_core_skin PRIVATE ${FELUX_SKIN_CPP})
