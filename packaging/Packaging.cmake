# The Debian package `sylvarine_<version>_<arch>.deb`: what `cmake --install` lays out,
# under /usr, made by `cpack` from a build (`make package`).

# The machine-wide HKEY_LOCAL_MACHINE of the machine stand-in: "DestinationPath" names
# the installed help pages, as the installer's record does. Written when installing,
# so that it names the prefix installed to, whatever the build was configured with.
install(CODE "set(datadir \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
  set(pages "${CMAKE_INSTALL_PREFIX}/${datadir}/sylvarine/")
  string(REPLACE "/" "\\\\" pages "Z:${pages}")
  file(WRITE "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${datadir}/corvane-machine/HKEY_LOCAL_MACHINE.reg"
    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Kelvory\\Sylvarine\\SetupInfo]\r\n"
    "\"DestinationPath\"=\"${pages}\"\r\n\r\n")
]])
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sylvarine)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sylvarine)
set(CPACK_PACKAGE_VENDOR Kelvory)
set(CPACK_PACKAGE_CONTACT "Sylvarine developers <sylvarine@kelvory.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sound-card oscilloscope, spectrograph and level meters")
set(CPACK_PACKAGE_DESCRIPTION [[
Sylvarine turns the sound card's input into a two-channel measuring
instrument: a triggered oscilloscope in five presentations, a spectrograph
computed with integer arithmetic, needle VU meters and bar graphs. Captured
blocks are saved as snapshot files, reopened and printed. French interface.
.
osctool works on snapshot files from the command line: figures, spectra,
pictures of every display, conversion from and to WAV and CSV, capture.]])
# The install prefix of the package, and DESTDIR for the staging: install code sees /usr.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link come from dpkg-shlibdeps; the rest they load or start:
# Qt's X11 platform plugin and SVG icon engine, the font that stands for Arial, xdg-mime
# (the HTML browser).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation2, xdg-utils")
# The sound servers reach ALSA's "default" device through their ALSA plugins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libasound2-plugins | pipewire-alsa, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pavucontrol")
# Debian's layout: compressed manual pages, the changelog beside the copyright.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_layout.cmake)
set(CPACK_SYLVARINE_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
include(CPack)
