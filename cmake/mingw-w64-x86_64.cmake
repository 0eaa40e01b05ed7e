# Cross toolchain for the Windows tree: 64-bit Windows with Debian's
# mingw-w64. The posix thread variant is pinned so that std::thread and
# std::mutex are available; -static folds libgcc, libstdc++ and winpthread
# into the executable, which then needs no DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(UNITORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${UNITORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${UNITORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${UNITORA_MINGW_TRIPLET}-windres)

# Resource scripts are UTF-8 and say so with #pragma code_page(65001);
# windres still needs the code page on its command line to read them.
set(CMAKE_RC_FLAGS_INIT "-c 65001")

# Wide-character API throughout, Windows 10 as the oldest target. NOMINMAX
# keeps windows.h from defining min and max macros over std::min and std::max.
set(CMAKE_CXX_FLAGS_INIT
    "-DUNICODE -D_UNICODE -D_WIN32_WINNT=0x0A00 -DWINVER=0x0A00 -DNOMINMAX")
set(CMAKE_C_FLAGS_INIT "${CMAKE_CXX_FLAGS_INIT}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_FIND_ROOT_PATH /usr/${UNITORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
