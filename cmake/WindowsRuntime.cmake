# A Windows program finds its DLLs, and Qt its plugins, beside the program. This copies them next
# to the built programs, so that tests and benchmarks run in place, and installs with the program
# exactly what it needs: Qt's DLLs, the windows platform and style plugins, MinGW's run-time.

set(dialhour_qt_dlls Qt6::Core Qt6::Gui Qt6::Widgets)
# Plugin target, then the folder Qt looks for it in.
set(dialhour_qt_plugins Qt6::QWindowsIntegrationPlugin platforms
                        Qt6::QWindowsVistaStylePlugin styles)

set(dialhour_mingw_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "MinGW's ${dll} was not found")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND dialhour_mingw_dlls "${path}")
endforeach()

set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
set(copies)
foreach(target IN LISTS dialhour_qt_dlls ITEMS Qt6::Test)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
                               $<TARGET_FILE:${target}> ${bin}/)
endforeach()
# Tests draw offscreen, so the build also has the offscreen platform, which is not installed.
set(plugin_list ${dialhour_qt_plugins} Qt6::QOffscreenIntegrationPlugin platforms)
while(plugin_list)
    list(POP_FRONT plugin_list target folder)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/${folder}
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different
                               $<TARGET_FILE:${target}> ${bin}/${folder}/)
endwhile()
add_custom_target(windows_runtime ALL
    ${copies}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dialhour_mingw_dlls} ${bin}/
    COMMENT "Copying Qt's and MinGW's DLLs beside the programs"
    VERBATIM)

foreach(target IN LISTS dialhour_qt_dlls)
    install(FILES $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
set(plugin_list ${dialhour_qt_plugins})
while(plugin_list)
    list(POP_FRONT plugin_list target folder)
    install(FILES $<TARGET_FILE:${target}> DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
endwhile()
install(FILES ${dialhour_mingw_dlls} DESTINATION ${CMAKE_INSTALL_BINDIR})
