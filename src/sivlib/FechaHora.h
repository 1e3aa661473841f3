#pragma once
// Calendar date with time of day, as the platform's Date values: no time
// zone, second precision. Text forms:
//  - regional: day/month/year ("09/12/2026", time appended as " hh:mm:ss"
//    when it is not midnight), the form operators type and see;
//  - ISO: "2026-12-09" / "2026-12-09 14:05:00", the form the embedded
//    database stores.
#include <optional>
#include <string>
#include <string_view>

struct FechaHora {
  int anio = 1899, mes = 12, dia = 30;  // the platform's day zero
  int hora = 0, minuto = 0, segundo = 0;

  // Local date and time now, as the program's clock reads it (sivlib/Reloj.h).
  static FechaHora Ahora();
  static bool EsValida(int anio, int mes, int dia);
  static int DiasDelMes(int anio, int mes);

  // Day/month/year text, optionally followed by a time (h:mm or h:mm:ss);
  // one- or two-digit day and month, two- or four-digit year
  // (two digits: 00-29 => 20xx, 30-99 => 19xx). "." and "-" are accepted as
  // date separators too. Also accepts ISO "yyyy-mm-dd[ hh:mm[:ss]]".
  static std::optional<FechaHora> DesdeTexto(std::string_view texto);
  static std::optional<FechaHora> DesdeIso(std::string_view texto);

  bool TieneHora() const { return hora || minuto || segundo; }
  std::string Regional() const;                        // dd/mm/yyyy[ hh:mm:ss]
  std::string SoloFecha() const;                       // dd/mm/yyyy
  std::string Iso() const;                             // yyyy-mm-dd[ hh:mm:ss]
  std::string Formato(std::string_view patron) const;  // yyyy mm dd hh nn ss tokens

  // Serial day number (days since 1899-12-30) plus fraction of the day.
  double Serial() const;
  static FechaHora DesdeSerial(double serial);
  FechaHora MasDias(int dias) const;

  auto operator<=>(const FechaHora&) const = default;
};
