# `cpack -G DEB` in a build folder makes a Debian package of what `cmake --install` puts in place:
# the program, its language libraries, the desktop entry, the *.mwf type and the icon.
set(CPACK_PACKAGE_NAME zelvo)
set(CPACK_PACKAGE_VENDOR "Zelvo")
set(CPACK_PACKAGE_CONTACT "Zelvo maintainers <zelvo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sheets' fonts: the metric-compatible Times New Roman and Arial, and a Japanese gothic face.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-ipafont-gothic")
include(CPack)
