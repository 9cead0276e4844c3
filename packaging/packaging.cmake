# SPDX-License-Identifier: GPL-3.0-or-later
# What the two Debian packages hold besides the programs, and how CPack
# builds them (scripts/package.sh):
#
#   korvex-control         component "control": KorvexControl, korvexd with
#                          its systemd unit and /etc/korvex/korvex.conf,
#                          coder-sim, reader-sim, render-message,
#                          korvex-journal, korvex-catalogue, the launcher korvex-control, the
#                          sample messages
#   korvex-message-editor  component "editor": MessageEditor and its
#                          launcher korvex-message-editor
#
# A program joins a package with one line beside its target, for example
#   install(TARGETS <program> RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT control)
# and its manual page with one entry in korvex_man_pages below.

set(korvex_packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(korvex_packaging_out ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${korvex_packaging_out}/man)

# Package name, application id (desktop entry and metainfo), icon name
set(korvex_control_package korvex-control)
set(korvex_control_id org.korvex.KorvexControl)
set(korvex_editor_package korvex-message-editor)
set(korvex_editor_id org.korvex.MessageEditor)

# --- generated files: manual pages and changelog, gzipped -9n -----------------

# gzip -n leaves the name and time out, so the same page gives the same bytes.
function(korvex_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9n -c ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()

set(korvex_generated "")

# Manual pages written by hand, with the project's version put in: page,
# component
set(korvex_man_pages
    KorvexControl control
    render-message control
    MessageEditor editor)
while(korvex_man_pages)
    list(POP_FRONT korvex_man_pages page component)
    configure_file(${korvex_packaging_dir}/man/${page}.1 ${korvex_packaging_out}/man/${page}.1 @ONLY)
    korvex_gzip(${korvex_packaging_out}/man/${page}.1 ${korvex_packaging_out}/man/${page}.1.gz)
    list(APPEND korvex_generated ${korvex_packaging_out}/man/${page}.1.gz)
    install(FILES ${korvex_packaging_out}/man/${page}.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endwhile()

# The launchers share their program's page.
foreach(link korvex-control:KorvexControl:control korvex-message-editor:MessageEditor:editor)
    string(REPLACE ":" ";" link ${link})
    list(GET link 0 name)
    list(GET link 1 page)
    list(GET link 2 component)
    file(CREATE_LINK ${page}.1.gz ${korvex_packaging_out}/man/${name}.1.gz SYMBOLIC)
    install(FILES ${korvex_packaging_out}/man/${name}.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endforeach()

# The pages of coder-sim, reader-sim, korvexd, korvex-journal and korvex-catalogue come from their --help, so they never
# fall behind the options.  Each is run by name from its folder, so that the
# page says "coder-sim" and not the build path; packaging/man/<name>.h2m adds
# the sections --help lacks.
find_program(HELP2MAN help2man)
if(HELP2MAN)
    foreach(tool coder-sim reader-sim korvexd korvex-journal korvex-catalogue)
        set(page ${korvex_packaging_out}/man/${tool}.1)
        set(include "")
        if(EXISTS ${korvex_packaging_dir}/man/${tool}.h2m)
            set(include --include=${korvex_packaging_dir}/man/${tool}.h2m)
        endif()
        add_custom_command(OUTPUT ${page}
            COMMAND ${CMAKE_COMMAND} -E env "PATH=$<TARGET_FILE_DIR:${tool}>:$ENV{PATH}"
                    ASAN_OPTIONS=detect_leaks=0
                    ${HELP2MAN} --no-info --version-string=${PROJECT_VERSION}
                    ${include} --output=${page} ${tool}
            DEPENDS ${tool} ${korvex_packaging_dir}/man/${tool}.h2m
            VERBATIM)
        korvex_gzip(${page} ${page}.gz)
        list(APPEND korvex_generated ${page}.gz)
        install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT control)
    endforeach()
else()
    message(STATUS "help2man not found: the control package will lack the tools' manual pages")
endif()

korvex_gzip(${korvex_packaging_dir}/changelog ${korvex_packaging_out}/changelog.gz)
list(APPEND korvex_generated ${korvex_packaging_out}/changelog.gz)

add_custom_target(korvex_packaging_files ALL DEPENDS ${korvex_generated})

# --- what each package holds ----------------------------------------------------

foreach(component control editor)
    set(package ${korvex_${component}_package})
    set(id ${korvex_${component}_id})
    install(PROGRAMS ${korvex_packaging_dir}/${package}
        DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component})
    install(FILES ${korvex_packaging_dir}/${id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${component})
    install(FILES ${korvex_packaging_dir}/${id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT ${component})
    foreach(size 16 32 48 64 128 256)
        install(FILES ${korvex_packaging_dir}/icons/hicolor/${size}x${size}/apps/${package}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            COMPONENT ${component})
    endforeach()
    install(FILES ${korvex_packaging_dir}/icons/hicolor/scalable/apps/${package}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT ${component})
    install(FILES ${korvex_packaging_dir}/copyright ${korvex_packaging_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

# The launcher copies these into ~/Korvex on the first start.
file(GLOB korvex_samples ${PROJECT_SOURCE_DIR}/samples/*.spr ${PROJECT_SOURCE_DIR}/samples/*.csv)
install(FILES ${korvex_samples}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/korvex/samples COMPONENT control)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/Image
    DESTINATION ${CMAKE_INSTALL_DATADIR}/korvex/samples COMPONENT control)

# Services.  A unit file put into packaging/systemd/ (the headless server's,
# for example) goes into the control package under /lib/systemd/system, not
# enabled or started: an administrator sets up its settings and enables it
# with systemctl.  The package's maintainer scripts (packaging/<package>.
# postinst, prerm, postrm) stop it on removal and take the enablement away
# on purge.  The path is absolute because Debian keeps units outside /usr.
file(GLOB korvex_units ${korvex_packaging_dir}/systemd/*.service)
if(korvex_units)
    install(FILES ${korvex_units} DESTINATION /lib/systemd/system COMPONENT control)
endif()

# The service's settings, with safe defaults (the coders' port, no broker)
# and every other key as a commented example; a conffile, so that an
# upgrade keeps the administrator's changes.
install(FILES ${korvex_packaging_dir}/korvex.conf DESTINATION /etc/korvex COMPONENT control)

# Files under /etc must be listed as conffiles, so that dpkg keeps a changed
# one: install them with an absolute DESTINATION /etc/... and name each in
# packaging/<package>.conffiles.  That list and the maintainer scripts go
# into the package's control archive.
foreach(component control editor)
    set(extra "")
    foreach(part conffiles postinst prerm postrm)
        set(file ${korvex_packaging_dir}/${korvex_${component}_package}.${part})
        if(EXISTS ${file})
            # The control archive takes each under its plain name.
            configure_file(${file} ${korvex_packaging_out}/${component}/${part} COPYONLY)
            list(APPEND extra ${korvex_packaging_out}/${component}/${part})
        endif()
    endforeach()
    if(extra)
        string(TOUPPER ${component} upper)
        set(CPACK_DEBIAN_${upper}_PACKAGE_CONTROL_EXTRA ${extra})
    endif()
endforeach()
# 0755 for the scripts and 0644 for the lists, whatever the checkout made of them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

# --- CPack ---------------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvex)
set(CPACK_PACKAGE_VENDOR "Korvex")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Korvex developers <developers@korvex.org>")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL control editor)
set(CPACK_DEB_COMPONENT_INSTALL ON)
# dpkg and lintian want 0755 folders whatever the umask of whoever builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE korvex)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://korvex.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

set(CPACK_DEBIAN_CONTROL_PACKAGE_NAME ${korvex_control_package})
set(CPACK_DEBIAN_CONTROL_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_CONTROL_DESCRIPTION "control program for Korvex industrial inkjet coders
KorvexControl runs the Korvex inkjet coders of a factory line. The coders
connect to it over TCP, report their state and print progress, and receive
message files, print parameters and start and stop orders from it. It also
holds a designer for print messages: text, dates, serial numbers, shift
codes, barcodes and 2-D codes, pictures and fields fed from a data file.

The package also holds korvexd, the same control core as a service
without a window that puts the coders on the plant's MQTT broker (its
systemd unit is installed but not enabled), coder-sim, which simulates
coders for demonstrations and tests without hardware, reader-sim, a
code reader after a simulated coder that decodes what it prints with
zbar, render-message,
which draws a message file to a picture without a display, and
korvex-journal, which checks the journal of what was sent to which coder
and writes it as CSV, and korvex-catalogue, which imports products,
approves job templates and writes batch records from a shell.")

set(CPACK_DEBIAN_EDITOR_PACKAGE_NAME ${korvex_editor_package})
set(CPACK_DEBIAN_EDITOR_PACKAGE_SUGGESTS "fonts-wqy-zenhei")
set(CPACK_DEBIAN_EDITOR_DESCRIPTION "standalone message editor for Korvex inkjet coders
MessageEditor designs the print messages of one model of inkjet coder:
text, dates, counters, barcodes, QR codes and pictures, in the coder's own
message format. Its interface is in English, Russian, Spanish, Portuguese,
Korean, Italian, Turkish, Chinese and Arabic.")

include(CPack)
