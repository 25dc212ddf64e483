# `cpack -G DEB` in a build tree makes tavrin_<version>_<arch>.deb from the install rules
# (tools/package.sh is the one command that does it all).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TAVRIN_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian's "games" section is for programs in /usr/games; this one installs into bin.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(NOT TAVRIN_HOME_PAGE STREQUAL "")
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAVRIN_HOME_PAGE})
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "educational board game about coronary heart disease")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tavrin teaches secondary-school pupils what causes coronary heart disease and
how to prevent it. Throw the die and walk the character along a spiral board
around a heart: healthy habits gain points, risk factors lose them. A quiz and
a target game test what was learnt. It plays in Traditional Chinese (Taiwan or
Hong Kong) or in English, as the desktop's language or the menu chooses;
teachers can edit the board and the quiz and check them with the game.")
# The shared libraries it links, found by dpkg-shlibdeps, and what it loads or reads by name:
# SDL_mixer and FluidSynth (loaded once the first window shows, so dpkg-shlibdeps cannot see
# them), a General MIDI soundfont for the music and the fonts the windows are designed for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-mixer-2.0-0, libfluidsynth3, timgm6mb-soundfont | fluid-soundfont-gm, fonts-arphic-uming, fonts-comic-neue")
# Qt's Wayland backend, for a Wayland session without an X server only: the game prefers the
# session's X server, where its windows can be placed.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)
