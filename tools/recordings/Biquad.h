#pragma once

// A second-order filter section with the coefficients of the usual audio cookbook shapes.
class Biquad {
public:
    static Biquad lowPass(double rate, double cutoff, double q = 0.7071);
    static Biquad highPass(double rate, double cutoff, double q = 0.7071);
    static Biquad bandPass(double rate, double centre, double q);

    float process(float x) {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return static_cast<float>(y);
    }

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);

    double b0_, b1_, b2_, a1_, a2_;
    double z1_ = 0.0;
    double z2_ = 0.0;
};
