#pragma once
// The rows of a list lookup, kept compact: a lookup may hold a hundred
// thousand rows of a few short columns, and a text object per cell would
// cost several times the text itself. A row's cells lie one after the
// other in large shared blocks, each cell preceded by its length (one byte
// for a cell shorter than 128 bytes); a row keeps only where it begins.
// Besides its cells a row has a mark (check box) and a stock level (0 for
// none, 1 to 4). Nothing is ever moved once stored: the per-row lists grow
// in pieces instead of being copied into larger ones.
//
// Rows are numbered in the order they were added; the list shows them in
// its own order (Posicion), which sorting changes.
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class FilasConsulta {
 public:
  static constexpr size_t npos = size_t(-1);

  // Empties the list; every row added from now on has `columnas` cells.
  void Vaciar(size_t columnas);
  size_t Columnas() const { return columnas_; }
  size_t Cantidad() const { return filas_.size(); }

  // Adds a row at the end of the list; missing cells are empty.
  void Agregar(std::span<const std::string> celdas, uint8_t nivel = 0);
  std::string_view Celda(size_t fila, size_t columna) const;
  void FijarCelda(size_t fila, size_t columna, std::string_view texto);
  bool Marcada(size_t fila) const { return (estados_[fila] & kMarca) != 0; }
  void Marcar(size_t fila, bool marcada);
  uint8_t Nivel(size_t fila) const { return uint8_t(estados_[fila] >> 1); }

  // The row shown at a position of the list (0-based) and back.
  size_t EnPosicion(size_t posicion) const { return orden_[posicion]; }
  size_t PosicionDe(size_t fila) const;
  // Sorts the list by one column's text, ignoring case; rows of equal text
  // keep their order.
  void Ordenar(size_t columna, bool descendente);
  // The first position, in list order, whose cell trimmed starts with
  // `prefijo` ignoring case; npos when none does.
  size_t Buscar(size_t columna, std::string_view prefijo) const;

  // Bytes held for the rows (cells, places, marks, order).
  size_t Memoria() const;

 private:
  static constexpr uint8_t kMarca = 1;
  struct Ubicacion {
    uint32_t bloque;
    uint32_t inicio;
  };
  // Writes the cells as one row; returns where it begins.
  Ubicacion Guardar(std::span<const std::string_view> celdas);
  // Room for `largo` bytes that stay in one block.
  Ubicacion Reservar(size_t largo);
  const char* Dato(Ubicacion u) const { return bloques_[u.bloque].datos.get() + u.inicio; }

  struct Bloque {
    std::unique_ptr<char[]> datos;
    size_t capacidad = 0, usado = 0;
  };
  size_t columnas_ = 0;
  std::vector<Bloque> bloques_;
  std::deque<Ubicacion> filas_;
  std::deque<uint8_t> estados_;  // mark in bit 0, stock level above it
  std::deque<uint32_t> orden_;
  std::vector<std::string_view> vistas_;  // a row's cells while it is written
};
