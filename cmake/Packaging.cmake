# The Debian package: `cpack -G DEB` in the build folder makes orvantis_<version>_<arch>.deb of
# what `cmake --install` installs, under /usr.
set(CPACK_PACKAGE_NAME orvantis)
set(CPACK_PACKAGE_VENDOR "The Orvantis developers")
set(CPACK_PACKAGE_CONTACT "The Orvantis developers <developers@orvantis.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://orvantis.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "astrological clock: the chart of the present moment")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Orvantis shows the chart wheel of the present moment at your home place and recomputes\n"
       "it every minute, with election charts, aspects, printing and PDF. orvantis-chart prints\n"
       "any chart in a terminal or saves its wheel as PNG or PDF.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link are found by dpkg-shlibdeps; Qt's plugins are loaded at run
# time, so the SVG one (the window icon) and the SQLite one (the chart library) are named here,
# with the fonts of the window's texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libnova (the precise ephemeris) is found by dpkg-shlibdeps too; named so the dependency is
# plain to read.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, libqt6sql6-sqlite, libgeonames0, fonts-dejavu-core, libnova-0.16-0")
include(CPack)
