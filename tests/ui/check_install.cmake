# Installs the build into PREFIX and checks that the window comes with what a desktop needs.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file bin/transformer-sizer bin/transformer-sizer-batch
             share/applications/${APP_ID}.desktop
             share/icons/hicolor/scalable/apps/${APP_ID}.svg
             share/metainfo/${APP_ID}.metainfo.xml)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
