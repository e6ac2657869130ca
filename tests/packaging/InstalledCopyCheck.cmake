# The build installed into a fresh prefix, as an office computer gets it:
# the files land where the desktop and man look for them, the installed
# tools answer --help and --version, make a demo company in the user's
# configuration folder and, finding it there without TARVELA_HOME, read it
# and make a report from it. Then the Debian package: its dependencies and
# its files.
# Run with -DBUILD_DIR= -DWORK_DIR= -DVERSION= -DCPACK= -P this file.

function(expect_run code)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result STREQUAL code)
    message(FATAL_ERROR "${ARGN}\nexited with ${result}, expected ${code}\nstdout:\n${out}\nstderr:\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_contains text part what)
  string(FIND "${text}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${what}: \"${part}\" not found in:\n${text}")
  endif()
endfunction()

function(expect_file path)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "missing: ${path}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
set(bin ${prefix}/bin)
set(tools tarvela-dbf tarvela-demo tarvela-report)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

expect_run(0 ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
set(installed bin/tarvela share/applications/tarvela.desktop
    share/icons/hicolor/scalable/apps/tarvela.svg share/man/man1/tarvela.1)
foreach(tool ${tools})
  list(APPEND installed bin/${tool} share/man/man1/${tool}.1)
endforeach()
foreach(file ${installed})
  expect_file(${prefix}/${file})
endforeach()

expect_run(0 desktop-file-validate ${prefix}/share/applications/tarvela.desktop)
if(NOT out STREQUAL "")
  message(FATAL_ERROR "desktop entry: ${out}")
endif()
file(GLOB pages ${prefix}/share/man/man1/*.1)
foreach(page ${pages})
  expect_run(0 groff -man -Tutf8 -ww -z ${page})
  if(NOT err STREQUAL "")
    message(FATAL_ERROR "${page}: ${err}")
  endif()
endforeach()

foreach(tool ${tools})
  expect_run(0 ${bin}/${tool} --help)
  expect_contains("${out}" "${tool}" "${tool} --help")
  expect_run(0 ${bin}/${tool} --version)
  if(NOT out STREQUAL "${tool} ${VERSION}\n")
    message(FATAL_ERROR "${tool} --version: ${out}")
  endif()
endforeach()

# A user's configuration folder and no TARVELA_HOME, as the desktop starts it.
set(config ${WORK_DIR}/config)
set(as_user ${CMAKE_COMMAND} -E env --unset=TARVELA_HOME XDG_CONFIG_HOME=${config}
    XDG_CONFIG_DIRS=${WORK_DIR}/no-system-config)
expect_run(0 ${as_user} ${bin}/tarvela-demo ${config}/tarvela --seed 2)
expect_run(0 ${as_user} ${bin}/tarvela-dbf summary)
expect_contains("${out}" "Company: 0001" "summary through the configuration folder")
expect_run(0 ${as_user} ${bin}/tarvela-report --documents ${WORK_DIR}/documents/new --today 15.01.2008
           souhrn --from 01.01.2007 --to 31.12.2007 --output ${WORK_DIR}/souhrn.pdf)
file(READ ${WORK_DIR}/souhrn.pdf start LIMIT 5 HEX)
if(NOT start STREQUAL "255044462d")
  message(FATAL_ERROR "souhrn.pdf does not start with %PDF-: ${start}")
endif()
expect_file(${WORK_DIR}/documents/new/PrehledProvizeSouhrn.txt)

expect_run(0 ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/package)
file(GLOB package ${WORK_DIR}/package/tarvela_${VERSION}*.deb)
if(NOT package)
  message(FATAL_ERROR "no package in ${WORK_DIR}/package")
endif()
expect_run(0 dpkg-deb -f ${package} Depends)
foreach(dependency fonts-liberation2 qt6-translations-l10n libqt6widgets6 libqt6printsupport6 libqt6network6 libstdc++6)
  expect_contains("${out}" "${dependency}" "Depends of the package")
endforeach()
expect_run(0 dpkg-deb -c ${package})
foreach(file ${installed})
  expect_contains("${out}" "./usr/${file}\n" "files of the package")
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
