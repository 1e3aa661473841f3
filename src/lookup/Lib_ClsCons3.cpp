#include "lookup/Lib_ClsCons3.h"

#include <filesystem>
#include <fstream>

#include "lookup/Lib_FrmCons3Modelo.h"
#include "lookup/Lib_FrmCons3TreeModelo.h"
#include "lookup/MascarasConsultas.h"
#include "lookup/SentenciaConsulta.h"
#include "services/Archivos.h"
#include "sivlib/Operador.h"
#include "sivlib/Texto.h"

Lib_ClsCons3::Lib_ClsCons3() = default;
Lib_ClsCons3::~Lib_ClsCons3() = default;

Lib_ClsCons3& ServicioConsultas() {
  static Lib_ClsCons3 servicio;
  return servicio;
}

void Lib_ClsCons3::ConsultaSearch(const std::string& SQL, ColeccionTextos& CmpsDevueltos, const std::string& Clave,
                                  std::string& CampoBusqueda, const std::string& Where,
                                  const std::string& SentenciaOpcional, bool TreeView) {
  std::string sentencia = SQL;
  if (!texto::ContieneSinCaso(SQL, "SELECT")) {
    const long limite = consulta::LimiteFilas();
    const auto mascara = gUsarMascarasConsultas ? consulta::BuscarMascara(gRutaMascaraConsultas, SQL) : std::nullopt;
    if (mascara) {
      const auto armada = consulta::SentenciaDeMascara(*mascara, limite, CampoBusqueda, Where);
      if (!armada) {
        operador().Mensaje("Debe configurar la consulta para esta tabla", botones::Informacion, "Aviso al operador");
        return;
      }
      sentencia = *armada;
    } else if (!SentenciaOpcional.empty()) {
      sentencia = SentenciaOpcional;
    } else {
      sentencia = consulta::SentenciaPorDescubrimiento(SQL, limite, CampoBusqueda);
    }
  }
  if (TreeView) AbrirArbol(sentencia);
  else AbrirLista(sentencia, CmpsDevueltos, Clave, CampoBusqueda);
  Limpiar(CmpsDevueltos);
}

void Lib_ClsCons3::AbrirLista(const std::string& sentencia, ColeccionTextos& CmpsDevueltos, const std::string& Clave,
                              const std::string& CampoBusqueda) {
  lista_ = std::make_unique<Lib_FrmCons3Modelo>();
  Lib_FrmCons3Modelo& lista = *lista_;
  lista.OrdenarPorLwv = !texto::ContieneSinCaso(sentencia, "ORDER BY");
  lista.FiltroInicial = Clave;
  lista.CampoBusqueda = CampoBusqueda;
  lista.SQL = sentencia;
  lista.gConnString = gConnString;
  lista.CampoDevuelto = CampoDevuelto;
  lista.CheckBoxes = Checks;
  lista.UsaCantidades = UsaCantidades;
  Valores = NuevaColeccion();
  Cantidades = NuevaColeccion();
  lista.Valores = Valores;
  lista.Cantidades = Cantidades;
  lista.CmpsDevueltos = CmpsDevueltos;
  // Nobody can pick a row without a window: the lookup ends as cancelled.
  if (MostrarLista) MostrarLista(lista);
  else lista.CmdCancelar_Click();
  Checks = false;
  Valores = lista.Valores;
  Cantidades = lista.Cantidades;
  ValorDevuelto = lista.ValorDevuelto;
  lista.CampoDevuelto.clear();
}

void Lib_ClsCons3::AbrirArbol(const std::string& sentencia) {
  arbol_ = std::make_unique<Lib_FrmCons3TreeModelo>();
  arbol_->SQL = sentencia;
  arbol_->CampoDevuelto = CampoDevuelto;
  if (MostrarArbol) MostrarArbol(*arbol_);
  else arbol_->CmdCancelar_Click();
  ValorDevuelto = arbol_->ValorDevuelto;
}

void Lib_ClsCons3::Limpiar(ColeccionTextos& CmpsDevueltos) {
  CampoDevuelto.clear();
  if (CmpsDevueltos) CmpsDevueltos->clear();
  CmpsDevueltos.reset();
  if (lista_) {
    lista_->Valores.reset();
    lista_->Cantidades.reset();
    lista_->Form_Unload();
  }
  lista_.reset();
  arbol_.reset();
}

bool Lib_ClsCons3::CrearMascarasConsultas() {
  std::error_code ec;
  const bool existia = std::filesystem::exists(gRutaMascaraConsultas, ec);
  if (existia && !std::filesystem::is_regular_file(gRutaMascaraConsultas, ec)) return false;
  const auto largoPrevio = existia ? std::filesystem::file_size(gRutaMascaraConsultas, ec) : 0;
  if (ec) return false;
  // Each record goes after the last whole one.
  const auto inicio = largoPrevio / mascaras::kLargoRegistro * mascaras::kLargoRegistro;
  std::string registros;
  for (const MascaraConsulta& m : mascaras::Predeterminadas())
    registros += mascaras::Registro({texto::Recortado(m.nombre), m.tabla, texto::Recortado(m.campos), ""});
  {
    std::fstream f(gRutaMascaraConsultas, std::ios::binary | std::ios::in | std::ios::out |
                                              (existia ? std::ios::openmode{} : std::ios::trunc));
    if (f) {
      f.seekp(std::streamoff(inicio));
      f.write(registros.data(), std::streamsize(registros.size()));
      f.close();
      if (f) return true;
    }
  }
  // Nothing half-written stays behind: the file goes back to what it was.
  if (existia) std::filesystem::resize_file(gRutaMascaraConsultas, largoPrevio, ec);
  else std::filesystem::remove(gRutaMascaraConsultas, ec);
  return false;
}
