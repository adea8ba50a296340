# The program started where there is no config.ini, as the desktop's menu
# starts it: it opens a lab folder of its own choice and says which.
#   cmake -DPROGRAM=path -DEXAMPLE=examples/lab -DMANUAL=tremora.1 -DVERSION=x.y -DWORK=dir -P lab_folder.cmake
file(REMOVE_RECURSE "${WORK}")
set(home "${WORK}/home")
file(MAKE_DIRECTORY "${home}" "${WORK}/empty" "${WORK}/group2" "${WORK}/own")
set(ENV{HOME} "${home}")
unset(ENV{XDG_DATA_HOME})
unset(ENV{XDG_CONFIG_HOME})
set(ENV{QT_QPA_PLATFORM} offscreen)

function(run dir expected_status)  # run(<working dir> <status> <arguments>...) -> out, err
  execute_process(COMMAND "${PROGRAM}" ${ARGN} WORKING_DIRECTORY "${dir}" RESULT_VARIABLE status
                  OUTPUT_VARIABLE o ERROR_VARIABLE e TIMEOUT 60)
  if(NOT "${status}" STREQUAL "${expected_status}")
    message(FATAL_ERROR "tremora ${ARGN} in ${dir}: exit status ${status}, expected ${expected_status}\n${o}${e}")
  endif()
  set(out "${o}" PARENT_SCOPE)
  set(err "${e}" PARENT_SCOPE)
endfunction()
function(expect text regex)
  if(NOT "${text}" MATCHES "${regex}")
    message(FATAL_ERROR "expected '${regex}' in:\n${text}")
  endif()
endfunction()
function(same_file a b)
  file(SHA256 "${a}" ha)
  file(SHA256 "${b}" hb)
  if(NOT ha STREQUAL hb)
    message(FATAL_ERROR "${a} differs from ${b}")
  endif()
endfunction()

# A fresh home: a copy of the example lab under the user's data folder.
set(example_copy "${home}/.local/share/tremora/example-lab")
run("${WORK}/empty" 0 --simulate 500 450)
expect("${out}" "\nepicenter: 501.26 450.69 mm\n")
expect("${err}" "working in the lab folder ${example_copy}\n")
same_file("${EXAMPLE}/config.ini" "${example_copy}/config.ini")
same_file("${EXAMPLE}/default.jpg" "${example_copy}/default.jpg")
# A new lab picks its arrivals by correlation.
file(READ "${example_copy}/config.ini" copied)
expect("${copied}" "\n\\[PICKS\\]\r?\nmethod=correlation\r?\n")

# What the user saved there is kept and read at the next start: a detection
# level no pulse reaches.
file(WRITE "${example_copy}/config.ini"
     "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n[TAQUISICAO]\r\ntaq=2\r\n[LEVELDETECTION]\r\nlevel_detec=1000\r\n")
file(READ "${example_copy}/config.ini" saved)
run("${WORK}/empty" 1 --simulate 500 450)
expect("${out}${err}" "No pulse detected on pair A\\+B")
file(READ "${example_copy}/config.ini" after)
if(NOT saved STREQUAL after)
  message(FATAL_ERROR "the lab's config.ini was overwritten")
endif()

# --lab names a new lab, which starts from the example and is the one
# opened next time.
run("${WORK}/empty" 0 --lab "${WORK}/group2" --simulate 500 450)
expect("${err}" "working in the lab folder ${WORK}/group2\n")
expect("${out}" "\nepicenter: 501.26 450.69 mm\n")
same_file("${EXAMPLE}/config.ini" "${WORK}/group2/config.ini")
run("${home}" 0 --simulate 500 450)
expect("${err}" "working in the lab folder ${WORK}/group2\n")
run("${WORK}/empty" 2 --lab "${WORK}/missing" --simulate 500 450)
expect("${err}" "the lab folder ${WORK}/missing does not exist")
run("${WORK}/empty" 2 --lab)
expect("${err}" "usage: tremora")

# A folder with its own settings is the lab: nothing is chosen or copied.
file(COPY "${WORK}/group2/config.ini" DESTINATION "${WORK}/own")
run("${WORK}/own" 0 --simulate 500 450)
if(err MATCHES "lab folder")
  message(FATAL_ERROR "a lab was chosen in a folder with its own config.ini:\n${err}")
endif()
if(EXISTS "${WORK}/own/default.jpg")
  message(FATAL_ERROR "the example map was copied into a lab of its own")
endif()

# A lab of its own keeps what it has, named with --lab or remembered: the
# example's map is not copied beside its config.ini (it may sit on a share
# the user cannot write).
file(MAKE_DIRECTORY "${WORK}/share")
file(COPY "${WORK}/group2/config.ini" DESTINATION "${WORK}/share")
run("${WORK}/empty" 0 --lab "${WORK}/share" --simulate 500 450)
expect("${err}" "working in the lab folder ${WORK}/share\n")
run("${home}" 0 --simulate 500 450)
expect("${err}" "working in the lab folder ${WORK}/share\n")
if(EXISTS "${WORK}/share/default.jpg")
  message(FATAL_ERROR "the example map was copied into a lab with its own config.ini")
endif()

# --help lists the options the manual page describes; --version the version.
run("${WORK}/empty" 0 --version)
expect("${out}" "^tremora ${VERSION}\n$")
run("${WORK}/empty" 0 --help)
string(REGEX MATCHALL "\n  --[a-z-]+" help_options "${out}")
string(REPLACE "\n  " "" help_options "${help_options}")
# The options section: each option heads a tagged paragraph (.TP).
file(STRINGS "${MANUAL}" manual_lines)
set(manual_options)
set(tagged FALSE)
foreach(line IN LISTS manual_lines)
  if(tagged AND line MATCHES "^\\.(B|BI) (\\\\-\\\\-[a-z\\\\-]+)")
    string(REPLACE "\\-" "-" option "${CMAKE_MATCH_2}")
    list(APPEND manual_options "${option}")
  endif()
  set(tagged FALSE)
  if(line STREQUAL ".TP")
    set(tagged TRUE)
  endif()
endforeach()
list(SORT help_options)
list(SORT manual_options)
if(NOT help_options OR NOT help_options STREQUAL manual_options)
  message(FATAL_ERROR "--help lists '${help_options}', the manual page '${manual_options}'")
endif()
