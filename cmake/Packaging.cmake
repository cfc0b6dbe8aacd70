# What is installed, and how CPack packs it: the desktop program and quarrow-book, and on
# Linux their desktop integration, manual pages and samples as a Debian package
# (`make package`). Another system's generators go in a branch of their own below.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME quarrow-print-book)
set(CPACK_PACKAGE_VENDOR "Quarrow Print Book maintainers")
set(CPACK_PACKAGE_CONTACT "Quarrow Print Book maintainers <quarrow@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/quarrow/quarrow-print-book")
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
endif()

include(CPack)
