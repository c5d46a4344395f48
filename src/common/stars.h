#pragma once

#include <QPixmap>
#include <QString>

namespace klangtruhe {

// A five-pointed star, gold or grey, drawn for the screen's pixel ratio so it
// stays crisp; `pixels` is its logical edge length.
QPixmap starPicture(bool gold, int pixels, qreal ratio);

// Gold stars of an entry's rating text (field Bewertung): its leading number
// rounded, 0 for an empty text or one outside 0 .. below 7, at most six.
int entryStars(const QString &bewertung);

} // namespace klangtruhe
