# Installs the build into a scratch prefix and checks that a desktop finds the program:
# the executable, a menu entry that starts it (with a file to open) and names an icon and the
# session type, that icon, and the session type whose files ".resam" are.
#   cmake -DBUILD=<build dir> -DPREFIX=<scratch prefix> -P InstallCheck.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}" RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file bin/resam share/applications/resam.desktop share/icons/hicolor/scalable/apps/resam.svg
        share/mime/packages/resam.xml share/mime/globs2 share/applications/mimeinfo.cache)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/resam.desktop" entry)
foreach(line "[Desktop Entry]" "Type=Application" "Exec=resam %f" "Icon=resam" "Terminal=false"
        "MimeType=application/x-resam-session;")
  list(FIND entry "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "resam.desktop lacks \"${line}\"")
  endif()
endforeach()
file(READ "${PREFIX}/share/icons/hicolor/scalable/apps/resam.svg" icon)
if(NOT icon MATCHES "<svg")
  message(FATAL_ERROR "resam.svg is not an SVG picture")
endif()
file(READ "${PREFIX}/share/mime/packages/resam.xml" types)
if(NOT types MATCHES "<mime-type type=\"application/x-resam-session\">" OR NOT types MATCHES "<glob pattern=\"\\*\\.resam\"/>")
  message(FATAL_ERROR "resam.xml does not give the session type with its pattern *.resam")
endif()
# The install has rebuilt the desktop's databases (scripts/install-deps brings their tools):
# the type knows *.resam, and the type is opened by the program, as a double click needs.
file(READ "${PREFIX}/share/mime/globs2" globs)
if(NOT globs MATCHES "application/x-resam-session:\\*\\.resam")
  message(FATAL_ERROR "the installed type database does not know *.resam")
endif()
file(READ "${PREFIX}/share/applications/mimeinfo.cache" handlers)
if(NOT handlers MATCHES "application/x-resam-session=resam\\.desktop;")
  message(FATAL_ERROR "the installed program database does not open *.resam with resam")
endif()
