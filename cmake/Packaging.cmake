# SPDX-License-Identifier: BSD-2-Clause
# Installs the manual page and the shell completions next to the binary, and
# describes the Debian package that `cpack -G DEB` builds from the install.

set(INIPICK_BASH_COMPLETION_DIR "${CMAKE_INSTALL_DATADIR}/bash-completion/completions"
    CACHE STRING "Where to install the bash completion (relative to the prefix, or absolute)")
set(INIPICK_ZSH_COMPLETION_DIR "${CMAKE_INSTALL_DATADIR}/zsh/site-functions"
    CACHE STRING "Where to install the zsh completion (relative to the prefix, or absolute)")

install(FILES ${PROJECT_SOURCE_DIR}/man/inipick.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# bash-completion loads a completion on demand from a file named after the command.
install(FILES ${PROJECT_SOURCE_DIR}/completions/inipick.bash
        DESTINATION ${INIPICK_BASH_COMPLETION_DIR}
        RENAME inipick)
install(FILES ${PROJECT_SOURCE_DIR}/completions/_inipick
        DESTINATION ${INIPICK_ZSH_COMPLETION_DIR})

set(CPACK_PACKAGE_NAME inipick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "inipick maintainers <inipick@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION "inipick reads the variables of one section of an INI file and prints their
values, one per line, optionally with their names and quoted for the Bourne
shell so that scripts can eval them. Variables are selected by name, by shell
glob or by PCRE2 regular expression, and values can be filtered.")
# Dependencies come from the libraries the binary links (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# Debian conventions that differ from a plain install, applied to the staged
# tree just before the .deb is made: manual pages are gzipped, and Debian's
# zsh searches vendor-completions rather than /usr/share/zsh/site-functions
# (moved only when the default directory was kept).
if(INIPICK_ZSH_COMPLETION_DIR STREQUAL "${CMAKE_INSTALL_DATADIR}/zsh/site-functions")
  set(CPACK_INIPICK_ZSH_FROM "${INIPICK_ZSH_COMPLETION_DIR}")
  set(CPACK_INIPICK_ZSH_TO "${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions")
endif()
set(CPACK_INIPICK_MANDIR "${CMAKE_INSTALL_MANDIR}")
file(WRITE ${PROJECT_BINARY_DIR}/cpack-deb-layout.cmake [=[
if(CPACK_GENERATOR STREQUAL "DEB")
  set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
  if(CPACK_INIPICK_ZSH_FROM AND EXISTS "${root}/${CPACK_INIPICK_ZSH_FROM}/_inipick")
    file(MAKE_DIRECTORY "${root}/${CPACK_INIPICK_ZSH_TO}")
    file(RENAME "${root}/${CPACK_INIPICK_ZSH_FROM}/_inipick" "${root}/${CPACK_INIPICK_ZSH_TO}/_inipick")
    file(GLOB left "${root}/${CPACK_INIPICK_ZSH_FROM}/*")
    if(NOT left)
      file(REMOVE_RECURSE "${root}/${CPACK_INIPICK_ZSH_FROM}")
    endif()
  endif()
  set(page "${root}/${CPACK_INIPICK_MANDIR}/man1/inipick.1")
  if(EXISTS "${page}")
    execute_process(COMMAND gzip -9n "${page}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
endif()
]=])
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_BINARY_DIR}/cpack-deb-layout.cmake)

include(CPack)
