# Cross-compiling for 64-bit Windows with Debian's mingw-w64 compilers (the posix thread
# model, which Qt's use of std::thread needs). Used by `make windows` and by
# tools/build-qt-windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VARNEL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNEL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNEL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNEL_MINGW}-windres)
set(CMAKE_AR ${VARNEL_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${VARNEL_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

# The programs need no DLL beyond Windows' own: the C and C++ run-times and winpthread are
# linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tools (moc, rcc, uic) come from the host; libraries, headers and CMake packages from the
# mingw-w64 root and from the prefixes given in CMAKE_PREFIX_PATH (the Windows Qt), which
# lie outside that root.
set(CMAKE_FIND_ROOT_PATH /usr/${VARNEL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
