# Run by CPack after it has installed sakana into its staging folder and
# before it packs that folder: whatever the umask of the build, folders get
# 0755, the program 0755 and every other file 0644 in the package.

if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}")
    message(FATAL_ERROR "normalize-permissions.cmake: no staging folder '${CPACK_TEMPORARY_DIRECTORY}'")
endif()

set(_dir_mode OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(_file_mode OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(_bin "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/")

file(CHMOD "${CPACK_TEMPORARY_DIRECTORY}" PERMISSIONS ${_dir_mode})
file(GLOB_RECURSE _entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(_entry IN LISTS _entries)
    if(IS_SYMLINK "${_entry}")
        continue()
    elseif(IS_DIRECTORY "${_entry}")
        file(CHMOD "${_entry}" PERMISSIONS ${_dir_mode})
    else()
        string(FIND "${_entry}" "${_bin}" _at)
        if(_at EQUAL 0)
            file(CHMOD "${_entry}" PERMISSIONS ${_dir_mode})
        else()
            file(CHMOD "${_entry}" PERMISSIONS ${_file_mode})
        endif()
    endif()
endforeach()
