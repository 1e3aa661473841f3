#include "demo/CatalogoDemo.h"

#include <cctype>
#include <utility>

namespace demo {

const std::vector<std::string>& Nombres() {
  static const std::vector<std::string> v = {
      "Juan",     "María",  "José",   "Ana",   "Carlos",   "Lucía",    "Jorge",     "Sofía",  "Martín", "Valentina",
      "Héctor",   "Mónica", "Raúl",   "Inés",  "Ramón",    "Verónica", "Sebastián", "Julián", "Andrea", "Néstor",
      "Graciela", "Rubén",  "Silvia", "Tomás", "Agustina", "Hernán",   "Belén",     "Óscar",  "Ángela", "Iván"};
  return v;
}

const std::vector<std::string>& Apellidos() {
  static const std::vector<std::string> v = {
      "González",     "Rodríguez", "Fernández", "López",   "Martínez", "Pérez",     "Gómez",   "Sánchez",
      "Romero",       "Díaz",      "Álvarez",   "Torres",  "Ruiz",     "Ramírez",   "Acosta",  "Benítez",
      "Medina",       "Herrera",   "Suárez",    "Aguirre", "Giménez",  "Gutiérrez", "Peña",    "Ibáñez",
      "Muñoz",        "Castro",    "Ortiz",     "Sosa",    "Núñez",    "Domínguez", "Ferraro", "Bianchi",
      "D'Alessandro", "Müller",    "Schröder",  "Quiroga", "Ledesma"};
  return v;
}

const std::vector<std::string>& RubrosComercio() {
  static const std::vector<std::string> v = {"Almacén",       "Autoservicio", "Kiosco",    "Despensa",  "Supermercado",
                                             "Maxikiosco",    "Mini Mercado", "Panadería", "Rotisería", "Dietética",
                                             "Distribuidora", "Bar",          "Comedor",   "Polirrubro"};
  return v;
}

const std::vector<std::string>& Calles() {
  static const std::vector<std::string> v = {
      "Av. San Martín", "Belgrano",   "Rivadavia", "Güemes",         "9 de Julio", "Hipólito Yrigoyen",
      "Sarmiento",      "Mitre",      "Av. Colón", "Entre Ríos",     "Moreno",     "Alberdi",
      "Pueyrredón",     "25 de Mayo", "Tucumán",   "Av. Libertador", "Lavalle",    "Italia",
      "España",         "Maipú",      "Chacabuco", "Bv. Oroño",      "Necochea"};
  return v;
}

const std::vector<std::string>& RazonesSocialesLargas() {
  static const std::vector<std::string> v = {
      "Distribuidora de Golosinas y Almacén Mayorista Hermanos Fernández S.R.L.",
      "Supermercado Autoservicio La Nueva Esperanza del Barrio Norte Sociedad Anónima",
      "Cooperativa de Provisión y Consumo de Comerciantes Minoristas Unidos Ltda.",
      "Panadería, Confitería y Rotisería La Espiga de Oro de Ramón Núñez e Hijos",
      "Kiosco y Maxikiosco Las Tres Marías - Sucursal Terminal de Ómnibus Güemes"};
  return v;
}

const std::vector<std::string>& CallesLargas() {
  static const std::vector<std::string> v = {
      "Avenida Presidente Doctor Arturo Umberto Illia Colectora Este Kilómetro 7",
      "Ruta Provincial Número 9 Acceso Norte entre Calle Pública y Camino Vecinal"};
  return v;
}

const std::vector<std::string>& NombresFueraDeCodigo() {
  static const std::vector<std::string> v = {"Almacén Ōsaka de Hiroshi Tanaka", "Panadería Łódź de Paweł Kowalski",
                                             "Kiosco Čapek y Dvořák", "Autoservicio Αθήνα de Nikos"};
  return v;
}

const std::vector<ProvinciaDemo>& Provincias() {
  static const std::vector<ProvinciaDemo> v = {
      {"01", {"Palermo", "Caballito", "Flores", "Villa Urquiza", "Núñez"}, "011", 14},
      {"02", {"La Plata", "Mar del Plata", "Bahía Blanca", "Tandil", "Pergamino", "Junín"}, "0221", 16},
      {"26", {"Quilmes", "Morón", "San Isidro", "Lomas de Zamora", "Avellaneda", "Tigre"}, "011", 12},
      {"03", {"Córdoba", "Villa Carlos Paz", "Alta Gracia", "Jesús María"}, "0351", 8},
      {"10", {"Río Cuarto", "Villa María", "San Francisco"}, "0358", 4},
      {"04", {"Rosario", "Santa Fe", "Rafaela", "Venado Tuerto", "Reconquista"}, "0341", 8},
      {"05", {"Mendoza", "Godoy Cruz", "San Rafael", "Maipú"}, "0261", 5},
      {"06", {"San Miguel de Tucumán", "Tafí Viejo", "Yerba Buena"}, "0381", 4},
      {"07", {"Paraná", "Concordia", "Gualeguaychú"}, "0343", 3},
      {"08", {"Salta", "Orán", "Tartagal"}, "0387", 3},
      {"09", {"Resistencia", "Presidencia Roque Sáenz Peña"}, "0362", 2},
      {"11", {"Corrientes", "Goya", "Paso de los Libres"}, "0379", 2},
      {"12", {"Posadas", "Oberá", "Eldorado"}, "0376", 2},
      {"13", {"Santiago del Estero", "La Banda"}, "0385", 2},
      {"14", {"San Salvador de Jujuy", "Palpalá"}, "0388", 2},
      {"15", {"San Juan", "Rivadavia"}, "0264", 2},
      {"16", {"Neuquén", "Cutral Có", "Zapala"}, "0299", 2},
      {"17", {"Viedma", "San Carlos de Bariloche", "General Roca"}, "0294", 2},
      {"18", {"San Luis", "Villa Mercedes"}, "0266", 1},
      {"19", {"Santa Rosa", "General Pico"}, "02954", 1},
      {"20", {"La Rioja", "Chilecito"}, "0380", 1},
      {"21", {"San Fernando del Valle de Catamarca"}, "0383", 1},
      {"23", {"Formosa", "Clorinda"}, "0370", 1},
      {"24", {"Rawson", "Trelew", "Comodoro Rivadavia"}, "0280", 1},
      {"25", {"Río Gallegos", "Caleta Olivia"}, "02966", 1},
  };
  return v;
}

const std::vector<std::string>& DominiosCorreo() {
  static const std::vector<std::string> v = {"correo.com.ar", "mail.com",     "fibertel.com.ar",
                                             "arnet.com.ar",  "yahoo.com.ar", "hotmail.com"};
  return v;
}

const std::vector<ProductoDemo>& Productos() {
  static const std::vector<ProductoDemo> v = {
      {"ALFAJOR",
       {"CHOCOLATE", "DULCE DE LECHE", "TRIPLE", "BLANCO", "MAICENA"},
       {"X 12 U.", "X 6 U.", "DISPLAY X 20"}},
      {"GALLETITAS",
       {"DE AGUA", "DULCES VAINILLA", "RELLENAS CHOCOLATE", "SALVADO", "MARÍA"},
       {"X 3 U.", "200 G", "400 G"}},
      {"CHOCOLATE", {"CON LECHE", "AMARGO", "CON ALMENDRAS", "BLANCO"}, {"25 G", "100 G", "170 G"}},
      {"CARAMELOS", {"FRUTALES", "MENTA", "LECHE", "MASTICABLES"}, {"800 G", "BOLSA X 50 U."}},
      {"CHICLES", {"MENTA", "TUTTI FRUTTI", "SANDÍA"}, {"X 20 U.", "DISPLAY X 12"}},
      {"GASEOSA", {"COLA", "LIMA LIMÓN", "NARANJA", "POMELO"}, {"500 ML", "1,5 L", "2,25 L"}},
      {"AGUA MINERAL", {"SIN GAS", "CON GAS", "SABORIZADA MANZANA"}, {"500 ML", "2 L", "6,25 L"}},
      {"JUGO EN POLVO", {"NARANJA", "MANZANA", "DURAZNO", "ANANÁ"}, {"X 18 SOBRES"}},
      {"YERBA MATE", {"TRADICIONAL", "SUAVE", "CON PALO", "COMPUESTA"}, {"500 G", "1 KG"}},
      {"TÉ EN SAQUITOS", {"NEGRO", "VERDE", "MANZANILLA", "BOLDO"}, {"X 25 U.", "X 50 U."}},
      {"CAFÉ MOLIDO", {"TORRADO", "INTENSO", "DESCAFEINADO"}, {"250 G", "500 G"}},
      {"TURRÓN", {"MANÍ", "ARROZ"}, {"X 25 U."}},
      {"OBLEAS", {"CHOCOLATE", "VAINILLA", "FRUTILLA"}, {"X 12 U."}},
      {"BARRA DE CEREAL", {"FRUTILLA", "CHOCOLATE", "LIGHT"}, {"X 6 U."}},
      {"PAPAS FRITAS", {"CLÁSICAS", "CORTE AMERICANO", "JAMÓN"}, {"150 G", "350 G"}},
      {"MANÍ SALADO", {"PELADO", "CON CÁSCARA"}, {"120 G", "500 G"}},
      {"MERMELADA", {"DURAZNO", "FRUTILLA", "CIRUELA"}, {"454 G"}},
      {"DULCE DE LECHE", {"CLÁSICO", "REPOSTERO", "LIGHT"}, {"400 G", "1 KG"}}};
  return v;
}

std::string UsuarioCorreo(const std::string& nombre) {
  // Accented letters of the names (two bytes in UTF-8) become their base letter.
  static const std::pair<std::string, char> acentos[] = {
      {"á", 'a'}, {"é", 'e'}, {"í", 'i'}, {"ó", 'o'}, {"ú", 'u'}, {"ü", 'u'}, {"ñ", 'n'}, {"ö", 'o'},
      {"Á", 'a'}, {"É", 'e'}, {"Í", 'i'}, {"Ó", 'o'}, {"Ú", 'u'}, {"Ü", 'u'}, {"Ñ", 'n'}, {"Ö", 'o'}};
  std::string r;
  for (size_t i = 0; i < nombre.size() && r.size() < 20;) {
    const unsigned char c = static_cast<unsigned char>(nombre[i]);
    if (c < 0x80) {
      if (std::isalnum(c)) r += static_cast<char>(std::tolower(c));
      ++i;
      continue;
    }
    char base = 0;
    for (const auto& [acento, letra] : acentos)
      if (nombre.compare(i, acento.size(), acento) == 0) base = letra;
    if (base) r += base;
    ++i;
    while (i < nombre.size() && (static_cast<unsigned char>(nombre[i]) & 0xC0) == 0x80) ++i;
  }
  return r.empty() ? "ventas" : r;
}

const std::vector<std::string>& Zonas() {
  static const std::vector<std::string> v = {"NORTE", "SUR", "CENTRO", "OESTE", "ESTE", "INTERIOR"};
  return v;
}

}  // namespace demo
