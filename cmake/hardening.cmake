# Hardening of our own C and C++, as Debian builds its packages: the stack
# protector, fortified libc calls, position-independent executables and a
# read-only relocation table bound at start (relro, now).
#
# _FORTIFY_SOURCE needs optimisation, so Debug builds go without it; the
# sanitizer builds too, as AddressSanitizer checks those calls itself and
# replaces the fortified variants.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong)
if(NOT VELTRIX_SANITIZE AND NOT VELTRIX_FUZZ)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
add_link_options(-Wl,-z,relro -Wl,-z,now)
