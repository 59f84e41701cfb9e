# Fails when a source of the core, the console or morvactl includes a test
# fake (src/platform/testing): those are header-only or live in
# morva_test_support, so a program could pick one up without a link error.
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
set(bad "")
foreach(f ${files})
  if(f MATCHES "/src/platform/testing/")
    continue()
  endif()
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*\"platform/testing/")
  if(hits)
    list(APPEND bad "${f}: ${hits}")
  endif()
endforeach()
if(bad)
  string(REPLACE ";" "\n" bad_text "${bad}")
  message(FATAL_ERROR "Test fakes included by program code:\n${bad_text}")
endif()
