#pragma once
// The about box's two 32 x 32 pictures, drawn here: a switch stack seen from
// the front, its port LEDs lit (Lit) or dark (Dark).

#include <QImage>

enum class AboutPicture { Lit, Dark };

QImage DrawAboutPicture(AboutPicture which);
