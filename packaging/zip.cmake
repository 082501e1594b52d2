# Packs every file of the program's folder, at the top of the archive (cmake -P, run in it).
#   cmake -DOUTPUT=<file.zip> -P packaging/zip.cmake
cmake_minimum_required(VERSION 3.20)
file(GLOB files RELATIVE "${CMAKE_CURRENT_BINARY_DIR}" "${CMAKE_CURRENT_BINARY_DIR}/*")
list(SORT files)
file(REMOVE "${OUTPUT}")
file(ARCHIVE_CREATE OUTPUT "${OUTPUT}" PATHS ${files} FORMAT zip)
