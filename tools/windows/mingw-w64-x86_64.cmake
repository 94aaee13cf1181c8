# Cross build for 64-bit Windows with Debian's MinGW-w64 toolchain (the POSIX thread
# model, which std::thread and GoogleTest need):
#   cmake -B build-windows -G Ninja -DZELVANI_GUI=OFF \
#     -DCMAKE_TOOLCHAIN_FILE=tools/windows/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(zelvani_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${zelvani_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${zelvani_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${zelvani_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${zelvani_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own run-time libraries go into each program, so a program runs from
# where it was built without MinGW's DLLs on the search path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
