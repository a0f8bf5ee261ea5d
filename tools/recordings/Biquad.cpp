#include "Biquad.h"

#include <cmath>
#include <numbers>

namespace {

struct Angle {
    double cosine;
    double alpha;
};

Angle angleOf(double rate, double frequency, double q) {
    const double w = 2.0 * std::numbers::pi * frequency / rate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}

} // namespace

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

Biquad Biquad::lowPass(double rate, double cutoff, double q) {
    const Angle a = angleOf(rate, cutoff, q);
    const double b = (1.0 - a.cosine) / 2.0;
    return {b, 2.0 * b, b, 1.0 + a.alpha, -2.0 * a.cosine, 1.0 - a.alpha};
}

Biquad Biquad::highPass(double rate, double cutoff, double q) {
    const Angle a = angleOf(rate, cutoff, q);
    const double b = (1.0 + a.cosine) / 2.0;
    return {b, -2.0 * b, b, 1.0 + a.alpha, -2.0 * a.cosine, 1.0 - a.alpha};
}

// Unity gain at the centre.
Biquad Biquad::bandPass(double rate, double centre, double q) {
    const Angle a = angleOf(rate, centre, q);
    return {a.alpha, 0.0, -a.alpha, 1.0 + a.alpha, -2.0 * a.cosine, 1.0 - a.alpha};
}
