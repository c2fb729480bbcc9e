# Who the Debian package's maintainer is, read in this order:
# 1. the DMS2DD_MAINTAINER option, when it is given;
# 2. DEBFULLNAME and DEBEMAIL, as Debian's own tools read them: DEBEMAIL
#    holds the address, or the whole "Name <address>", and DEBFULLNAME,
#    when set, names the maintainer instead;
# 3. git's user.name and user.email in the source tree.
# With none of them the package cannot say who made it, and configuring
# stops rather than write a made-up address.
#
# Included by package/CMakeLists.txt. Run as a script, it prints the
# maintainer that rule gives, on standard output:
#   cmake [-DDMS2DD_MAINTAINER="Name <address>"] -DSOURCE_DIR=<tree> -P maintainer.cmake

function(dms2dd_git_identity source_dir key out)
    set(${out} "" PARENT_SCOPE)
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(
            COMMAND ${GIT_EXECUTABLE} -C ${source_dir} config --get ${key}
            OUTPUT_VARIABLE value
            OUTPUT_STRIP_TRAILING_WHITESPACE
            ERROR_QUIET)
        set(${out} "${value}" PARENT_SCOPE)
    endif()
endfunction()

# dms2dd_package_maintainer(<given> <source dir> <out> <origin out>): the
# maintainer as "Name <address>" and where it came from, or a fatal error
# that says what to set.
function(dms2dd_package_maintainer given source_dir out origin_out)
    set(maintainer "")
    set(name "$ENV{DEBFULLNAME}")
    set(address "$ENV{DEBEMAIL}")
    set(debian_origin "DEBFULLNAME and DEBEMAIL")
    if(address MATCHES "^(.*[^ ]) *<([^<>]*)>$")
        if(name STREQUAL "")
            set(name "${CMAKE_MATCH_1}")
            set(debian_origin "DEBEMAIL")
        endif()
        set(address "${CMAKE_MATCH_2}")
    endif()
    if(NOT given STREQUAL "")
        set(maintainer "${given}")
        set(origin "DMS2DD_MAINTAINER")
    elseif(NOT name STREQUAL "" AND NOT address STREQUAL "")
        set(maintainer "${name} <${address}>")
        set(origin "${debian_origin}")
    else()
        dms2dd_git_identity("${source_dir}" user.name git_name)
        dms2dd_git_identity("${source_dir}" user.email git_email)
        if(NOT git_name STREQUAL "" AND NOT git_email STREQUAL "")
            set(maintainer "${git_name} <${git_email}>")
            set(origin "git config user.name and user.email")
        endif()
    endif()

    if(maintainer STREQUAL "")
        message(FATAL_ERROR
            "The Debian package needs a maintainer, and none is known. Configure with "
            "-DDMS2DD_MAINTAINER=\"Name <address>\", or set DEBFULLNAME and DEBEMAIL "
            "(or DEBEMAIL=\"Name <address>\" alone), or git's user.name and user.email.")
    endif()
    if(NOT maintainer MATCHES "^[^<>]+ <[^<>@ ]+@[^<> ]+>$")
        message(FATAL_ERROR
            "The package maintainer from ${origin} is \"${maintainer}\"; it must read \"Name <address>\".")
    endif()
    set(${out} "${maintainer}" PARENT_SCOPE)
    set(${origin_out} "${origin}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    dms2dd_package_maintainer("${DMS2DD_MAINTAINER}" "${SOURCE_DIR}" maintainer origin)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${maintainer}")
    return()
endif()

set(DMS2DD_MAINTAINER "" CACHE STRING
    "Maintainer of the Debian package, as \"Name <address>\"; when empty, DEBFULLNAME/DEBEMAIL or git's identity")
dms2dd_package_maintainer("${DMS2DD_MAINTAINER}" "${PROJECT_SOURCE_DIR}" DMS2DD_PACKAGE_MAINTAINER origin)
message(STATUS "Package maintainer (from ${origin}): ${DMS2DD_PACKAGE_MAINTAINER}")
