# Installs the interop test's npm packages, exactly as the lock file pins them, into DEST
# (in the build tree); skips the install when DEST already holds this lock file's packages.
file(MAKE_DIRECTORY ${DEST})
set(stamp ${DEST}/node_modules/.pelorin-lock)
file(SHA256 ${SOURCE}/package-lock.json lock_hash)
if(EXISTS ${stamp})
  file(READ ${stamp} installed_hash)
  if(installed_hash STREQUAL lock_hash)
    return()
  endif()
endif()
configure_file(${SOURCE}/package.json ${DEST}/package.json COPYONLY)
configure_file(${SOURCE}/package-lock.json ${DEST}/package-lock.json COPYONLY)
execute_process(COMMAND ${NPM} ci --ignore-scripts --no-audit --no-fund
  WORKING_DIRECTORY ${DEST} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "npm ci failed in ${DEST}")
endif()
file(WRITE ${stamp} ${lock_hash})
