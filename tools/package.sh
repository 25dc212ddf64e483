#!/usr/bin/env bash
# Builds the Debian package out/tavrin_<version>_<arch>.deb: the game alone (no tests),
# installed under /usr by CPack, its dependencies worked out by dpkg-shlibdeps.
#   tools/package.sh            then: sudo apt-get install ./out/tavrin_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh package
build=${TAVRIN_PACKAGE_BUILD_DIR:-build-package}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# File times in the package are the commit's, so that two builds of one commit are the same
# bytes.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
export SOURCE_DATE_EPOCH
# Debian's compiler and linker flags, with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j"${TAVRIN_JOBS:-$(nproc)}"
rm -f "$build"/tavrin_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
mkdir -p out
deb=$(basename "$build"/tavrin_*.deb)
mv "$build/$deb" out/
echo "out/$deb"
