# The Debian package: both programs, the language files, the desktop entry
# and the icon, in the locations of the configured install prefix (scripts/
# package configures /usr). The libraries the programs link are found by
# dpkg-shlibdeps and declared as dependencies.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornax-meter)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vornax Meter developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Engine torque and power of a classic Mini from a recording of its ignition")
set(CPACK_PACKAGE_DESCRIPTION
  "Finds the sparks in a recording of the ignition taken while accelerating in one gear, turns them into engine speed against time and, with the car's parameters, into torque and power against engine speed. Curves are compared, averaged and fed to an acceleration simulation. Includes the desktop program vornax-meter and the command-line tool vornax.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Vornax Meter developers <vornax-meter@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Qt draws its texts with the fonts the system has.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Qt's own dialogs (file dialogs, text field menus) in the chosen language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-translations-l10n")
include(CPack)
