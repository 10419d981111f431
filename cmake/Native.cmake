# The native (Linux) build: the portable core, its tests, the benchmarks and the host tools.
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)

add_library(velmira_test_support STATIC ${test_support_sources})
target_link_libraries(velmira_test_support PUBLIC velmira_core GTest::gtest)

add_executable(velmira_tests ${portable_test_sources})
target_link_libraries(velmira_tests PRIVATE velmira_test_support GTest::gtest_main)
target_compile_definitions(velmira_tests PRIVATE VELMIRA_GOLDEN_DIR="${CMAKE_SOURCE_DIR}/tests/golden")
gtest_discover_tests(velmira_tests DISCOVERY_MODE PRE_TEST)

# Speed and memory targets: built with everything else, run by hand (never by the tests).
file(GLOB benchmark_sources CONFIGURE_DEPENDS benchmarks/*/*.cpp)
if(benchmark_sources)
  add_executable(velmira_benchmarks ${benchmark_sources})
  target_link_libraries(velmira_benchmarks PRIVATE velmira_core benchmark::benchmark_main)
endif()

add_subdirectory(tools)
add_subdirectory(resources)
