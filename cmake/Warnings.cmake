# Strict warnings for every target of this project; warnings are errors.
function(narabe_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual -Wformat=2
        -Wimplicit-fallthrough -Werror
        # GCC 12 reports false -Wrestrict overlaps inside std::string concatenation when
        # optimising (its bug 105329); the check stays on for other compilers.
        $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
endfunction()

# A library of pure game logic: standard library only. It links neither Qt nor SDL,
# so an #include of their headers cannot be found and the build stops.
function(narabe_logic_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    narabe_warnings(${target})
    set_property(GLOBAL APPEND PROPERTY NARABE_LOGIC_TARGETS ${target})
endfunction()
