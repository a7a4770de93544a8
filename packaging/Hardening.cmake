# The hardening Debian builds its packages with (dpkg-buildflags with hardening=+all): a
# position-independent executable, stack protection, fortified libc calls, and relocations
# made read-only at start.
option(ORDLYKTA_HARDEN "Build with the distribution's hardening flags" ON)
if(ORDLYKTA_HARDEN)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  # Fortified calls need optimisation (a Debug build would warn, and warnings are errors), and
  # they would stand in the way of the sanitizers' own checks.
  if(NOT ORDLYKTA_SANITIZE)
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  endif()
endif()
