// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// R. P. Brent's methods for one unknown ("Algorithms for Minimization
// without Derivatives", 1973, chapters 4 and 5): a parabola through the last
// three points where it behaves, golden sections or bisection where it does
// not. They need a handful of evaluations where golden sections and
// bisection need twenty, and are never much slower.
//
// Both return a point within `tolerance` (absolute, > 0) of the answer.

#include <cmath>
#include <limits>

namespace brent {

// The least value of f on [a, b], where it has one minimum (or where its
// lowest point is at an end).
template <typename Function> double Minimum(Function f, double a, double b, double tolerance)
{
    // (3 - √5) / 2: the golden section's smaller part.
    constexpr double Golden = 0.38196601125010515;
    double x = a + Golden * (b - a), w = x, v = x;
    double fx = f(x), fw = fx, fv = fx;
    double d = 0, e = 0;
    for (;;) {
        const double middle = (a + b) / 2;
        const double tol = std::numeric_limits<double>::epsilon() * std::fabs(x) + tolerance / 2;
        if (std::fabs(x - middle) <= 2 * tol - (b - a) / 2)
            return x;
        bool parabolic = false;
        if (std::fabs(e) > tol) {
            // The parabola through x, w and v.
            double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0)
                p = -p;
            else
                q = -q;
            const double before = e;
            e = d;
            // Its vertex taken only inside the bracket, and only where the
            // step is less than half the step before last.
            if (std::fabs(p) < std::fabs(q * before / 2) && p > q * (a - x) && p < q * (b - x)) {
                d = p / q;
                const double u = x + d;
                if (u - a < 2 * tol || b - u < 2 * tol)
                    d = x < middle ? tol : -tol;
                parabolic = true;
            }
        }
        if (!parabolic) {
            e = (x < middle ? b : a) - x;
            d = Golden * e;
        }
        const double u = std::fabs(d) >= tol ? x + d : x + (d > 0 ? tol : -tol);
        const double fu = f(u);
        if (fu <= fx) {
            (u < x ? b : a) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
}

// A zero of f on [a, b], where f(a) and f(b) differ in sign.
template <typename Function> double Root(Function f, double a, double b, double tolerance)
{
    double fa = f(a), fb = f(b);
    double c = a, fc = fa;
    double d = b - a, e = d;
    for (;;) {
        // b is the best guess so far, c the other end of the bracket.
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol =
            2 * std::numeric_limits<double>::epsilon() * std::fabs(b) + tolerance / 2;
        const double middle = (c - b) / 2;
        if (std::fabs(middle) <= tol || fb == 0)
            return b;
        if (std::fabs(e) < tol || std::fabs(fa) <= std::fabs(fb)) {
            d = e = middle;
        } else {
            // The secant, or the inverse quadratic through a, b and c.
            double s = fb / fa, p, q;
            if (a == c) {
                p = 2 * middle * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc, r = fb / fc;
                p = s * (2 * middle * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            s = e;
            e = d;
            if (2 * p < 3 * middle * q - std::fabs(tol * q) && p < std::fabs(s * q / 2)) {
                d = p / q;
            } else {
                d = e = middle;
            }
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (middle > 0 ? tol : -tol);
        fb = f(b);
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
    }
}

} // namespace brent
