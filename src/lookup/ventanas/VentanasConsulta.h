#pragma once
// The Qt front end of the lookup service: once installed, a lookup shows
// the list or the tree window, and "N&uevo" on articles opens the article
// registration window. A program with a display installs it once, before
// any lookup.
void InstalarVentanasConsulta();
