# The core: one static library per subsystem, all free of any GUI toolkit, gathered in vantorelle_core.
find_package(CLI11 CONFIG QUIET)
find_package(FastFloat REQUIRED)
find_package(CURL REQUIRED)
find_package(Threads REQUIRED)

function(vantorelle_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  if(NOT sources)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(vantorelle_${name} STATIC ${sources})
  target_include_directories(vantorelle_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(vantorelle_${name} PUBLIC ${ARG_DEPENDS})
  target_compile_definitions(vantorelle_${name} PRIVATE
    VANTORELLE_SHARE_DIR="${VANTORELLE_SHARE_DIR}"
    VANTORELLE_SOURCE_DATA_DIR="${VANTORELLE_SOURCE_DATA_DIR}"
    VANTORELLE_VERSION="${PROJECT_VERSION}")
endfunction()

vantorelle_subsystem(store DEPENDS FastFloat::fast_float)
vantorelle_subsystem(series DEPENDS vantorelle_store)
vantorelle_subsystem(shell DEPENDS vantorelle_store)
vantorelle_subsystem(analysis DEPENDS vantorelle_series vantorelle_store)
vantorelle_subsystem(acquire DEPENDS vantorelle_analysis vantorelle_shell CURL::libcurl)
vantorelle_subsystem(main DEPENDS vantorelle_analysis vantorelle_series vantorelle_shell vantorelle_store Threads::Threads)
vantorelle_subsystem(demo DEPENDS vantorelle_analysis vantorelle_store)

add_library(vantorelle_core INTERFACE)
target_link_libraries(vantorelle_core INTERFACE
  vantorelle_store vantorelle_series vantorelle_shell vantorelle_analysis vantorelle_acquire vantorelle_main
  vantorelle_demo)

# The core must stay free of any GUI toolkit: refuse to configure if one slips in.
foreach(subsystem store series shell analysis acquire main demo)
  get_target_property(deps vantorelle_${subsystem} LINK_LIBRARIES)
  foreach(dep IN LISTS deps)
    if(dep MATCHES "^Qt[0-9]*::|Qt[0-9]*(Widgets|Gui|Core)")
      message(FATAL_ERROR "vantorelle_${subsystem} links ${dep}: the core must not depend on a GUI toolkit")
    endif()
  endforeach()
endforeach()
