# incrustar_guiones_sql(<target> <header> <function> <file.sql> [<function> <file.sql> ...])
#
# Reads each SQL file at configure time and adds to <target> a generated
# source that defines `std::string_view <function>()` returning the file's
# bytes (declared in <header>, included as written). The bytes are written as a
# byte array, so no compiler limit on string literals applies. Editing a
# script re-runs the configuration.
function(incrustar_guiones_sql target cabecera)
  set(salida ${CMAKE_CURRENT_BINARY_DIR}/${target}_GuionesSql.cpp)
  set(codigo "// Generated from sql/*.sql by GuionesSql.cmake: do not edit.\n#include \"${cabecera}\"\n")
  set(args ${ARGN})
  while(args)
    list(POP_FRONT args funcion archivo)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${archivo})
    file(READ ${archivo} hex HEX)
    string(LENGTH "${hex}" largo_hex)
    math(EXPR largo "${largo_hex} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
    string(APPEND codigo "\nnamespace {\nconst unsigned char k${funcion}[] = {\n${bytes}0x00};\n}  // namespace\n"
                         "std::string_view ${funcion}() {\n  return {reinterpret_cast<const char*>(k${funcion}), ${largo}};\n}\n")
  endwhile()
  file(CONFIGURE OUTPUT ${salida} CONTENT "${codigo}" @ONLY)
  target_sources(${target} PRIVATE ${salida})
endfunction()
