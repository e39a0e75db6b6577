# SPDX-License-Identifier: GPL-3.0-or-later
# The game's pictures, decoded from their PNG files by the build and kept in
# the program uncompressed (screens/picture_pixels.h): the first window copies
# its crest, icon and banners instead of inflating and unfiltering them.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools/decode-pictures
                 ${PROJECT_BINARY_DIR}/tools/decode-pictures)

# bailcrest_add_pictures(<folder> [LANG <code>] FILES <png>...)
# Decodes each PNG into <folder>; the picture keeps the name of its file,
# "crest.png" as ":/crest.pixels", and with LANG is shown in place of the
# picture of that name in that language. bailcrest_store_pictures() then
# stores them all.
set(BAILCREST_PICTURE_FILES)
set(BAILCREST_PICTURE_LIST)
function(bailcrest_add_pictures folder)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "LANG" "FILES")
    set(decoded)
    set(list)
    foreach(png IN LISTS arg_FILES)
        get_filename_component(base ${png} NAME_WLE)
        list(APPEND decoded ${folder}/${base}.pixels)
        string(APPEND list "    <file alias=\"${base}.pixels\">${folder}/${base}.pixels</file>\n")
    endforeach()
    add_custom_command(OUTPUT ${decoded}
        COMMAND bailcrest_decode_pictures ${folder} ${arg_FILES}
        DEPENDS bailcrest_decode_pictures ${arg_FILES}
        COMMENT "Decoding the pictures in ${folder}"
        VERBATIM)
    set(language)
    if(arg_LANG)
        set(language " lang=\"${arg_LANG}\"")
    endif()
    set(BAILCREST_PICTURE_FILES ${BAILCREST_PICTURE_FILES} ${decoded} PARENT_SCOPE)
    set(BAILCREST_PICTURE_LIST
        "${BAILCREST_PICTURE_LIST}  <qresource prefix=\"/\"${language}>\n${list}  </qresource>\n"
        PARENT_SCOPE)
endfunction()

# All in one resource, where Qt chooses each picture's language: pictures
# spread over several resources would be found in whichever was registered
# first. Stored as they are, so the rows are read in place.
function(bailcrest_store_pictures)
    set(qrc ${PROJECT_BINARY_DIR}/pictures/bailcrest_pictures.qrc)
    file(CONFIGURE OUTPUT ${qrc} CONTENT "<RCC>\n${BAILCREST_PICTURE_LIST}</RCC>\n")
    qt_add_resources(sources ${qrc} OPTIONS -no-compress)
    target_sources(bailcrest_screens PRIVATE ${sources})
    add_custom_target(bailcrest_pictures DEPENDS ${BAILCREST_PICTURE_FILES})
    add_dependencies(bailcrest_screens bailcrest_pictures)
endfunction()

set(BAILCREST_DEFAULT_PICTURES)
foreach(picture crest banner_left banner_right)
    list(APPEND BAILCREST_DEFAULT_PICTURES resources/${picture}.png resources/${picture}@2x.png)
endforeach()
list(APPEND BAILCREST_DEFAULT_PICTURES resources/bailcrest_32.png resources/bailcrest_64.png)
list(TRANSFORM BAILCREST_DEFAULT_PICTURES PREPEND ${PROJECT_SOURCE_DIR}/)
bailcrest_add_pictures(${PROJECT_BINARY_DIR}/pictures FILES ${BAILCREST_DEFAULT_PICTURES})
