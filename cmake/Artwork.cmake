# The bitmaps and the icon of setup.exe are generated during the build.
set(ARTWORK_DIR ${CMAKE_BINARY_DIR}/art)
file(MAKE_DIRECTORY ${ARTWORK_DIR})
