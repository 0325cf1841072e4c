# The Debian package (bash scripts/package): what cmake --install puts under /usr, with the
# documents Debian asks for and the runtime dependencies declared. dpkg-shlibdeps finds the
# libraries the programs link (Qt, libxlsxwriter, minizip, zstd); the rest are what they load or
# draw with at run time: the SQLite driver, the platform plugins and the Korean font. The charts
# library is named as well, as the statements cannot be drawn without it; minizip, as the import
# unzips every .xlsx with it; and zstd, whose library writes and reads the backups (so that a
# backup can be read by hand with the zstd tool the package suggests).
include(GNUInstallDirs)

set(ZEDUR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zedur)
install(FILES ${ZEDUR_PACKAGING}/copyright DESTINATION ${ZEDUR_DOC_DIR})
zedur_install_gzipped(changelog ${ZEDUR_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zedur)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ZedUr developers")
set(CPACK_PACKAGE_CONTACT "ZedUr developers <zedur@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "monthly manufacturing cost accounting for a small manufacturer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "A desktop program (in Korean) that keeps a small manufacturer's cost accounts\n"
  "month by month. It registers raw materials, products, product trees and\n"
  "accounts, records receipts, issues into the process, completion rates,\n"
  "completed products, transfers, sales, returns and expenses, allocates labour\n"
  "and overhead, closes the month with carry-forward, and shows the statement of\n"
  "cost of goods manufactured, the income statement and trace reports. Every\n"
  "list can be saved as a spreadsheet.\n"
  ".\n"
  "The books are kept in the user's data folder, ~/.local/share/zedur. They are\n"
  "made by zedur-newdb or by the menu entry's second action.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6charts6, qt6-qpa-plugins, fonts-nanum, libminizip1, libzstd1")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "zstd")
# Books on a PostgreSQL server need the driver on every desk that opens them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
