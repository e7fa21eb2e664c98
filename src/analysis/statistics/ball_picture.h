#pragma once

#include <QPixmap>

// A lottery ball with its number, drawn at the given size (a square picture, clear outside the
// ball). Balls take their colour from the number's decade, as the players' charts do.
QPixmap BallPicture(int number, int size);

// The larger picture of a last digit for the tail view.
QPixmap TailPicture(int digit, int size);
