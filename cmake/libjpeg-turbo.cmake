# Builds libjpeg-turbo's static library from Debian's source package, once per
# build tree, for builds that cannot use the system's library: mingw (Debian
# has no mingw package) and the sanitizer build (instrumented). The caller
# sets jpeg_cmake_args.
include(ExternalProject)

set(jpeg_root ${CMAKE_BINARY_DIR}/libjpeg-turbo)
set(jpeg_source ${jpeg_root}/source)
set(jpeg_build ${jpeg_root}/build)
set(jpeg_library ${jpeg_build}/libjpeg.a)

ExternalProject_Add(libjpeg-turbo-static
  PREFIX ${jpeg_root}
  SOURCE_DIR ${jpeg_source}
  BINARY_DIR ${jpeg_build}
  DOWNLOAD_COMMAND ${CMAKE_SOURCE_DIR}/cmake/fetch-libjpeg-turbo-source ${jpeg_root}/download ${jpeg_source}
  CMAKE_ARGS
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${jpeg_root}/install
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_TURBOJPEG=OFF
    ${jpeg_cmake_args}
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${jpeg_build} --target jpeg-static
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${jpeg_library}
  LOG_DOWNLOAD ON LOG_CONFIGURE ON LOG_BUILD ON
  LOG_OUTPUT_ON_FAILURE ON)

file(MAKE_DIRECTORY ${jpeg_source} ${jpeg_build})
add_library(JPEG::JPEG STATIC IMPORTED GLOBAL)
set_target_properties(JPEG::JPEG PROPERTIES
  IMPORTED_LOCATION ${jpeg_library}
  INTERFACE_INCLUDE_DIRECTORIES "${jpeg_source};${jpeg_build}")
add_dependencies(JPEG::JPEG libjpeg-turbo-static)
