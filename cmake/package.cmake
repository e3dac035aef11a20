# `make package`: a Debian package of the installed layout (see install.cmake), built by CPack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${CISTA_MZDA_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Čistá mzda developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of a Czech employee's monthly net wage")
# The long description; CPack puts the summary above it and indents its lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Čistá mzda works out the net wage, the tax before and after reliefs, the
employee's and the employer's social and health insurance, the employer's
cost and the levy to the state from the gross wage, the children claimed and
the spouse relief, draws the split as a pie chart and explains every figure.
The user interface is in Czech.")
set(CISTA_MZDA_MAINTAINER "Čistá mzda developers <cista-mzda@example.org>"
    CACHE STRING "Maintainer field of the Debian package: name <e-mail>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CISTA_MZDA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# dpkg-shlibdeps derives the Qt and C++ runtime libraries from the executable. Qt loads its
# platform plugins at run time, out of its sight, and the window's fonts are data, so those
# packages are named here; CPack appends what dpkg-shlibdeps finds.
find_program(CISTA_MZDA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(CISTA_MZDA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    message(STATUS "dpkg-shlibdeps not found: the package lists only its fixed dependencies")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wine, fonts-liberation2")

include(CPack)
