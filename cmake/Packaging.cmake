# A Debian package: `cpack` in the build folder (or the "package" target).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbalune)
set(CPACK_PACKAGE_VENDOR "The Orbalune developers")
set(CPACK_PACKAGE_CONTACT "The Orbalune developers <orbalune@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small world clock of ten cities, in Japanese")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "small world clock of ten cities, in Japanese
 One wide, low window shows the date and time of ten cities side by side,
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
include(CPack)
