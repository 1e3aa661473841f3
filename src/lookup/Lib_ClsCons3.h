#pragma once
// Lib_ClsCons3, the lookup service: a window asks the operator to pick one
// or more records of a table (or of a statement) and reads the picked values
// back from the service. The service works out the statement (the table's
// definition in "consultas.prx", or the table's own columns), opens the list
// lookup window or the tree lookup window modally, and collects what the
// window leaves behind.
//
// The service itself has no widgets: showing a window is a hook
// (MostrarLista / MostrarArbol) that the Qt front end sets. Without a front
// end nobody can pick anything, and a lookup ends as if cancelled.
#include <functional>
#include <memory>
#include <string>

#include "lookup/Colecciones.h"
#include "sivlib/Variant.h"

class Lib_FrmCons3Modelo;
class Lib_FrmCons3TreeModelo;

class Lib_ClsCons3 {
 public:
  Lib_ClsCons3();
  ~Lib_ClsCons3();
  Lib_ClsCons3(const Lib_ClsCons3&) = delete;
  Lib_ClsCons3& operator=(const Lib_ClsCons3&) = delete;

  // ---- Public members ----
  ColeccionTextos CmpsDevueltos = NuevaListaTextos();  // kept for callers; ConsultaSearch uses its argument
  ColeccionValores Valores = NuevaColeccion();         // out: values picked in the list window
  ColeccionValores Cantidades;                         // out: the list window's quantity collection
  bool Checks = false;                                 // in: a check box per row; back to false after each list lookup
  Variant ValorDevuelto;                               // out: the single value picked
  std::string gConnString;                             // handed to the list window
  std::string gRutaMascaraConsultas;                   // full path of the definitions file
  bool gUsarMascarasConsultas = false;
  bool UsaCantidades = false;  // in: the list window allows quantity entry
  std::string CampoDevuelto;   // in: column whose value is returned; cleared after each call

  // ---- Hooks of the front end ----
  // Show the window modally; they return once it has hidden itself.
  std::function<void(Lib_FrmCons3Modelo&)> MostrarLista;
  std::function<void(Lib_FrmCons3TreeModelo&)> MostrarArbol;

  // ---- Operations ----
  // `SQL`: a table or view, or a whole statement (any text holding
  // "SELECT"). `CmpsDevueltos`: columns whose values the single picked row
  // returns in Valores; emptied and released on return. `Clave`: first
  // text of the first search box. `CampoBusqueda`: search and sort column,
  // in and out. `Where`: row condition when the definition has none.
  // `SentenciaOpcional`: statement used instead of reading the table's
  // columns. `TreeView`: the tree window instead of the list window.
  void ConsultaSearch(const std::string& SQL, ColeccionTextos& CmpsDevueltos, const std::string& Clave,
                      std::string& CampoBusqueda, const std::string& Where, const std::string& SentenciaOpcional,
                      bool TreeView);
  // Appends the default definitions to the file at gRutaMascaraConsultas
  // (created when missing). False when it could not be written; the file
  // is then left as it was.
  bool CrearMascarasConsultas();

 private:
  void AbrirLista(const std::string& sentencia, ColeccionTextos& CmpsDevueltos, const std::string& Clave,
                  const std::string& CampoBusqueda);
  void AbrirArbol(const std::string& sentencia);
  void Limpiar(ColeccionTextos& CmpsDevueltos);

  std::unique_ptr<Lib_FrmCons3Modelo> lista_;
  std::unique_ptr<Lib_FrmCons3TreeModelo> arbol_;
};

// The program's one lookup service, created on first use.
Lib_ClsCons3& ServicioConsultas();
