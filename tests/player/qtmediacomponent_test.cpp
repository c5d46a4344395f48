#include "mediacontract.h"
#include "player/qtmediacomponent.h"

namespace klangtruhe::test {

// The test environment asks for fake media everywhere; this process tests the
// real component, so it builds it by hand.
struct MakeQtMedia {
    static std::unique_ptr<MediaComponent> make() { return std::make_unique<QtMediaComponent>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, MediaContract, MakeQtMedia);

} // namespace klangtruhe::test
