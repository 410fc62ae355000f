# WebAssembly (wasm32-wasi, WASI preview 1) with Debian's clang 14 and wasi-libc: every program
# and example client becomes a standalone command module <name>.wasm. The web preset builds the
# tree this way beside its native build (web/CMakeLists.txt).
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# 128-bit SIMD: smaller and faster modules, in every browser and runtime that runs WASI ones.
set(CMAKE_C_FLAGS_INIT -msimd128)
set(CMAKE_CXX_FLAGS_INIT -msimd128)
# Platform/WASI.cmake, which CMake 3.25 does not carry, is this directory's own.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
