#include "search/fulltextstep.h"

#include "search/searchtext.h"

namespace klangtruhe {

int fullTextFindNext(FullTextSearchState &state, const QString &plainText)
{
    const int position = findFromPosition(plainText, state.text, state.start);
    if (position > 0)
        state.start = position + 1;
    return position;
}

} // namespace klangtruhe
