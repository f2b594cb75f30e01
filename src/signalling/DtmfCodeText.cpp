#include "signalling/DtmfCodeText.h"

#include <array>
#include <vector>

#include "ui/EditRules.h"

namespace DtmfCodeText {

namespace {
constexpr std::size_t kBytes = (MaxDigits + 2) / 2;
static_assert(kBytes == 8);
}  // namespace

std::string Load(Read read, const CloneImage& image) {
    std::array<std::uint8_t, kBytes> packed{};
    read(image, packed.data());
    return EditRules::UnpackDtmf(packed);
}

void Store(Write write, CloneImage& image, std::string_view text) {
    std::vector<std::uint8_t> packed = EditRules::PackDtmf(text, MaxDigits);
    packed.resize(kBytes, 0);
    write(image, packed.data());
}

}  // namespace DtmfCodeText
