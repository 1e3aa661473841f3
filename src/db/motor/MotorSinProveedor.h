#pragma once
// The engine for a provider this platform does not have: every call fails
// as ADO does when the provider cannot be found, so the caller's usual
// failure handling takes over.
#include <memory>
#include <string>

#include "db/motor/Motor.h"

std::unique_ptr<Motor> CrearMotorSinProveedor(const std::string& proveedor);
