#pragma once
// Contrast between two colours as accessibility guidelines measure it: the
// ratio of their relative luminances (each plus 0.05), from 1 (equal) to 21
// (black on white). Text needs at least 4.5, other things a user must see
// (outlines, check boxes, handles) at least 3.

#include <QColor>

inline constexpr double kTextContrast = 4.5;
inline constexpr double kNonTextContrast = 3.0;

double contrastRatio(const QColor &a, const QColor &b);
