# Helpers shared by the subsystems' build files.
#
# subsistema_core(<name> LIBS <libs...>)
#   Library <name> from every .cpp of the current source folder and its
#   non-window subfolders (except ventanas/ and subfolders that are
#   libraries of their own, with a CMakeLists.txt). Never links Qt Widgets.
#   Its headers are reached as "<folder under src>/File.h" by itself and by
#   the targets that link it, and by no one else (cabeceras_propias).
# subsistema_ventanas(<name> LIBS <libs...>)
#   Library <name>_ventanas from src/<name>/ventanas/*.cpp, with Qt Widgets.
# pruebas(<target> SOURCES <files...> LIBS <libs...> [QT] [BLOQUEO <name>])
#   GoogleTest binary registered with CTest. QT selects the offscreen
#   QApplication main; otherwise a plain main without any display.
#   BLOQUEO: tests holding the same name never run at the same time (ctest
#   -j), e.g. those that start copies of the program, which count each other.
#   Every test is labelled with its subsystem, the folder under tests/ that
#   registers it, so a pass can take one layer alone (ctest -L db).

function(subsistema_core name)
  cmake_parse_arguments(A "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE fuentes CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER fuentes EXCLUDE REGEX "/ventanas/")
  list(FILTER fuentes EXCLUDE REGEX "/main\\.cpp$")
  file(GLOB_RECURSE propias LIST_DIRECTORIES false ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(lista IN LISTS propias)
    get_filename_component(carpeta ${lista} DIRECTORY)
    list(FILTER fuentes EXCLUDE REGEX "^${carpeta}/")
  endforeach()
  if(NOT fuentes)
    # A subsystem whose first sources are still being written.
    set(vacio ${CMAKE_CURRENT_BINARY_DIR}/${name}_vacio.cpp)
    file(WRITE ${vacio} "")
    set(fuentes ${vacio})
  endif()
  add_library(${name} STATIC ${fuentes})
  cabeceras_propias(${name})
  target_link_libraries(${name} PUBLIC ${A_LIBS})
endfunction()

# The include root of one library holds a single link, named like the
# library's folder under src/, to that folder. A library's include path is
# its own root plus those of the libraries it links, so an include that
# points to a layer above does not compile.
function(cabeceras_propias name)
  file(RELATIVE_PATH relativa ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  set(raiz ${CMAKE_BINARY_DIR}/cabeceras/${name})
  get_filename_component(padre ${raiz}/${relativa} DIRECTORY)
  file(MAKE_DIRECTORY ${padre})
  if(NOT EXISTS ${raiz}/${relativa})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${raiz}/${relativa} SYMBOLIC)
  endif()
  target_include_directories(${name} PUBLIC ${raiz})
endfunction()

function(subsistema_ventanas name)
  cmake_parse_arguments(A "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE fuentes CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ventanas/*.cpp
                                               ${CMAKE_CURRENT_SOURCE_DIR}/ventanas/*.h
                                               ${CMAKE_CURRENT_SOURCE_DIR}/ventanas/*.qrc)
  add_library(${name}_ventanas STATIC ${fuentes})
  set_target_properties(${name}_ventanas PROPERTIES AUTOMOC ON AUTORCC ON)
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
  file(RELATIVE_PATH subsistema ${CMAKE_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${subsistema}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               ENVIRONMENT_MODIFICATION "UT_VORNA_BIN=set:$<TARGET_FILE_DIR:ut_vorna>"
               ${bloqueo})
endfunction()
