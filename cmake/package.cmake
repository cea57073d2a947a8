# The Debian package veltrix_<version>_<arch>.deb, built by CPack from what
# `cmake --install` lays out (data/desktop/CMakeLists.txt), under /usr, plus
# the copyright file and changelog Debian asks of every package and lintian's
# overrides (scripts/package.sh builds it and checks it with lintian).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Veltrix maintainers <maintainers@users.noreply.c-seed-d6dba287.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop converter for video, audio and DVD titles")
set(CPACK_PACKAGE_DESCRIPTION
  "Veltrix converts media files, and the titles and chapters of a DVD folder,
to other formats in a batch: pick a profile for a device or format, adjust
picture size and quality, and start. Each job runs the bundled encoder, a
bridge over ffmpeg, and shows its progress in the list. Three editions share
the program: Video Converter, DVD Ripper and Audio Converter.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)

# The linked libraries (Qt, libdvdread, libopencore-amrnb) come from
# dpkg-shlibdeps. The rest is used without linking: register.dat runs the
# ffmpeg program and loads the libavformat it was built against for probes
# (bridge/libav_library.cpp).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REGEX MATCH "^[0-9]+" libavformat_major "${LIBAV_libavformat_VERSION}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg (>= 7:5.1), libavformat${libavformat_major}")
# The preview loads libmpv.so.2 at its first use
# (src/platform/preview/mpv_library.cpp); without it the program converts and
# the preview says to install libmpv2. Folders and links are opened through
# xdg-open; without it the program shows the path instead. In a Wayland
# session the window runs through XWayland, where the preview can embed its
# player.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libmpv2, xdg-utils, xwayland")

# The copyright file and the changelog, compressed as Debian keeps them, go
# into the package alone.
set(package_doc ${CMAKE_BINARY_DIR}/package/doc)
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_SOURCE_DIR}/data/package/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/package/copyright ${package_doc}/copyright COPYONLY)
add_custom_command(OUTPUT ${package_doc}/changelog.gz
  COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/package/changelog
  COMMAND ${CMAKE_COMMAND} -E rename ${CMAKE_BINARY_DIR}/package/changelog.gz ${package_doc}/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/package/changelog)
add_custom_target(veltrix_package_doc ALL DEPENDS ${package_doc}/changelog.gz)
# lintian's overrides for the package, under the package's name.
set(package_overrides ${CMAKE_BINARY_DIR}/package/overrides)
configure_file(${CMAKE_SOURCE_DIR}/data/package/lintian-overrides ${package_overrides}/veltrix COPYONLY)
# Their places inside the package, under CPACK_PACKAGING_INSTALL_PREFIX.
set(CPACK_INSTALLED_DIRECTORIES "${package_doc};usr/share/doc/veltrix;${package_overrides};usr/share/lintian/overrides")

include(CPack)
