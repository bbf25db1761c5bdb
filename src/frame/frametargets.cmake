# Version values of the program from the project (company, product, four-part file version).
configure_file(buildversion.h.in ${CMAKE_CURRENT_BINARY_DIR}/include/frame/buildversion.h @ONLY)

# GUI-free part of the frame: version values, crash reports, the UI service interface, configuration,
# operating-system services, placement and start-screen rules.
mirevo_add_layer(config
  SOURCES versioninfo.cpp crashhook.cpp crashreporter.cpp bsui.cpp bssystem.cpp bsconfig.cpp placement.cpp
    startscreentiming.cpp
  DEPS Mirevo::i18n Mirevo::settings Mirevo::base Qt6::Core)
target_include_directories(mirevo_config PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/include)
target_compile_definitions(mirevo_config PRIVATE MIREVO_DEBUG_BUILD=$<IF:$<CONFIG:Debug>,1,0>)

# The windows of the frame: application object, UI service, form base, start screen and about box.
mirevo_add_layer(frame
  SOURCES trvapplication.cpp svgicon.cpp bsuivisual.cpp configselect.cpp configselect.ui trvform.cpp tarvoform.cpp
    tarvoscreen.cpp tarvoscreen.ui systemx.cpp
  DEPS Mirevo::config Mirevo::controls Mirevo::i18n Qt6::Widgets Qt6::Svg)
qt_add_resources(mirevo_frame frame_pictures
  PREFIX /frame
  BASE ${PROJECT_SOURCE_DIR}/resources/frame
  FILES ${PROJECT_SOURCE_DIR}/resources/frame/mirevo-logo.svg ${PROJECT_SOURCE_DIR}/resources/frame/mirevo-icon.svg)
