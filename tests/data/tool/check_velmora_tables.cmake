# Checks velmora-tables end to end: build writes the worked example byte for byte, dump and build
# round-trip it, copy keeps it, and a damaged file fails with the program's message and status 1.
# Run by ctest with -DTOOL=... -DDATA=<tests/golden/table_files> -DWORK=<scratch folder>.
file(MAKE_DIRECTORY ${WORK})
set(expected ${DATA}/worked_example.dat)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(rc "${rc}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_same a b what)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${a} ${b} RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${what}: ${a} differs from ${b}")
  endif()
endfunction()

run(${TOOL} build ${DATA}/worked_example.json ${WORK}/built.dat)
if(rc)
  message(FATAL_ERROR "build failed (${rc}): ${err}")
endif()
expect_same(${WORK}/built.dat ${expected} "build")

run(${TOOL} dump ${expected})
if(rc)
  message(FATAL_ERROR "dump failed (${rc}): ${err}")
endif()
file(WRITE ${WORK}/dumped.json "${out}")
run(${TOOL} build ${WORK}/dumped.json ${WORK}/rebuilt.dat)
expect_same(${WORK}/rebuilt.dat ${expected} "dump then build")

run(${TOOL} copy ${expected} ${WORK}/copied.dat)
expect_same(${WORK}/copied.dat ${expected} "copy")

run(${TOOL} dump ${DATA}/bad_signature.dat)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Ungültiges Stream-Format")
  message(FATAL_ERROR "a bad file must fail with status 1 and the reader's message, got ${rc}: ${err}")
endif()
run(${TOOL} build)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "a missing argument must fail with status 1")
endif()
