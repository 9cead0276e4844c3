# SPDX-License-Identifier: GPL-3.0-or-later
# Small helpers shared by every module so that warnings and test
# registration are declared once.

function(korvex_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# korvex_add_qtest(<name> SOURCES <files...> LIBS <targets...>)
# Builds a QtTest program and registers it with CTest.  Tests run without a
# display and with their own working folder under the build tree, so nothing
# they write can land in the source tree or in the user's settings.
function(korvex_add_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
    korvex_warnings(${name})
    set(workdir ${CMAKE_CURRENT_BINARY_DIR}/${name}.work)
    file(MAKE_DIRECTORY ${workdir})
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${workdir})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${workdir}/config;HOME=${workdir}"
        TIMEOUT 300)
endfunction()
