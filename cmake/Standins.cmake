# Small programs that stand in for what lies outside the setup: the managed
# application and the service setup program of the sample distribution
# (tools/standins), and the probes the whole-program tests use (tools/testkit).
# Each .cpp there is one program.
function(add_tool_programs folder output_dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  foreach(source ${sources})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} WIN32 ${source})
    target_compile_options(${name} PRIVATE ${SETUP_WARNINGS})
    target_link_options(${name} PRIVATE ${SETUP_STATIC_RUNTIME} -municode)
    target_link_libraries(${name} PRIVATE shell32 ole32 uuid advapi32 user32 gdi32)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${output_dir})
    list(APPEND programs ${name})
  endforeach()
  set(TOOL_PROGRAMS ${programs} PARENT_SCOPE)
endfunction()

add_tool_programs(tools/standins ${CMAKE_BINARY_DIR}/standins)
set(STANDIN_PROGRAMS ${TOOL_PROGRAMS})
add_tool_programs(tools/testkit ${CMAKE_BINARY_DIR}/testkit)
set(TESTKIT_PROGRAMS ${TOOL_PROGRAMS})

add_library(mingwm10 SHARED ${CMAKE_SOURCE_DIR}/tools/standins/mingwm10.c)
set_target_properties(mingwm10 PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standins)
target_link_options(mingwm10 PRIVATE ${SETUP_STATIC_RUNTIME})
list(APPEND STANDIN_PROGRAMS mingwm10)
