# cmake --install: the programs into bin/, a menu entry with its icon and the AppStream data,
# as any desktop program has them. An installed program keeps its books in the user's data
# folder (src/common/DataFolder.h), so nothing here is written beside the programs.
include(GNUInstallDirs)

set(ZEDUR_INSTALLED_PROGRAMS zedur zedur-newdb)
if(TARGET zedur-cli)
  list(APPEND ZEDUR_INSTALLED_PROGRAMS zedur-cli)
endif()
install(TARGETS ${ZEDUR_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(ZEDUR_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

# Installs packaging/NAME compressed as NAME.gz (manual pages, the changelog), built with the
# program so that installing only copies.
function(zedur_install_gzipped name destination)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/gz/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/gz
    COMMAND gzip -9 -n -c ${ZEDUR_PACKAGING}/${name} > ${gz}
    DEPENDS ${ZEDUR_PACKAGING}/${name})
  string(MAKE_C_IDENTIFIER ${name} id)
  add_custom_target(zedur-gz-${id} ALL DEPENDS ${gz})
  install(FILES ${gz} DESTINATION ${destination})
endfunction()

foreach(page zedur.1 zedur-newdb.1 zedur-cli.1)
  zedur_install_gzipped(${page} ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The menu entry (with its second action, "create books for this month") and its icon.
install(FILES ${ZEDUR_PACKAGING}/zedur.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZEDUR_PACKAGING}/zedur.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Fixed sizes for menus and panels that do not draw SVG, made from the one drawing.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(ZEDUR_ICON_PNGS)
  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/zedur.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${ZEDUR_PACKAGING}/zedur.svg
      DEPENDS ${ZEDUR_PACKAGING}/zedur.svg
      VERBATIM)
    list(APPEND ZEDUR_ICON_PNGS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(zedur-icons ALL DEPENDS ${ZEDUR_ICON_PNGS})
else()
  message(STATUS "rsvg-convert not found: the icon is installed as SVG only")
endif()

# AppStream takes screenshots from web addresses only: they are listed once the screenshots
# tool's pictures (main.png, ...) are published somewhere.
set(ZEDUR_SCREENSHOTS_URL "" CACHE STRING
  "Web folder where the screenshots tool's pictures are published, for the AppStream data")
set(ZEDUR_METAINFO_BINARIES "")
foreach(program ${ZEDUR_INSTALLED_PROGRAMS})
  string(APPEND ZEDUR_METAINFO_BINARIES "    <binary>${program}</binary>\n")
endforeach()
set(ZEDUR_METAINFO_SCREENSHOTS "")
if(ZEDUR_SCREENSHOTS_URL)
  string(CONCAT ZEDUR_METAINFO_SCREENSHOTS
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The main screen with its menu</caption>\n"
    "      <image>${ZEDUR_SCREENSHOTS_URL}/main.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${ZEDUR_PACKAGING}/zedur.metainfo.xml.in zedur.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zedur.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
