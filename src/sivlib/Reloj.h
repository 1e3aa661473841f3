#pragma once
// The program's one clock. Every "now", every interval and every "has it
// been long enough" reads it, so that a test can set time and move it
// instead of depending on how long the machine has been up or on the hour
// it runs at.
//  - Monotono(): an instant for intervals and waits. Its epoch means
//    nothing (on Linux it is the boot): only differences between two
//    readings count, and a first reading may be close to zero.
//  - Local(): the local wall-clock date and time of day.
#include <chrono>
#include <memory>

#include "sivlib/FechaHora.h"

class Reloj {
 public:
  using Instante = std::chrono::steady_clock::time_point;
  virtual ~Reloj() = default;
  virtual Instante Monotono() const = 0;
  virtual FechaHora Local() const = 0;
};

// The clock in use: the system's until another one is installed.
Reloj& reloj();
// Installs a clock; nullptr puts the system's back.
void FijarReloj(std::shared_ptr<Reloj> nuevo);
