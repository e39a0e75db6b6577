# SPDX-License-Identifier: GPL-3.0-or-later
# Everything a language is made of, from the one list in
# translations/languages.cmake. Include it after the targets it adds to
# (bailcrest_screens, bailcrest_app, bailcrest) exist.

include(${PROJECT_SOURCE_DIR}/translations/languages.cmake)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
# ImageMagick draws the banners: its program is "magick" since version 7, and
# only on Linux and Unix may it go by "convert" (on Windows that name is a
# disk tool of the system's).
find_program(BAILCREST_MAGICK magick)
if(NOT BAILCREST_MAGICK AND UNIX)
    find_program(BAILCREST_MAGICK convert)
endif()
if(NOT BAILCREST_MAGICK)
    message(FATAL_ERROR "ImageMagick (magick) is needed to draw the banners")
endif()

# A .ts file lupdate has yet to make: an empty one naming the language and
# country, as lupdate left to itself guesses the country from the file name
# alone (Bengali as "bn_BD").
function(bailcrest_start_ts_file path locale)
    if(NOT EXISTS ${path})
        file(WRITE ${path} "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                           "<TS version=\"2.1\" language=\"${locale}\">\n</TS>\n")
    endif()
endfunction()

set(BAILCREST_LANGUAGE_CODES)
set(BAILCREST_TS_FILES)
set(BAILCREST_QT_TS_FILES)
set(BAILCREST_FONT_TABLE)
foreach(locale IN LISTS BAILCREST_LANGUAGES)
    string(REGEX REPLACE "_.*" "" code ${locale})
    list(APPEND BAILCREST_LANGUAGE_CODES ${code})
    bailcrest_start_ts_file(${PROJECT_SOURCE_DIR}/translations/bailcrest_${code}.ts ${locale})
    bailcrest_start_ts_file(${PROJECT_SOURCE_DIR}/translations/qt_extra_${code}.ts ${locale})
    list(APPEND BAILCREST_TS_FILES translations/bailcrest_${code}.ts)
    list(APPEND BAILCREST_QT_TS_FILES translations/qt_extra_${code}.ts)
    if(DEFINED BAILCREST_FONT_${code})
        string(APPEND BAILCREST_FONT_TABLE
               "    {\"${code}\", \"${BAILCREST_FONT_${code}}\"},\n")
    endif()
endforeach()

# The languages the game speaks, named in English: "English, Hindi, Urdu and
# Bengali", for the man page; and as the AppStream metadata lists them.
set(BAILCREST_LANGUAGE_NAMES English)
set(BAILCREST_APPSTREAM_LANGUAGES "    <lang>en</lang>")
foreach(code IN LISTS BAILCREST_LANGUAGE_CODES)
    if(NOT DEFINED BAILCREST_NAME_${code})
        message(FATAL_ERROR "translations/languages.cmake names no language for ${code}: "
                            "set(BAILCREST_NAME_${code} ...)")
    endif()
    list(APPEND BAILCREST_LANGUAGE_NAMES ${BAILCREST_NAME_${code}})
    string(APPEND BAILCREST_APPSTREAM_LANGUAGES "\n    <lang>${code}</lang>")
endforeach()
set(all_but_last ${BAILCREST_LANGUAGE_NAMES})
list(POP_BACK all_but_last last)
list(JOIN all_but_last ", " BAILCREST_SPOKEN_LANGUAGES)
if(all_but_last)
    string(APPEND BAILCREST_SPOKEN_LANGUAGES " and ")
endif()
string(APPEND BAILCREST_SPOKEN_LANGUAGES ${last})
configure_file(${PROJECT_SOURCE_DIR}/packaging/bailcrest.6 ${PROJECT_BINARY_DIR}/packaging/bailcrest.6
               @ONLY)

# English is the language the texts are written in; its translation holds only
# the plural forms of the %n messages ("1 match", "2 matches").
set(BAILCREST_PLURALS_TS_FILE translations/bailcrest_en.ts)
set(BAILCREST_TEXT_SOURCES ${GAME_SOURCES} ${SAVES_SOURCES} ${SCREENS_SOURCES} ${CHARTS_SOURCES}
    ${APP_SOURCES} ${PROJECT_SOURCE_DIR}/app/main.cpp)
# `cmake --build build --target update_translations` brings every .ts file up
# to date: the game's texts with those the build draws and writes
# (translations/build_texts.h), and Qt's texts with their template.
qt_add_lupdate(bailcrest_app
    TS_FILES ${BAILCREST_TS_FILES}
    SOURCES ${BAILCREST_TEXT_SOURCES} ${PROJECT_SOURCE_DIR}/translations/build_texts.h
    # Without line numbers a .ts file changes only when a text does.
    OPTIONS -locations none)
qt_add_lupdate(bailcrest_qt_extra
    TS_FILES ${BAILCREST_QT_TS_FILES}
    SOURCES ${PROJECT_SOURCE_DIR}/translations/qt_texts.h
    # Named after no target: only its "_lupdate" target is made.
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}
    OPTIONS -locations none)
