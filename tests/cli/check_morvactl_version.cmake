# Runs PROGRAM --version and --help; fails unless --version prints exactly
# "morvactl EXPECTED" and both succeed.
execute_process(COMMAND ${EMULATOR} ${PROGRAM} --version
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REPLACE "\r" "" out "${out}")
if(NOT code EQUAL 0 OR NOT out STREQUAL "morvactl ${EXPECTED}\n")
  message(FATAL_ERROR "morvactl --version: exit ${code}, printed '${out}' '${err}', "
                      "expected 'morvactl ${EXPECTED}'")
endif()

execute_process(COMMAND ${EMULATOR} ${PROGRAM} --help
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT out MATCHES "^Usage: morvactl " OR NOT err STREQUAL "")
  message(FATAL_ERROR "morvactl --help: exit ${code}, printed '${out}' '${err}'")
endif()
