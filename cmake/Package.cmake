# What the installed tree carries beside the build's targets (documents, the samples, the shell
# completion) and the tarball of that tree, built by CPack (cpack --preset package). The Debian
# packages are debian/'s, built by dpkg-buildpackage from the same install.
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
wb_install_gzipped(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_INSTALL_DOCDIR})

# The samples every tour and manual page runs on: <dir>/samples/ becomes examples/<dir>/, where
# the pages' EXAMPLES take them from; examples/<client>/ goes there as it stands.
foreach(dir IN LISTS WB_SUBSYSTEMS)
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/samples)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/samples/
            DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples/${dir})
  endif()
endforeach()
file(GLOB clients LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*)
foreach(client IN LISTS clients)
  if(IS_DIRECTORY ${client})
    install(DIRECTORY ${client} DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
  endif()
endforeach()

# bash-completion loads a command's completion on demand from this directory.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/workbench.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME workbench)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME workbench)
set(CPACK_PACKAGE_VENDOR "the workbench authors")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Staged through DESTDIR, so that the install sees its real prefix, /usr, and the package files
# say it plainly, as in the Debian packages.
set(CPACK_SET_DESTDIR ON)
include(CPack)

# The package preset checks the tarball it has just built, unpacked as a user would, with the
# site when it is built.
if(WORKBENCH_PACKAGE_CHECK)
  set(site "")
  if(WORKBENCH_WEB)
    set(site --site)
  endif()
  add_test(NAME package.check
           COMMAND ${PROJECT_SOURCE_DIR}/tests/install/package_test.sh ${PROJECT_BINARY_DIR}
                   ${PROJECT_SOURCE_DIR} ${site}
                   ${PROJECT_BINARY_DIR}/workbench-${PROJECT_VERSION}-Linux.tar.gz)
endif()
