if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra -Wpedantic)
    if(DIALHOUR_WERROR)
        add_compile_options(-Werror)
    endif()

    # The same sources give the same bytes wherever they are built: paths the compiler records
    # (__FILE__, debug information) are relative to the clone.
    add_compile_options(-ffile-prefix-map=${PROJECT_BINARY_DIR}/=
                        -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=)

    if(DIALHOUR_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                            -fno-omit-frame-pointer -g)
        add_link_options(-fsanitize=address,undefined)
    elseif(MINGW)
        # Address-space randomisation with high entropy, no-execute data and the stack
        # protector. The protector's library is linked in, so that no libssp DLL has to ship.
        add_compile_options(-fstack-protector-strong
                            $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
        add_link_options(-Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)
        string(APPEND CMAKE_CXX_STANDARD_LIBRARIES " -l:libssp.a")
    elseif(NOT WIN32 AND NOT APPLE)
        # The hardening Debian gives its own packages; scripts/check-hardening verifies it.
        add_compile_options(-fstack-protector-strong
                            $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
        add_link_options(-pie -Wl,-z,relro -Wl,-z,now)
    endif()
endif()
