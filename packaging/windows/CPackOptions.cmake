# Read by CPack for each of its generators: the installer is named as an installer, the ZIP
# as the folder it holds.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
