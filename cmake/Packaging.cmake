# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package: `cpack` in the build folder (or the "package" target).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbalune)
set(CPACK_PACKAGE_VENDOR "The Orbalune developers")
set(CPACK_PACKAGE_CONTACT "The Orbalune developers <orbalune@users.noreply.invalid>")
# CPack puts the summary on the Description line itself and indents the rest,
# so the long description starts with its own first sentence.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small world clock of ten cities, in Japanese")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "One wide, low window shows the date and time of ten cities side by side,
refreshed exactly on every second, next to the local date and time.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Library dependencies come from dpkg-shlibdeps; the font and Qt's Japanese
# texts are data, which it cannot see, and Qt's Wayland plugin is loaded at run
# time, only on a desktop without X11.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_STRIP_FILES ON)
# Plain strip, as CPack runs it, keeps the compiler's version strings (.comment)
# and the bare .note section; Debian's own packages drop them too (dh_strip).
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note --strip-unneeded
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/$<TARGET_FILE_NAME:orbalune>\" COMMAND_ERROR_IS_FATAL ANY)
  endif()
")
# Dated by the sources, not by the build (reproducible builds).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageDate.cmake)
include(CPack)
