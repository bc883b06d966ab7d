# A Windows program finds its DLLs, and Qt its plugins, beside the program. This copies them next
# to the built programs, so that tests and benchmarks run in place, and installs with the program
# exactly what it needs: Qt's DLLs, the windows platform and style plugins, MinGW's run-time.

# Qt from Debian's 6.8 source imports its plugins' targets only when asked for them by name.
foreach(plugin QWindowsIntegrationPlugin QOffscreenIntegrationPlugin QWindowsVistaStylePlugin
               QModernWindowsStylePlugin)
    if(NOT TARGET Qt6::${plugin})
        find_package(Qt6${plugin} CONFIG QUIET PATHS ${Qt6Gui_DIR} ${Qt6Widgets_DIR} NO_DEFAULT_PATH)
    endif()
endforeach()
# Qt 6.7 replaced the Vista style with the modern Windows style.
if(TARGET Qt6::QModernWindowsStylePlugin)
    set(windows_style Qt6::QModernWindowsStylePlugin)
else()
    set(windows_style Qt6::QWindowsVistaStylePlugin)
endif()

# Each Qt target, then the folder below the program that Qt looks for it in.
set(shipped Qt6::Core . Qt6::Gui . Qt6::Widgets .
            Qt6::QWindowsIntegrationPlugin platforms ${windows_style} styles)
# Only for the tests, which draw offscreen where they can.
set(test_only Qt6::Test . Qt6::QOffscreenIntegrationPlugin platforms)

set(mingw_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "MinGW's ${dll} was not found")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND mingw_dlls "${path}")
endforeach()
install(FILES ${mingw_dlls} DESTINATION ${CMAKE_INSTALL_BINDIR})

set(copies COMMAND ${CMAKE_COMMAND} -E copy_if_different ${mingw_dlls}
                   ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/)
set(pairs ${shipped} ${test_only})
while(pairs)
    list(POP_FRONT pairs target folder)
    set(into ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder})
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${into}
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${into}/)
    if(target IN_LIST shipped)
        install(FILES $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
    endif()
endwhile()
add_custom_target(windows_runtime ALL ${copies}
    COMMENT "Copying Qt's and MinGW's DLLs beside the programs" VERBATIM)

# Qt's own words (the text box's menu) in each language Dialhour speaks, from Debian's
# qt6-translations-l10n, in the folder the program looks in beside it.
file(GLOB dialhour_languages ${PROJECT_SOURCE_DIR}/src/translations/dialhour_*.ts)
set(qt_translations)
foreach(ts IN LISTS dialhour_languages)
    string(REGEX REPLACE ".*dialhour_(.+)\\.ts$" "\\1" language "${ts}")
    set(qm /usr/share/qt6/translations/qtbase_${language}.qm)
    if(NOT EXISTS ${qm})
        message(FATAL_ERROR "Qt's translation ${qm} is missing: install qt6-translations-l10n")
    endif()
    list(APPEND qt_translations ${qm})
endforeach()
install(FILES ${qt_translations} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
add_custom_target(windows_translations ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_translations}
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations/
    COMMENT "Copying Qt's translations beside the programs" VERBATIM)
