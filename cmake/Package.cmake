# cpack -G DEB: a Debian package of the program, its command-line tool and its data, depending
# on the runtime libraries the two executables link (found by dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VENDOR Corvex)
set(CPACK_PACKAGE_CONTACT "Veltrane maintainers <veltrane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Navigation and astronomy calculators for small vessels")
set(CPACK_PACKAGE_DESCRIPTION
    "Coastal and celestial navigation, great circles, tropical cyclones, astronomy and unit\n conversions, with a command-line tool that prints JSON.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://veltrane.example.org/)
set(CPACK_STRIP_FILES ON)
include(CPack)
