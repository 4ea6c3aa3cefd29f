# The Debian package: `cpack -G DEB` in the build folder makes
# korvelin_<version>_<arch>.deb from the same install rules as `cmake --install`.
# Its library dependencies come from dpkg-shlibdeps; Debian's own triggers update
# the MIME, desktop and icon databases, so the package needs no maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvelin)
# All four parts; CPack would otherwise drop the fourth.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Korvelin developers")
set(CPACK_PACKAGE_CONTACT "The Korvelin developers <korvelin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build queue planner for a space-strategy game")
set(CPACK_PACKAGE_DESCRIPTION "\
Korvelin lines up a queue of building and research upgrades for a browser
space-strategy game (metal, crystal, deuterium, energy) and plays it on a
simulated clock: for every upgrade the price, the wait until the stock covers
it, the build time and the running total. The command-line tools
korvelin-report and korvelin-optimize print the same figures for a saved
queue and search for a shorter order of its upgrades.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A planner for a game, not a game: Debian keeps "games" for what installs into /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(KORVELIN_BUILD_GUI)
  # Qt's Gui library only recommends its platform plugins, without which the
  # window cannot open at all.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()

include(CPack)
