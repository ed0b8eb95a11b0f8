# build/<arch>/dist: the sample distribution folder, assembled by the same
# script a packager uses around a payload of their own.
set(DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(SAMPLE_PAYLOAD_DIR ${CMAKE_BINARY_DIR}/sample-payload)

add_custom_target(dist ALL
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_sample_payload.py
          --standins ${CMAKE_BINARY_DIR}/standins --out ${SAMPLE_PAYLOAD_DIR}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_dist.py
          --setup $<TARGET_FILE:setup> --languages ${CMAKE_BINARY_DIR}/lang
          --payload ${SAMPLE_PAYLOAD_DIR} --ini ${CMAKE_SOURCE_DIR}/res/sample/setup.ini
          --out ${DIST_DIR}
  DEPENDS setup ${LANGUAGE_LIBRARIES} ${STANDIN_PROGRAMS}
  COMMENT "Assembling the distribution folder ${DIST_DIR}"
  VERBATIM)
