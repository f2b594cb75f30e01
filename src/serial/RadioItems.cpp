#include "serial/RadioItems.h"

#include "image/ItemsSystem.h"

namespace RadioItems {

Password PasswordOf(const CloneImage& image) {
    // The flag bit reads 1 when no password is set.
    return {static_cast<int>(ItemMap::GetProgrammingPasswordOn(image)),
            {static_cast<int>(ItemMap::GetProgrammingPasswordDigit1(image)),
             static_cast<int>(ItemMap::GetProgrammingPasswordDigit2(image)),
             static_cast<int>(ItemMap::GetProgrammingPasswordDigit3(image)),
             static_cast<int>(ItemMap::GetProgrammingPasswordDigit4(image)),
             static_cast<int>(ItemMap::GetProgrammingPasswordDigit5(image)),
             static_cast<int>(ItemMap::GetProgrammingPasswordDigit6(image))}};
}

}  // namespace RadioItems
