# Runs at install time (from cmake_install.cmake, and so also for CPack), when the real prefix is
# known: installs the launcher, then writes the desktop entry with the real paths in Path= and
# Exec= and installs it like any other file, so DESTDIR and the install manifest are handled by
# file(INSTALL).
#
# The launcher goes where Debian puts the commands of games when the prefix is /usr (the package):
# /usr/games; under any other prefix, into the usual program folder (bin/). Both are one level
# below the prefix, so the launcher's relative paths are the same in either.
#
# Set by the caller: VOCARI_LAUNCHER (the script), VOCARI_DESKTOP_TEMPLATE, VOCARI_DESKTOP_FILE (the
# file name to install), VOCARI_STAGING_DIR, VOCARI_BINDIR, VOCARI_DATADIR,
# VOCARI_APPLICATIONS_DIR (the last three as given to GNUInstallDirs: relative to the prefix, or
# absolute).

get_filename_component(_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)

function(vocari_full_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(_p "${dir}")
  else()
    set(_p "${_prefix}/${dir}")
  endif()
  cmake_path(NORMAL_PATH _p)
  string(REGEX REPLACE "(.)/+$" "\\1" _p "${_p}")
  set(${out} "${_p}" PARENT_SCOPE)
endfunction()

if(_prefix STREQUAL "/usr" AND VOCARI_BINDIR STREQUAL "bin")
  set(_bindir "/usr/games")
else()
  vocari_full_path(_bindir "${VOCARI_BINDIR}")
endif()
vocari_full_path(_datadir "${VOCARI_DATADIR}/vocari")
vocari_full_path(_appsdir "${VOCARI_APPLICATIONS_DIR}")

file(INSTALL DESTINATION "${_bindir}" TYPE PROGRAM FILES "${VOCARI_LAUNCHER}")

# A string value of a desktop entry: backslashes doubled.
function(vocari_desktop_string out text)
  string(REPLACE "\\" "\\\\" _t "${text}")
  set(${out} "${_t}" PARENT_SCOPE)
endfunction()

# The launcher is found through PATH when it lands in one of the usual program folders; anywhere
# else (/usr/games included, which is not on root's PATH) Exec= names it in full, quoted as the
# desktop entry rules ask when it holds reserved characters.
if(_bindir MATCHES "^/(usr/(local/)?)?bin$")
  set(VOCARI_DESKTOP_EXEC "vocari")
else()
  set(_exec "${_bindir}/vocari")
  if(_exec MATCHES "[] \t\"'\\\\><~|&;$*?#()`[]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" _exec "${_exec}")
    set(_exec "\"${_exec}\"")
  endif()
  string(REPLACE "%" "%%" _exec "${_exec}")
  vocari_desktop_string(VOCARI_DESKTOP_EXEC "${_exec}")
endif()
vocari_desktop_string(VOCARI_DESKTOP_PATH "${_datadir}")

# One staging folder per prefix, so that two installs with different prefixes cannot mix.
string(MD5 _key "${_prefix}")
set(_staged "${VOCARI_STAGING_DIR}/${_key}/${VOCARI_DESKTOP_FILE}")
configure_file("${VOCARI_DESKTOP_TEMPLATE}" "${_staged}" @ONLY)
file(INSTALL DESTINATION "${_appsdir}" TYPE FILE FILES "${_staged}")
