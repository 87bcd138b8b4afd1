# Compiler warnings, linked into every library and program of the tree by
# spanwright_use_warnings (called once, at the end of the top folder):
#   spanwright::warnings          -Wall -Wextra -Wpedantic, for everything
#   spanwright::strict_warnings   -Wshadow -Wconversion, for the libraries
#                                 listed in SPANWRIGHT_STRICT_TARGETS
# With SPANWRIGHT_WERROR=ON (the scripts turn it on under CI=true) every
# warning is an error:
#   cmake --preset default -DSPANWRIGHT_WERROR=ON
option(SPANWRIGHT_WERROR "Make compiler warnings errors (on in CI)" OFF)

add_library(spanwright_warnings INTERFACE)
add_library(spanwright::warnings ALIAS spanwright_warnings)
target_compile_options(spanwright_warnings INTERFACE
  -Wall -Wextra -Wpedantic
  $<$<BOOL:${SPANWRIGHT_WERROR}>:-Werror>
  # GCC 12 warns of overlapping copies inside std::string at -O2 where
  # there are none (fixed in GCC 13).
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)

add_library(spanwright_strict_warnings INTERFACE)
add_library(spanwright::strict_warnings ALIAS spanwright_strict_warnings)
target_compile_options(spanwright_strict_warnings INTERFACE -Wshadow -Wconversion)

# Links spanwright::warnings into every library and program defined in dir
# and the folders below it, and the strict set into the listed ones.
function(spanwright_use_warnings dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      target_link_libraries(${target} PRIVATE spanwright::warnings)
      if(target IN_LIST SPANWRIGHT_STRICT_TARGETS)
        target_link_libraries(${target} PRIVATE spanwright::strict_warnings)
      endif()
    endif()
  endforeach()
  get_property(folders DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(folder IN LISTS folders)
    spanwright_use_warnings(${folder})
  endforeach()
endfunction()
