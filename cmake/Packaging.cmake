# What is installed, and how CPack packs it: the desktop program and quarrow-book, and on
# Linux their desktop integration, manual pages and samples as a Debian package
# (`make package`). Another system's generators go in a branch of their own below.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME quarrow-print-book)
set(CPACK_PACKAGE_VENDOR ${QUARROW_PUBLISHER})
# The package names no site, and no address that pretends to reach someone: its maintainer is
# the one set for this build, or the builder's address as Debian's own tools take it
# (DEBEMAIL), or else an address of the domain reserved never to reach anyone (RFC 2606).
if(QUARROW_MAINTAINER)
    set(CPACK_PACKAGE_CONTACT ${QUARROW_MAINTAINER})
elseif(DEFINED ENV{DEBEMAIL})
    set(CPACK_PACKAGE_CONTACT "${QUARROW_PUBLISHER} <$ENV{DEBEMAIL}>")
else()
    set(CPACK_PACKAGE_CONTACT "${QUARROW_PUBLISHER} <packager@quarrow.invalid>")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "slope-stake books for survey crews from road-design listings")
set(CPACK_PACKAGE_DESCRIPTION [[
Quarrow Print Book turns the slope-stake listing that the Geopak road-design
package writes for a roadway into a slope-stake book for the survey crew:
numbered pages, three stations to a page, each with its station and profile
values, the left and right cut or fill stakes with their offsets and slopes,
the centre-line cut or fill, and a hub table that surveyors fill in. A divided
roadway gives a left and a right book.

The desktop program, quarrow, pages through the book, finds a station,
corrects any block, prints all pages or a range, and saves the corrected book
as a report file (*.stk). The command-line tool quarrow-book uses the same
engine for batch work.]])
set(CPACK_STRIP_FILES ON)
# Directories made while packing get the usual modes whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS quarrow-book RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET quarrow)
    install(TARGETS quarrow RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(UNIX AND NOT APPLE)
    add_subdirectory(packaging/linux)

    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION science)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Pages are drawn in "Courier New", which fontconfig draws with Liberation Mono; no
    # library shows this need, and another fixed-pitch font still gives usable pages.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
elseif(MINGW)
    # The Windows installer and the portable ZIP (`make package-windows`): the programs in
    # bin, beside the DLLs and plugins they load (cmake/WindowsRuntime.cmake), the samples and
    # the README.
    quarrow_install_windows_runtime(${CMAKE_INSTALL_BINDIR})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/ DESTINATION samples
            FILES_MATCHING PATTERN "*.txt" PATTERN "*.stk")
    install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
    quarrow_install_windows_licences(licences)

    set(CPACK_GENERATOR NSIS ZIP)
    # A 64-bit installer, as the program is: it installs under the 64-bit Program Files and
    # registers in the 64-bit view of the registry.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    set(CPACK_PACKAGE_FILE_NAME Quarrow-Print-Book-${PROJECT_VERSION}-win64)
    # The installer's name ends in -setup.
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/CPackOptions.cmake)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "Quarrow Print Book")
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Quarrow Print Book")
    set(CPACK_NSIS_PACKAGE_NAME "Quarrow Print Book")
    set(CPACK_NSIS_DISPLAY_NAME "Quarrow Print Book")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_PACKAGE_EXECUTABLES quarrow "Quarrow Print Book")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/quarrow.ico)
    set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
    set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\quarrow.exe")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/licence.txt.in licence.txt @ONLY)
    # One line a paragraph, so that the installer's licence page flows it to its width.
    set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/licence.txt)
    set(CPACK_NSIS_MUI_FINISHPAGE_RUN quarrow.exe)
    # The installer's own template (CMake's, changed where it says so) and the file type it
    # registers for report files.
    list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
    set(CPACK_QUARROW_REPORT_CLASS QuarrowPrintBook.ReportFile)
endif()

include(CPack)
