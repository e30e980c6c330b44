# Whoever builds the package is its maintainer, named as Debian's own tools (dch) name the
# author of a changelog entry:
# - the name from DEBFULLNAME, else NAME, else from DEBEMAIL or EMAIL when it reads
#   "Name <address>", else the login name;
# - the address from DEBEMAIL, else EMAIL, else the login name at /etc/mailname or at the
#   host's fully qualified name.
# varnel_builder_identity(VAR) sets VAR to "Name <address>": with DEBEMAIL="Ann Smith
# <ann@example.org>" and neither DEBFULLNAME nor NAME set, "Ann Smith <ann@example.org>".
function(varnel_builder_identity result)
    set(name "$ENV{DEBFULLNAME}")
    if(name STREQUAL "")
        set(name "$ENV{NAME}")
    endif()
    set(address "$ENV{DEBEMAIL}")
    if(address STREQUAL "")
        set(address "$ENV{EMAIL}")
    endif()
    if(address MATCHES "^(.*[^ ]) *<([^>]*)>$")
        set(address "${CMAKE_MATCH_2}")
        if(name STREQUAL "")
            set(name "${CMAKE_MATCH_1}")
        endif()
    endif()
    if(name STREQUAL "" OR address STREQUAL "")
        execute_process(COMMAND id -un OUTPUT_VARIABLE login OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    if(name STREQUAL "")
        set(name "${login}")
    endif()
    if(address STREQUAL "")
        if(EXISTS /etc/mailname)
            file(STRINGS /etc/mailname host LIMIT_COUNT 1)
        else()
            cmake_host_system_information(RESULT host QUERY FQDN)
        endif()
        set(address "${login}@${host}")
    endif()
    set(${result} "${name} <${address}>" PARENT_SCOPE)
endfunction()
