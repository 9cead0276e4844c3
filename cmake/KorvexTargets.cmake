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

# korvex_forbid_links(<target> <library...>)
# Fails the configuration when <target> links one of the libraries, directly
# or through any library it links: the control core must stay usable without
# a display, and the standalone editor must take nothing of the control
# application but what it is allowed to.
function(korvex_forbid_links target)
    set(pending ${target})
    set(seen "")
    while(pending)
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(aliased ${current} ALIASED_TARGET)
        if(aliased)
            list(APPEND pending ${aliased})
        endif()
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(links ${current} ${property})
            if(links)
                foreach(link IN LISTS links)
                    if(link IN_LIST ARGN)
                        message(FATAL_ERROR "${target} must not link ${link} (through ${current})")
                    endif()
                    list(APPEND pending ${link})
                endforeach()
            endif()
        endforeach()
    endwhile()
endfunction()