# A run of its own, as its messages are the plural ones alone.
qt_add_lupdate(bailcrest_plurals
    TS_FILES ${BAILCREST_PLURALS_TS_FILE}
    SOURCES ${BAILCREST_TEXT_SOURCES}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}
    OPTIONS -locations none -pluralonly)
# Only what a translator finished ships: the rest, lupdate's guesses
# included, reads in English.
qt_add_lrelease(bailcrest_app
    TS_FILES ${BAILCREST_TS_FILES} ${BAILCREST_QT_TS_FILES} ${BAILCREST_PLURALS_TS_FILE}
    QM_FILES_OUTPUT_VARIABLE BAILCREST_QM_FILES
    OPTIONS -silent -nounfinished)

# The pseudo-translations: every message bracketed, accented and longer, for
# the checks that look for untranslated and cut-off texts; "pseudo_rtl" the
# same written right to left, for the checks of the mirrored screens.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools/pseudo-translate ${PROJECT_BINARY_DIR}/tools/pseudo-translate)
include(${PROJECT_SOURCE_DIR}/cmake/PseudoTranslation.cmake)
foreach(pseudo pseudo pseudo_rtl)
    bailcrest_pseudo_translation(translations/bailcrest_hi.ts bailcrest_${pseudo} ${pseudo} qm)
    list(APPEND BAILCREST_QM_FILES ${qm})
    bailcrest_pseudo_translation(translations/qt_extra_hi.ts qt_extra_${pseudo} ${pseudo} qm)
    list(APPEND BAILCREST_QM_FILES ${qm})
endforeach()
qt_add_resources(bailcrest_app bailcrest_translations
    PREFIX /i18n BASE ${PROJECT_BINARY_DIR} FILES ${BAILCREST_QM_FILES})

# The font each script needs, for screens/look.cpp.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/generated/screens/script_fonts.h
     CONTENT "// Made by CMake from translations/languages.cmake.\n#pragma once\n\n\
struct ScriptFont {\n    const char* language;\n    const char* family;\n};\n\n\
inline constexpr ScriptFont scriptFonts[] = {\n${BAILCREST_FONT_TABLE}    {nullptr, nullptr}};\n")
target_include_directories(bailcrest_screens PRIVATE ${PROJECT_BINARY_DIR}/generated)

# The credits' banners in each language, their lines drawn from the
# translation in the language's font (English where it is not translated
# yet), shown in place of the English ones under the language's code.
set(BAILCREST_BANNERS)
foreach(code IN LISTS BAILCREST_LANGUAGE_CODES)
    set(folder ${PROJECT_BINARY_DIR}/banners/${code})
    set(banners)
    foreach(side left right)
        list(APPEND banners ${folder}/banner_${side}.png ${folder}/banner_${side}@2x.png)
    endforeach()
    add_custom_command(OUTPUT ${banners}
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/draw-banners
                ${PROJECT_SOURCE_DIR}/translations/bailcrest_${code}.ts
                "${BAILCREST_FONT_${code}}" ${folder}
        DEPENDS ${PROJECT_SOURCE_DIR}/translations/bailcrest_${code}.ts
                ${PROJECT_SOURCE_DIR}/tools/draw-banners ${PROJECT_SOURCE_DIR}/tools/draw-artwork
        COMMENT "Drawing the banners in ${code}"
        VERBATIM)
    bailcrest_add_pictures(${folder} LANG ${code} FILES ${banners})
    list(APPEND BAILCREST_BANNERS ${banners})
endforeach()
add_custom_target(bailcrest_banners DEPENDS ${BAILCREST_BANNERS})
bailcrest_store_pictures()

# The desktop entry and the AppStream metadata, with the application id, the
# project's address and the list of languages filled in, then each language's
# lines.
configure_file(${PROJECT_SOURCE_DIR}/packaging/bailcrest.desktop.in
               ${PROJECT_BINARY_DIR}/packaging/template/${BAILCREST_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/bailcrest.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/template/${BAILCREST_APP_ID}.metainfo.xml @ONLY)
set(BAILCREST_PACKAGING_FILES)
foreach(kind desktop metainfo.xml)
    set(made ${PROJECT_BINARY_DIR}/packaging/${BAILCREST_APP_ID}.${kind})
    set(template ${PROJECT_BINARY_DIR}/packaging/template/${BAILCREST_APP_ID}.${kind})
    set(sources)
    foreach(code IN LISTS BAILCREST_LANGUAGE_CODES)
        list(APPEND sources ${PROJECT_SOURCE_DIR}/translations/bailcrest_${code}.ts)
    endforeach()
    add_custom_command(OUTPUT ${made}
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/translate-packaging
                ${template} ${made} ${sources}
        DEPENDS ${template} ${sources} ${PROJECT_SOURCE_DIR}/tools/translate-packaging
        COMMENT "Translating ${BAILCREST_APP_ID}.${kind}"
        VERBATIM)
    list(APPEND BAILCREST_PACKAGING_FILES ${made})
endforeach()
add_custom_target(bailcrest_packaging_files ALL DEPENDS ${BAILCREST_PACKAGING_FILES})
add_dependencies(bailcrest bailcrest_packaging_files)
