#include "lookup/ventanas/Twips.h"

#include <QWidget>
#include <cmath>

namespace {
constexpr double kTwipsPorPulgada = 1440;
}

int Pixeles(double twips, const QWidget& w) { return int(std::lround(twips * w.logicalDpiX() / kTwipsPorPulgada)); }

double Twips(int pixeles, const QWidget& w) { return pixeles * kTwipsPorPulgada / w.logicalDpiX(); }
