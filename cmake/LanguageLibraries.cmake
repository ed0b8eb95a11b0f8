# The language resource libraries setupENU.dll ... setupPTB.dll: one string
# table each, no code. Every res/lang/setupXXX.rc becomes setupXXX.dll.
file(GLOB LANGUAGE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/lang/setup*.rc)
set(LANGUAGE_LIBRARIES "")
foreach(script ${LANGUAGE_SCRIPTS})
  get_filename_component(name ${script} NAME_WE)
  add_library(${name} SHARED ${script})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/res)
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".dll" LINKER_LANGUAGE C
    OUTPUT_NAME ${name} RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lang)
  # Entry point 0: loading a library that holds only strings runs no code.
  target_link_options(${name} PRIVATE -nostdlib -Wl,-e,0 -s)
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/res/resource.h)
  list(APPEND LANGUAGE_LIBRARIES ${name})
endforeach()
