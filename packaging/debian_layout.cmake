# Runs on the staging directory before the package is made: the manual pages and the
# changelog compressed as Debian keeps them (gzip -9n: no name, no time stamp), and the
# changelog's version held against the package's.
set(usr "${CPACK_TEMPORARY_DIRECTORY}/usr")
file(READ "${CPACK_SYLVARINE_CHANGELOG}" changelog)
if(NOT changelog MATCHES "^${CPACK_PACKAGE_NAME} \\(${CPACK_PACKAGE_VERSION}\\) ")
  message(FATAL_ERROR "${CPACK_SYLVARINE_CHANGELOG}: its first entry is not version ${CPACK_PACKAGE_VERSION}")
endif()
file(COPY_FILE "${CPACK_SYLVARINE_CHANGELOG}" "${usr}/share/doc/${CPACK_PACKAGE_NAME}/changelog")
file(GLOB_RECURSE uncompressed "${usr}/share/man/*.[1-9]" "${usr}/share/doc/*/changelog")
foreach(file IN LISTS uncompressed)
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip ${file} failed")
  endif()
endforeach()
