# The Debian package, built by CPack's DEB generator (scripts/package.sh):
# what it holds beside the programs (copyright and changelog under
# /usr/share/doc/kavelo-manager), and its control fields. The dependencies
# are computed by dpkg-shlibdeps from the libraries the programs link.

set(KAVELO_PACKAGE kavelo-manager)
set(KAVELO_PACKAGE_MAINTAINER
  "The Kavelo Manager developers <maintainers@users.noreply.c-seed-182afd55.example>"
  CACHE STRING "Maintainer of the Debian package, as NAME <ADDRESS>")
set(KAVELO_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${KAVELO_PACKAGE})

# Installed files and folders get the modes Debian expects whatever the
# umask of the build: folders 0755 (files are 0644, programs 0755).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The machine-readable copyright file, and the changelog made from the
# release history in the AppStream description, compressed as Debian wants.
set(_kavelo_copyright ${PROJECT_BINARY_DIR}/packaging/copyright)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${_kavelo_copyright} @ONLY)
find_program(GZIP gzip REQUIRED)
set(_kavelo_changelog ${PROJECT_BINARY_DIR}/packaging/changelog)
add_custom_command(
  OUTPUT ${_kavelo_changelog}.gz
  COMMAND ${CMAKE_COMMAND} -DMETAINFO=${KAVELO_METAINFO} -DPACKAGE=${KAVELO_PACKAGE}
          -DMAINTAINER=${KAVELO_PACKAGE_MAINTAINER}
          -DHELPERS=${PROJECT_SOURCE_DIR}/cmake/ReleaseDates.cmake
          -DOUTPUT=${_kavelo_changelog} -P ${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake
  COMMAND ${GZIP} -9n --force ${_kavelo_changelog}
  DEPENDS ${KAVELO_METAINFO} ${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake
          ${PROJECT_SOURCE_DIR}/cmake/ReleaseDates.cmake
  COMMENT "Writing the Debian changelog"
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${_kavelo_changelog}.gz)
install(FILES ${_kavelo_copyright} ${_kavelo_changelog}.gz DESTINATION ${KAVELO_PACKAGE_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KAVELO_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${KAVELO_AUTHORS})
set(CPACK_PACKAGE_CONTACT ${KAVELO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "edit the configuration file of Kavelo video cameras")
# Read here: CPack would escape the file's apostrophes for XML.
file(READ ${CMAKE_CURRENT_LIST_DIR}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
# Debian's names: kavelo-manager_1.0.0_amd64.deb.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KAVELO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations, for the standard dialogs and buttons in the user's
# language; the window's own are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/package)
include(CPack)
