# Run by CPack between the install and the packing: strips the program as
# dh_strip strips programs (all symbols and the debug information, and the
# .comment and .note sections), so that the package holds what a Debian build
# would hold.

file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
if(NOT programs)
    message(FATAL_ERROR "No program to strip under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
    execute_process(
        COMMAND ${CPACK_DMS2DD_STRIP} --remove-section=.comment --remove-section=.note ${program}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "strip failed on ${program}")
    endif()
endforeach()
