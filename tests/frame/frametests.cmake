mirevo_add_test(frame_config_tests
  SOURCES crashhook_test.cpp placement_test.cpp startscreentiming_test.cpp versioninfo_test.cpp bsui_test.cpp
    bssystem_test.cpp config_test.cpp
  DEPS Mirevo::config)
set_target_properties(frame_config_tests PROPERTIES ENABLE_EXPORTS ON)

# A small program that really crashes (or throws in an event handler) in the way its first argument names;
# the crash tests run it as a child process.
add_executable(frame_crash_helper crashhelper.cpp)
target_link_libraries(frame_crash_helper PRIVATE mirevo_options Mirevo::frame)
set_target_properties(frame_crash_helper PROPERTIES ENABLE_EXPORTS ON)

mirevo_add_test(frame_crash_tests SOURCES crash_test.cpp DEPS Mirevo::config Qt6::Core)
target_compile_definitions(frame_crash_tests PRIVATE CRASH_HELPER="$<TARGET_FILE:frame_crash_helper>")
add_dependencies(frame_crash_tests frame_crash_helper)

mirevo_add_test(frame_gui_tests GUI LABEL gui
  SOURCES form_test.cpp startscreen_test.cpp servicemenus_test.cpp testform.ui nosnapform.ui
  DEPS Mirevo::frame Mirevo::settings)

# Shows the frame's windows for a look on a display: frame_showcase start|about|chooser|error.
add_executable(frame_showcase frameshowcase.cpp)
target_link_libraries(frame_showcase PRIVATE mirevo_options Mirevo::frame)
