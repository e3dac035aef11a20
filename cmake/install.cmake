# Installed layout: the program, its texts, the desktop entry, the icons and the AppStream
# metainfo. The program reads its texts by bare name from its working directory, so the desktop
# entry starts it inside the installed texts folder.
include(GNUInstallDirs)

set(CISTA_MZDA_PACKAGE cista-mzda)
set(CISTA_MZDA_APP_ID cz.cistamzda.CistaMzda)
# The day PROJECT_VERSION was released; change both together.
set(CISTA_MZDA_RELEASE_DATE 2026-12-11)
set(CISTA_MZDA_SCREENSHOT_URL "https://example.org/cista-mzda/screenshot.png"
    CACHE STRING "Public web address of docs/screenshot.png, shown by software centres")
set(CISTA_MZDA_TEXTS_DIR ${CMAKE_INSTALL_DATADIR}/${CISTA_MZDA_PACKAGE}/texts)

# The executable comes from app/, which may be added after this file is included (or, early on,
# not at all): decide once the whole top-level directory has been read.
function(cista_mzda_install_program)
    if(TARGET cista-mzda)
        install(TARGETS cista-mzda RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    else()
        message(STATUS "No cista-mzda target: installing the data files only")
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL cista_mzda_install_program)

# Whatever texts/*.txt exist when installing, so the list follows the folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/texts/
    DESTINATION ${CISTA_MZDA_TEXTS_DIR}
    FILES_MATCHING PATTERN "*.txt")

# The entry holds absolute paths, which depend on the prefix chosen at install time (/usr for the
# Debian package, --prefix for a plain `cmake --install`), so it is written while installing.
install(CODE "
    set(CISTA_MZDA_ENTRY_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/${CISTA_MZDA_APP_ID}.desktop.in\")
    set(CISTA_MZDA_ENTRY_OUTPUT \"${CMAKE_BINARY_DIR}/data/${CISTA_MZDA_APP_ID}.desktop\")
    set(CISTA_MZDA_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(CISTA_MZDA_TEXTS_DIR \"${CISTA_MZDA_TEXTS_DIR}\")
    set(CISTA_MZDA_APPLICATIONS_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/install_desktop_entry.cmake)

configure_file(${PROJECT_SOURCE_DIR}/data/${CISTA_MZDA_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/data/${CISTA_MZDA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/${CISTA_MZDA_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/cista-mzda.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CISTA_MZDA_PACKAGE}
    RENAME copyright)
