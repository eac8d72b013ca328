# The bare window and the plain form that bench/startup.sh compares the calculator's start-up
# with; the plain form takes the window's control table, not its library.
if(TS_BUILD_GUI)
  add_executable(bare_window bare_window.cpp)
  target_link_libraries(bare_window PRIVATE first_paint_probe Qt6::Widgets)
  add_executable(plain_form plain_form.cpp ${PROJECT_SOURCE_DIR}/account/control_table.cpp)
  target_include_directories(plain_form PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(plain_form PRIVATE first_paint_probe ui_pictures calc Qt6::Widgets)
endif()
