# Helpers that give every deliverable the same shape: one call per program, example or library.

# The one warning list, for product code and for the tests, fuzz targets and benchmarks around it
# (which leave out -Wconversion, see wb_scaffold). They become errors only in the project's own
# presets (CMAKE_COMPILE_WARNING_AS_ERROR), never in a user's or a parent project's build.
set(WB_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wformat=2 -Wundef)

# Product code stays within the C runtime: no exceptions, no RTTI, and libstdc++ is linked only
# if something really needs it (nothing does), so programs start as fast as C ones.
# Paths are written relative to the trees (assert's file names, debug information), so that a
# build in another directory makes the same bytes.
function(wb_product_options target)
  target_compile_options(${target} PRIVATE ${WB_WARNINGS} -Wconversion
                         $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>
                         -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                         -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# The programs install into libexec/workbench, behind the one command in bin/, and find what
# ships with them (the game's word list in share/workbench) relative to their own executable.
# The build tree mirrors that layout, so the same relative paths serve both:
#   WB_BIN_TO_PROGRAMS   bin/ to the program directory ("../libexec/workbench")
#   WB_PROGRAMS_TO_DATA  the program directory to the data directory ("../../share/workbench")
# and WB_BUILD_PROGRAM_DIR, WB_BUILD_DATA_DIR are those directories in the build tree.
set(WB_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/workbench)
set(WB_DATA_DIR ${CMAKE_INSTALL_DATADIR}/workbench)
file(RELATIVE_PATH WB_BIN_TO_PROGRAMS ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/workbench)
file(RELATIVE_PATH WB_PROGRAMS_TO_DATA ${CMAKE_INSTALL_FULL_LIBEXECDIR}/workbench
     ${CMAKE_INSTALL_FULL_DATADIR}/workbench)
cmake_path(ABSOLUTE_PATH WB_BIN_TO_PROGRAMS BASE_DIRECTORY ${PROJECT_BINARY_DIR}/bin NORMALIZE
           OUTPUT_VARIABLE WB_BUILD_PROGRAM_DIR)
cmake_path(ABSOLUTE_PATH WB_PROGRAMS_TO_DATA BASE_DIRECTORY ${WB_BUILD_PROGRAM_DIR} NORMALIZE
           OUTPUT_VARIABLE WB_BUILD_DATA_DIR)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

# What outside clients build against lives in directories of the project's own, so that no file
# of it can meet another package's: headers in include/workbench/ (clients still write
# <buffers/buffer.h>: pkg-config and the CMake package add the directory), archives in
# lib/workbench/ (their names stay lib<name>.a, the checker's link lines and the README's), and
# package files named workbench-<name>.pc.
set(WB_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/workbench)
set(WB_LIB_DIR ${CMAKE_INSTALL_LIBDIR}/workbench)

# wb_add_program(<name> SOURCES <files> [LIBS <targets>] [EXAMPLE])
# A console program, reachable as <build>/bin/<name>, where the tour and the golden tests run it.
# It is built into the program directory and installed there (bin/<name> is a link to it), and
# the workbench command lists it. Its units form the object library <name>_units, which tests
# and fuzz targets link to reach its inside (wb_program_inside below). An EXAMPLE is a bundled
# client of a library module: built into bin/ and toured like a program, never installed.
function(wb_add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "EXAMPLE" "" "SOURCES;LIBS")
  add_library(${name}_units OBJECT ${ARG_SOURCES})
  wb_product_options(${name}_units)
  target_link_libraries(${name}_units PUBLIC ${ARG_LIBS})
  add_executable(${name})
  target_link_libraries(${name} PRIVATE ${name}_units)
  # Linked by the C driver: a program never needs the C++ runtime, and a link that did would
  # fail here rather than start slower.
  if(WASI)
    target_link_libraries(${name} PRIVATE wasi_host)
  else()
    target_link_options(${name} PRIVATE -Wl,--as-needed)
  endif()
  set_target_properties(${name} PROPERTIES LINKER_LANGUAGE C
                                           RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  add_dependencies(programs ${name})
  # What draws its structure through support/view.h (-i, -j FILE): the web page's manifest.
  if("view" IN_LIST ARG_LIBS)
    set_property(GLOBAL APPEND PROPERTY WB_DRAWN ${name})
  endif()
  if(ARG_EXAMPLE)
    set_property(GLOBAL APPEND PROPERTY WB_EXAMPLES ${name})
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY WB_PROGRAMS ${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${WB_BUILD_PROGRAM_DIR})
  set(file ${name}${CMAKE_EXECUTABLE_SUFFIX})
  file(CREATE_LINK ${WB_BIN_TO_PROGRAMS}/${file} ${PROJECT_BINARY_DIR}/bin/${file} SYMBOLIC)
  if(WORKBENCH_INSTALL)
    install(TARGETS ${name} RUNTIME DESTINATION ${WB_PROGRAM_DIR})
  endif()
endfunction()

# wb_add_program_alias(<alias> <program>): <alias> runs <program> under another name, a link to it
# in the program directory, built and installed; the program tells by its argv[0]. The workbench
# command lists it like any program, so it has a page of its own.
function(wb_add_program_alias alias program)
  set_property(GLOBAL APPEND PROPERTY WB_PROGRAMS ${alias})
  add_custom_command(TARGET ${program} POST_BUILD
                     COMMAND ${CMAKE_COMMAND} -E create_symlink ${program}
                             ${WB_BUILD_PROGRAM_DIR}/${alias} VERBATIM)
  file(CREATE_LINK ${WB_BIN_TO_PROGRAMS}/${alias} ${PROJECT_BINARY_DIR}/bin/${alias} SYMBOLIC)
  if(WORKBENCH_INSTALL)
    install(CODE "file(CREATE_LINK ${program}
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${WB_PROGRAM_DIR}/${alias}\" SYMBOLIC)")
  endif()
endfunction()

# wb_add_library(<name> SOURCES <files> HEADERS <headers> [DEPS <libraries>]
#                [SYSTEM <libraries>] [MODULE])
# A static archive with C linkage, used as workbench::<name> from the build tree, from an
# add_subdirectory parent and from the installed package. Its public headers install under
# include/ as they stand in the source tree, and its <name>.pc names its DEPS in Requires and
# the SYSTEM libraries it needs (m) in Libs.
# A MODULE is one of the link-time modules offered to outside clients; the others are the small
# support libraries they stand on. All of them install into the project's own directories
# (WB_INCLUDE_DIR, WB_LIB_DIR, workbench-<name>.pc).
function(wb_add_library name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "MODULE" "" "SOURCES;HEADERS;DEPS;SYSTEM")
  add_library(${name} STATIC ${ARG_SOURCES})
  add_library(workbench::${name} ALIAS ${name})
  wb_product_options(${name})
  target_sources(${name} PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR}
                 FILES ${ARG_HEADERS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} ${ARG_SYSTEM})
  if(ARG_MODULE)
    set_property(GLOBAL APPEND PROPERTY WB_MODULES ${name})
  endif()
  if(NOT WORKBENCH_INSTALL)
    return()
  endif()
  install(TARGETS ${name} EXPORT workbenchTargets ARCHIVE DESTINATION ${WB_LIB_DIR}
          FILE_SET HEADERS DESTINATION ${WB_INCLUDE_DIR})
  # A package file installed under /usr says its paths plainly, as the system's own do. Anywhere
  # else it finds the prefix from its own place, so that a moved or unpacked tree (or one under
  # PKG_CONFIG_SYSROOT_DIR) works. Which is known only at install time (cmake --install --prefix),
  # so the file is made then (cmake/InstallPkgConfig.cmake). The archives are static, so their
  # dependencies go in Requires, not Requires.private: a plain pkg-config --libs then lists every
  # archive a client must link.
  set(WB_PC_NAME ${name})
  set(WB_PC_PREFIX @WB_PC_PREFIX@)
  file(RELATIVE_PATH to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
  list(TRANSFORM ARG_DEPS PREPEND workbench- OUTPUT_VARIABLE requires)
  list(JOIN requires " " WB_PC_REQUIRES)
  list(TRANSFORM ARG_SYSTEM PREPEND " -l" OUTPUT_VARIABLE system)
  string(JOIN "" WB_PC_SYSTEM_LIBS ${system})
  set(pc ${PROJECT_BINARY_DIR}/pkgconfig/workbench-${name}.pc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/library.pc.in ${pc}.in @ONLY)
  install(CODE "set(WB_PC_FILE \"${pc}\")
set(WB_PC_TO_PREFIX \"${to_prefix}\")
set(WB_PC_DESTINATION \"${CMAKE_INSTALL_LIBDIR}/pkgconfig\")")
  install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/InstallPkgConfig.cmake)
endfunction()

# The CMake package, and a file of the project's lists for the scripts (the tour and the install
# test) so that they never keep a copy of their own.
function(wb_finish)
  get_property(WB_MODULES GLOBAL PROPERTY WB_MODULES)
  set(lines "")
  get_property(WB_PROGRAMS GLOBAL PROPERTY WB_PROGRAMS)
  foreach(list WB_SUBSYSTEMS WB_BUFFER_MODULES WB_MODULES WB_PROGRAMS)
    list(JOIN ${list} " " words)
    string(APPEND lines "${list}=\"${words}\"\n")
  endforeach()
  file(WRITE ${PROJECT_BINARY_DIR}/workbench-lists.sh "${lines}")
  if(NOT WORKBENCH_INSTALL)
    return()
  endif()
  include(CMakePackageConfigHelpers)
  set(dest ${CMAKE_INSTALL_LIBDIR}/cmake/workbench)
  install(EXPORT workbenchTargets NAMESPACE workbench:: DESTINATION ${dest})
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/workbenchConfig.cmake.in
                                ${PROJECT_BINARY_DIR}/workbenchConfig.cmake INSTALL_DESTINATION ${dest})
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/workbenchConfigVersion.cmake
                                   COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/workbenchConfig.cmake
                ${PROJECT_BINARY_DIR}/workbenchConfigVersion.cmake DESTINATION ${dest})
endfunction()

# wb_program_inside(<program>): the static library <program>_inside holds the program's objects
# exactly as built for the program, with main renamed <program>_main (in C identifier form), so
# that tests and fuzz targets call its units in-process without compiling them again.
function(wb_program_inside program)
  if(TARGET ${program}_inside)
    return()
  endif()
  string(MAKE_C_IDENTIFIER ${program}_main entry)
  set(archive ${PROJECT_BINARY_DIR}/inside/lib${program}_inside.a)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/inside)
  add_custom_command(
    OUTPUT ${archive}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${archive} ${archive}.objects
    COMMAND ${CMAKE_AR} qc ${archive}.objects $<TARGET_OBJECTS:${program}_units>
    COMMAND ${CMAKE_OBJCOPY} --redefine-sym main=${entry} ${archive}.objects ${archive}
    DEPENDS $<TARGET_OBJECTS:${program}_units>
    COMMAND_EXPAND_LISTS VERBATIM)
  # The file-level dependency on the objects orders nothing under every generator; this does.
  add_custom_target(${program}_inside_archive DEPENDS ${archive})
  add_dependencies(${program}_inside_archive ${program}_units)
  add_library(${program}_inside STATIC IMPORTED GLOBAL)
  get_target_property(libs ${program}_units INTERFACE_LINK_LIBRARIES)
  set_target_properties(${program}_inside PROPERTIES IMPORTED_LOCATION ${archive})
  if(libs)
    set_target_properties(${program}_inside PROPERTIES INTERFACE_LINK_LIBRARIES "${libs}")
  endif()
  add_dependencies(${program}_inside ${program}_inside_archive)
