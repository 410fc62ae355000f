# Run at install time for each library (wb_add_library sets WB_PC_FILE, WB_PC_TO_PREFIX, the way
# from the package file's directory up to the prefix, and WB_PC_DESTINATION): the package file
# gets /usr as its prefix when it is installed there, and its own place otherwise.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(WB_PC_PREFIX /usr)
else()
  set(WB_PC_PREFIX "\${pcfiledir}/${WB_PC_TO_PREFIX}")
endif()
string(REGEX REPLACE "/$" "" WB_PC_PREFIX "${WB_PC_PREFIX}")
# Made under a name of this install's own, so that installs of one build tree into different
# places at once (the tests do) never write the same file.
string(MD5 install "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
cmake_path(GET WB_PC_FILE FILENAME name)
configure_file(${WB_PC_FILE}.in ${WB_PC_FILE}.${install} @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${WB_PC_DESTINATION}" TYPE FILE
     FILES ${WB_PC_FILE}.${install} RENAME ${name})
