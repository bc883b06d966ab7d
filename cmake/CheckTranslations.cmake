# Fails where a translation has a string left unfinished, so that none ships untranslated.
# cmake -DLRELEASE=... -DSTAMP=... -DTS_FILES="a.ts;b.ts" -P CheckTranslations.cmake
foreach(ts IN LISTS TS_FILES)
    execute_process(COMMAND ${LRELEASE} ${ts} -qm ${STAMP}.qm
                    OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
    string(REGEX MATCH "([0-9]+) unfinished" unfinished "${said}")
    if(failed OR NOT unfinished OR NOT CMAKE_MATCH_1 EQUAL 0)
        message(FATAL_ERROR "${ts}: strings left unfinished or unreadable:\n${said}")
    endif()
endforeach()
file(REMOVE ${STAMP}.qm)
file(TOUCH ${STAMP})
