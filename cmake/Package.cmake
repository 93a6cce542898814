# Debian package of the installed layout (cmake/Install.cmake): `cpack` in a Release build
# writes lorvane_<version>_<arch>.deb into the build folder. Library dependencies are found by
# dpkg-shlibdeps; desktop, MIME and icon caches are refreshed by the triggers of the packages
# that own them, so the package needs no maintainer scripts.

# The maintainer is whoever the checkout's git is configured for; a clone without that
# configuration names the author of its last commit.
function(lorvane_git_value result)
  execute_process(COMMAND git ${ARGN} WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                  OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  set(${result} "${value}" PARENT_SCOPE)
endfunction()

lorvane_git_value(maintainer_name config user.name)
lorvane_git_value(maintainer_email config user.email)
if(maintainer_name AND maintainer_email)
  set(lorvane_maintainer "${maintainer_name} <${maintainer_email}>")
else()
  lorvane_git_value(lorvane_maintainer log -1 "--format=%an <%ae>")
endif()
if(NOT lorvane_maintainer)
  set(lorvane_maintainer "Lorvane maintainers <lorvane@localhost>")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${lorvane_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Karnaugh-map minimizer for Boolean functions of 2 to 8 variables")
set(CPACK_PACKAGE_DESCRIPTION [=[
Lorvane minimizes Boolean functions of 2 to 8 variables with the Karnaugh-map
method. A function is entered by typing into the cells of the map, filling the
whole map, a formula such as A*|B+C, sets of minterm numbers or a truth table;
the result is a sum of products or a product of sums shown as a tree of terms,
and selecting a term paints its cells on the map. An exact minimizer finds a
proven minimum cover on request.

Maps are saved as .lvn files and exported as HTML pages, HTML reports, PLA
files, SVG and TikZ pictures, and as expressions for Verilog, VHDL, LaTeX
and C. The program speaks English, German and Russian.

The package holds the desktop program (lorvane) and the command-line tool
(lorvane-cli) that runs the same engine for scripts.]=])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# lorvane-cli writes PDF pages through rsvg-convert when it is installed.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS librsvg2-bin)
# Qt's own dialog texts (buttons, file dialogs) in German and Russian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

# `make package_source` would otherwise pack build folders and the git store as well.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")

include(CPack)
