#pragma once
// A loopback TCP port where nothing listens, for the whole life of the
// object: it stays bound by this socket, which never listens, so no other
// process (another test running at the same time) can take it meanwhile. A
// connection to it is refused at once.
class PuertoCerrado {
 public:
  PuertoCerrado();
  ~PuertoCerrado();
  PuertoCerrado(const PuertoCerrado&) = delete;
  PuertoCerrado& operator=(const PuertoCerrado&) = delete;

  // The port's number; 0 when no port could be bound.
  int Numero() const { return numero_; }

 private:
  int socket_ = -1;
  int numero_ = 0;
};
