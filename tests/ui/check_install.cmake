# Installs the build into PREFIX and checks that the window comes with what a desktop needs,
# and both programs with their manual pages and licence.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file bin/transformer-sizer bin/transformer-sizer-batch
             share/applications/${APP_ID}.desktop share/mime/packages/${APP_ID}.xml
             share/icons/hicolor/scalable/apps/${APP_ID}.svg
             share/metainfo/${APP_ID}.metainfo.xml
             share/man/man1/transformer-sizer.1.gz share/man/man1/transformer-sizer-batch.1.gz
             share/man/ru/man1/transformer-sizer.1.gz share/man/ru/man1/transformer-sizer-batch.1.gz
             share/doc/transformer-sizer/copyright share/doc/transformer-sizer/changelog.gz)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
