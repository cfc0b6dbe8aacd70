# The Windows programs run from their own folder, where Windows looks for the DLLs they need:
# Qt's DLLs and plugins and the compiler's runtime DLLs are put beside them, in the build
# folder (where the tests run them under Wine) and in the installed folder. A cross build has
# no windeployqt, so this does its work.

# Qt's libraries and plugins that the programs load. The offscreen platform serves the window
# tests; quarrow-book draws on the system's own platform there.
set(QUARROW_QT_DLLS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
set(QUARROW_QT_PLUGINS
    platforms Qt6::QWindowsIntegrationPlugin
    platforms Qt6::QOffscreenIntegrationPlugin
    styles Qt6::QWindowsVistaStylePlugin)

# The compiler's runtime DLLs, where the compiler keeps them.
set(QUARROW_COMPILER_DLLS)
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler's runtime DLL ${name} was not found")
    endif()
    list(APPEND QUARROW_COMPILER_DLLS ${path})
endforeach()

# quarrow_deploy_windows_runtime(<folder> <Qt DLLs>...): a target that keeps the compiler's
# DLLs, and with Qt those Qt DLLs and the plugins, in the folder where the build puts its
# programs.
function(quarrow_deploy_windows_runtime folder)
    set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                 COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QUARROW_COMPILER_DLLS} ${folder})
    foreach(dll IN LISTS ARGN)
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different
             $<TARGET_FILE:${dll}> ${folder})
    endforeach()
    set(plugins)
    if(QUARROW_WITH_QT)
        set(plugins ${QUARROW_QT_PLUGINS})
    endif()
    while(plugins)
        list(POP_FRONT plugins subfolder plugin)
        list(APPEND commands
             COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/${subfolder}
             COMMAND ${CMAKE_COMMAND} -E copy_if_different
                     $<TARGET_FILE:${plugin}> ${folder}/${subfolder})
    endwhile()
    add_custom_target(windows_runtime ALL ${commands} VERBATIM)
endfunction()

# The DLLs and plugins of the programs in their installed folder, stripped of their symbols
# as the programs are.
function(quarrow_install_windows_runtime destination)
    install(FILES ${QUARROW_COMPILER_DLLS} DESTINATION ${destination})
    if(QUARROW_WITH_QT)
        foreach(dll IN LISTS QUARROW_QT_DLLS)
            install(FILES $<TARGET_FILE:${dll}> DESTINATION ${destination})
        endforeach()
        set(plugins ${QUARROW_QT_PLUGINS})
        while(plugins)
            list(POP_FRONT plugins folder plugin)
            install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${destination}/${folder})
        endwhile()
    endif()
    install(CODE "
        file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/*.dll\")
        foreach(dll IN LISTS dlls)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\"
                            COMMAND_ERROR_IS_FATAL ANY)
        endforeach()")
endfunction()

# The licence texts of what the Windows programs bring with them, as the build machine's
# Debian packages give them: Qt (its libraries and those bundled in it), under the GNU LGPL
# version 3 (which builds on the GNU GPL version 3), and the compiler's runtime libraries.
function(quarrow_install_windows_licences destination)
    set(texts
        /usr/share/common-licenses/LGPL-3 LGPL-3.txt
        /usr/share/common-licenses/GPL-3 GPL-3.txt
        /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright GCC-runtime-libraries.txt
        /usr/share/doc/mingw-w64-common/copyright MinGW-w64-runtime.txt)
    if(QUARROW_WITH_QT)
        list(APPEND texts /usr/share/doc/libqt6core6/copyright Qt.txt)
    endif()
    while(texts)
        list(POP_FRONT texts source name)
        if(NOT EXISTS ${source})
            message(FATAL_ERROR "No licence text at ${source}: scripts/install-deps.sh --windows "
                                "installs the packages that hold it")
        endif()
        install(FILES ${source} DESTINATION ${destination} RENAME ${name})
    endwhile()
endfunction()
