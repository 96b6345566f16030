# cmake -DJSON=content/verses.json -DTEMPLATE=verses.h.in -DOUTPUT=verses.h -P generate_verses.cmake
#
# Writes the verse table of the section tables: for every entry of the file's
# "verses" list, its picture key, recitation file name and English text, exactly
# as stored, its reference ("Al-Hijr 15:16") and the Arabic words its picture
# shows. Anything missing or malformed fails with a message; nothing is
# written then.
cmake_minimum_required(VERSION 3.25)

function(fail what)
  message(FATAL_ERROR "${JSON}: ${what}")
endfunction()

# A C++ string literal holding text exactly.
function(cxx_literal out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(REPLACE "\r" "\\r" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# The JSON type of the member `member` of verse number i, which must be there.
function(verse_member_type out i member)
  string(JSON type ERROR_VARIABLE error TYPE "${content}" verses ${i} ${member})
  if(error)
    fail("verses[${i}] has no \"${member}\"")
  endif()
  set(${out} "${type}" PARENT_SCOPE)
endfunction()

# The string member `member` of verse number i, which must be there and not be empty.
function(verse_string out i member)
  verse_member_type(type ${i} ${member})
  if(NOT type STREQUAL "STRING")
    fail("the \"${member}\" of verses[${i}] is a ${type}, not a string")
  endif()
  string(JSON value GET "${content}" verses ${i} ${member})
  if(value STREQUAL "")
    fail("the \"${member}\" of verses[${i}] is empty")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# The whole-number member `member` of verse number i, which must be there and be above 0.
function(verse_number out i member)
  verse_member_type(type ${i} ${member})
  string(JSON value GET "${content}" verses ${i} ${member})
  if(NOT type STREQUAL "NUMBER" OR NOT value MATCHES "^[1-9][0-9]*$")
    fail("the \"${member}\" of verses[${i}] is not a whole number above 0")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

if(NOT EXISTS "${JSON}")
  fail("no such file")
endif()
file(READ "${JSON}" content)
string(JSON count ERROR_VARIABLE error LENGTH "${content}" verses)
if(error)
  fail("not a verse file: ${error}")
endif()
if(count EQUAL 0)
  fail("the \"verses\" list is empty")
endif()

set(rows "")
set(keys "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  verse_string(picture ${i} picture)
  verse_string(recitation ${i} recitation)
  verse_string(english ${i} english)
  if(NOT picture MATCHES "^[A-Za-z0-9_]+$")
    fail("the picture key \"${picture}\" of verses[${i}] is not a plain name")
  endif()
  if(picture IN_LIST keys)
    fail("the picture key \"${picture}\" is given to two verses")
  endif()
  list(APPEND keys "${picture}")
  if(NOT recitation MATCHES "^[A-Za-z0-9_.-]+$")
    fail("the recitation \"${recitation}\" of verses[${i}] is not a bare file name")
  endif()
  verse_string(surah_name ${i} surah_name)
  verse_number(surah ${i} surah)
  verse_number(ayah ${i} ayah)
  verse_string(arabic ${i} arabic_shown)
  cxx_literal(english_literal "${english}")
  cxx_literal(reference_literal "${surah_name} ${surah}:${ayah}")
  cxx_literal(arabic_literal "${arabic}")
  string(APPEND rows "    {\"${picture}\", \"${recitation}\",\n     ${english_literal},\n     ${reference_literal}, ${arabic_literal}},\n")
endforeach()

file(READ "${TEMPLATE}" header)
string(REPLACE "@VERSE_ROWS@" "${rows}" header "${header}")
file(WRITE "${OUTPUT}" "${header}")
