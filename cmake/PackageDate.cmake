# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it packs. CPack's DEB generator gives every member of the package the date SOURCE_DATE_EPOCH
# when that is set: the caller's if given, else the last commit's, else, outside a clone, the top CMakeLists.txt's (a
# tarball made by git archive dates every file with the commit). So the same sources give the same package,
# wherever and whenever they are packed.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH source)
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${source}
    OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT date MATCHES "^[0-9]+$")
    file(TIMESTAMP ${source}/CMakeLists.txt date %s UTC)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${date})
endif()
