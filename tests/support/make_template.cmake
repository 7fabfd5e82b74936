# Makes the template database the DB tests copy: cmake -DADMIN=... -DDB=... -P
file(REMOVE "${DB}")
get_filename_component(dir "${DB}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")

execute_process(COMMAND "${ADMIN}" create-db "${DB}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "ruvo-admin create-db ${DB} failed (exit ${rc})")
endif()

execute_process(COMMAND "${ADMIN}" demo "${DB}" --households 50 --farms 10 --seed 1
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "ruvo-admin demo ${DB} failed (exit ${rc})")
endif()
