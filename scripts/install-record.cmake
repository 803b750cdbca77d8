# The record of what an install from a build wrote, for scripts/uninstall.sh (make uninstall).
# CMakeLists.txt runs quadrivant_install_begin before its first install rule and
# quadrivant_install_end after its last; both run inside `cmake --install`, with that install's
# own CMAKE_INSTALL_PREFIX and DESTDIR.
#
# The record, install_record.txt in the build folder, holds one path a line:
#   root <where the files went: DESTDIR, then the prefix>
#   directory <a directory of the install, relative to the root: '.' is the root itself, '..'
#             and '../..' are the directories above it>
#   real <the real path of that directory when the install wrote into it>
#   file <a file the install wrote into that directory>
#   made <a directory the install made, relative to the root as above; deepest first>
# The root and the paths built on it are handled as text, never as CMake lists: a prefix may
# hold '[' or ']', which a list reads as its own. The paths below the root are the project's own.

# `cmake --install` runs its scripts without the project's policies; these functions keep them.
cmake_policy(VERSION 3.16)

# The root the files land in, as `cmake --install` composes it from DESTDIR and the prefix.
function(_quadrivant_install_root out)
  set(destdir "$ENV{DESTDIR}")
  if(NOT "${destdir}" STREQUAL "")
    if("${destdir}" MATCHES "^~(/|$)")
      string(SUBSTRING "${destdir}" 1 -1 rest)
      set(destdir "$ENV{HOME}${rest}")
    endif()
    if(NOT "${destdir}" MATCHES "^/")
      # A script run by `cmake --install` has the working directory as its source directory.
      set(destdir "${CMAKE_CURRENT_SOURCE_DIR}/${destdir}")
    endif()
    string(REGEX REPLACE "/+" "/" destdir "${destdir}")
    string(REGEX REPLACE "/$" "" destdir "${destdir}")
  endif()
  set(${out} "${destdir}${CMAKE_INSTALL_PREFIX}" PARENT_SCOPE)
endfunction()

# The path of `directory` (relative to `root`, as in the record) on the file system.
function(_quadrivant_path_of root directory out)
  if(directory STREQUAL ".")
    set(path "${root}")
  elseif(directory MATCHES "^\\.\\.(/\\.\\.)*$")
    set(path "${root}")
    string(REPLACE "/" "" steps "${directory}")
    string(LENGTH "${steps}" steps)
    math(EXPR steps "${steps} / 2")
    foreach(step RANGE 1 ${steps})
      get_filename_component(path "${path}" DIRECTORY)
    endforeach()
  else()
    set(path "${root}/${directory}")
  endif()
  if("${path}" STREQUAL "")
    set(path "/")
  endif()
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

