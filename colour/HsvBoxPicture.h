#pragma once

#include "colour/HsvBoxModel.h"

#include <QImage>

// The colour box's 24-bit picture: the field for the model's hue, the hue bar, and the two
// markers inverted over them.
QImage hsvBoxPicture(const HsvBoxModel &model);

// The picture without its markers (the field depends only on the hue).
QImage hsvBoxBackground(const HsvBoxModel &model);

// Inverts the two marker outlines into a picture made by hsvBoxBackground.
void invertHsvBoxMarkers(QImage &picture, const HsvBoxModel &model);
