# Cross-compiles for 64-bit ARM Linux (Debian's arm64) with Debian's cross compiler, against the
# arm64 libraries that multiarch installs beside the build machine's own; tests run under
# qemu-user. Qt's moc, uic and rcc are the build machine's (QT_HOST_PATH).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
# GCC notes that it passes some arguments as GCC 10.1 changed them to; nothing here links with
# code built before that.
set(CMAKE_CXX_FLAGS_INIT -Wno-psabi)
