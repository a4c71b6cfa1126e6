# The Windows packages of the cross build: the program's folder (the program, its help, the licences),
# an NSIS installer made from it and the same folder as a portable zip, all in <build>/package/.
# Runs as a script (cmake -P) with SOURCE_DIR, BUILD_DIR, PROGRAM, VERSION, QT_PREFIX, STRIP, MAKENSIS.

set(out ${BUILD_DIR}/package)
set(folder "${out}/Halvo Shutdown")
file(REMOVE_RECURSE ${out})
file(MAKE_DIRECTORY "${folder}/licenses")

execute_process(COMMAND ${STRIP} -o "${folder}/halvo-shutdown.exe" ${PROGRAM} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "could not strip ${PROGRAM}")
endif()
file(COPY ${BUILD_DIR}/app/AppHelp.html DESTINATION "${folder}")

# Text files with Windows line ends, so Notepad shows them as meant.
function(windows_text from to)
    file(READ ${from} text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${to} "${text}")
endfunction()

windows_text(${SOURCE_DIR}/LICENSE "${folder}/LICENSE.txt")
file(READ ${QT_PREFIX}/halvo-qt.stamp stamp LIMIT 200)
string(REGEX MATCH "^Qt ([^ ]+) \\(Debian source ([^)]+)\\)" matched "${stamp}")
set(QT_VERSION ${CMAKE_MATCH_1})
set(QT_SOURCE_VERSION ${CMAKE_MATCH_2})
if(NOT QT_SOURCE_VERSION)
    message(FATAL_ERROR "no Qt version in ${QT_PREFIX}/halvo-qt.stamp")
endif()
configure_file(${SOURCE_DIR}/packaging/windows/NOTICE.txt ${out}/NOTICE.txt @ONLY)
windows_text(${out}/NOTICE.txt "${folder}/NOTICE.txt")
file(REMOVE ${out}/NOTICE.txt)

# Qt's licence texts and Debian's list of what qt6-base holds under which licence; the compiler's runtime.
file(GLOB qt_licenses ${QT_PREFIX}/share/doc/qt6-base/LICENSES/*.txt)
foreach(license ${qt_licenses})
    get_filename_component(name ${license} NAME)
    windows_text(${license} "${folder}/licenses/${name}")
endforeach()
windows_text(${QT_PREFIX}/share/doc/qt6-base/copyright.debian "${folder}/licenses/qt6-base-copyright.txt")
windows_text(/usr/share/doc/gcc-mingw-w64-base/copyright "${folder}/licenses/gcc-runtime-copyright.txt")
windows_text(/usr/share/doc/mingw-w64-x86-64-dev/copyright "${folder}/licenses/mingw-w64-copyright.txt")
foreach(needed LGPL-3.0-only.txt GPL-3.0-only.txt)
    if(NOT EXISTS "${folder}/licenses/${needed}")
        message(FATAL_ERROR "Qt's ${needed} is missing from ${QT_PREFIX}/share/doc/qt6-base/LICENSES")
    endif()
endforeach()

# The installer: its size in Apps & features is what it installs.
file(GLOB_RECURSE installed "${folder}/*")
set(bytes 0)
foreach(file ${installed})
    file(SIZE "${file}" size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
set(setup ${out}/halvo-shutdown-${VERSION}-setup.exe)
execute_process(
    COMMAND ${MAKENSIS} -V2 -NOCD -DVERSION=${VERSION} "-DSOURCE=${folder}" -DOUTFILE=${setup}
            -DICON=${BUILD_DIR}/app/halvo-shutdown.ico -DSIZE_KB=${kilobytes}
            ${SOURCE_DIR}/packaging/windows/installer.nsi
    WORKING_DIRECTORY ${out}
    RESULT_VARIABLE failed)
if(failed OR NOT EXISTS ${setup})
    message(FATAL_ERROR "makensis failed")
endif()

# The portable copy: the same folder, zipped; it keeps its settings beside the program.
set(zip ${out}/halvo-shutdown-${VERSION}-windows-x64.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip "Halvo Shutdown"
                WORKING_DIRECTORY ${out} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "could not write ${zip}")
endif()
