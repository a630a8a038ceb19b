# Compiles the configured Windows resource script with windres and reads the
# object back, to show that the script is well formed and carries the icon
# and the version information that the program file must show; and reads the
# icon file itself.
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

# The icon file's directory: the 16- and 32-pixel art first, 16 colours at 4 bits, then
# 32-bit images of 20, 24, 40, 48, 64 and 256 (written 0) pixels; and the pixel art byte for
# byte as drawn (the digest of its hex text in lumetra.ico before the larger sizes came).
file(READ "${ICON_DIR}/lumetra.ico" ico HEX)
set(directory "^000001000800101010000100040028010000860000002020100001000400e8020000ae010000")
foreach(size 14 18 28 30 40 00)
  string(APPEND directory "${size}${size}000001002000................")
endforeach()
string(SUBSTRING "${ico}" 268 2080 pixel_art)
string(SHA256 pixel_art "${pixel_art}")
set(as_drawn cbbaa8bab2b0c54a463924a487d598f981e7bf24570f1db49e7323aae70ea2b8)
if(NOT ico MATCHES "${directory}" OR NOT pixel_art STREQUAL as_drawn)
  string(SUBSTRING "${ico}" 0 268 head)
  message(FATAL_ERROR "${ICON_DIR}/lumetra.ico lacks a size or the pixel art as drawn; it begins\n  ${head}")
endif()

message(STATUS "${RC}: icon and version information ${VERSION_TEXT} are in place")
