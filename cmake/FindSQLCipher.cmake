# Finds SQLCipher and provides the target SQLCipher::SQLCipher.
# Through pkg-config where it is there (Debian, Homebrew, MSYS2); otherwise by searching for
# sqlcipher/sqlite3.h and the library, which SQLCipher_ROOT or CMAKE_PREFIX_PATH can point at
# (Windows). The plain SQLite's sqlite3.h must never be taken for SQLCipher's.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(PC_SQLCIPHER QUIET sqlcipher)
endif()

if(PC_SQLCIPHER_FOUND)
  find_path(SQLCipher_INCLUDE_DIR NAMES sqlite3.h HINTS ${PC_SQLCIPHER_INCLUDE_DIRS}
            NO_DEFAULT_PATH)
else()
  find_path(SQLCipher_PARENT_DIR NAMES sqlcipher/sqlite3.h)
  if(SQLCipher_PARENT_DIR)
    set(SQLCipher_INCLUDE_DIR ${SQLCipher_PARENT_DIR}/sqlcipher)
  endif()
endif()
find_library(SQLCipher_LIBRARY NAMES sqlcipher libsqlcipher HINTS ${PC_SQLCIPHER_LIBRARY_DIRS})

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(SQLCipher REQUIRED_VARS SQLCipher_LIBRARY SQLCipher_INCLUDE_DIR
                                  VERSION_VAR PC_SQLCIPHER_VERSION)

if(SQLCipher_FOUND AND NOT TARGET SQLCipher::SQLCipher)
  add_library(SQLCipher::SQLCipher UNKNOWN IMPORTED)
  set_target_properties(SQLCipher::SQLCipher PROPERTIES
    IMPORTED_LOCATION "${SQLCipher_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${SQLCipher_INCLUDE_DIR}")
endif()
mark_as_advanced(SQLCipher_INCLUDE_DIR SQLCipher_PARENT_DIR SQLCipher_LIBRARY)
