// A rectangle on the screen in twips (1/1440 inch): the window's outer edges, the screen.
#pragma once

namespace rebanex {

struct Rectangulo {
    double izquierda = 0, arriba = 0, ancho = 0, alto = 0;
    bool operator==(const Rectangulo&) const = default;
};

}  // namespace rebanex
