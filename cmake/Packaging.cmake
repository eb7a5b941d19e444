# The installed program finds every library it links in the system's library
# folders; it needs no run-time search path of its own.
set_property(TARGET morvane PROPERTY INSTALL_RPATH "")

# Debian package: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR "The Morvane authors")
set(CPACK_PACKAGE_CONTACT "The Morvane authors <morvane@morvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Disc label designer: CD/DVD labels printed at actual size")
set(CPACK_PACKAGE_DESCRIPTION "Morvane designs round labels for CDs and DVDs and prints them at
their actual size: a title, a date line and two text columns in chosen
fonts over a background picture, with a CD or DVD badge.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Installed binaries are stripped, as Debian's own packages are.
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# Library dependencies come from what the program links; the fonts its
# stand-in faces need are added by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
