# Run by CPack once the archive is made, with the release's files still
# staged in CPACK_TEMPORARY_DIRECTORY: builds the installer from
# resources/unitora.wxs with wixl, as <package file name>.msi beside the
# archive.
#
# wixl writes the package's strings in the code page of the Windows language
# it is told (WINDOWS_LANGUAGE), but marks the database as code page neutral,
# which Windows reads in the system's own code page. msibuild then declares
# the database's code page 932, so that every system reads its Japanese texts
# as Japanese. (wixl takes file names relative to its working folder only.)
find_program(WIXL wixl REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)

function(unitora_run what)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja ${ARGN}
                  RESULT_VARIABLE _status OUTPUT_VARIABLE _output ERROR_VARIABLE _output)
  # Both tools report what they do not understand as warnings and go on.
  if(NOT _status EQUAL 0 OR _output MATCHES "WARNING|CRITICAL")
    message(FATAL_ERROR "${what} failed:\n${_output}")
  endif()
endfunction()

set(_msi "${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi")
file(RELATIVE_PATH _icon "${CPACK_TEMPORARY_DIRECTORY}" "${CPACK_UNITORA_INSTALLER_ICON}")
unitora_run(wixl ${CMAKE_COMMAND} -E chdir "${CPACK_TEMPORARY_DIRECTORY}"
            "${WIXL}" --arch x64
            --define "Version=${CPACK_PACKAGE_VERSION}"
            --define "UpgradeCode=${CPACK_UNITORA_UPGRADE_CODE}"
            --define "IconFile=${_icon}"
            --output "${_msi}" "${CPACK_UNITORA_INSTALLER_SOURCE}")

file(WRITE "${CPACK_TOPLEVEL_DIRECTORY}/_ForceCodepage.idt" "\r\n\r\n932\t_ForceCodepage\r\n")
unitora_run(msibuild ${CMAKE_COMMAND} -E chdir "${CPACK_TOPLEVEL_DIRECTORY}"
            "${MSIBUILD}" "${_msi}" -i _ForceCodepage.idt)
