# What every Qt that scripts/windows builds is: static, so that what is linked with it needs
# nothing installed beside it, optimised, and only the libraries and tools themselves.
set(BUILD_SHARED_LIBS OFF CACHE BOOL "")
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(QT_BUILD_BENCHMARKS OFF CACHE BOOL "")
set(QT_GENERATE_SBOM OFF CACHE BOOL "")