# Takes the text before the first `_take_separator` out of the variable named `_take_text` into
# the one named `_take_piece`, and the separator with it; all of the text if it holds none.
function(_quadrivant_take _take_text _take_separator _take_piece)
  string(FIND "${${_take_text}}" "${_take_separator}" at)
  if(at EQUAL -1)
    set(${_take_piece} "${${_take_text}}" PARENT_SCOPE)
    set(${_take_text} "" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${${_take_text}}" 0 ${at} piece)
  string(LENGTH "${_take_separator}" length)
  math(EXPR at "${at} + ${length}")
  string(SUBSTRING "${${_take_text}}" ${at} -1 rest)
  set(${_take_piece} "${piece}" PARENT_SCOPE)
  set(${_take_text} "${rest}" PARENT_SCOPE)
endfunction()

# The files this install has written so far, relative to the prefix. CMake's own list holds each
# as the prefix, a slash and the file's path below the prefix, without DESTDIR. An entry that
# does not start so ends up in its neighbour, which then is not found where the install went.
function(_quadrivant_installed_files out)
  set(entries "${CMAKE_INSTALL_MANIFEST_FILES}")
  set(lead "${CMAKE_INSTALL_PREFIX}/")
  _quadrivant_take(entries "${lead}" before)
  if(NOT "${before}" STREQUAL "")
    message(FATAL_ERROR "quadrivant: the install wrote outside its prefix: ${before}")
  endif()
  set(files "")
  while(NOT "${entries}" STREQUAL "")
    _quadrivant_take(entries ";${lead}" entry)
    list(APPEND files "${entry}")
  endwhile()
  list(REMOVE_DUPLICATES files)
  set(${out} "${files}" PARENT_SCOPE)
endfunction()

# Every directory that holds one of `files`, and every directory between it and the root.
function(_quadrivant_directories_of files out)
  set(directories "")
  foreach(file IN LISTS files)
    get_filename_component(directory "${file}" DIRECTORY)
    while(NOT directory STREQUAL "")
      list(APPEND directories "${directory}")
      get_filename_component(directory "${directory}" DIRECTORY)
    endwhile()
  endforeach()
  list(REMOVE_DUPLICATES directories)
  list(SORT directories)
  set(${out} "${directories}" PARENT_SCOPE)
endfunction()

# The root, the files and the made directories of an existing record, or an empty root.
function(_quadrivant_read_record record root_out files_out made_out)
  set(root "")
  set(files "")
  set(made "")
  set(directory "")
  if(EXISTS "${record}")
    file(READ "${record}" text)
    while(NOT "${text}" STREQUAL "")
      _quadrivant_take(text "\n" value)
      _quadrivant_take(value " " key)
      if(key STREQUAL "root")
        set(root "${value}")
      elseif(key STREQUAL "directory")
        set(directory "${value}")
      elseif(key STREQUAL "file" AND directory STREQUAL ".")
        list(APPEND files "${value}")
      elseif(key STREQUAL "file")
        list(APPEND files "${directory}/${value}")
      elseif(key STREQUAL "made")
        list(APPEND made "${value}")
      endif()
    endwhile()
  endif()
  set(${root_out} "${root}" PARENT_SCOPE)
  set(${files_out} "${files}" PARENT_SCOPE)
  set(${made_out} "${made}" PARENT_SCOPE)
endfunction()

# Before the first file: which directories will this install make? A dry run of the same install
# into a scratch DESTDIR names every file it writes; the directories of those that do not exist
# yet below the real root (and the root, and those above it that do not exist yet) are the ones
# it makes.
function(quadrivant_install_begin build_dir)
  if(DEFINED ENV{QUADRIVANT_INSTALL_PROBE})
    return()
  endif()
  _quadrivant_install_root(root)
  set(probe "${build_dir}/install-probe")
  file(REMOVE_RECURSE "${probe}")
  set(options "")
  if(CMAKE_INSTALL_CONFIG_NAME)
    list(APPEND options --config "${CMAKE_INSTALL_CONFIG_NAME}")
  endif()
  if(CMAKE_INSTALL_COMPONENT)
    list(APPEND options --component "${CMAKE_INSTALL_COMPONENT}")
  endif()
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${probe}/root"
            "QUADRIVANT_INSTALL_PROBE=${probe}/files.txt" "${CMAKE_COMMAND}" --install
            "${build_dir}" --prefix "${CMAKE_INSTALL_PREFIX}" ${options}
    RESULT_VARIABLE failed
    OUTPUT_VARIABLE said
    ERROR_VARIABLE said)
  if(failed)
    message(FATAL_ERROR "quadrivant: a dry run of the install into ${probe} failed:\n${said}")
  endif()
  file(STRINGS "${probe}/files.txt" files)
  file(REMOVE_RECURSE "${probe}")

  _quadrivant_directories_of("${files}" directories)
  set(made "")
  foreach(directory IN LISTS directories)
    if(NOT IS_DIRECTORY "${root}/${directory}")
      list(APPEND made "${directory}")
    endif()
  endforeach()
  set(directory ".")
  _quadrivant_path_of("${root}" "${directory}" path)
  while(NOT IS_DIRECTORY "${path}")
    list(APPEND made "${directory}")
    if(directory STREQUAL ".")
      set(directory "..")
    else()
      set(directory "${directory}/..")
    endif()
    _quadrivant_path_of("${root}" "${directory}" path)
  endwhile()

  # Installed again where the record's install went: its files and the directories it made
  # stay in the record.
  _quadrivant_read_record("${build_dir}/install_record.txt" earlier_root earlier_files
                          earlier_made)
  if("${earlier_root}" STREQUAL "${root}")
    foreach(directory IN LISTS earlier_made)
      if(NOT directory IN_LIST made)
        list(APPEND made "${directory}")
      endif()
    endforeach()
  elseif(NOT "${earlier_root}" STREQUAL "")
    message(NOTICE "quadrivant: the record of the install into ${earlier_root} is replaced by "
                   "this one; make uninstall removes only what this install writes.")
    set(earlier_files "")
  endif()
  set_property(GLOBAL PROPERTY QUADRIVANT_INSTALL_MADE "${made}")
  set_property(GLOBAL PROPERTY QUADRIVANT_INSTALL_EARLIER_FILES "${earlier_files}")
