# Builds Brisko's MSI from the program's folder with wixl (cmake -P, so that the build and the
# upgrade test make their packages the same way).
#   cmake -DDIST=<program folder> -DVERSION=<x.y.z> -DOUTPUT=<file.msi> -P packaging/msi.cmake
# Every file in DIST is installed beside Brisko.exe. The product code is derived from the
# version: the same version always gets the same code, and each new version a new one.
cmake_minimum_required(VERSION 3.20)
foreach(arg DIST VERSION OUTPUT)
  if(NOT DEFINED ${arg})
    message(FATAL_ERROR "msi.cmake needs -D${arg}=...")
  endif()
endforeach()
if(NOT VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "msi.cmake: version '${VERSION}' is not x.y.z")
endif()
if(NOT EXISTS "${DIST}/Brisko.exe")
  message(FATAL_ERROR "msi.cmake: no Brisko.exe in ${DIST}")
endif()

set(upgrade_code 6391F35C-1A25-4E5F-B02D-6639F7EA7E4F)
string(UUID product_code NAMESPACE ${upgrade_code} NAME "Brisko ${VERSION}" TYPE SHA1 UPPER)

# One component per file; its GUID follows from its path, so it stays the same across versions.
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
get_filename_component(output_name "${OUTPUT}" NAME)
set(work "${output_dir}/${output_name}.wix")
file(MAKE_DIRECTORY "${work}")
file(GLOB files RELATIVE "${DIST}" "${DIST}/*")
list(SORT files)
set(components "")
set(refs "")
set(n 0)
set(bytes 0)
foreach(f ${files})
  if(IS_DIRECTORY "${DIST}/${f}")
    message(FATAL_ERROR "msi.cmake: ${DIST}/${f} is a folder; the program's folder has files only")
  endif()
  file(SIZE "${DIST}/${f}" size)
  math(EXPR bytes "${bytes} + ${size}")
  if(f STREQUAL "Brisko.exe")
    continue()
  endif()
  math(EXPR n "${n} + 1")
  string(APPEND components
    "      <Component Id=\"File${n}\" Guid=\"*\" Win64=\"yes\">\n"
    "        <File Id=\"File${n}\" Name=\"${f}\" Source=\"${f}\" KeyPath=\"yes\"/>\n"
    "      </Component>\n")
  string(APPEND refs "      <ComponentRef Id=\"File${n}\"/>\n")
endforeach()
file(WRITE "${work}/files.wxs"
  "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!-- Made by packaging/msi.cmake. -->\n"
  "<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n  <Fragment>\n"
  "    <DirectoryRef Id=\"INSTALLDIR\">\n${components}    </DirectoryRef>\n"
  "    <ComponentGroup Id=\"FileComponents\">\n${refs}    </ComponentGroup>\n"
  "  </Fragment>\n</Wix>\n")

get_filename_component(here "${CMAKE_CURRENT_LIST_FILE}" DIRECTORY)
math(EXPR kb "(${bytes} + 1023) / 1024")
# wixl takes files by paths relative to where it runs (the program's folder).
file(RELATIVE_PATH icon "${DIST}" "${here}/../views/brisko.ico")
execute_process(
  COMMAND wixl --arch x64 -D "Version=${VERSION}" -D "ProductCode={${product_code}}"
          -D "IconFile=${icon}"
          -D "SizeKB=${kb}" -o "${OUTPUT}" "${here}/brisko.wxs" "${work}/files.wxs"
  WORKING_DIRECTORY "${DIST}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "wixl failed (${status}); its input is in ${work}")
endif()
file(REMOVE_RECURSE "${work}")
