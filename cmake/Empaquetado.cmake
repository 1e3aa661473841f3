# Installation layout and the Debian package (cpack -G DEB).
#
#   <prefix>/bin/ut_vorna, ut_vorna_demo        the program and the demo tool
#   <prefix>/share/ut_vorna/                    read-only files the program
#                                               looks for after its own
#                                               application folder
#                                               (completopxe.sql, installed
#                                               by src/provisioning)
#   <prefix>/share/applications/ut_vorna.desktop, the icon, the manual pages,
#   <prefix>/share/doc/ut-vorna/                README, copyright, changelog
#
# An installed program keeps its writable files in a folder of each user
# (sivlib/CarpetasPrograma.h); a program run from the build folder keeps
# them beside itself.
include(GNUInstallDirs)

install(TARGETS ut_vorna ut_vorna_demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/ut_vorna.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/src/services/ventanas/recursos/praxel.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME ut_vorna.png)

# The manual pages are the programs' --help, written at build time.
set(paginas_manual)
function(pagina_manual programa resumen)
  set(pagina ${CMAKE_BINARY_DIR}/${programa}.1.gz)
  set(fuente ${CMAKE_SOURCE_DIR}/packaging/pagina_manual.sh)
  set(archivos ${CMAKE_SOURCE_DIR}/packaging/archivos_${programa}.txt)
  if(NOT EXISTS ${archivos})
    set(archivos "")
  endif()
  add_custom_command(OUTPUT ${pagina}
    COMMAND sh ${fuente} $<TARGET_FILE:${programa}> ${PROJECT_VERSION} ${resumen} ${archivos} | gzip -9n > ${pagina}
    DEPENDS ${programa} ${fuente} ${archivos}
    COMMENT "Manual page of ${programa}"
    VERBATIM)
  set(paginas_manual ${paginas_manual} ${pagina} PARENT_SCOPE)
endfunction()
pagina_manual(ut_vorna "unificador de datos del ERP para la plataforma Vorna")
pagina_manual(ut_vorna_demo "base de datos de demostracion del ERP para ut_vorna")
add_custom_target(paginas_manual ALL DEPENDS ${paginas_manual})
install(FILES ${paginas_manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(documentos ${CMAKE_INSTALL_DATADIR}/doc/ut-vorna)
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog VERBATIM)
add_custom_target(changelog_paquete ALL DEPENDS ${changelog})
install(FILES ${changelog} ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${documentos})
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${documentos})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ut-vorna)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Equipo del unificador <unificador@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "data unifier of the ERP for the Vorna platform")
set(CPACK_PACKAGE_DESCRIPTION "Reads sales, stock, customers and routes of one supplier from the ERP
database and delivers them as four delimited files, numbered as one
package, for the supplier's data platform; daily unattended run through
the user's crontab.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.com/ut-vorna")
# Library packages from the binaries themselves (Qt, SQLite, unixODBC...).
# What is loaded by name is named: the SQL Server driver (through
# unixODBC) and Qt's platform plugins, without which no window opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tdsodbc, unixodbc, qt6-qpa-plugins")
# cron runs the daily task; Qt's own dialogs speak Spanish with its translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cron, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libsqliteodbc, xdg-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
