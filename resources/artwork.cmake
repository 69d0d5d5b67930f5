# Artwork made at build time: the generator draws every picture from code into
# the build tree, rcc embeds them, and bio_resources carries them. The library is
# static, so users call InitArtwork() (resources/Artwork.h) once before loading.

file(GLOB _artgen_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/artgen/*.cpp)
add_executable(bio_artgen ${_artgen_sources})
biorhythm_target_options(bio_artgen)
target_include_directories(bio_artgen PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(bio_artgen PRIVATE Qt6::Gui JPEG::JPEG)

set(_art_dir ${CMAKE_CURRENT_BINARY_DIR}/art)
set(_art_files promo.jpg promo@2x.jpg promo@3x.jpg logo.jpg logo@2x.jpg logo@3x.jpg
               backtoday.bmp back4weeks.bmp glyph.png glyph@2x.png glyph@3x.png
               icon16.png icon24.png icon32.png icon48.png icon64.png icon128.png icon256.png)
set(_art_outputs)
set(_qrc_entries)
foreach(_f IN LISTS _art_files)
  list(APPEND _art_outputs ${_art_dir}/${_f})
  string(APPEND _qrc_entries "    <file>art/${_f}</file>\n")
endforeach()
# The scalable icon is installed, not embedded.
list(APPEND _art_outputs ${_art_dir}/icon.svg)

# The generator is a build tool: no display, and leak reports from the font
# machinery of a sanitizer build must not fail the build.
add_custom_command(
  OUTPUT ${_art_outputs}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_art_dir}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:bio_artgen> ${_art_dir}
  DEPENDS bio_artgen
  COMMENT "Drawing the artwork"
  VERBATIM)

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/art.qrc.in
  "<!DOCTYPE RCC><RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n${_qrc_entries}  </qresource>\n</RCC>\n")
configure_file(${CMAKE_CURRENT_BINARY_DIR}/art.qrc.in ${CMAKE_CURRENT_BINARY_DIR}/art.qrc COPYONLY)

add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/qrc_art.cpp
  COMMAND Qt6::rcc --name art --output ${CMAKE_CURRENT_BINARY_DIR}/qrc_art.cpp
          ${CMAKE_CURRENT_BINARY_DIR}/art.qrc
  DEPENDS ${_art_outputs} ${CMAKE_CURRENT_BINARY_DIR}/art.qrc
  COMMENT "Embedding the artwork"
  VERBATIM)

add_library(bio_resources STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/Artwork.cpp
  ${CMAKE_CURRENT_BINARY_DIR}/qrc_art.cpp)
biorhythm_target_options(bio_resources)
target_include_directories(bio_resources PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(bio_resources PUBLIC Qt6::Core)
