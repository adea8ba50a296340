# The experiment on realistic simulated sensors, judged by what the program
# prints: onset and correlation find every struck point inside the
# triangle within the uncertainty they state, and the level rule, whose
# level the idle noise reaches, refuses in words instead of answering.
#   cmake -DPROGRAM=path -DWORK=dir -P simulate_realistic.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/lab" "${WORK}/home")
set(ENV{HOME} "${WORK}/home")
set(ENV{XDG_DATA_HOME} "${WORK}/home/data")
set(ENV{XDG_CONFIG_HOME} "${WORK}/home/config")
set(ENV{QT_QPA_PLATFORM} offscreen)
# The example lab's stations and blocks, with no [PICKS] (the level rule)
# and a level of 10/1000 of full scale, below the hum of every sensor pair.
file(WRITE "${WORK}/lab/config.ini"
     "[POSICAO]\r\nxA=200\r\nxB=900\r\nxC=600\r\nyA=300\r\nyB=200\r\nyC=800\r\n[VELOCIDADE]\r\nvel=120000\r\n"
     "[TAQUISICAO]\r\ntaq=1\r\n[TXAQUISICAO]\r\ntx=44100\r\n[LEVELDETECTION]\r\nlevel_detec=10\r\n")

function(simulate expected_status)  # simulate(<status> <arguments>...) -> out
  execute_process(COMMAND "${PROGRAM}" --simulate ${ARGN} --device "Simulated sensors" --sim-realism realistic
                          --sim-snr 26
                  WORKING_DIRECTORY "${WORK}/lab" RESULT_VARIABLE status OUTPUT_VARIABLE o ERROR_VARIABLE e
                  TIMEOUT 120)
  if(NOT "${status}" STREQUAL "${expected_status}")
    message(FATAL_ERROR "tremora --simulate ${ARGN}: exit status ${status}, expected ${expected_status}\n${o}${e}")
  endif()
  set(out "${o}" PARENT_SCOPE)
endfunction()

# Hundredths of a millimetre, from a number printed with two decimals.
function(hundredths text var)
  string(REPLACE "." "" digits "${text}")
  math(EXPR value "${digits}")
  set(${var} ${value} PARENT_SCOPE)
endfunction()

set(number "([0-9]+\\.[0-9][0-9])")
foreach(point "500;450" "380;380" "700;330" "560;620")
  list(GET point 0 x)
  list(GET point 1 y)
  foreach(method onset correlation)
    simulate(0 ${x} ${y} --pick ${method})
    if(NOT out MATCHES "\nepicenter: ${number} ${number} mm\n")
      message(FATAL_ERROR "no epicenter for ${x} ${y} by ${method}:\n${out}")
    endif()
    hundredths(${CMAKE_MATCH_1} ex)
    hundredths(${CMAKE_MATCH_2} ey)
    if(NOT out MATCHES "\nuncertainty: ${number} mm\nspread: ${number} mm\n$")
      message(FATAL_ERROR "no uncertainty for ${x} ${y} by ${method}:\n${out}")
    endif()
    hundredths(${CMAKE_MATCH_1} u)
    hundredths(${CMAKE_MATCH_2} s)
    if(s GREATER u)
      set(u ${s})
    endif()
    math(EXPR dx "${ex} - ${x} * 100")
    math(EXPR dy "${ey} - ${y} * 100")
    math(EXPR off2 "${dx} * ${dx} + ${dy} * ${dy}")
    math(EXPR u2 "${u} * ${u}")
    if(off2 GREATER u2)
      message(FATAL_ERROR "struck at ${x} ${y}, found by ${method} farther than the stated uncertainty:\n${out}")
    endif()
    # A stated uncertainty so wide that any answer fits would prove nothing.
    if(u GREATER 40000)
      message(FATAL_ERROR "struck at ${x} ${y}, ${method} states no useful uncertainty:\n${out}")
    endif()
  endforeach()
endforeach()

# The level rule at 10/1000: the hum and the offset reach it before the strike.
simulate(1 500 450 --pick level)
if(NOT out MATCHES "Pair A\\+B: [^\n]*noise[^\n]*; raise the detection level above the idle noise, or pick by onset or correlation\n")
  message(FATAL_ERROR "the level rule on realistic sensors did not refuse in words:\n${out}")
endif()
if(out MATCHES "epicenter:")
  message(FATAL_ERROR "the level rule on realistic sensors still gave an epicenter:\n${out}")
endif()
# The lab's own method, with the same low level, refuses as well.
simulate(1 560 620)
if(NOT out MATCHES "raise the detection level")
  message(FATAL_ERROR "the lab's level rule on realistic sensors did not refuse:\n${out}")
endif()
