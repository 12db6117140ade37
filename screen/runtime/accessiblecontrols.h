// SPDX-License-Identifier: MIT
#pragma once

class PictureBox;
class Shape;

// How assistive technology sees the game's own controls: an Image is a
// picture, read by its accessible description; a PictureBox that holds a
// Shape is a gauge whose value is the Shape's width in the box's scale,
// cut to the box as the screen shows it. The controls install this
// themselves when they are made; a Shape reports each Move of a gauge.
void installAccessibleControls();

// The gauge's value as the box shows it, in scale units, or 0 when the box
// holds no shape.
int gaugeValue(const PictureBox &box);

void gaugeMoved(const Shape &shape);
