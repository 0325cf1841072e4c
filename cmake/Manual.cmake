# The user manual: docs/manual's chapters copied into manual/ of the build folder, with the
# pictures the screenshots tool takes of the screens on its sample books, so that they never
# show a screen as it no longer is. The program finds manual/ beside itself; installed, in
# share/zedur/manual.
include(GNUInstallDirs)
set(ZEDUR_MANUAL_DIR ${CMAKE_BINARY_DIR}/manual)
file(GLOB ZEDUR_MANUAL_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/manual/*.html
     ${PROJECT_SOURCE_DIR}/docs/manual/*.css)
set(ZEDUR_MANUAL_STAMP ${CMAKE_BINARY_DIR}/manual.stamp)
add_custom_command(OUTPUT ${ZEDUR_MANUAL_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZEDUR_MANUAL_DIR}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEDUR_MANUAL_DIR}/pictures
  COMMAND ${CMAKE_COMMAND} -E copy ${ZEDUR_MANUAL_PAGES} ${ZEDUR_MANUAL_DIR}
  # Its list of pictures, the boxes its wrong input brought up and the offscreen platform's
  # notes go to a log, shown only when it fails.
  COMMAND sh -c "QT_QPA_PLATFORM=offscreen \"$0\" \"$1\" > \"$2\" 2>&1 || { cat \"$2\"; exit 1; }"
          $<TARGET_FILE:zedur-screenshots> ${ZEDUR_MANUAL_DIR}/pictures ${CMAKE_BINARY_DIR}/manual-pictures.log
  COMMAND ${CMAKE_COMMAND} -E touch ${ZEDUR_MANUAL_STAMP}
  DEPENDS zedur-screenshots ${ZEDUR_MANUAL_PAGES}
  COMMENT "The manual with the screens' pictures"
  VERBATIM)
add_custom_target(zedur-manual ALL DEPENDS ${ZEDUR_MANUAL_STAMP})
# The screenshots tool also leaves the statements' PDFs beside their pictures; the manual shows none.
install(DIRECTORY ${ZEDUR_MANUAL_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zedur/manual PATTERN "*.pdf" EXCLUDE)
