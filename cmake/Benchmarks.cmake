# Benchmarks print figures; they are not tests. Run one with
#   cmake --build build/x64 --target benchmarks
# (64-bit build only: Wine here runs 64-bit programs).
add_executable(region_benchmark EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/bench/region_benchmark.cpp)
target_compile_options(region_benchmark PRIVATE ${SETUP_WARNINGS})
target_include_directories(region_benchmark PRIVATE ${CMAKE_SOURCE_DIR}/res)
target_link_options(region_benchmark PRIVATE ${SETUP_STATIC_RUNTIME} -municode)
target_link_libraries(region_benchmark PRIVATE setupcore)
add_custom_target(benchmarks
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/winerun.py
          $<TARGET_FILE:region_benchmark> $<TARGET_FILE:setup>
  DEPENDS region_benchmark setup
  VERBATIM)
