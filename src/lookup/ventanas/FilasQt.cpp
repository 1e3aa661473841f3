#include "lookup/ventanas/FilasQt.h"

#include <QColor>

#include "sivlib/ventanas/VinculoModelo.h"

FilasQt::FilasQt(Lib_FrmCons3Modelo& modelo, QObject* padre) : QAbstractTableModel(padre), modelo_(modelo) {}

int FilasQt::rowCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : int(modelo_.Filas().Cantidad()); }

int FilasQt::columnCount(const QModelIndex& padre) const {
  return padre.isValid() ? 0 : int(modelo_.Columnas().size());
}

size_t FilasQt::FilaDe(int fila) const { return modelo_.Filas().EnPosicion(size_t(fila)); }

int FilasQt::FilaEnVista(long fila) const {
  if (fila < 0) return -1;
  const size_t p = modelo_.Filas().PosicionDe(size_t(fila));
  return p == FilasConsulta::npos ? -1 : int(p);
}

QVariant FilasQt::data(const QModelIndex& indice, int rol) const {
  if (!indice.isValid() || size_t(indice.row()) >= modelo_.Filas().Cantidad()) return {};
  const size_t fila = FilaDe(indice.row());
  switch (rol) {
    case Qt::DisplayRole: {
      const std::string_view celda = modelo_.Filas().Celda(fila, size_t(indice.column()));
      return QString::fromUtf8(celda.data(), qsizetype(celda.size()));
    }
    case Qt::CheckStateRole:
      if (indice.column() != 0 || !modelo_.CheckBoxes) return {};
      return modelo_.Filas().Marcada(fila) ? Qt::Checked : Qt::Unchecked;
    case Qt::ForegroundRole: {
      const Variant color = modelo_.ColorDeFila(fila);
      return color.EsVacio() ? QVariant() : QVariant(QColor(ColorPlataforma(int32_t(int64_t(color.Numero())))));
    }
    default: return {};
  }
}

QVariant FilasQt::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
  if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole || seccion < 0 ||
      size_t(seccion) >= modelo_.Columnas().size())
    return {};
  return QString::fromStdString(modelo_.Columnas()[size_t(seccion)].titulo);
}

Qt::ItemFlags FilasQt::flags(const QModelIndex& indice) const {
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (indice.column() == 0 && modelo_.CheckBoxes) f |= Qt::ItemIsUserCheckable;
  return f;
}

bool FilasQt::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
  if (rol != Qt::CheckStateRole || indice.column() != 0 || !modelo_.CheckBoxes) return false;
  modelo_.ListView1_ItemCheck(FilaDe(indice.row()), valor.value<Qt::CheckState>() == Qt::Checked);
  emit dataChanged(indice, indice, {Qt::CheckStateRole});
  return true;
}

void FilasQt::Cambiadas() {
  if (rowCount() == 0 || columnCount() == 0) return;
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}
