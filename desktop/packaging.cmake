# Debian package: `cpack -G DEB` in the build tree makes
# dms2dd_<version>_<arch>.deb from the install component set up beside this.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dms2dd)
# CPack would keep only three numbers of the version; the project has four.
set(CPACK_PACKAGE_VERSION ${CMAKE_PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "dms2dd")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/dms2dd/dms2dd")
set(DMS2DD_PACKAGE_MAINTAINER "dms2dd <dms2dd@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT ${DMS2DD_PACKAGE_MAINTAINER})

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "conversion d'angles en degrés, minutes, secondes vers les degrés décimaux")
# CPackDeb puts the summary above this as the synopsis line.
set(CPACK_PACKAGE_DESCRIPTION
"dms2dd convertit un angle saisi en degrés, minutes et secondes en degrés
décimaux, au fur et à mesure de la saisie. Le bouton « Copier » place le
résultat dans le presse-papiers.
.
Pour les géomètres, les randonneurs, les géocacheurs et tous ceux qui
travaillent avec des cartes. L'interface est en français.")

# Only the files of the program, never the rest of what the tree may install.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${CMAKE_PROJECT_NAME};${package_component};/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DMS2DD_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CPACK_PACKAGE_HOMEPAGE_URL})
# Depends is computed from the binary by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window is laid out in Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# CPack writes CPackConfig.cmake into the top of the build tree
# (CMAKE_BINARY_DIR), wherever it is included from.
include(CPack)
