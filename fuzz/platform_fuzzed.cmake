# A copy of the Qt-free platform built for fuzzing (coverage and AddressSanitizer), shared by
# the fuzz targets: include() it from a target's CMakeLists.txt, then link expo_platform_fuzzed.
# Targets of the Qt-free presentation units list those sources with their own.
if(NOT TARGET expo_platform_fuzzed)
    file(GLOB EXPO_PLATFORM_FUZZED_SOURCES CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/platform/text/*.cpp ${PROJECT_SOURCE_DIR}/platform/dataset/*.cpp
        ${PROJECT_SOURCE_DIR}/platform/ini/*.cpp ${PROJECT_SOURCE_DIR}/platform/os/*.cpp)
    add_library(expo_platform_fuzzed STATIC ${EXPO_PLATFORM_FUZZED_SOURCES})
    target_include_directories(expo_platform_fuzzed PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(expo_platform_fuzzed PUBLIC -fsanitize=fuzzer-no-link,address,undefined
        -fno-sanitize-recover=undefined)
    target_link_libraries(expo_platform_fuzzed PUBLIC PkgConfig::PUGIXML)
endif()

# expo_fuzz_target(NAME SOURCE [MORE SOURCES...]): the executable fuzz_NAME, which fuzz/run-all
# looks for. Sources of presentation/ are named relative to that folder.
function(expo_fuzz_target name source)
    set(more)
    foreach(unit ${ARGN})
        list(APPEND more ${PROJECT_SOURCE_DIR}/presentation/${unit})
    endforeach()
    add_executable(fuzz_${name} ${source} ${more})
    target_link_libraries(fuzz_${name} PRIVATE expo_platform_fuzzed)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
endfunction()
