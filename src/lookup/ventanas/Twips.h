#pragma once
// The lookup's layout rules are written in twips, 1/1440 inch, the unit of
// the platform the suite was designed on; Qt lays out in pixels. A length
// converts through the logical dots per inch of the widget's screen:
//   pixels = twips × dpi / 1440,
// so at the usual 96 dpi one pixel is 15 twips. The logical (not the
// physical) resolution is the one fonts are sized by, so a column that is
// "60 letters X" wide stays 60 letters wide on any screen.
class QWidget;

int Pixeles(double twips, const QWidget& w);
double Twips(int pixeles, const QWidget& w);
