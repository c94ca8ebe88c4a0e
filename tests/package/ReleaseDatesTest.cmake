# The calendar arithmetic behind the release dates of the man pages and the
# Debian changelog, against dates whose epoch seconds and weekday are known:
# the epoch itself, leap days, century years, month and year ends.
#   cmake -DHELPERS=cmake/ReleaseDates.cmake -P ReleaseDatesTest.cmake
include(${HELPERS})

set(cases
  "1970-01-01|0|Thu, 01 Jan 1970 00:00:00 +0000"
  "1999-12-31|946598400|Fri, 31 Dec 1999 00:00:00 +0000"
  "2000-02-29|951782400|Tue, 29 Feb 2000 00:00:00 +0000"
  "2000-03-01|951868800|Wed, 01 Mar 2000 00:00:00 +0000"
  "2024-01-31|1706659200|Wed, 31 Jan 2024 00:00:00 +0000"
  "2026-12-08|1796688000|Tue, 08 Dec 2026 00:00:00 +0000"
  "2100-03-01|4107542400|Mon, 01 Mar 2100 00:00:00 +0000"
)
set(failures 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 date)
  list(GET fields 1 epoch)
  list(GET fields 2 rfc)
  kavelo_date_epoch(${date} got_epoch)
  kavelo_date_rfc5322(${date} got_rfc)
  if(NOT got_epoch STREQUAL epoch OR NOT got_rfc STREQUAL rfc)
    message(SEND_ERROR "${date}: ${got_epoch} '${got_rfc}', expected ${epoch} '${rfc}'")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} dates were wrong")
endif()
