# Runs one fuzz target for a bounded time, from its committed seeds, writing
# the inputs it adds to a corpus in the build tree. Its full output goes to a
# log; only the count of executions, or a finding, is shown.
#
#   cmake -DFUZZER=... -DSEEDS=... -DGROWN=... -DARTIFACTS=... -DSECONDS=...
#         [-DDICTIONARY=...] -P run_fuzzer.cmake
#
# FUZZ_SECONDS in the environment overrides SECONDS (make fuzz sets it).

if(DEFINED ENV{FUZZ_SECONDS} AND NOT "$ENV{FUZZ_SECONDS}" STREQUAL "")
    set(SECONDS $ENV{FUZZ_SECONDS})
endif()
get_filename_component(name ${FUZZER} NAME)
set(log ${ARTIFACTS}/${name}.log)

set(options -max_total_time=${SECONDS} -timeout=10 -print_final_stats=1 -artifact_prefix=${ARTIFACTS}/${name}-)
if(DICTIONARY)
    list(APPEND options -dict=${DICTIONARY})
endif()

file(MAKE_DIRECTORY ${GROWN} ${ARTIFACTS})
math(EXPR limit "${SECONDS} + 120")
execute_process(
    COMMAND ${FUZZER} ${options} ${GROWN} ${SEEDS}
    RESULT_VARIABLE result
    OUTPUT_FILE ${log}
    ERROR_FILE ${log}
    TIMEOUT ${limit})

file(STRINGS ${log} done REGEX "^Done [0-9]+ runs in")
if(result EQUAL 0 AND done)
    message("${name}: ${done}")
    return()
endif()
file(STRINGS ${log} lines)
list(LENGTH lines count)
set(first 0)
if(count GREATER 120)
    math(EXPR first "${count} - 120")
endif()
list(SUBLIST lines ${first} -1 tail)
list(JOIN tail "\n" tail)
message("${tail}")
message(FATAL_ERROR "${name} failed (${result}); the input is kept as ${ARTIFACTS}/${name}-*, the whole output in ${log}")
