#include "mediacontract.h"
#include "player/fakemediacomponent.h"

namespace klangtruhe::test {

struct MakeFakeMedia {
    static std::unique_ptr<MediaComponent> make() { return createMediaComponent(true); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(FakeMediaComponent, MediaContract, MakeFakeMedia);

} // namespace klangtruhe::test
