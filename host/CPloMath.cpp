// Tolerant comparisons of doubles: every comparison allows a difference of eps.
#include "CPloMath.h"

#include <cmath>

bool CPloMath::More(double a, double b, double eps) { return a > b + eps; }

bool CPloMath::Less(double a, double b, double eps) { return a < b - eps; }

bool CPloMath::IsZero(double a, double eps) { return std::fabs(a) <= eps; }

bool CPloMath::EqualTo(double a, double b, double eps) { return std::fabs(a - b) <= eps; }

bool CPloMath::EqualMore(double a, double b, double eps) { return a >= b - eps; }

bool CPloMath::EqualLess(double a, double b, double eps) { return a <= b + eps; }
