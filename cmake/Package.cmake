# The binary packages: a Debian package and a tarball of the installed tree, built by CPack
# (cpack --preset package). The package installs under /usr; its dependencies come from the
# programs themselves (dpkg-shlibdeps).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
wb_install_gzipped(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_NAME workbench)
set(CPACK_PACKAGE_VENDOR "the workbench authors")
set(CPACK_PACKAGE_CONTACT "the workbench authors <maintainers@users.noreply.c-seed-64b61b4f.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small data-structure modules and console programs")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION
    "Four interchangeable editor buffers, a token scanner, a sorted-array set and
a word dictionary as static C libraries with headers and pkg-config files,
and seventeen short console programs, each exercising one data structure or
algorithm, run through the workbench command. Every program and library has
a manual page; workbench(7) is the overview.")
include(CPack)

# The package preset checks the package it has just built, unpacked as a user would.
if(WORKBENCH_PACKAGE_CHECK)
  add_test(NAME package.check COMMAND ${PROJECT_SOURCE_DIR}/tests/install/package_test.sh
                                      ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR})
endif()
