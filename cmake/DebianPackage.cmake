# `cpack -G DEB` in a build tree makes tavrin_<version>_<arch>.deb from the install rules
# (tools/package.sh is the one command that does it all).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tavrin Team <hi@tavrin.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian's "games" section is for programs in /usr/games; this one installs into bin.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tavrin.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "educational board game about coronary heart disease")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tavrin teaches secondary-school pupils what causes coronary heart disease and
how to prevent it. Throw the die and walk the character along a spiral board
around a heart: healthy habits gain points, risk factors lose them. A quiz and
a target game test what was learnt. Texts in Traditional Chinese, with English
instructions; teachers can edit the board and the quiz.")
# The shared libraries it links (SDL_mixer, FluidSynth and libasound among them), found by
# dpkg-shlibdeps, and what it reads by name: a General MIDI soundfont for the music and the
# fonts the windows are designed for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "timgm6mb-soundfont | fluid-soundfont-gm, fonts-arphic-uming, fonts-comic-neue")
# Qt's own Chinese button texts for the Chinese message boxes, and Qt's Wayland backend for a
# Wayland session without an X server; the game runs without either.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
include(CPack)
