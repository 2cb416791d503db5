# Installs the build into a scratch prefix and checks that both programs and
# the desktop integration files arrive where the desktop looks for them.
if(NOT BUILD_DIR OR NOT PREFIX)
  message(FATAL_ERROR "BUILD_DIR and PREFIX are needed")
endif()
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
  bin/zev-cli
  bin/zev
  share/applications/org.example.zev.desktop
  share/mime/packages/org.example.zev.xml
  share/icons/hicolor/scalable/apps/org.example.zev.svg)
foreach(f ${expected})
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/org.example.zev.desktop desktop)
foreach(line "Exec=zev %F" "Icon=org.example.zev" "MimeType=application/x-zev-model;")
  string(FIND "${desktop}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the desktop file lacks ${line}")
  endif()
endforeach()
file(READ ${PREFIX}/share/mime/packages/org.example.zev.xml mime)
string(FIND "${mime}" "<glob pattern=\"*.zev\"/>" at)
if(at LESS 0)
  message(FATAL_ERROR "the MIME type does not claim *.zev")
endif()
file(REMOVE_RECURSE ${PREFIX})
