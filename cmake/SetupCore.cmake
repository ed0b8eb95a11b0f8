# setup.exe: every source of the program goes into one static library, which
# the unit tests link too; the executable adds the entry point and resources.
add_compile_options(-municode)

file(GLOB SETUP_CORE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/win/*.cpp
  ${CMAKE_SOURCE_DIR}/app/*.cpp
  ${CMAKE_SOURCE_DIR}/engine/*.cpp
  ${CMAKE_SOURCE_DIR}/wizard/*.cpp
  ${CMAKE_SOURCE_DIR}/controls/*.cpp)
list(REMOVE_ITEM SETUP_CORE_SOURCES ${CMAKE_SOURCE_DIR}/app/main.cpp)

add_library(setupcore STATIC ${SETUP_CORE_SOURCES})
target_include_directories(setupcore PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/res)
target_compile_options(setupcore PRIVATE ${SETUP_WARNINGS})
target_link_libraries(setupcore PUBLIC comctl32 shell32 ole32 uuid advapi32 gdi32 user32 kernel32)

file(GLOB SETUP_RESOURCE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc ${CMAKE_SOURCE_DIR}/res/*.manifest)
add_executable(setup WIN32 ${CMAKE_SOURCE_DIR}/app/main.cpp ${CMAKE_SOURCE_DIR}/res/setup.rc)
target_include_directories(setup PRIVATE ${CMAKE_SOURCE_DIR}/res ${ARTWORK_DIR})
target_compile_options(setup PRIVATE ${SETUP_WARNINGS})
target_link_options(setup PRIVATE ${SETUP_STATIC_RUNTIME} -municode -mwindows)
target_link_libraries(setup PRIVATE setupcore)
add_dependencies(setup artwork)
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/setup.rc PROPERTIES
  OBJECT_DEPENDS "${SETUP_RESOURCE_SOURCES};${ARTWORK_FILES}")
