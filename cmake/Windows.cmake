# The Windows build (see cmake/MinGW32Toolchain.cmake): the platform-free units with the Win32
# back ends, their tests, and the libraries built from Debian's sources by
# scripts/build-windows-libraries.sh, whose prefix PLUVO_WINDOWS_LIBRARIES names.
if(NOT PLUVO_WINDOWS_LIBRARIES OR NOT EXISTS ${PLUVO_WINDOWS_LIBRARIES}/lib/libjpeg.a)
    message(FATAL_ERROR "PLUVO_WINDOWS_LIBRARIES must name the prefix that "
                        "scripts/build-windows-libraries.sh made")
endif()

function(pluvo_imported_library name file)
    add_library(${name} STATIC IMPORTED GLOBAL)
    set_target_properties(${name} PROPERTIES
        IMPORTED_LOCATION ${PLUVO_WINDOWS_LIBRARIES}/lib/${file}
        INTERFACE_INCLUDE_DIRECTORIES ${PLUVO_WINDOWS_LIBRARIES}/include
        INTERFACE_LINK_LIBRARIES "${ARGN}")
endfunction()
pluvo_imported_library(JPEG::JPEG libjpeg.a)
pluvo_imported_library(pluvo_ogg libogg.a)
pluvo_imported_library(pluvo_vorbis libvorbis.a pluvo_ogg)
pluvo_imported_library(pluvo_vorbisfile libvorbisfile.a pluvo_vorbis)

# GoogleTest from the machine's own sources, built by the same compiler as the program.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(target gtest gtest_main gmock gmock_main)
    # Not our code: its warnings are not ours to fix.
    target_compile_options(${target} PRIVATE -w)
endforeach()

set(PLUVO_OS_BACKEND pluvo_backend_win32)
set(PLUVO_DEVICE_BACKEND pluvo_backend_gdi pluvo_backend_directx)
set(PLUVO_SCALING_BACKEND pluvo_backend_gdi)
