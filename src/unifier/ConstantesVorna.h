#pragma once
// Fixed values of the export to the supplier's data platform Vorna.
#include <string_view>

namespace vorna {

// Ledger account of the supplier in the ERP: selects its articles.
inline constexpr std::string_view kCuentaProveedor = "21101010029";
// First column of every line and first part of every file name.
inline constexpr std::string_view kCodigoLinea = "610013001";
inline constexpr std::string_view kDelimitador = ";";
inline constexpr std::string_view kFinDeLinea = "\r\n";
// Environment variable of the temporary folder.
inline constexpr std::string_view kVariableTemporal = "TEMP";
// Temporary file name: day, month, four-digit year, hour, minutes, seconds.
inline constexpr std::string_view kPatronTemporal = "ddmmyyyyhhnnss";
inline constexpr std::string_view kExtensionTemporal = ".TMP";
inline constexpr std::string_view kExtensionArchivo = ".csv";

// Data-set codes.
inline constexpr std::string_view kVentas = "VTA";
inline constexpr std::string_view kStock = "STK";
inline constexpr std::string_view kClientes = "PDV";
inline constexpr std::string_view kRutas = "RTA";

// Route file: its fixed second column, and the seller written for a
// customer without one.
inline constexpr std::string_view kColumnaFijaRuta = "0000000";
inline constexpr std::string_view kVendedorPorDefecto = "33";

// Widths the platform accepts.
inline constexpr int kLargoCodigo = 10;
inline constexpr int kLargoTexto = 50;

}  // namespace vorna
