#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <vector>

// Every picture of the game: its file name in Graphics/, its size, and how it is drawn.
namespace art {

struct PictureRecipe {
    QString fileName;
    int width;
    int height;
    std::function<void(QPainter &)> draw;
};

const std::vector<PictureRecipe> &allPictures();

// Draws a picture on the window colour and keys its surroundings with magenta.
QImage renderPicture(const PictureRecipe &recipe);

// All pictures on one cream sheet, the key colour shown transparent, with
// their names: for looking at them all at once.
QImage contactSheet(int first = 0, int count = -1);

} // namespace art
