#pragma once
// A generated JSON document of about the requested size: an array of order
// objects with texts (escapes and accents included), integers, decimals,
// Booleans, nulls and nested arrays and objects. Strict JSON, so that any
// parser reads it; the same size always gives the same text.
#include <cstddef>
#include <string>

std::string DocumentoPrueba(size_t bytes);
