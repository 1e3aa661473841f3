#pragma once
// The rows of a list lookup as Qt's item views read them: a table model
// over the window model's rows, in the list's order, that copies nothing
// (a view asks only for the rows it draws). The first column carries the
// row's check box when the lookup has them; a row of an article drawn by
// stock level takes its colour.
#include <QAbstractTableModel>

#include "lookup/Lib_FrmCons3Modelo.h"

class FilasQt : public QAbstractTableModel {
  Q_OBJECT
 public:
  FilasQt(Lib_FrmCons3Modelo& modelo, QObject* padre = nullptr);

  int rowCount(const QModelIndex& padre = {}) const override;
  int columnCount(const QModelIndex& padre = {}) const override;
  QVariant data(const QModelIndex& indice, int rol) const override;
  QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;
  Qt::ItemFlags flags(const QModelIndex& indice) const override;
  bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;

  // The window model's notices, passed on to the views.
  void AntesDeCargar() { beginResetModel(); }
  void Cargada() { endResetModel(); }
  void AntesDeOrdenar() { emit layoutAboutToBeChanged(); }
  void Ordenada() { emit layoutChanged(); }
  void Cambiadas();

  // The row of the window model shown at a row of the view, and back (-1: none).
  size_t FilaDe(int fila) const;
  int FilaEnVista(long fila) const;

 private:
  Lib_FrmCons3Modelo& modelo_;
};
