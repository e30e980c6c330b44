# Building the core as WebAssembly (under emcmake, with Debian's emscripten).
#
# Optimised at -O2, never -Oz: at -Oz emscripten links a libc optimised for size whose pow and
# log differ from the usual ones in the last digits. -fmath-errno keeps pow(x, 0.5), the
# gauge's Power, a call of pow that clang would otherwise make a square root. The core raises
# its arithmetic faults as C++ exceptions, hence -fexceptions at every compile and link.
foreach(flags CMAKE_CXX_FLAGS CMAKE_EXE_LINKER_FLAGS)
    if("${${flags}}" MATCHES "-O[sz]")
        message(FATAL_ERROR "${flags} asks for ${CMAKE_MATCH_0}: the WebAssembly build links at -O2 only")
    endif()
endforeach()
foreach(type RELEASE RELWITHDEBINFO MINSIZEREL)
    set(CMAKE_CXX_FLAGS_${type} "-O2")
    set(CMAKE_EXE_LINKER_FLAGS_${type} "-O2")
endforeach()
add_compile_options(-fwasm-exceptions -fmath-errno)
add_link_options(-fwasm-exceptions)

# Emscripten's libc++ reads floating-point numbers with no std::from_chars: the core falls back
# on Debian's header-only fast_float, which lies outside emscripten's sysroot; only its own
# folder is put on the include path.
set(VARNEL_FAST_FLOAT_DIR /usr/include/fast_float CACHE PATH "fast_float's headers")
set(varnel_fast_float_include ${CMAKE_BINARY_DIR}/fast-float-include)
file(MAKE_DIRECTORY ${varnel_fast_float_include})
file(CREATE_LINK ${VARNEL_FAST_FLOAT_DIR} ${varnel_fast_float_include}/fast_float SYMBOLIC)
include_directories(SYSTEM ${varnel_fast_float_include})

# Programs that run under node (the core's tests, the press driver) read and write the real
# files and standard streams, and carry their module inside the script: emscripten 3.1.6's
# loader would fetch() a separate module under node 18 and later, which fails on a path.
set(VARNEL_NODE_LINK_OPTIONS -sNODERAWFS=1 -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1)

# clang warns of aggregate initialisers with elided braces, which C++ allows and the tables of
# the tests use throughout; g++, the native compiler, does not.
target_compile_options(varnel_warnings INTERFACE -Wno-missing-braces)

# A module for the page: no file system and no entry point, started by NAME() in ENVIRONMENT
# (web, or worker) and reached through the EXPORTS (C functions), the memory views and the
# RUNTIME methods it needs beyond reading a C string, linked with the OPTIONS given besides.
function(varnel_page_module target)
    cmake_parse_arguments(PARSE_ARGV 1 module "" "NAME;ENVIRONMENT" "EXPORTS;RUNTIME;OPTIONS")
    list(JOIN module_EXPORTS "," exports)
    list(JOIN module_RUNTIME "," runtime)
    if(runtime)
        string(PREPEND runtime ",")
    endif()
    target_link_options(${target} PRIVATE
        --no-entry
        -sMODULARIZE=1
        -sEXPORT_NAME=${module_NAME}
        -sENVIRONMENT=${module_ENVIRONMENT}
        -sFILESYSTEM=0
        -sEXPORTED_FUNCTIONS=${exports}
        -sEXPORTED_RUNTIME_METHODS=ccall,getValue,UTF8ToString${runtime}
        ${module_OPTIONS})
endfunction()
