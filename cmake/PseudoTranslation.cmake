# SPDX-License-Identifier: GPL-3.0-or-later
# bailcrest_pseudo_translation(<ts file> <name> <pseudo language> <qm variable>)
# Compiles a pseudo-translation ("pseudo", or "pseudo_rtl" written right to
# left) of every message of <ts file> into ${CMAKE_CURRENT_BINARY_DIR}/<name>.qm
# and stores that path in <qm variable>.
function(bailcrest_pseudo_translation ts_file name language qm_variable)
    get_filename_component(ts_path ${ts_file} ABSOLUTE)
    set(pseudo_ts ${CMAKE_CURRENT_BINARY_DIR}/translations/${name}.ts)
    set(pseudo_qm ${CMAKE_CURRENT_BINARY_DIR}/${name}.qm)
    set(direction)
    if(language STREQUAL "pseudo_rtl")
        set(direction --right-to-left)
    endif()
    add_custom_command(OUTPUT ${pseudo_qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/translations
        COMMAND bailcrest_pseudo_translate ${direction} ${ts_path} ${pseudo_ts}
        COMMAND Qt6::lrelease -silent ${pseudo_ts} -qm ${pseudo_qm}
        DEPENDS bailcrest_pseudo_translate ${ts_path}
        COMMENT "Pseudo-translating ${ts_file} (${language})"
        VERBATIM)
    set(${qm_variable} ${pseudo_qm} PARENT_SCOPE)
endfunction()
