// Tolerant comparisons of doubles used wherever a calculation compares "within a tolerance".
#pragma once

class CPloMath {
public:
    static constexpr double kEps = 1e-6;

    // a > b by more than eps / a < b by more than eps.
    static bool More(double a, double b, double eps = kEps);
    static bool Less(double a, double b, double eps = kEps);
    // |a| <= eps.
    static bool IsZero(double a, double eps = kEps);
    // a = b, a >= b, a <= b, each within eps.
    static bool EqualTo(double a, double b, double eps = kEps);
    static bool EqualMore(double a, double b, double eps = kEps);
    static bool EqualLess(double a, double b, double eps = kEps);
};
