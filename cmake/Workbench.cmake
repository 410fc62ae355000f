# Helpers that give every deliverable the same shape: one call per program, library module,
# support library or test.

set(WB_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wformat=2 -Wundef -Werror)

# Product code stays within the C runtime: no exceptions, no RTTI, and libstdc++ is linked only
# if something really needs it (nothing does), so programs start as fast as C ones.
function(wb_product_options target)
  target_compile_options(${target} PRIVATE ${WB_WARNINGS}
                         $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>)
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
                             $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
endfunction()

# wb_add_example(<name> SOURCES <files> [LIBS <targets>])
# A bundled client of a library module: built into <build>/bin for the tour and the golden tests,
# never installed.
function(wb_add_example name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBS")
  add_executable(${name} ${ARG_SOURCES})
  wb_product_options(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -Wl,--as-needed)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
endfunction()

# wb_add_program(<name> SOURCES <files> [LIBS <targets>])
# An installed console program, built into <build>/bin like the examples.
function(wb_add_program name)
  wb_add_example(${ARGV})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# Shared by support libraries and modules: a static archive with its public headers installed
# under include/ as they stand in the source tree, exported as workbench::<name>.
function(wb_add_archive name sources headers deps)
  add_library(${name} STATIC ${sources})
  add_library(workbench::${name} ALIAS ${name})
  wb_product_options(${name})
  target_link_libraries(${name} PUBLIC ${deps})
  foreach(header IN LISTS headers)
    get_filename_component(dir ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${dir})
  endforeach()
  install(TARGETS ${name} EXPORT workbenchTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  # Everything a client must link, in link order, for the pkg-config file.
  set(closure ${name})
  foreach(dep IN LISTS deps)
    get_target_property(dep_closure ${dep} WB_LINK_CLOSURE)
    list(APPEND closure ${dep_closure})
  endforeach()
  list(REVERSE closure)
  list(REMOVE_DUPLICATES closure)
  list(REVERSE closure)
  set_target_properties(${name} PROPERTIES WB_LINK_CLOSURE "${closure}")
endfunction()

# wb_add_support(<name> SOURCES <files> HEADERS <repo-relative headers> [DEPS <targets>])
# One of the small libraries the modules stand on (memory and errors, strings, stacks, trees).
function(wb_add_support name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;HEADERS;DEPS")
  wb_add_archive(${name} "${ARG_SOURCES}" "${ARG_HEADERS}" "${ARG_DEPS}")
endfunction()

# wb_add_module(<name> SOURCES <files> HEADERS <repo-relative headers> [DEPS <targets>])
# A library module for outside clients: archive, headers, <name>.pc and workbench::<name>.
function(wb_add_module name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;HEADERS;DEPS")
  wb_add_archive(${name} "${ARG_SOURCES}" "${ARG_HEADERS}" "${ARG_DEPS}")
  get_target_property(closure ${name} WB_LINK_CLOSURE)
  list(TRANSFORM closure PREPEND "-l")
  list(JOIN closure " " WB_PC_LIBS)
  set(WB_PC_NAME ${name})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/module.pc.in ${PROJECT_BINARY_DIR}/pkgconfig/${name}.pc
                 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/pkgconfig/${name}.pc
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
  set_property(GLOBAL APPEND PROPERTY WB_MODULES ${name})
endfunction()

function(wb_install_package)
  include(CMakePackageConfigHelpers)
  set(dest ${CMAKE_INSTALL_LIBDIR}/cmake/workbench)
  install(EXPORT workbenchTargets NAMESPACE workbench:: DESTINATION ${dest})
  configure_package_config_file(cmake/workbenchConfig.cmake.in
                                ${PROJECT_BINARY_DIR}/workbenchConfig.cmake INSTALL_DESTINATION ${dest})
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/workbenchConfigVersion.cmake
                                   COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/workbenchConfig.cmake
                ${PROJECT_BINARY_DIR}/workbenchConfigVersion.cmake DESTINATION ${dest})
endfunction()
