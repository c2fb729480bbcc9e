# The date the documents carry (manual pages, Debian changelog): the
# SOURCE_DATE_EPOCH of the build if set, else the time of the last commit, so
# that two builds of one commit write the same bytes. Outside a git checkout
# and without SOURCE_DATE_EPOCH, the time of configuring is the best truth.

set(DMS2DD_SOURCE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(DMS2DD_SOURCE_EPOCH STREQUAL "")
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(
            COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
            OUTPUT_VARIABLE DMS2DD_SOURCE_EPOCH
            OUTPUT_STRIP_TRAILING_WHITESPACE
            ERROR_QUIET)
    endif()
endif()
if(NOT DMS2DD_SOURCE_EPOCH MATCHES "^[0-9]+$")
    string(TIMESTAMP DMS2DD_SOURCE_EPOCH "%s" UTC)
    message(STATUS "No SOURCE_DATE_EPOCH and no git history: documents are dated now")
endif()

# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when the variable is set. The
# environment is then given back as it was, unset if it was unset: the
# compiler checks that run later in configuring inherit it, and clang stops
# on an empty SOURCE_DATE_EPOCH.
unset(saved_epoch)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${DMS2DD_SOURCE_EPOCH})
string(TIMESTAMP DMS2DD_SOURCE_DAY "%Y-%m-%d" UTC)
string(TIMESTAMP DMS2DD_SOURCE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
if(DEFINED saved_epoch)
    set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")
else()
    unset(ENV{SOURCE_DATE_EPOCH})
endif()
unset(saved_epoch)
