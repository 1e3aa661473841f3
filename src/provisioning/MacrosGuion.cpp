#include "provisioning/MacrosGuion.h"

#include <algorithm>

#include "sivlib/Texto.h"

FechaHora MasAnios(const FechaHora& fecha, int anios) {
  FechaHora f = fecha;
  f.anio += anios;
  f.dia = std::min(f.dia, FechaHora::DiasDelMes(f.anio, f.mes));
  return f;
}

std::string ExpandirMacros(const std::string& lote, const FechaHora& ahora, const std::string& baseDatos) {
  FechaHora hoy = ahora;
  hoy.hora = hoy.minuto = hoy.segundo = 0;
  std::string s = texto::ReemplazarTodo(lote, "<DATE>", hoy.SoloFecha());
  s = texto::ReemplazarTodo(s, "<NOW>", ahora.Regional());
  s = texto::ReemplazarTodo(s, "<DATE+YEAR>", MasAnios(hoy, 1).SoloFecha());
  s = texto::ReemplazarTodo(s, "<DATE-YEAR>", MasAnios(hoy, -1).SoloFecha());
  return texto::ReemplazarTodo(s, "<DATABASE>", texto::Mayusculas(baseDatos));
}
