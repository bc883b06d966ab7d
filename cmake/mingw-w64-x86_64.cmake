# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, which Qt 6 needs
# for std::mutex). Used both for the Qt build and for Dialhour's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Qt and Google Benchmark built for Windows live in prefixes of their own, outside MinGW's.
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${DIALHOUR_WINDOWS_PREFIXES})
set(CMAKE_PREFIX_PATH ${DIALHOUR_WINDOWS_PREFIXES})
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DIALHOUR_WINDOWS_PREFIXES)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Two builds of the same sources give the same bytes, wherever and whenever they run: paths the
# compiler records are relative to the source and build folders, and no link time is stamped
# into a PE header.
foreach(language C CXX)
    set(CMAKE_${language}_FLAGS_INIT
        "-ffile-prefix-map=${CMAKE_BINARY_DIR}/= -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=")
endforeach()
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
endforeach()
