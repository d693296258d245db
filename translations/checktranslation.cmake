# cmake -DTS=file.ts -P checktranslation.cmake: fails, naming them, when texts in the translation
# file have no finished translation (lupdate marks new and changed texts "unfinished"), or when a
# translation does not take the values its English takes: the same Qt placeholders (%1, %2 ...),
# and the same printf conversions, in the same order or all numbered ("%2$s ... %1$d"). The
# logic's messages are printf formats, and a conversion of another type would read a value that
# is not there.
file(READ ${TS} content)
# A text's ";" (as in "&apos;") would split the list of texts below.
string(REPLACE ";" "<semicolon>" content "${content}")
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?<translation type=\"unfinished\""
       missing "${content}")
list(LENGTH missing count)
if(count GREATER 0)
    set(texts "")
    foreach(entry ${missing})
        string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" text "${entry}")
        string(REPLACE "<semicolon>" ";" text "${text}")
        string(APPEND texts "\n    ${text}")
    endforeach()
    get_filename_component(name ${TS} NAME)
    message(FATAL_ERROR "translations/${name} has no translation for ${count} text(s):${texts}\n"
            "Run `cmake --build build --target update_translations` and translate them.")
endif()

# The types of a text's printf conversions in the order of the values they take ("d;s;ld").
# OUT is "mixed" when some are numbered and some not.
set(printf_conversion "%([1-9][0-9]*\\$)?[-+ #0]*[0-9]*(\\.[0-9]+)?(ll|l|h)?[diouxXcs]")
function(printf_types text out)
    string(REPLACE "%%" "" text "${text}")
    string(REGEX MATCHALL "${printf_conversion}" found "${text}")
    set(types "")
    set(numbered 0)
    foreach(conversion ${found})
        string(REGEX REPLACE "^%([1-9][0-9]*)\\$.*" "\\1" number "${conversion}")
        string(REGEX REPLACE "^%([1-9][0-9]*\\$)?[-+ #0]*[0-9]*(\\.[0-9]+)?" "" type "${conversion}")
        if(number STREQUAL conversion)
            list(APPEND types ${type})
        else()
            math(EXPR numbered "${numbered} + 1")
            set(type_${number} ${type})
        endif()
    endforeach()
    list(LENGTH found total)
    if(numbered GREATER 0)
        if(NOT numbered EQUAL total)
            set(${out} "mixed" PARENT_SCOPE)
            return()
        endif()
        foreach(number RANGE 1 ${numbered})
            list(APPEND types "${type_${number}}")
        endforeach()
    endif()
    set(${out} "${types}" PARENT_SCOPE)
endfunction()

# The Qt placeholders of a text, each once, in order ("%1;%2").
function(qt_placeholders text out)
    string(REGEX MATCHALL "%[1-9]" found "${text}")
    if(found)
        list(REMOVE_DUPLICATES found)
        list(SORT found)
    endif()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?<translation>[^<]*</translation>"
       finished "${content}")
set(wrong "")
foreach(entry ${finished})
    string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" english "${entry}")
    string(REGEX REPLACE ".*<translation>([^<]*)</translation>$" "\\1" german "${entry}")
    printf_types("${english}" english_types)
    printf_types("${german}" german_types)
    qt_placeholders("${english}" english_places)
    qt_placeholders("${german}" german_places)
    if(NOT english_types STREQUAL german_types OR
       (NOT english_types AND NOT english_places STREQUAL german_places))
        string(REPLACE "<semicolon>" ";" english "${english}")
        string(APPEND wrong "\n    ${english}")
    endif()
endforeach()
if(wrong)
    get_filename_component(name ${TS} NAME)
    message(FATAL_ERROR "translations/${name}: the translation of these texts does not take the "
            "values of the English (its placeholders or printf conversions differ):${wrong}")
endif()
