#pragma once
// The product families as a tree. Family codes grow by levels ("01",
// "0101", "010101"), so each family's parent is the greatest smaller code
// that is shorter (trimmed): the statement names it in its third column.
#include <string>
#include <string_view>

// A statement on the families view (any case) is shown as the families tree.
bool EsSentenciaFamilias(std::string_view sentencia);

// Code, description and parent code ("relative", null at the top) of every
// family, in code order.
std::string SentenciaFamilias();
