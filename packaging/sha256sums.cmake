# Run by CPack after packaging: SHA256SUMS beside the packages, as Debian's own archives give.
# CPack hands over its files where it made them, before it copies them to the build folder.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    file(SHA256 "${package}" sum)
    get_filename_component(name "${package}" NAME)
    string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE "${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS" "${sums}")
