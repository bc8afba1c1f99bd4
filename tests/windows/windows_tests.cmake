# Tests of the Windows build: a fresh 32-bit Wine prefix in the build tree, and the export tables.
add_test(NAME wine_prefix
         COMMAND ${CMAKE_COMMAND} -DPREFIX=${CMAKE_BINARY_DIR}/wineprefix -P ${CMAKE_CURRENT_LIST_DIR}/make_prefix.cmake)
set_tests_properties(wine_prefix PROPERTIES LABELS windows FIXTURES_SETUP wine_prefix)

find_program(WARLOOM_OBJDUMP NAMES i686-w64-mingw32-objdump objdump REQUIRED)
add_test(NAME warloom_exports
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_exports.sh ${WARLOOM_OBJDUMP} $<TARGET_FILE:warloom>
                 ${CMAKE_CURRENT_LIST_DIR}/warloom_exports.txt)
set_tests_properties(warloom_exports PROPERTIES LABELS windows)
include(${CMAKE_CURRENT_LIST_DIR}/launcher_tests.cmake OPTIONAL)