endfunction()

# wb_man_name(<page> <names var> <summary var>): the NAME line of a manual page,
# "name, name \- summary", as the list of names it documents and its summary in plain text.
function(wb_man_name page names_var summary_var)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${page})
  file(STRINGS ${page} lines)
  list(FIND lines ".SH NAME" at)
  math(EXPR at "${at} + 1")
  list(GET lines ${at} line)
  string(REPLACE "\\-" "-" line "${line}")
  string(FIND "${line}" " - " dash)
  string(SUBSTRING "${line}" 0 ${dash} names)
  math(EXPR dash "${dash} + 3")
  string(SUBSTRING "${line}" ${dash} -1 summary)
  string(REPLACE ", " ";" names "${names}")
  set(${names_var} ${names} PARENT_SCOPE)
  set(${summary_var} "${summary}" PARENT_SCOPE)
endfunction()

# wb_install_gzipped(<file> <destination>): installs <file>.gz, compressed with gzip -9n as
# Debian asks of manual pages and changelogs (best compression, no name or time stamp inside).
function(wb_install_gzipped file destination)
  find_program(GZIP gzip REQUIRED)
  cmake_path(GET file FILENAME name)
  set(copy ${PROJECT_BINARY_DIR}/gzipped/${destination}/${name})
  add_custom_command(OUTPUT ${copy}.gz COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
                     COMMAND ${GZIP} -9nf ${copy} DEPENDS ${file} VERBATIM)
  add_custom_target(gzip_${name} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

# wb_scaffold(<target> [LIBS <targets>] [INSIDE <programs>]): what every test, fuzz target and
# benchmark shares: the warning list (designated initialisers of wb::Run name only the fields a
# test needs), the source tree and tests/harness on the include path, its libraries, and the
# inside of each INSIDE program (wb_program_inside) to call its units in-process.
function(wb_scaffold target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "LIBS;INSIDE")
  foreach(program IN LISTS ARG_INSIDE)
    wb_program_inside(${program})
    list(APPEND ARG_LIBS ${program}_inside)
  endforeach()
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}
                             ${PROJECT_SOURCE_DIR}/tests/harness)
  target_compile_options(${target} PRIVATE ${WB_WARNINGS} -Wno-missing-field-initializers)
endfunction()
