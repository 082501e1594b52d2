# The Windows build makes the media files beside Brisko.exe with the same generator, built by the
# build machine's own compiler.
set(BRISKO_MKMEDIA_HOST ${CMAKE_BINARY_DIR}/mkmedia-host)
set(BRISKO_MEDIA ${BRISKO_DIST}/RurivAzavidi.avi ${BRISKO_DIST}/Check.avi ${BRISKO_DIST}/Alarm.wav)
add_custom_command(
  OUTPUT ${BRISKO_MEDIA}
  COMMAND c++ -std=c++20 -O2 ${CMAKE_CURRENT_LIST_DIR}/mkmedia.cpp -o ${BRISKO_MKMEDIA_HOST}
  COMMAND ${BRISKO_MKMEDIA_HOST} ${BRISKO_DIST}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/mkmedia.cpp
  COMMENT "Drawing the animations and the alarm sound")
add_custom_target(media ALL DEPENDS ${BRISKO_MEDIA})
add_dependencies(Brisko media)
if(TARGET views_test)
  add_dependencies(views_test media)
endif()
