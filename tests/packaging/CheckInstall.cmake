# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build in BUILD_DIR under SCRATCH with prefix /usr and checks
# that the programs, the desktop entry, the icons, the manual and the
# machine-readable copyright file are there;
# the desktop entry must also pass desktop-file-validate, when it is installed,
# without a remark (a hint such as two main categories puts Kalto twice in a menu).
cmake_policy(VERSION 3.25)
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
    usr/share/kalto/screenshots/contactos.png
    usr/share/doc/kalto/copyright)
  if(NOT EXISTS "${SCRATCH}/${file}")
    message(FATAL_ERROR "not installed: /${file}")
  endif()
endforeach()

# The copyright file in Debian's machine-readable format: its header, and a
# licence paragraph for every licence a Files paragraph names.
file(READ "${SCRATCH}/usr/share/doc/kalto/copyright" copyright)
if(NOT copyright MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")
  message(FATAL_ERROR "copyright: not in the machine-readable format")
endif()
string(REGEX MATCHALL "\nLicense: [^\n]+" named "${copyright}")
string(REGEX MATCHALL "\n\nLicense: [^\n]+" defined "${copyright}")
list(TRANSFORM named STRIP)
list(TRANSFORM defined STRIP)
foreach(licence IN LISTS named)
  if(NOT licence IN_LIST defined)
    message(FATAL_ERROR "copyright: no paragraph of its own for ${licence}")
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
