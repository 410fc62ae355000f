# Run at build time (cmake -P) by the site target: copies the WebAssembly modules from WASM_BIN
# into STAGE/wasm and the page's own from PAGE_WASM into STAGE/page, their names and custom
# sections stripped (STRIP), with the page's manifest.json, and renders each of PAGES into STAGE/man/<page>.txt as plain text.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/wasm ${STAGE}/page ${STAGE}/man)
foreach(kind wasm page)
  if(kind STREQUAL "wasm")
    file(GLOB modules ${WASM_BIN}/*.wasm)
  else()
    file(GLOB modules ${PAGE_WASM}/*.wasm)
  endif()
  foreach(module IN LISTS modules)
    cmake_path(GET module FILENAME name)
    execute_process(COMMAND ${STRIP} --strip-all ${module} -o ${STAGE}/${kind}/${name}
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endforeach()
file(COPY_FILE ${PAGE_WASM}/manifest.json ${STAGE}/manifest.json)
# The Lab's (LAB): its checker, stripped, and each interface's link, whose files stay where built.
file(MAKE_DIRECTORY ${STAGE}/lab)
execute_process(COMMAND ${STRIP} --strip-all ${LAB}/labcheck.wasm -o ${STAGE}/lab/labcheck.wasm
                COMMAND_ERROR_IS_FATAL ANY)
file(GLOB links ${LAB}/*.link)
file(COPY ${links} DESTINATION ${STAGE}/lab)
# Each deliverable's recipe for rebuilding it in the page (EDIT, web/edit/CMakeLists.txt).
file(GLOB recipes ${EDIT}/*.compile ${EDIT}/*.link)
file(COPY ${recipes} DESTINATION ${STAGE}/edit)
foreach(page IN LISTS PAGES)
  cmake_path(GET page FILENAME name)
  execute_process(COMMAND ${GROFF} -mandoc -Tutf8 -P-cbou -rLL=78n ${page}
                  OUTPUT_FILE ${STAGE}/man/${name}.txt COMMAND_ERROR_IS_FATAL ANY)
endforeach()
