# libjpeg, the program's one library, as the target tavrel_jpeg.
#
# Natively (the host build and the build-time tools) it is the system's
# libjpeg. For Windows it is compiled from Debian's libjpeg-turbo source
# package, which scripts/setup.sh fetches into third_party/, once per build
# tree, with this tree's MinGW toolchain, as a static library linked into
# the exe: only the library target is built, with no SIMD (no assembler is
# needed) and without the TurboJPEG API.
add_library(tavrel_jpeg INTERFACE)

if(NOT WIN32)
  find_package(JPEG REQUIRED)
  target_link_libraries(tavrel_jpeg INTERFACE JPEG::JPEG)
  return()
endif()

set(TAVREL_JPEG_SOURCE_DIR ${PROJECT_SOURCE_DIR}/third_party/libjpeg-turbo/src
    CACHE PATH "libjpeg-turbo sources (fetched by scripts/setup.sh)")
if(NOT EXISTS ${TAVREL_JPEG_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "libjpeg-turbo sources not found in ${TAVREL_JPEG_SOURCE_DIR}: "
                      "run scripts/setup.sh, which fetches them")
endif()

include(ExternalProject)
set(jpegBinary ${CMAKE_BINARY_DIR}/libjpeg)
set(jpegLibrary ${jpegBinary}/libjpeg.a)
# The compiler cache too; its command is a list, passed through with "|".
string(REPLACE ";" "|" jpegLauncher "${CMAKE_C_COMPILER_LAUNCHER}")
ExternalProject_Add(libjpeg_build
  LIST_SEPARATOR |
  SOURCE_DIR ${TAVREL_JPEG_SOURCE_DIR}
  BINARY_DIR ${jpegBinary}
  PREFIX ${CMAKE_BINARY_DIR}/libjpeg-stamps
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_C_COMPILER_LAUNCHER=${jpegLauncher}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${CMAKE_BINARY_DIR}/libjpeg-install
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_SIMD=OFF
    -DWITH_TURBOJPEG=OFF
    -DWITH_JAVA=OFF
    # Its build string would otherwise be the day of the build.
    -DBUILD=tavrel
    -Wno-dev
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${jpegBinary} --target jpeg-static
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${jpegLibrary}
  LOG_CONFIGURE ON
  LOG_BUILD ON
  LOG_OUTPUT_ON_FAILURE ON
)
add_library(tavrel_jpeg_static STATIC IMPORTED GLOBAL)
set_target_properties(tavrel_jpeg_static PROPERTIES IMPORTED_LOCATION ${jpegLibrary})
# jpeglib.h and its companions come from the source, jconfig.h from the build.
target_include_directories(tavrel_jpeg SYSTEM INTERFACE ${TAVREL_JPEG_SOURCE_DIR} ${jpegBinary})
target_link_libraries(tavrel_jpeg INTERFACE tavrel_jpeg_static)
add_dependencies(tavrel_jpeg libjpeg_build)
