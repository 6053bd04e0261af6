# A copy of the Qt-free platform built for fuzzing (coverage and AddressSanitizer), shared by
# the fuzz targets: include() it from a target's CMakeLists.txt, then link expo_platform_fuzzed.
if(NOT TARGET expo_platform_fuzzed)
    file(GLOB EXPO_PLATFORM_FUZZED_SOURCES CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/platform/text/*.cpp ${PROJECT_SOURCE_DIR}/platform/dataset/*.cpp)
    add_library(expo_platform_fuzzed STATIC ${EXPO_PLATFORM_FUZZED_SOURCES})
    target_include_directories(expo_platform_fuzzed PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(expo_platform_fuzzed PUBLIC -fsanitize=fuzzer-no-link,address,undefined
        -fno-sanitize-recover=undefined)
    target_link_libraries(expo_platform_fuzzed PUBLIC PkgConfig::PUGIXML)
endif()

# expo_fuzz_target(NAME SOURCE): the executable fuzz_NAME, which fuzz/run-all looks for.
function(expo_fuzz_target name source)
    add_executable(fuzz_${name} ${source})
    target_link_libraries(fuzz_${name} PRIVATE expo_platform_fuzzed)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
endfunction()
