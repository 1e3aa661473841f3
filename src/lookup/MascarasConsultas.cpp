#include "lookup/MascarasConsultas.h"

#include <fstream>
#include <iterator>

#include "lookup/Lib_ClsCons3.h"
#include "sivlib/CodigoAnsi.h"
#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"

namespace mascaras {

namespace {

std::string Campo(const std::string& utf8, size_t ancho) {
  std::string bytes = ansi::DesdeUtf8(utf8).substr(0, ancho);
  bytes.resize(ancho, ' ');
  return bytes;
}

}  // namespace

std::string Registro(const MascaraConsulta& m) {
  return Campo(m.nombre, kLargoNombre) + Campo(m.tabla, kLargoTabla) + Campo(m.campos, kLargoCampos) +
         Campo(m.condicion, kLargoCondicion) + "\r\n";
}

MascaraConsulta DesdeRegistro(const std::string& bytes) {
  std::string r = bytes;
  r.resize(kLargoRegistro, '\0');
  size_t p = 0;
  const auto tomar = [&](size_t ancho) {
    std::string campo = ansi::HaciaUtf8(r.substr(p, ancho));
    p += ancho;
    return campo;
  };
  MascaraConsulta m;
  m.nombre = tomar(kLargoNombre);
  m.tabla = tomar(kLargoTabla);
  m.campos = tomar(kLargoCampos);
  m.condicion = tomar(kLargoCondicion);
  return m;
}

std::vector<MascaraConsulta> Leer(const std::string& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  const std::string todo((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  std::vector<MascaraConsulta> r;
  for (size_t p = 0; p < todo.size(); p += kLargoRegistro) r.push_back(DesdeRegistro(todo.substr(p, kLargoRegistro)));
  return r;
}

const std::vector<MascaraConsulta>& Predeterminadas() {
  static const std::vector<MascaraConsulta> lista = {
      {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|", ""},
      {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|", ""},
      {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|", ""},
      {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|", ""},
      {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|", ""},
      {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|", ""},
      {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|", ""},
      {"CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|", ""},
      {"TAREAS", "V_TA_Tareas", "|Descripcion|IdTarea|", ""},
      {"UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|", ""},
      {"DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|", ""},
  };
  return lista;
}

std::string Limpio(const std::string& campo) {
  // NULs come from records written by tools that do not pad; code 255 is
  // "ÿ" once the field is read as UTF-8.
  return texto::Recortado(QuitarCaracteres(campo, std::string(1, '\0'), "\xC3\xBF"));
}

}  // namespace mascaras

void ConfigurarServicioConsultas(const std::string& gConnString, bool gUsarMascarasConsultas,
                                 const std::string& gRutaMascaraConsultas) {
  Lib_ClsCons3& servicio = ServicioConsultas();
  servicio.gConnString = gConnString;
  servicio.gUsarMascarasConsultas = gUsarMascarasConsultas;
  servicio.gRutaMascaraConsultas = gRutaMascaraConsultas;
}

bool CrearMascarasConsultas() { return ServicioConsultas().CrearMascarasConsultas(); }
