# The Debian changelog made from a release history: entries newest first,
# text taken out of the XML with its entities read, items broken into lines
# of at most 79 characters, dates as RFC 5322 writes them.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -P DebianChangelogTest.cmake
set(here ${SOURCE_DIR}/tests/package/changelog)
execute_process(
  COMMAND ${CMAKE_COMMAND} -DMETAINFO=${here}/metainfo.xml -DPACKAGE=kavelo-manager
          "-DMAINTAINER=Packager <packager@kavelo.example>"
          -DHELPERS=${SOURCE_DIR}/cmake/ReleaseDates.cmake -DOUTPUT=${WORK_DIR}/changelog
          -P ${SOURCE_DIR}/packaging/DebianChangelog.cmake
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the changelog script failed")
endif()
file(READ ${WORK_DIR}/changelog got)
file(READ ${here}/expected want)
if(NOT got STREQUAL want)
  message(FATAL_ERROR "changelog differs from ${here}/expected:\n${got}")
endif()
