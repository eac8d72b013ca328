# The bare window that bench/startup.sh compares the calculator's start-up with.
if(TS_BUILD_GUI)
  add_executable(bare_window bare_window.cpp)
  target_link_libraries(bare_window PRIVATE first_paint_probe Qt6::Widgets)
endif()
