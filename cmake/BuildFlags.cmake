# Compiler and linker flags of the project's own targets. They are set on each target (never
# globally), so that code of other projects built alongside keeps its own flags, and they are
# chosen by compiler, so that GCC, Clang and MSVC each get what they understand.

set(_gnu_like "$<CXX_COMPILER_ID:GNU,Clang,AppleClang>")
set(_msvc "$<CXX_COMPILER_ID:MSVC>")
set(_release "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")

# Debian's hardening flags for ELF release builds (as dpkg-buildflags gives them). Not with
# the sanitizers: those builds are never shipped, and fortify checks get in ASan's way.
set(_harden OFF)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT BABYNAME_SANITIZE)
  set(_harden ON)
endif()

function(babyname_set_target_flags target)
  # (A list inside a generator expression is written with semicolons and quoted.)
  target_compile_options(${target} PRIVATE
    "$<${_gnu_like}:-Wall;-Wextra>" "$<${_msvc}:/W4;/utf-8;/permissive->")
  if(BABYNAME_SANITIZE)
    target_compile_options(${target} PRIVATE
      "$<${_gnu_like}:-fsanitize=address,undefined;-fno-sanitize-recover=all>"
      "$<${_gnu_like}:-fno-omit-frame-pointer>"
      "$<${_msvc}:/fsanitize=address>")
    target_link_options(${target} PRIVATE $<${_gnu_like}:-fsanitize=address,undefined>)
  endif()
  if(_harden)
    set(on "$<AND:${_gnu_like},${_release}>")
    target_compile_options(${target} PRIVATE
      "$<${on}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;-fstack-protector-strong>"
      "$<${on}:-fstack-clash-protection;-Wformat;-Werror=format-security>")
    target_link_options(${target} PRIVATE "$<${on}:LINKER:-z,relro;LINKER:-z,now>")
  endif()
endfunction()

# Gives every compiled target defined in DIR and its subfolders the flags above. Called once,
# after all folders are added, so a target added anywhere later gets them too.
function(babyname_set_flags_below dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      babyname_set_target_flags(${target})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    babyname_set_flags_below(${subdir})
  endforeach()
endfunction()
