// What the window asks of Mensatel, the SMS-sending program it serves.
#pragma once

#include <string>

namespace rebanex {

class Anfitrion {
  public:
    virtual ~Anfitrion() = default;
    // Pastes a piece into Mensatel's message field. False only when Mensatel's size limit
    // refused the piece; true otherwise, also when Mensatel is not there.
    virtual bool PegarTrozoEnMensatel(std::string& trozo) = 0;
    // Reads the largest message size Mensatel's server accepts; the text for Lon, or ""
    // when it could not be read.
    virtual std::string LeerTamanyoMaximo() = 0;
};

// Until the automation exists: Mensatel is never found.
class AnfitrionAusente : public Anfitrion {
  public:
    bool PegarTrozoEnMensatel(std::string&) override { return true; }
    std::string LeerTamanyoMaximo() override { return {}; }
};

}  // namespace rebanex