endfunction()

# After the last file: writes the record (or, in the dry run, the files it would write).
function(quadrivant_install_end build_dir)
  _quadrivant_installed_files(files)
  if(DEFINED ENV{QUADRIVANT_INSTALL_PROBE})
    string(REPLACE ";" "\n" lines "${files}")
    file(WRITE "$ENV{QUADRIVANT_INSTALL_PROBE}" "${lines}\n")
    return()
  endif()
  _quadrivant_install_root(root)
  foreach(file IN LISTS files)
    if(NOT EXISTS "${root}/${file}")
      message(FATAL_ERROR "quadrivant: ${file} is not in ${root}, where this install should "
                          "have put it (DESTDIR '$ENV{DESTDIR}'); no install record is written")
    endif()
  endforeach()
  get_property(made GLOBAL PROPERTY QUADRIVANT_INSTALL_MADE)
  get_property(earlier_files GLOBAL PROPERTY QUADRIVANT_INSTALL_EARLIER_FILES)
  list(APPEND files ${earlier_files})
  list(REMOVE_DUPLICATES files)
  list(SORT files)

  # Blocks of directory, real path and files: the root, every directory below it that holds a
  # file, and the directories above it that the install made.
  _quadrivant_directories_of("${files}" directories)
  list(INSERT directories 0 ".")
  foreach(directory IN LISTS made)
    if(directory MATCHES "^\\.\\." AND NOT directory IN_LIST directories)
      list(APPEND directories "${directory}")
    endif()
  endforeach()
  set(text "# What `cmake --install` wrote from this build; make uninstall reads it.\n")
  string(APPEND text "root ${root}\n")
  foreach(directory IN LISTS directories)
    _quadrivant_path_of("${root}" "${directory}" path)
    get_filename_component(real "${path}" REALPATH)
    string(APPEND text "directory ${directory}\nreal ${real}\n")
    foreach(file IN LISTS files)
      get_filename_component(place "${file}" DIRECTORY)
      get_filename_component(name "${file}" NAME)
      if(place STREQUAL "" AND directory STREQUAL "." OR place STREQUAL directory)
        string(APPEND text "file ${name}\n")
      endif()
    endforeach()
  endforeach()
  # Deepest first: below the root a directory sorts after the one it is in, above it the
  # directories are '.', '..', '../..' and so on.
  set(below "")
  set(above "")
  foreach(directory IN LISTS made)
    _quadrivant_path_of("${root}" "${directory}" path)
    if(NOT IS_DIRECTORY "${path}")
      continue()
    elseif(directory STREQUAL "." OR directory MATCHES "^\\.\\.")
      list(APPEND above "${directory}")
    else()
      list(APPEND below "${directory}")
    endif()
  endforeach()
  list(SORT below)
  list(REVERSE below)
  list(SORT above)
  foreach(directory IN LISTS below above)
    string(APPEND text "made ${directory}\n")
  endforeach()
  file(WRITE "${build_dir}/install_record.txt.new" "${text}")
  file(RENAME "${build_dir}/install_record.txt.new" "${build_dir}/install_record.txt")
endfunction()
