# The one version of the project (the project() version) and its licence, for
# the programs through the generated Version.h (target kavelo_version), and
# for the man pages, the AppStream description and the package.
#
# The release history lives in the AppStream description; its newest release
# must be this version, and its date is the date of this release.

set(KAVELO_AUTHORS "The Kavelo Manager developers")
set(KAVELO_COPYRIGHT_YEARS "2026")
set(KAVELO_LICENSE "GPL-3.0-or-later")
set(KAVELO_LICENSE_NAME "GNU General Public License, version 3 or later")
set(KAVELO_LICENSE_URL "https://www.gnu.org/licenses/gpl-3.0.html")
set(KAVELO_METAINFO "${PROJECT_SOURCE_DIR}/resources/io.kavelo.Manager.metainfo.xml")

include(${CMAKE_CURRENT_LIST_DIR}/ReleaseDates.cmake)

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${KAVELO_METAINFO}")
file(READ "${KAVELO_METAINFO}" _kavelo_metainfo)
if(NOT _kavelo_metainfo MATCHES "<release version=\"([^\"]+)\" date=\"([^\"]+)\"")
  message(FATAL_ERROR "${KAVELO_METAINFO} names no release")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest release in ${KAVELO_METAINFO} is ${CMAKE_MATCH_1}, "
    "the project's version is ${PROJECT_VERSION}: add a release entry for this version")
endif()
set(KAVELO_RELEASE_DATE "${CMAKE_MATCH_2}")
kavelo_date_epoch("${KAVELO_RELEASE_DATE}" KAVELO_RELEASE_EPOCH)
unset(_kavelo_metainfo)

configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in
  ${PROJECT_BINARY_DIR}/generated/Version.h @ONLY)
add_library(kavelo_version INTERFACE)
target_include_directories(kavelo_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
