# SPDX-License-Identifier: BSD-2-Clause
# Installs the manual page and the shell completions next to the binary. The
# Debian package is built from debian/, which sets the directories Debian uses.

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
