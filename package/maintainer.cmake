# Who makes the package is its maintainer: DEBFULLNAME and DEBEMAIL as
# Debian's own tools read them, else git's user.name and user.email, else the
# DMS2DD_MAINTAINER option. With none of them the package cannot say who made
# it, and configuring stops rather than write a made-up address.

set(DMS2DD_MAINTAINER "" CACHE STRING
    "Maintainer of the Debian package, as \"Name <address>\", when neither DEBFULLNAME/DEBEMAIL nor git's user.name/user.email is set")

function(git_identity key out)
    set(${out} "" PARENT_SCOPE)
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(
            COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} config --get ${key}
            OUTPUT_VARIABLE value
            OUTPUT_STRIP_TRAILING_WHITESPACE
            ERROR_QUIET)
        set(${out} "${value}" PARENT_SCOPE)
    endif()
endfunction()

set(maintainer_origin "")
if(NOT "$ENV{DEBFULLNAME}" STREQUAL "" AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
    set(DMS2DD_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
    set(maintainer_origin "DEBFULLNAME and DEBEMAIL")
elseif("$ENV{DEBEMAIL}" MATCHES "^[^<>]+ <[^<>]+>$")
    # Debian's tools also accept the whole "Name <address>" in DEBEMAIL.
    set(DMS2DD_PACKAGE_MAINTAINER "$ENV{DEBEMAIL}")
    set(maintainer_origin "DEBEMAIL")
else()
    git_identity(user.name git_name)
    git_identity(user.email git_email)
    if(NOT git_name STREQUAL "" AND NOT git_email STREQUAL "")
        set(DMS2DD_PACKAGE_MAINTAINER "${git_name} <${git_email}>")
        set(maintainer_origin "git config user.name and user.email")
    elseif(NOT DMS2DD_MAINTAINER STREQUAL "")
        set(DMS2DD_PACKAGE_MAINTAINER "${DMS2DD_MAINTAINER}")
        set(maintainer_origin "DMS2DD_MAINTAINER")
    endif()
endif()

if(maintainer_origin STREQUAL "")
    message(FATAL_ERROR
        "The Debian package needs a maintainer, and none is known. Set DEBFULLNAME "
        "and DEBEMAIL, or git's user.name and user.email, or configure with "
        "-DDMS2DD_MAINTAINER=\"Name <address>\".")
endif()
if(NOT DMS2DD_PACKAGE_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<> ]+>$")
    message(FATAL_ERROR
        "The package maintainer from ${maintainer_origin} is "
        "\"${DMS2DD_PACKAGE_MAINTAINER}\"; it must read \"Name <address>\".")
endif()
message(STATUS "Package maintainer (from ${maintainer_origin}): ${DMS2DD_PACKAGE_MAINTAINER}")
