# cmake -DTARGET=unit -DOBJECTS_FILE=list -DPROJECT_SOURCES=src -DCOMPILE_FOLDER=folder
#       -P PlatformFreeCheck.cmake
#
# Fails when an object of the unit was compiled with a platform library's header, or with a file
# of the project that itself includes a platform header. The standard library's own headers
# include POSIX ones (pthread.h, sys/types.h, ...) on Linux and Win32 ones under MinGW, so system
# headers are judged by who includes them: only the project's own includes count.

cmake_minimum_required(VERSION 3.25)

# Headers of the platform libraries, found by the folder they are installed in.
set(platform_folders "/(SDL|SDL2|SDL3|X11|xcb|qt5|qt6|Qt[A-Za-z0-9]*)/")

# What the project's own files may not include. POSIX and Linux: the names below and the sys/,
# linux/... folders; the signal functions are the system's way of reporting faults, which the
# back ends turn into the project's own structures.
set(posix_includes
    "^(unistd|fcntl|spawn|ucontext|link|dlfcn|pthread|signal|csignal|poll|termios|pwd|grp|dirent|syslog|sched|semaphore|execinfo|elf|libgen|netdb|wordexp|glob|fnmatch|strings|aio|mqueue|utime|utmp|err|sysexits)(\\.h)?$"
    "^(sys|arpa|netinet|net|linux|asm|bits)/")
set(library_includes "^(SDL|SDL2|SDL3|X11|xcb|GL|EGL|Qt[A-Za-z0-9]*)/" "^SDL[A-Za-z0-9_]*\\.h$"
                     "^Q[A-Z][A-Za-z]*$" "^wayland-")
# Win32 names are compared in lower case, as Windows' file names are.
set(win32_includes
    "^(windows|winbase|windef|winuser|wingdi|winnt|winreg|winerror|winsock|winsock2|ws2tcpip|shlobj|shellapi|shlwapi|objbase|ole2|oleauto|commctrl|commdlg|dbghelp|psapi|tlhelp32|process|io|direct|ddraw|dsound|mmsystem|mmreg|conio|excpt|tchar|winternl|ntstatus|synchapi|processthreadsapi|fileapi|handleapi|errhandlingapi|libloaderapi|sysinfoapi|memoryapi|versionhelpers|d3d[0-9a-z_]*|dxgi)\\.h$")

function(forbidden_include name result)
    string(TOLOWER "${name}" lower)
    foreach(pattern IN LISTS posix_includes library_includes)
        if(name MATCHES "${pattern}")
            set(${result} TRUE PARENT_SCOPE)
            return()
        endif()
    endforeach()
    foreach(pattern IN LISTS win32_includes)
        if(lower MATCHES "${pattern}")
            set(${result} TRUE PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${result} FALSE PARENT_SCOPE)
endfunction()

# The files a make-style dependency file lists after "object:", as normal absolute paths; a
# relative one is taken from the folder the compiler ran in.
function(dependencies_of depfile result)
    file(READ "${depfile}" text)
    string(FIND "${text}" ": " colon)
    math(EXPR start "${colon} + 2")
    string(SUBSTRING "${text}" ${start} -1 text)
    string(REPLACE "\\\n" " " text "${text}")
    string(REPLACE "\\ " "<space>" text "${text}")
    string(REPLACE ";" "<semicolon>" text "${text}")
    string(REGEX REPLACE "[ \t\r\n]+" ";" entries "${text}")
    set(paths "")
    foreach(entry IN LISTS entries)
        if(entry STREQUAL "")
            continue()
        endif()
        string(REPLACE "<space>" " " entry "${entry}")
        cmake_path(ABSOLUTE_PATH entry BASE_DIRECTORY "${COMPILE_FOLDER}" NORMALIZE)
        list(APPEND paths "${entry}")
    endforeach()
    set(${result} "${paths}" PARENT_SCOPE)
endfunction()

# "src/rain/Drop.h includes <unistd.h>" for each forbidden include of a project file.
function(forbidden_includes_of file result)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    set(found "")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" quoted "${line}")
        set(name "${CMAKE_MATCH_1}")
        forbidden_include("${name}" forbidden)
        if(forbidden)
            cmake_path(RELATIVE_PATH file BASE_DIRECTORY "${project_root}" OUTPUT_VARIABLE shown)
            list(APPEND found "${shown} includes <${name}>")
        endif()
    endforeach()
    set(${result} "${found}" PARENT_SCOPE)
endfunction()

cmake_path(GET PROJECT_SOURCES PARENT_PATH project_root)
file(STRINGS "${OBJECTS_FILE}" objects)
set(problems "")
set(checked_files "")
set(depfiles_read 0)
foreach(object IN LISTS objects)
    if(NOT EXISTS "${object}.d")
        continue()
    endif()
    math(EXPR depfiles_read "${depfiles_read} + 1")
    dependencies_of("${object}.d" files)
    list(GET files 0 source)
    cmake_path(RELATIVE_PATH source BASE_DIRECTORY "${project_root}" OUTPUT_VARIABLE source_shown)
    foreach(file IN LISTS files)
        if(file MATCHES "${platform_folders}")
            list(APPEND problems "${source_shown} reaches the platform header ${file}")
        elseif(file MATCHES "^${PROJECT_SOURCES}/" AND NOT file IN_LIST checked_files)
            list(APPEND checked_files "${file}")
            forbidden_includes_of("${file}" found)
            list(APPEND problems ${found})
        endif()
    endforeach()
endforeach()

list(LENGTH objects object_count)
if(object_count GREATER 0 AND depfiles_read EQUAL 0)
    message(FATAL_ERROR "${TARGET}: the compiler wrote no dependency files beside the objects "
                        "listed in ${OBJECTS_FILE}, so its headers cannot be checked.")
endif()
if(problems)
    list(REMOVE_DUPLICATES problems)
    list(JOIN problems "\n  " listed)
    message(FATAL_ERROR
            "${TARGET} must build without platform headers, but\n  ${listed}\n"
            "Declare what it needs of the system in the unit and define it under src/backends/.")
endif()
