# Configures the project as the macOS build, on Linux, to compile its
# sources against Apple's published headers (shared/macos-sdk) with clang;
# nothing is linked. scripts/macos-check.sh uses it:
#
#   cmake -S . -B <dir> --toolchain scripts/macos/toolchain.cmake
#         -DVELMORA_MACOS_ARCH=<x86_64|arm64> -DVELMORA_MACOS_LINKS=<dir>
#
# VELMORA_MACOS_LINKS is a folder of links to what the sysroot lacks: ICU's and
# libarchive's headers (the sysroot hides /usr/include, where Debian puts
# them) and the SDK's own two header links, which a copy without links
# leaves as text files.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMORA_MACOS_ARCH VELMORA_MACOS_LINKS)
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_VERSION 20.0)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_CXX_COMPILER_TARGET ${VELMORA_MACOS_ARCH}-apple-macos11)
set(CMAKE_OSX_ARCHITECTURES ${VELMORA_MACOS_ARCH})
get_filename_component(CMAKE_OSX_SYSROOT "${CMAKE_CURRENT_LIST_DIR}/../../../shared/macos-sdk" ABSOLUTE)
# The C++ library's headers: Debian's libc++, as Apple ships libc++.
set(CMAKE_CXX_FLAGS_INIT "-nostdinc++ -isystem /usr/lib/llvm-14/include/c++/v1 -isystem ${VELMORA_MACOS_LINKS}")
# No Apple linker here: the compiler checks stop at object files.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
# Qt's code generators run on their own, without building what a target links.
set(CMAKE_AUTOGEN_ORIGIN_DEPENDS OFF)

# Debian's Qt, ICU and libarchive stand in for the macOS ones; their
# libraries are named only to satisfy the package searches. The host's
# library folder is /usr/lib/<multiarch>, whatever its processor.
file(GLOB Qt5_DIR /usr/lib/*/cmake/Qt5)
file(GLOB ICU_UC_LIBRARY_RELEASE /usr/lib/*/libicuuc.so)
file(GLOB LibArchive_LIBRARY /usr/lib/*/libarchive.so)
set(ICU_INCLUDE_DIR ${VELMORA_MACOS_LINKS})
set(LibArchive_INCLUDE_DIR ${VELMORA_MACOS_LINKS})
