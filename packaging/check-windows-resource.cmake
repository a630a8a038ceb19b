# Compiles the configured Windows resource script with windres and reads the
# object back, to show that the script is well formed and carries the icon
# and the version information that the program file must show; and reads the
# icon file itself, whose 16- and 32-pixel pixel art must stay as it was drawn.
#
# Run with cmake -P and these variables:
#   WINDRES       the windres program (x86_64-w64-mingw32-windres)
#   PREPROCESSOR  a C preprocessor command for windres, or empty for its own
#   RC            the configured resource script
#   ICON_DIR      the directory holding lumetra.ico
#   OBJECT        the object file to write
#   FILE_VERSION  the version numbers, e.g. "1, 0, 0, 5"
#   VERSION_TEXT  the version strings, e.g. "1.00.0005"

foreach(var WINDRES RC ICON_DIR OBJECT FILE_VERSION VERSION_TEXT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check-windows-resource: ${var} is not set")
  endif()
endforeach()

set(preprocessor_args)
if(PREPROCESSOR)
  list(APPEND preprocessor_args "--preprocessor=${PREPROCESSOR}"
       --preprocessor-arg=-E --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED)
endif()

file(REMOVE "${OBJECT}")
execute_process(
  COMMAND "${WINDRES}" ${preprocessor_args} -I "${ICON_DIR}" -i "${RC}" -O coff -o "${OBJECT}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS "${OBJECT}")
  message(FATAL_ERROR "windres could not compile ${RC}:\n${output}")
endif()

set(listing "${OBJECT}.rc")
execute_process(
  COMMAND "${WINDRES}" -J coff -i "${OBJECT}" -O rc -o "${listing}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "windres could not read back ${OBJECT}:\n${output}")
endif()
file(READ "${listing}" text)

string(REPLACE "." "\\." version_re "${VERSION_TEXT}")
set(expected
  "FILEVERSION ${FILE_VERSION}\n"
  "PRODUCTVERSION ${FILE_VERSION}\n"
  "FILEOS 0x40004"
  "FILETYPE 0x1\n"
  "BLOCK \"040904B0\""
  "VALUE \"FileVersion\", \"${version_re}\""
  "VALUE \"ProductVersion\", \"${version_re}\""
  "VALUE \"ProductName\", \"Lumetra\""
  "VALUE \"InternalName\", \"Lumetra\""
  "VALUE \"OriginalFilename\", \"Lumetra\\.exe\""
  "VALUE \"FileDescription\", \"[^\"]+\""
  "VALUE \"CompanyName\", \"Quillon\""
  "VALUE \"Translation\", 0x409, 1200"
  "Type: group icon"
  "Has 8 elements")
set(missing "")
foreach(re IN LISTS expected)
  if(NOT text MATCHES "${re}")
    string(APPEND missing "  ${re}\n")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "${OBJECT} lacks:\n${missing}(read back into ${listing})")
endif()
# The icon's images as its directory lists them: size, bit depth, and for the pixel art a
# digest of its bytes (as hex text) taken from lumetra.ico before the larger sizes came.
set(pixel_art_16 "16x16 4 5f71a390c33c6832854498d9dc1006584b4053272ef89e4d6b22df527615e749")
set(pixel_art_32 "32x32 4 423e604dd92cbd783dacdad8e8b29fb5de8bd018fbccdffd42eff4b6a9797cf8")
set(expected_images "${pixel_art_16};${pixel_art_32};20x20 32;24x24 32;40x40 32;48x48 32;64x64 32;256x256 32")
file(READ "${ICON_DIR}/lumetra.ico" ico HEX)
# A little-endian number of BYTES bytes at byte AT.
function(ico_number out at bytes)
  set(value 0)
  foreach(i RANGE 1 ${bytes})
    math(EXPR pos "(${at} + ${bytes} - ${i}) * 2")
    string(SUBSTRING "${ico}" ${pos} 2 byte)
    math(EXPR value "${value} * 256 + 0x${byte}")
  endforeach()
  set(${out} ${value} PARENT_SCOPE)
endfunction()
ico_number(count 4 2)
set(images "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  math(EXPR entry "6 + 16 * ${i}")
  foreach(field width:0:1 height:1:1 bits:6:2 size:8:4 offset:12:4)
    string(REPLACE ":" ";" field "${field}")
    list(GET field 0 name)
    list(GET field 1 at)
    list(GET field 2 bytes)
    math(EXPR at "${entry} + ${at}")
    ico_number(${name} ${at} ${bytes})
  endforeach()
  # 0 stands for 256 in the directory.
  if(width EQUAL 0)
    set(width 256)
    set(height 256)
  endif()
  set(image "${width}x${height} ${bits}")
  if(bits EQUAL 4)
    math(EXPR from "${offset} * 2")
    math(EXPR length "${size} * 2")
    string(SUBSTRING "${ico}" ${from} ${length} data)
    string(SHA256 digest "${data}")
    string(APPEND image " ${digest}")
  endif()
  list(APPEND images "${image}")
endforeach()
if(NOT images STREQUAL expected_images)
  string(REPLACE ";" "\n  " images "${images}")
  string(REPLACE ";" "\n  " expected_images "${expected_images}")
  message(FATAL_ERROR "${ICON_DIR}/lumetra.ico holds\n  ${images}\nexpected\n  ${expected_images}")
endif()

message(STATUS "${RC}: icon and version information ${VERSION_TEXT} are in place")
