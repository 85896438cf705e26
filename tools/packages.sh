# The Debian packages the program and its tests need, sourced by tools/start and tools/test.
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev libqt6serialport6-dev qt6-qpa-plugins
                libgl-dev fonts-arphic-gbsn00lp)
TEST_PACKAGES=(libgtest-dev xvfb xauth xdotool trayer clang-14 libclang-rt-14-dev util-linux procps
               chrony)
