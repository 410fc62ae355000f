# Run at build time (cmake -P) by the site target: copies the WebAssembly modules from WASM_BIN
# into STAGE/wasm and renders each of PAGES into STAGE/man/<page>.txt as plain text.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/wasm ${STAGE}/man)
file(GLOB modules ${WASM_BIN}/*.wasm)
foreach(module IN LISTS modules)
  cmake_path(GET module FILENAME name)
  file(REAL_PATH ${module} real)
  file(COPY_FILE ${real} ${STAGE}/wasm/${name})
endforeach()
foreach(page IN LISTS PAGES)
  cmake_path(GET page FILENAME name)
  execute_process(COMMAND ${GROFF} -mandoc -Tutf8 -P-cbou -rLL=78n ${page}
                  OUTPUT_FILE ${STAGE}/man/${name}.txt COMMAND_ERROR_IS_FATAL ANY)
endforeach()
