# Installs the build into a prefix of its own and checks what lands where.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

foreach(path bin/quenda bin/quenda-cli bin/quenda-simphone share/applications/quenda.desktop
             share/icons/hicolor/scalable/apps/quenda.svg share/icons/hicolor/48x48/apps/quenda.png
             share/icons/hicolor/128x128/apps/quenda.png share/icons/hicolor/256x256/apps/quenda.png
             share/icons/hicolor/48x48@2/apps/quenda.png share/icons/hicolor/128x128@2/apps/quenda.png
             share/bash-completion/completions/quenda-cli
             share/metainfo/org.quenda.Quenda.metainfo.xml share/man/man1/quenda.1.gz share/man/man1/quenda-cli.1.gz
             share/man/man1/quenda-simphone.1.gz share/quenda/demo/demo.json)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "missing from the install tree: ${path}")
    endif()
endforeach()

file(READ "${PREFIX}/share/applications/quenda.desktop" entry)
foreach(line "Exec=quenda" "Icon=quenda" "Type=Application")
    string(FIND "${entry}" "${line}" at)
    if(at LESS 0)
        message(FATAL_ERROR "the menu entry lacks ${line}")
    endif()
endforeach()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} "${PREFIX}/share/applications/quenda.desktop"
                    RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT valid EQUAL 0 OR NOT said STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate: ${said}")
    endif()
else()
    message(WARNING "desktop-file-validate not found: the menu entry was not validated")
endif()
find_program(MAN man)
if(MAN)
    foreach(page quenda quenda-cli quenda-simphone)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env MANPAGER=cat MANWIDTH=80 ${MAN} -l
                                "${PREFIX}/share/man/man1/${page}.1.gz"
                        RESULT_VARIABLE shown OUTPUT_VARIABLE text ERROR_VARIABLE said)
        string(TOUPPER "${page}(1)" title)
        string(FIND "${text}" "${title}" at)
        if(NOT shown EQUAL 0 OR at LESS 0)
            message(FATAL_ERROR "man -l ${page}.1: ${said}")
        endif()
    endforeach()
endif()
find_program(APPSTREAM appstreamcli)
if(APPSTREAM)
    execute_process(COMMAND ${APPSTREAM} validate --no-net "${PREFIX}/share/metainfo/org.quenda.Quenda.metainfo.xml"
                    RESULT_VARIABLE valid OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT valid EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate: ${said}")
    endif()
else()
    message(WARNING "appstreamcli not found: the AppStream data was not validated")
endif()
file(REMOVE_RECURSE "${PREFIX}")
