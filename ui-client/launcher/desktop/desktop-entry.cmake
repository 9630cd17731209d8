# Writes a desktop entry whose Exec key runs a given launcher path. Included
# by install-desktop.cmake; also runs on its own, for an installation that
# was moved after it was installed:
#   cmake -DSKYLET_LAUNCHER=PATH -DSKYLET_TEMPLATE=FILE.in -DSKYLET_OUTPUT=FILE
#         -P desktop-entry.cmake

# The Exec key takes the launcher as one quoted argument. Inside the quotes
# " ` $ and \ need a backslash; the value as a whole is a string whose own
# escaping doubles every backslash once more; and % would start a field code.
function(skylet_desktop_exec_quote path out)
    string(REPLACE "\\" "\\\\" quoted "${path}")
    string(REPLACE "\"" "\\\"" quoted "${quoted}")
    string(REPLACE "`" "\\`" quoted "${quoted}")
    string(REPLACE "$" "\\$" quoted "${quoted}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    string(REPLACE "%" "%%" quoted "${quoted}")
    set(${out} "\"${quoted}\"" PARENT_SCOPE)
endfunction()

function(skylet_write_desktop_entry launcher template output)
    # A desktop entry is line-based and cannot carry these in a value.
    if(launcher MATCHES "[\n\r\t]")
        message(FATAL_ERROR "desktop entry ${output}: the launcher path holds a line break "
                            "or tab, which no desktop entry can name")
    endif()
    skylet_desktop_exec_quote("${launcher}" exec)
    file(READ "${template}" entry)
    string(REPLACE "@SKYLET_EXEC@" "${exec}" entry "${entry}")
    file(WRITE "${output}" "${entry}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    foreach(var SKYLET_LAUNCHER SKYLET_TEMPLATE SKYLET_OUTPUT)
        if(NOT DEFINED ${var})
            message(FATAL_ERROR "desktop-entry.cmake: -D${var}=... is missing")
        endif()
    endforeach()
    skylet_write_desktop_entry("${SKYLET_LAUNCHER}" "${SKYLET_TEMPLATE}" "${SKYLET_OUTPUT}")
endif()
