#pragma once
// The ring that a control of the program's own drawing shows just inside its
// rect while it has the keyboard focus: the accent colour outside, a white
// line inside, so it shows on dark bands and on accent fills alike.

class QPainter;
class QRect;

void paintFocusRing(QPainter &painter, const QRect &rect, double radius = 5);
