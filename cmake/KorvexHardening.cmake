# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags for the programs that go into the packages: stack
# protector, fortified libc calls, format checks and a read-only relocation
# table bound at start (-z relro -z now).  They are taken from dpkg-buildflags
# with every hardening feature on, less what the build type already says
# (-g, -O) and the path map, which would differ between checkouts.
#
# The sanitizer and fuzz builds leave them out: _FORTIFY_SOURCE hides the
# calls AddressSanitizer intercepts, and a Debug build has no optimisation
# for it to work with.  -DKORVEX_HARDENING=OFF leaves them out elsewhere.

set(korvex_hardening_default ON)
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize" OR CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(korvex_hardening_default OFF)
endif()
option(KORVEX_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)"
    ${korvex_hardening_default})

if(KORVEX_HARDENING)
    find_program(DPKG_BUILDFLAGS dpkg-buildflags)
    set(korvex_hardening_compile "")
    set(korvex_hardening_link "")
    if(DPKG_BUILDFLAGS)
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                        ${DPKG_BUILDFLAGS} --get ${kind}
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE status)
            if(NOT status EQUAL 0)
                message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
            endif()
            separate_arguments(flags UNIX_COMMAND "${flags}")
            list(FILTER flags EXCLUDE REGEX "^-(g.*|O.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
            if(kind STREQUAL "LDFLAGS")
                list(APPEND korvex_hardening_link ${flags})
            else()
                list(APPEND korvex_hardening_compile ${flags})
            endif()
        endforeach()
    else()
        # What Debian 12's dpkg-buildflags gives with hardening=+all.
        set(korvex_hardening_compile -Wdate-time -D_FORTIFY_SOURCE=2 -fstack-protector-strong
            -Wformat -Werror=format-security)
        set(korvex_hardening_link -Wl,-z,relro -Wl,-z,now)
    endif()
    message(STATUS "Hardening: ${korvex_hardening_compile} ${korvex_hardening_link}")
    add_compile_options(${korvex_hardening_compile})
    add_link_options(${korvex_hardening_link})
endif()
