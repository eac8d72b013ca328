# Sourced by the scripts that build what the package ships: Debian's hardening for amd64, as
# dpkg-buildflags gives it (PIE is the compiler's default), and the cmake arguments that set it.
hardening_cxx_flags="-D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection -fcf-protection"
hardening_linker_flags="-Wl,-z,relro -Wl,-z,now"
hardening=("-DCMAKE_CXX_FLAGS=$hardening_cxx_flags" "-DCMAKE_EXE_LINKER_FLAGS=$hardening_linker_flags")
