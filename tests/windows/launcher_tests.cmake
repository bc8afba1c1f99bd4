# launcher.exe under Wine and a private X display: a driver reads and clicks its dialog, and a stand-in
# Engine.exe records how it was started. Both go beside launcher.exe, where the driver looks for them.
if(NOT TARGET launcher)
  return()
endif()

add_executable(launcher_engine_standin WIN32 ${CMAKE_CURRENT_LIST_DIR}/launcher_engine_standin.cpp)
warloom_warnings(launcher_engine_standin)

# Starting the launcher in a folder of its own and working its dialog from outside.
add_library(launcher_session STATIC ${CMAKE_CURRENT_LIST_DIR}/launcher_session.cpp)
target_include_directories(launcher_session PUBLIC ${PROJECT_SOURCE_DIR})
add_dependencies(launcher_session launcher launcher_engine_standin)
warloom_warnings(launcher_session)

add_executable(launcher_dialog_test ${CMAKE_CURRENT_LIST_DIR}/launcher_dialog_test.cpp)
target_link_libraries(launcher_dialog_test PRIVATE launcher_session GTest::gtest GTest::gtest_main)
warloom_warnings(launcher_dialog_test)

add_test(NAME launcher_dialog
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/with_display.sh wine $<TARGET_FILE:launcher_dialog_test>)
# It stops the prefix's wineserver, so nothing else may run in the prefix meanwhile. A crash ends a
# program at once instead of waiting in Wine's debugger.
set_tests_properties(launcher_dialog PROPERTIES
  LABELS windows FIXTURES_REQUIRED wine_prefix RUN_SERIAL TRUE TIMEOUT 600
  ENVIRONMENT "WINEDLLOVERRIDES=mscoree,mshtml,winedbg.exe=")

# Not a test: takes the picture of the dialog for the README (scripts/screenshot-launcher.sh).
add_executable(launcher_snapshot ${CMAKE_CURRENT_LIST_DIR}/launcher_snapshot.cpp)
target_link_libraries(launcher_snapshot PRIVATE launcher_session)
warloom_warnings(launcher_snapshot)
