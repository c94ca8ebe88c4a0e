# Calendar helpers for dates of the form YYYY-MM-DD, for the release dates
# that the man pages and the Debian changelog carry. Plain arithmetic, so that
# the result never depends on the build machine's clock, time zone or locale.

# Days since 1970-01-01 of a date (the proleptic Gregorian calendar).
function(kavelo_days_since_epoch date out)
  if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "'${date}' is no date of the form YYYY-MM-DD")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(month ${CMAKE_MATCH_2})
  set(day ${CMAKE_MATCH_3})
  # Leading zeros would make math() read octal.
  string(REGEX REPLACE "^0" "" month "${month}")
  string(REGEX REPLACE "^0" "" day "${day}")
  # Count years from March, so that the leap day ends a year.
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
  else()
    math(EXPR month "${month} - 3")
  endif()
  math(EXPR era "${year} / 400")
  math(EXPR year_of_era "${year} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
  math(EXPR day_of_era
    "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
  set(${out} ${days} PARENT_SCOPE)
endfunction()

# Seconds since the epoch at midnight UTC of a date, as SOURCE_DATE_EPOCH.
function(kavelo_date_epoch date out)
  kavelo_days_since_epoch("${date}" days)
  math(EXPR seconds "${days} * 86400")
  set(${out} ${seconds} PARENT_SCOPE)
endfunction()

# "Tue, 08 Dec 2026 00:00:00 +0000": a date as RFC 5322 writes it.
function(kavelo_date_rfc5322 date out)
  kavelo_days_since_epoch("${date}" days)
  set(weekdays Thu Fri Sat Sun Mon Tue Wed) # 1970-01-01 was a Thursday
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  math(EXPR weekday "${days} % 7")
  list(GET weekdays ${weekday} weekday_name)
  string(SUBSTRING "${date}" 0 4 year)
  string(SUBSTRING "${date}" 5 2 month)
  string(SUBSTRING "${date}" 8 2 day)
  string(REGEX REPLACE "^0" "" month_number "${month}")
  math(EXPR month_index "${month_number} - 1")
  list(GET months ${month_index} month_name)
  set(${out} "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
