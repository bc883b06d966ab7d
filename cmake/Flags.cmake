if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra -Wpedantic)
    if(DIALHOUR_WERROR)
        add_compile_options(-Werror)
    endif()

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
