# Runs at install time (see install.cmake): fills in the desktop entry's paths for the prefix
# being installed to and installs the entry. file(INSTALL) adds DESTDIR by itself.
set(CISTA_MZDA_EXEC "${CMAKE_INSTALL_PREFIX}/${CISTA_MZDA_BINDIR}/cista-mzda")
set(CISTA_MZDA_TEXTS_PATH "${CMAKE_INSTALL_PREFIX}/${CISTA_MZDA_TEXTS_DIR}")
configure_file("${CISTA_MZDA_ENTRY_TEMPLATE}" "${CISTA_MZDA_ENTRY_OUTPUT}" @ONLY)
file(INSTALL "${CISTA_MZDA_ENTRY_OUTPUT}"
    DESTINATION "${CMAKE_INSTALL_PREFIX}/${CISTA_MZDA_APPLICATIONS_DIR}")
