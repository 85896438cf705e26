# The Debian packages the program, its tests and its package need, sourced by tools/start,
# tools/test, tools/package, tools/build-windows and tools/package-windows.
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins
                libgl-dev fonts-arphic-gbsn00lp)
TEST_PACKAGES=(libgtest-dev xvfb xauth xdotool trayer clang-14 libclang-rt-14-dev util-linux procps
               tzdata chrony)
# Building the Debian package (dpkg-shlibdeps) and checking it.
PACKAGE_PACKAGES=(dpkg-dev file libcap2-bin adduser lintian desktop-file-utils appstream systemd man-db)
# The Windows build (mingw-w64, posix threads, and the build machine's g++ for the program that
# writes the icon), GoogleTest's sources for it, Wine to run its tests, socat, the clock device on a
# pseudo-terminal for the serial port's test, and NSIS for the setup program.
WINDOWS_PACKAGES=(cmake make g++ g++-mingw-w64-x86-64-posix googletest wine64 socat nsis)
