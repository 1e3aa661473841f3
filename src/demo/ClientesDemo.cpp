// Sellers, customers and the sellers' visit frequencies.
#include <cstdio>

#include "sivlib/Texto.h"
#include "sivlib/Utiles.h"
#include "demo/CatalogoDemo.h"
#include "demo/ContextoDemo.h"
#include "demo/SentenciaSqlite.h"

namespace demo {
namespace {

std::string Formato(const char* formato, long long a, long long b = 0, long long c = 0) {
  char buf[64];
  std::snprintf(buf, sizeof buf, formato, a, b, c);
  return buf;
}

// Sellers whose visits are not planned have no frequency records.
bool TieneFrecuencias(size_t indiceVendedor) { return indiceVendedor % 4 != 3; }

// CUIT "20-12345678-9" (some written without separators or with "/"), or
// for final consumers the DNI "12.345.678".
std::optional<std::string> Documento(Aleatorio& azar, const std::string& iva, long i) {
  if (i % 61 == 10) return std::nullopt;
  const long long dni = azar.Entero(8000000, 45000000);
  if (iva == "5") return Formato("%lld.%03lld.%03lld", dni / 1000000, dni / 1000 % 1000, dni % 1000);
  const long long prefijo = iva == "1" || iva == "4" ? (azar.Con(0.6) ? 30 : 20) : (azar.Con(0.5) ? 20 : 27);
  const long long verificador = azar.Entero(0, 9);
  switch (i % 7) {
    case 3: return Formato("%lld%08lld%lld", prefijo, dni, verificador);
    case 5: return Formato("%lld/%08lld/%lld", prefijo, dni, verificador);
    default: return Formato("%lld-%08lld-%lld", prefijo, dni, verificador);
  }
}

std::string CondicionIva(Aleatorio& azar, long i) {
  if (i % 43 == 8) return i % 2 ? "7" : "";  // codes the platform does not know
  static const std::vector<std::string> codigos = {"1", "6", "5", "4", "2", "3"};
  return codigos[azar.Ponderado({40, 30, 20, 5, 3, 2})];
}

std::string RazonSocial(Aleatorio& azar, long i) {
  if (i % 37 == 5) return azar.Elegir(RazonesSocialesLargas());
  if (i % 53 == 7) return azar.Elegir(NombresFueraDeCodigo());
  const std::string apellido = azar.Elegir(Apellidos());
  switch (azar.Ponderado({45, 35, 20})) {
    case 0: return azar.Elegir(RubrosComercio()) + " " + apellido;
    case 1: return apellido + " " + azar.Elegir(Nombres());
    default: return azar.Elegir(RubrosComercio()) + " \"" + azar.Elegir(Nombres()) + "\"";
  }
}

std::string Frecuencia(Aleatorio& azar) {
  std::string f(7, '0');
  while (f.find('1') == std::string::npos)
    for (char& d : f) d = azar.Con(0.35) ? '1' : '0';
  return f;
}

}  // namespace

bool PoblarVendedores(ContextoDemo& c, std::string& error) {
  SentenciaSqlite vendedor(c.db, "INSERT INTO TA_VENDEDORES (IdVendedor,Nombre,Zona,Activo) VALUES (?,?,?,?)");
  for (long i = 1; i <= c.parametros.vendedores; ++i) {
    const std::string codigo = FormatearCodigo(std::to_string(i), 4);
    std::string nombre = c.azar.Elegir(Apellidos()) + " " + c.azar.Elegir(Nombres());
    if (i == 2) nombre = "Fernández de la Peña y Rodríguez Anchorena, Juan Sebastián Ignacio";
    vendedor.Texto(codigo).Texto(nombre).Texto(c.azar.Elegir(Zonas())).Entero(i % 9 == 8 ? 0 : 1);
    vendedor.Ejecutar();
    c.vendedores.push_back(codigo);
  }
  c.resumen.vendedores = c.parametros.vendedores;
  if (!vendedor.Ok()) error = vendedor.Error();
  return error.empty();
}

bool PoblarClientes(ContextoDemo& c, std::string& error) {
  SentenciaSqlite cliente(c.db,
                          "INSERT INTO MA_CLIENTES (Codigo,razon_social,calle,Numero,departamento,Localidad,provincia,"
                          "CodigoPostal,mail,TELEFONO,numero_documento,iva,dada_de_baja,BLOQUEO,IdVendedor) "
                          "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
  SentenciaSqlite frecuencia(c.db, "INSERT INTO TA_FRECUENCIA_VDOR (IdVendedor,Cliente,Frecuencia) VALUES (?,?,?)");
  auto& azar = c.azar;
  std::vector<int> pesosProvincia;
  for (const auto& p : Provincias()) pesosProvincia.push_back(p.peso);
  // A seller code that is not in the sellers table.
  const std::string vendedorInexistente = FormatearCodigo(std::to_string(c.parametros.vendedores + 50), 4);

  for (long i = 0; i < c.parametros.clientes; ++i) {
    ClienteDemo cl;
    // Ledger accounts of 11 digits; the platform keeps their last 10.
    cl.codigo = i % 97 == 11 ? std::to_string(5000 + i) : Formato("11201%06lld", i + 1);
    cl.iva = CondicionIva(azar, i);
    const size_t indiceVendedor = static_cast<size_t>(azar.Entero(0, c.parametros.vendedores - 1));
    if (i % 23 == 2) cl.vendedor.reset();
    else if (i % 47 == 9) cl.vendedor = vendedorInexistente;
    else cl.vendedor = c.vendedores[indiceVendedor];

    const std::string razon = RazonSocial(azar, i);
    const ProvinciaDemo& provincia = Provincias()[azar.Ponderado(pesosProvincia)];
    std::optional<std::string> codigoProvincia = provincia.codigo;
    if (i % 41 == 6) {
      static const std::vector<std::string> desconocidas = {"1", "22", ""};
      codigoProvincia = azar.Elegir(desconocidas);
    } else if (i % 41 == 20) {
      codigoProvincia.reset();
    }
    const std::string calle = i % 59 == 14 ? azar.Elegir(CallesLargas()) : azar.Elegir(Calles());
    const std::string numero = azar.Con(0.03) ? "S/N" : std::to_string(azar.Entero(10, 5999));
    std::optional<std::string> depto;
    if (azar.Con(0.12))
      depto = azar.Con(0.5) ? "PB" : Formato("%lld° ", azar.Entero(1, 12)) + char('A' + azar.Entero(0, 5));
    std::optional<std::string> mail;
    if (azar.Con(0.7)) mail = UsuarioCorreo(razon) + std::to_string(i % 100) + "@" + azar.Elegir(DominiosCorreo());
    std::optional<std::string> telefono;
    if (azar.Con(0.85))
      telefono =
          "(" + provincia.prefijoTelefono + ") " + Formato("%lld-%04lld", azar.Entero(400, 499), azar.Entero(0, 9999));

    cliente.Texto(cl.codigo)
        .Texto(razon)
        .Texto(calle)
        .Texto(numero)
        .TextoONulo(depto)
        .Texto(azar.Elegir(provincia.localidades))
        .TextoONulo(codigoProvincia)
        .Texto(Formato("%lld", azar.Entero(1000, 9499)))
        .TextoONulo(mail)
        .TextoONulo(telefono)
        .TextoONulo(Documento(azar, cl.iva, i))
        .Texto(cl.iva)
        .Entero(i % 29 == 3 ? 1 : 0)  // deregistered
        .Entero(i % 31 == 4 ? 1 : 0)  // blocked
        .TextoONulo(cl.vendedor);
    cliente.Ejecutar();

    if (cl.vendedor && *cl.vendedor != vendedorInexistente && TieneFrecuencias(indiceVendedor) && azar.Con(0.85)) {
      frecuencia.Texto(*cl.vendedor).Texto(cl.codigo).Texto(Frecuencia(azar));
      frecuencia.Ejecutar();
      ++c.resumen.frecuencias;
    }
    c.clientes.push_back(std::move(cl));
  }
  c.resumen.clientes = c.parametros.clientes;
  if (!cliente.Ok()) error = cliente.Error();
  else if (!frecuencia.Ok()) error = frecuencia.Error();
  return error.empty();
}

}  // namespace demo
