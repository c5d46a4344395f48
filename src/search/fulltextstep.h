#pragma once

#include <QString>

namespace klangtruhe {

// The full-text search of the song list between two button clicks.
struct FullTextSearchState {
    QString text;  // what "Weitersuchen" looks for
    int start = 0; // 1-based position it goes on from; 0 before the first search
};

// One search in the plain text from the state's start position. On a find
// it returns the 1-based position and moves the start just behind its first
// character (so overlapping finds are found too); otherwise 0 and the state
// stays.
int fullTextFindNext(FullTextSearchState &state, const QString &plainText);

} // namespace klangtruhe
