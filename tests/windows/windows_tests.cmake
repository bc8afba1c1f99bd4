# Tests of the Windows build: a fresh 32-bit Wine prefix in the build tree, and the export tables.
add_test(NAME wine_prefix
         COMMAND ${CMAKE_COMMAND} -DPREFIX=${CMAKE_BINARY_DIR}/wineprefix -P ${CMAKE_CURRENT_LIST_DIR}/make_prefix.cmake)
set_tests_properties(wine_prefix PROPERTIES LABELS windows FIXTURES_SETUP wine_prefix)

find_program(WARLOOM_OBJDUMP NAMES i686-w64-mingw32-objdump objdump REQUIRED)
add_test(NAME warloom_exports
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_exports.sh ${WARLOOM_OBJDUMP} $<TARGET_FILE:warloom>
                 ${CMAKE_CURRENT_LIST_DIR}/warloom_exports.txt)
set_tests_properties(warloom_exports PROPERTIES LABELS windows)
add_test(NAME ostrel_exports
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_exports.sh ${WARLOOM_OBJDUMP} $<TARGET_FILE:ostrel>
                 ${CMAKE_CURRENT_LIST_DIR}/ostrel_exports.txt)
set_tests_properties(ostrel_exports PROPERTIES LABELS windows)

# ostrel.dll on the system's DirectSound: a host plays generated tunes through the nine exports, the
# sound device writes into a WAV file, and a checker measures what was played.
add_executable(ostrel_host ${CMAKE_CURRENT_LIST_DIR}/ostrel_host.cpp ${PROJECT_SOURCE_DIR}/tools/ostrel_vorbis_writer.cpp)
target_include_directories(ostrel_host PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(ostrel_host PRIVATE ostrel PkgConfig::VORBISENC dsound)
warloom_warnings(ostrel_host)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME ostrel_sound
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/ostrel_sound.sh $<TARGET_FILE:ostrel_host>
                 ${CMAKE_CURRENT_LIST_DIR}/check_capture.py ${CMAKE_BINARY_DIR}/ostrel_sound)
set_tests_properties(ostrel_sound PROPERTIES LABELS windows FIXTURES_REQUIRED wine_prefix)

include(${CMAKE_CURRENT_LIST_DIR}/launcher_tests.cmake OPTIONAL)
