# The measuring-only x86-64 build: the layers that draw (declared before
# this file is included, with the libraries they link), the benchmark, the
# gallery, and the theme test of the whole elements' pinned hashes, which
# must hold here as in the 32-bit build. Nothing 32-bit-only (the resource
# probe's thunk, the tray record, the single-instance mapping) is in it.

file(GLOB RESOURCE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/Quorvel.rc PROPERTIES
                            OBJECT_DEPENDS "${RESOURCE_FILES}")

enable_testing()
add_subdirectory(tools/bench)
add_subdirectory(tools/gallery)

add_executable(test_theme_elements ${CMAKE_SOURCE_DIR}/tests/theme/NgLunaElementTests.cpp
               ${CMAKE_SOURCE_DIR}/tests/test_main.cpp ${CMAKE_SOURCE_DIR}/resources/Quorvel.rc)
quorvel_use_layer(test_theme_elements theme TESTS)
target_include_directories(test_theme_elements SYSTEM PRIVATE ${DOCTEST_INCLUDE})
target_compile_definitions(test_theme_elements PRIVATE DOCTEST_CONFIG_NO_MULTITHREADING)
add_test(NAME test_theme_elements COMMAND test_theme_elements)
