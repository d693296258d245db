# cmake -DTS=file.ts -P checktranslation.cmake: fails, naming them, when texts in the translation
# file have no finished translation (lupdate marks new and changed texts "unfinished").
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
    message(FATAL_ERROR "translations/halvex_de.ts has no German for ${count} text(s):${texts}\n"
            "Run `cmake --build build --target update_translations` and translate them.")
endif()
