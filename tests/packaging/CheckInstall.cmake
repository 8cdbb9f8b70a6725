# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build in BUILD_DIR under SCRATCH with prefix /usr and checks
# that the programs, the desktop entry, the icons and the manual are there;
# the desktop entry must also pass desktop-file-validate, when it is installed,
# without a remark (a hint such as two main categories puts Kalto twice in a menu).
file(REMOVE_RECURSE "${SCRATCH}")
set(ENV{DESTDIR} "${SCRATCH}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

foreach(file
    usr/bin/kalto
    usr/bin/kalto-cli
    usr/share/applications/kalto.desktop
    usr/share/icons/hicolor/scalable/apps/kalto.svg
    usr/share/icons/hicolor/48x48/apps/kalto.png
    usr/share/icons/hicolor/256x256/apps/kalto.png
    usr/share/kalto/manual/index.html
    usr/share/kalto/manual/kalto.css
    usr/share/kalto/screenshots/contactos.png)
  if(NOT EXISTS "${SCRATCH}/${file}")
    message(FATAL_ERROR "not installed: /${file}")
  endif()
endforeach()

# Every picture the manual shows is installed with it.
file(READ "${SCRATCH}/usr/share/kalto/manual/index.html" manual)
string(REGEX MATCHALL "src=\"[^\"]+\"" pictures "${manual}")
foreach(picture IN LISTS pictures)
  string(REGEX REPLACE "src=\"([^\"]+)\"" "\\1" relative "${picture}")
  if(NOT EXISTS "${SCRATCH}/usr/share/kalto/manual/${relative}")
    message(FATAL_ERROR "the manual shows ${relative}, which is not installed")
  endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${SCRATCH}/usr/share/applications/kalto.desktop"
                  RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT valid EQUAL 0 OR NOT report STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${report}")
  endif()
endif()
