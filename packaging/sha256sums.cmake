# Run by CPack after packaging: SHA256SUMS beside the packages, as Debian's own archives give.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    file(SHA256 "${package}" sum)
    get_filename_component(name "${package}" NAME)
    get_filename_component(folder "${package}" DIRECTORY)
    string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE "${folder}/SHA256SUMS" "${sums}")
