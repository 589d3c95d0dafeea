# Builds the Debian package from the build tree and checks what it holds and says.
find_program(DPKG_DEB dpkg-deb)
find_program(DPKG dpkg)
if(NOT DPKG_DEB OR NOT DPKG)
    message("SKIPPED: dpkg-deb is not installed, so no package can be built here")
    return()
endif()

set(out "${BUILD_DIR}/package-check")
file(REMOVE_RECURSE "${out}")
execute_process(COMMAND ${CPACK} --config "${BUILD_DIR}/CPackConfig.cmake" -B "${out}"
                RESULT_VARIABLE built OUTPUT_VARIABLE said ERROR_VARIABLE said)
execute_process(COMMAND ${DPKG} --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${out}/quenda_${VERSION}_${arch}.deb")
if(NOT built EQUAL 0 OR NOT EXISTS "${deb}")
    message(FATAL_ERROR "cpack did not give ${deb}: ${said}")
endif()

execute_process(COMMAND ${DPKG_DEB} --contents "${deb}" OUTPUT_VARIABLE listing)
foreach(path usr/bin/quenda usr/bin/quenda-cli usr/bin/quenda-simphone
             usr/share/quenda/demo/demo.json usr/share/quenda/demo/melodies/ode_to_joy.mdy
             usr/share/applications/quenda.desktop usr/share/icons/hicolor/scalable/apps/quenda.svg
             usr/share/icons/hicolor/48x48/apps/quenda.png usr/share/metainfo/org.quenda.Quenda.metainfo.xml
             usr/share/man/man1/quenda.1.gz usr/share/man/man1/quenda-cli.1.gz
             usr/share/man/man1/quenda-simphone.1.gz usr/share/bash-completion/completions/quenda-cli
             usr/share/doc/quenda/copyright usr/share/doc/quenda/changelog.gz)
    if(NOT listing MATCHES " \\./${path}\n")
        message(FATAL_ERROR "the package lacks /${path}")
    endif()
endforeach()
# Nothing of the build or the tests, and nothing outside /usr.
string(REGEX MATCHALL " \\./[^\n]*" paths "${listing}")
foreach(path ${paths})
    if(NOT path MATCHES "^ \\./(usr/(bin|share)/.*|usr/)?$" OR path MATCHES "tst_|soak|bench|manpage")
        message(FATAL_ERROR "the package should not hold${path}")
    endif()
endforeach()

foreach(check "Package=quenda" "Version=${VERSION}" "Architecture=${arch}" "Section=comm" "Priority=optional"
              "Maintainer=.+ <.+@.+>" "Depends=.*libqt6serialport6.*" "Description=.+\n .+")
    string(REGEX MATCH "^[^=]+" field "${check}")
    string(REGEX REPLACE "^[^=]+=" "" wanted "${check}")
    execute_process(COMMAND ${DPKG_DEB} --field "${deb}" ${field} OUTPUT_VARIABLE value)
    if(NOT value MATCHES "^${wanted}")
        message(FATAL_ERROR "the control field ${field} reads \"${value}\"")
    endif()
endforeach()

find_program(LINTIAN lintian)
if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} "${deb}" OUTPUT_VARIABLE said ERROR_VARIABLE ignored)
    if(said MATCHES "(^|\n)E: ")
        message(FATAL_ERROR "lintian finds errors:\n${said}")
    endif()
    message("lintian: ${said}")
else()
    message("lintian not found: the package was not checked by it")
endif()
file(REMOVE_RECURSE "${out}")
