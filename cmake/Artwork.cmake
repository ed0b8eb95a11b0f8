# The bitmaps and the icon of setup.exe are generated during the build by
# tools/genart (standard library Python), never kept as binaries in the tree.
set(ARTWORK_DIR ${CMAKE_BINARY_DIR}/art)
file(MAKE_DIRECTORY ${ARTWORK_DIR})

set(ARTWORK_FILES
  ${ARTWORK_DIR}/skin.bmp
  ${ARTWORK_DIR}/button_normal.bmp
  ${ARTWORK_DIR}/button_pressed.bmp
  ${ARTWORK_DIR}/button_hover.bmp
  ${ARTWORK_DIR}/close_normal.bmp
  ${ARTWORK_DIR}/close_hover.bmp
  ${ARTWORK_DIR}/close_disabled.bmp
  ${ARTWORK_DIR}/check_clear.bmp
  ${ARTWORK_DIR}/check_ticked.bmp
  ${ARTWORK_DIR}/setup.ico)
file(GLOB ARTWORK_GENERATOR ${CMAKE_SOURCE_DIR}/tools/genart/*.py)

add_custom_command(
  OUTPUT ${ARTWORK_FILES}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/genart/genart.py ${ARTWORK_DIR}
  DEPENDS ${ARTWORK_GENERATOR}
  COMMENT "Generating the bitmaps and the icon of setup.exe"
  VERBATIM)
add_custom_target(artwork DEPENDS ${ARTWORK_FILES})

# The skin with the faces at their places, to look at: cmake --build <dir> --target artwork_preview
add_custom_target(artwork_preview
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/genart/genart.py --preview ${ARTWORK_DIR}/preview.png
  COMMENT "Rendering ${ARTWORK_DIR}/preview.png"
  VERBATIM)

# The same, shown by the real controls under Wine with their texts:
# cmake --build <dir> --target artwork_screenshot (64-bit build only, as Wine here runs 64-bit programs).
add_executable(skinpreview EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/genart/skinpreview.cpp)
target_compile_options(skinpreview PRIVATE ${SETUP_WARNINGS})
target_include_directories(skinpreview PRIVATE ${CMAKE_SOURCE_DIR}/res)
target_link_options(skinpreview PRIVATE ${SETUP_STATIC_RUNTIME} -municode)
target_link_libraries(skinpreview PRIVATE setupcore)
add_custom_target(artwork_screenshot
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/genart/screenshot.py
          $<TARGET_FILE:skinpreview> $<TARGET_FILE:setup> ${ARTWORK_DIR}/screenshot.png
  DEPENDS skinpreview setup
  VERBATIM)
