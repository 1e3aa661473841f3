# Helpers shared by the subsystems' build files.
#
# subsistema_core(<name> LIBS <libs...>)
#   Library <name> from every .cpp directly in src/<name>/ and its non-window
#   subfolders (everything except src/<name>/ventanas/). Never links Qt Widgets.
# subsistema_ventanas(<name> LIBS <libs...>)
#   Library <name>_ventanas from src/<name>/ventanas/*.cpp, with Qt Widgets.
# pruebas(<target> SOURCES <files...> LIBS <libs...> [QT] [BLOQUEO <name>])
#   GoogleTest binary registered with CTest. QT selects the offscreen
#   QApplication main; otherwise a plain main without any display.
#   BLOQUEO: tests holding the same name never run at the same time (ctest
#   -j), e.g. those that start copies of the program, which count each other.

function(subsistema_core name)
  cmake_parse_arguments(A "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE fuentes CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER fuentes EXCLUDE REGEX "/ventanas/")
  list(FILTER fuentes EXCLUDE REGEX "/main\\.cpp$")
  if(NOT fuentes)
    # A subsystem whose first sources are still being written.
    set(vacio ${CMAKE_CURRENT_BINARY_DIR}/${name}_vacio.cpp)
    file(WRITE ${vacio} "")
    set(fuentes ${vacio})
  endif()
  add_library(${name} STATIC ${fuentes})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${A_LIBS})
endfunction()

function(subsistema_ventanas name)
  cmake_parse_arguments(A "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE fuentes CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ventanas/*.cpp
                                               ${CMAKE_CURRENT_SOURCE_DIR}/ventanas/*.h
                                               ${CMAKE_CURRENT_SOURCE_DIR}/ventanas/*.qrc)
  add_library(${name}_ventanas STATIC ${fuentes})
  set_target_properties(${name}_ventanas PROPERTIES AUTOMOC ON AUTORCC ON)
  target_include_directories(${name}_ventanas PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name}_ventanas PUBLIC ${name} Qt6::Widgets ${A_LIBS})
endfunction()

function(pruebas target)
  cmake_parse_arguments(A "QT" "BLOQUEO" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${A_SOURCES})
  if(A_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE prueba_main_qt)
  else()
    target_link_libraries(${target} PRIVATE prueba_main)
  endif()
  target_link_libraries(${target} PRIVATE ${A_LIBS} prueba_apoyo GTest::gtest GTest::gmock)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(bloqueo)
  if(A_BLOQUEO)
    set(bloqueo RESOURCE_LOCK ${A_BLOQUEO})
  endif()
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               ENVIRONMENT_MODIFICATION "UT_VORNA_BIN=set:$<TARGET_FILE_DIR:ut_vorna>"
               ${bloqueo})
endfunction()
